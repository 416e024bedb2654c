// Key codes from what the X server says about a key, for the layouts a user of the device may have:
// the same physical keys act as the same face buttons, and Shift never changes a key's code.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "platform/qt/x11_key_codes.h"

namespace tap::qt {
namespace {

struct Case {
    const char* what;
    std::uint32_t keycode;
    std::uint32_t unshifted, shifted;  // the key's keysyms in the layout
    std::uint32_t event;               // what the event carries
    std::int16_t code;
};

void check(const char* layout, std::initializer_list<Case> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(virtualKeyOfX11({c.keycode, c.event, {c.unshifted, c.shifted}}), c.code) << layout << ": " << c.what;
}

TEST(X11KeyCodes, UsLayout) {
    check("us", {
        {"z", 52, XK_z, XK_Z, XK_z, 90},
        {"Shift+z", 52, XK_z, XK_Z, XK_Z, 90},
        {"Shift+1", 10, XK_1, XK_exclam, XK_exclam, 49},
        {"space", 65, XK_space, XK_space, XK_space, 32},
        {"F5", 71, XK_F5, XK_F5, XK_F5, 116},
        {"keypad 1 with Num Lock", 87, XK_KP_End, XK_KP_1, XK_KP_1, 97},
        {"keypad 1 without Num Lock", 87, XK_KP_End, XK_KP_1, XK_KP_End, 35},
        {"left Shift", 50, XK_Shift_L, XK_Shift_L, XK_Shift_L, 16},
        {"left arrow", 113, XK_Left, XK_Left, XK_Left, 37},
        {"semicolon", 47, XK_semicolon, XK_colon, XK_colon, 186},
    });
}

TEST(X11KeyCodes, FrenchAzertyLayoutKeepsItsLetters) {
    check("fr", {
        {"a at the US q", 24, XK_a, XK_A, XK_a, 65},
        {"q at the US a", 38, XK_q, XK_Q, XK_q, 81},
        {"z at the US w", 25, XK_z, XK_Z, XK_z, 90},
        {"w at the US z", 52, XK_w, XK_W, XK_w, 87},
        {"m at the US ;", 47, XK_m, XK_M, XK_m, 77},
        {"comma at the US m is no M", 58, XK_comma, XK_question, XK_comma, 188},
        {"& 1", 10, XK_ampersand, XK_1, XK_ampersand, 49},
        {"Shift+& 1", 10, XK_ampersand, XK_1, XK_1, 49},
        {"é 2", 11, XK_eacute, XK_2, XK_eacute, 50},
        {"à 0", 19, XK_agrave, XK_0, XK_agrave, 48},
        {"dead circumflex", 34, XK_dead_circumflex, XK_dead_diaeresis, XK_dead_circumflex, 219},
        {"ù", 48, XK_ugrave, XK_percent, XK_ugrave, 222},
    });
}

TEST(X11KeyCodes, RussianLayoutUsesTheUsPositions) {
    check("ru", {
        {"я", 52, XK_Cyrillic_ya, XK_Cyrillic_YA, XK_Cyrillic_ya, 90},
        {"Shift+я", 52, XK_Cyrillic_ya, XK_Cyrillic_YA, XK_Cyrillic_YA, 90},
        {"ч", 53, XK_Cyrillic_che, XK_Cyrillic_CHE, XK_Cyrillic_che, 88},
        {"с", 54, XK_Cyrillic_es, XK_Cyrillic_ES, XK_Cyrillic_es, 67},
        {"м", 55, XK_Cyrillic_em, XK_Cyrillic_EM, XK_Cyrillic_em, 86},
        {"Shift+3", 12, XK_3, XK_numerosign, XK_numerosign, 51},
        {"period at the US /", 61, XK_period, XK_comma, XK_period, 190},
    });
}

TEST(X11KeyCodes, GreekLayoutUsesTheUsPositions) {
    check("gr", {
        {"ζ", 52, XK_Greek_zeta, XK_Greek_ZETA, XK_Greek_zeta, 90},
        {"χ", 53, XK_Greek_chi, XK_Greek_CHI, XK_Greek_chi, 88},
        {"ψ", 54, XK_Greek_psi, XK_Greek_PSI, XK_Greek_psi, 67},
        {"ω", 55, XK_Greek_omega, XK_Greek_OMEGA, XK_Greek_omega, 86},
        {"ς at the US w", 25, XK_Greek_finalsmallsigma, XK_Greek_SIGMA, XK_Greek_finalsmallsigma, 87},
        {"semicolon at the US q", 24, XK_semicolon, XK_colon, XK_semicolon, 186},
    });
}

TEST(X11KeyCodes, WithoutTheKeyboardMapTheEventAndThePositionStillServe) {
    check("no map", {
        {"Shift+1", 10, 0, 0, XK_exclam, 49},
        {"я", 52, 0, 0, XK_Cyrillic_ya, 90},
        {"v", 55, 0, 0, XK_v, 86},
        {"an unknown key", 200, 0, 0, 0x1008ff13, 0},
    });
}

}  // namespace
}  // namespace tap::qt
