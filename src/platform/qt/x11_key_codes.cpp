#include "platform/qt/x11_key_codes.h"

#include <utility>

namespace tap::qt {

namespace {

using Pair = std::pair<std::uint32_t, std::int16_t>;

// Keys by their keysym: keypad, function, editing, navigation and modifier keys.
constexpr Pair kNamedKeys[] = {
    {0xff08, 8},   {0xff09, 9},   {0xfe20, 9},   {0xff0d, 13},  {0xff8d, 13},  {0xffe1, 16},  {0xffe2, 16},
    {0xffe3, 17},  {0xffe4, 17},  {0xffe9, 18},  {0xffea, 18},  {0xffe7, 18},  {0xfe03, 18},  {0xff13, 19},
    {0xffe5, 20},  {0xff1b, 27},  {0x0020, 32},  {0xff55, 33},  {0xff56, 34},  {0xff57, 35},  {0xff50, 36},
    {0xff51, 37},  {0xff52, 38},  {0xff53, 39},  {0xff54, 40},  {0xff61, 44},  {0xff63, 45},  {0xffff, 46},
    {0xffeb, 91},  {0xffec, 92},  {0xff67, 93},  {0xffaa, 106}, {0xffab, 107}, {0xffac, 108}, {0xffad, 109},
    {0xffae, 110}, {0xffaf, 111}, {0xff7f, 144}, {0xff14, 145},
    // the keypad with Num Lock off: its editing and arrow keys
    {0xff95, 36},  {0xff96, 37},  {0xff97, 38},  {0xff98, 39},  {0xff99, 40},  {0xff9a, 33},  {0xff9b, 34},
    {0xff9c, 35},  {0xff9d, 12},  {0xff9e, 45},  {0xff9f, 46},
};

// ASCII punctuation by its unshifted character, with the codes a US keyboard gives those keys.
constexpr Pair kPunctuation[] = {
    {';', 186}, {'=', 187}, {',', 188}, {'-', 189}, {'.', 190}, {'/', 191},
    {'`', 192}, {'[', 219}, {'\\', 220}, {']', 221}, {'\'', 222},
};

// The keys of a US layout by position: X key codes of the evdev driver.
constexpr Pair kUsPositions[] = {
    {10, '1'},  {11, '2'},  {12, '3'},  {13, '4'},  {14, '5'},  {15, '6'},  {16, '7'},  {17, '8'},
    {18, '9'},  {19, '0'},  {20, 189},  {21, 187},  {24, 'Q'},  {25, 'W'},  {26, 'E'},  {27, 'R'},
    {28, 'T'},  {29, 'Y'},  {30, 'U'},  {31, 'I'},  {32, 'O'},  {33, 'P'},  {34, 219},  {35, 221},
    {38, 'A'},  {39, 'S'},  {40, 'D'},  {41, 'F'},  {42, 'G'},  {43, 'H'},  {44, 'J'},  {45, 'K'},
    {46, 'L'},  {47, 186},  {48, 222},  {49, 192},  {51, 220},  {52, 'Z'},  {53, 'X'},  {54, 'C'},
    {55, 'V'},  {56, 'B'},  {57, 'N'},  {58, 'M'},  {59, 188},  {60, 190},  {61, 191},  {65, 32},
    {94, 226},  // the extra key of ISO keyboards, next to the left Shift
};

template <std::size_t N>
std::int16_t lookUp(const Pair (&table)[N], std::uint32_t key) {
    for (const auto& [k, code] : table)
        if (k == key) return code;
    return 0;
}

std::int16_t namedKey(std::uint32_t sym) {
    if (sym >= 0xffbe && sym <= 0xffc9) return static_cast<std::int16_t>(112 + sym - 0xffbe);  // F1-F12
    if (sym >= 0xffb0 && sym <= 0xffb9) return static_cast<std::int16_t>(96 + sym - 0xffb0);   // keypad digits
    return lookUp(kNamedKeys, sym);
}

std::int16_t latinLetterOrDigit(std::uint32_t sym) {
    if (sym >= 'a' && sym <= 'z') return static_cast<std::int16_t>(sym - 'a' + 'A');
    if ((sym >= 'A' && sym <= 'Z') || (sym >= '0' && sym <= '9')) return static_cast<std::int16_t>(sym);
    return 0;
}

}  // namespace

std::int16_t virtualKeyOfX11(const X11Key& key) {
    // Both levels are asked, so that Shift never changes the code and a digit on a shifted level
    // (the French number row) is still that digit.
    const bool levelsKnown = key.levels[0] != 0 || key.levels[1] != 0;
    for (std::uint32_t sym : levelsKnown ? key.levels : std::array{key.eventSym, 0u})
        if (const auto code = latinLetterOrDigit(sym)) return code;
    // The keypad's own keysym says whether Num Lock makes it a digit or an arrow.
    if (const auto code = namedKey(key.eventSym)) return code;
    if (const auto code = lookUp(kPunctuation, levelsKnown ? key.levels[0] : key.eventSym)) return code;
    return lookUp(kUsPositions, key.keycode);
}

}  // namespace tap::qt
