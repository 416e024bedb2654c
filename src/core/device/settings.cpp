#include "core/device/settings.h"

#include <cmath>
#include <limits>
#include <string>

#include "core/device/device.h"
#include "core/device/value_conversion.h"

namespace tap {

namespace {

std::string nameOf(const SettingKey& k) { return std::string(k.section) + " / " + k.key; }

// Round half to even, as the stored defaults are converted.
std::int32_t roundEven(double v) { return static_cast<std::int32_t>(std::nearbyint(v)); }

constexpr const char* kClockItems[] = {"CLOCK_24", "CLOCK_12", "CLOCK_24_ABOUT", "CLOCK_12_ABOUT"};

}  // namespace

std::int16_t Settings::readInt16(const SettingKey& k, std::int16_t fallback) {
    const auto text = d_.p.settings.read(k.section, k.key);
    return text ? toInt16(*text, nameOf(k)) : fallback;
}

std::int32_t Settings::readInt32(const SettingKey& k, std::int32_t fallback) {
    const auto text = d_.p.settings.read(k.section, k.key);
    return text ? toInt32(*text, nameOf(k)) : fallback;
}

bool Settings::readBool(const SettingKey& k, bool fallback) {
    const auto text = d_.p.settings.read(k.section, k.key);
    return text ? toBool(*text, nameOf(k)) : fallback;
}

void Settings::write(const SettingKey& k, const std::string& value) { d_.p.settings.write(k.section, k.key, value); }

void Settings::write(const SettingKey& k, long value) { write(k, std::to_string(value)); }

void Settings::Load_FormSkn() {
    const auto skin = readInt16(keys::SKIN, 0);
    d_.menu.choose("SKIN" + std::to_string(skin >= 0 && skin < kSkinCount ? skin : 0));
    if (readInt16(keys::SIZE, 0) != 0) d_.menu.choose("VIEW_COMPACT");
}

Point Settings::centred() const {
    const Size screen = d_.p.window.screenSize();
    return {roundEven((screen.width - kWindowWidth) / 2.0), roundEven((screen.height - kWindowHeight) / 2.0)};
}

void Settings::Load_FormPos() {
    const Size screen = d_.p.window.screenSize();
    const Point centre = centred();
    std::int32_t x = readInt32(keys::POS_X, centre.x);
    std::int32_t y = readInt32(keys::POS_Y, centre.y);
    const auto size = readInt16(keys::SIZE, 0);
    const bool forward = readBool(keys::FORWARD, true);

    // Pull a window that would be lost off-screen back to where it can be grabbed.
    const std::int64_t W = screen.width, H = screen.height;
    if (size == 0) {
        if (x + 23LL > W) x = static_cast<std::int32_t>(W - 436);
        else if (x < -413) x = 0;
        if (y + 45LL > H) y = static_cast<std::int32_t>(H - 288);
        else if (y < -259) y = -19;
    } else {
        if (x + 227LL > W) x = static_cast<std::int32_t>(W - 394);
        else if (x < -373) x = -207;
        if (y + 75LL > H) y = static_cast<std::int32_t>(H - 140);
        else if (y < -119) y = -55;
    }

    // The handler toggles, so start from the opposite of the wanted state.
    d_.menu.setChecked("TOP_VIEW", !forward);
    d_.menu.choose("TOP_VIEW");
    d_.p.window.move({x, y});
    windowPlaced_ = true;
}

void Settings::Load_TimeMode() {
    const auto style = readInt16(keys::TIME_MODE, 0);
    d_.menu.choose(kClockItems[style >= 0 && style <= 3 ? style : 0]);
}

void Settings::Load_MAX() {
    auto& s = d_.s;
    s.bestRecord = readInt16(keys::SHOOTING_MAX, 0);
    if (s.bestRecord >= 160) s.modeLimit = 3;
    else if (s.bestRecord >= 120) s.modeLimit = 2;
}

void Settings::loadAlarm() {
    auto& s = d_.s;
    s.alarmOn = readInt16(keys::TIME_ALARM_SET, 0);
    // A hand-edited time outside the clock's range would show pictures that do not exist; keep it on the dial.
    auto onDial = [](i16 v, int last) { return static_cast<i16>(v < 0 ? 0 : (v > last ? last : v)); };
    s.alarmHour = onDial(readInt16(keys::TIME_ALARM_HOU, 0), 23);
    s.alarmMinute = onDial(readInt16(keys::TIME_ALARM_MIN, 0), 59);
    s.alarmSecond = onDial(readInt16(keys::TIME_ALARM_SEC, 0), 59);
    d_.menu.choose(s.alarmOn == 1 ? "ALARM_ON" : "ALARM_OFF");
}

void Settings::loadBackFace() {
    auto& s = d_.s;
    s.sideAtStart = readInt16(keys::SIDE, 0);
    s.resetSeal = readInt16(keys::RESET_SEAL, 2);
    if (s.sideAtStart == 1) d_.menu.choose("URAMEN");
}

void Settings::Load_KeySetup() {
    auto& k = d_.s.keys;
    k.keyCodeSelect = readInt16(keys::KEY_SELECT, -1);
    k.keyCodeStart = readInt16(keys::KEY_START, -1);
    k.keyCodeB = readInt16(keys::KEY_B, -1);
    k.keyCodeA = readInt16(keys::KEY_A, -1);
    if (k.keyCodeSelect == -1 || k.keyCodeStart == -1 || k.keyCodeB == -1 || k.keyCodeA == -1) {
        k.keyCodeSelect = 90;  // Z
        k.keyCodeStart = 88;   // X
        k.keyCodeB = 67;       // C
        k.keyCodeA = 86;       // V
    }
    k.padButtonSelect = readInt16(keys::BUTTON_SELECT, -1);
    k.padButtonStart = readInt16(keys::BUTTON_START, -1);
    k.padButtonB = readInt16(keys::BUTTON_B, -1);
    k.padButtonA = readInt16(keys::BUTTON_A, -1);
    if (k.padButtonSelect == -1 || k.padButtonStart == -1 || k.padButtonB == -1 || k.padButtonA == -1) {
        k.padButtonSelect = 0;
        k.padButtonStart = 1;
        k.padButtonB = 2;
        k.padButtonA = 3;
    }
}

void Settings::Load_Mode() {
    auto& s = d_.s;
    const auto stored = readInt16(keys::COUNT, 0);
    // The counter stops at its largest value instead of overflowing; nothing else depends on it.
    s.startCount = stored < std::numeric_limits<std::int16_t>::max() ? static_cast<i16>(stored + 1) : stored;
    if (s.startCount == 1) d_.face.setToolTip(El::Image1, "右クリックでポップアップメニューを表示");

    s.modeNo = readInt16(keys::SELECT, -1);
    if (s.modeNo > s.modeLimit + 1 || s.modeNo < -1) s.modeNo = -1;
    if (s.modeNo != -1) s.modeNo = static_cast<i16>(s.modeNo - 1);

    // Entering a mode may start its loop, so the SELECT press arrives from the event loop once the
    // window is up rather than from inside start-up.
    d_.p.pump.post([this] { d_.lifecycle.enterStoredMode(); });
}

void Settings::savePosition() {
    // A start-up that failed before placing the window must not store where the toolkit happened to put
    // it (the corner): the next start then opens in the centre, as on a first start.
    const Point pos = windowPlaced_ ? d_.p.window.position() : centred();
    write(keys::POS_X, pos.x);
    write(keys::POS_Y, pos.y);
}

std::optional<std::string> Settings::save() {
    const auto& s = d_.s;
    write(keys::SKIN, s.skinNo);
    write(keys::SIZE, s.compactView ? 1 : 0);
    write(keys::FORWARD, d_.menu.checked("TOP_VIEW") ? "True" : "False");
    write(keys::SIDE, s.backSideShown);
    write(keys::RESET_SEAL, s.resetSeal);
    write(keys::TIME_MODE, s.timeMode);
    // Started on the back and not turned over yet, the stored mode has not been entered: modeNo holds it
    // lowered by one, ready for the SELECT that enters it. It stays stored as it was.
    if (s.sideAtStart != 1) write(keys::SELECT, s.modeNo);
    write(keys::TIME_ALARM_SET, s.alarmOn);
    write(keys::TIME_ALARM_HOU, s.alarmHour);
    write(keys::TIME_ALARM_MIN, s.alarmMinute);
    write(keys::TIME_ALARM_SEC, s.alarmSecond);
    write(keys::KEY_SELECT, s.keys.keyCodeSelect);
    write(keys::KEY_START, s.keys.keyCodeStart);
    write(keys::KEY_B, s.keys.keyCodeB);
    write(keys::KEY_A, s.keys.keyCodeA);
    write(keys::BUTTON_SELECT, s.keys.padButtonSelect);
    write(keys::BUTTON_START, s.keys.padButtonStart);
    write(keys::BUTTON_B, s.keys.padButtonB);
    write(keys::BUTTON_A, s.keys.padButtonA);
    write(keys::COUNT, s.startCount);
    return d_.p.settings.flush();
}

std::optional<std::string> Settings::factoryReset() {
    write(keys::SKIN, 0);
    write(keys::SIZE, 0);
    write(keys::FORWARD, "True");
    write(keys::SIDE, 0);
    write(keys::RESET_SEAL, 2);
    write(keys::TIME_MODE, 0);
    write(keys::SELECT, 0);
    write(keys::SHOOTING_MAX, 0);
    // The alarm switch survives the reset, unless it is what made start-up fail: kept, it would make
    // every later start fail too.
    try {
        readInt16(keys::TIME_ALARM_SET, 0);
    } catch (const ConversionError&) {
        write(keys::TIME_ALARM_SET, 0);
    }
    write(keys::TIME_ALARM_HOU, 0);
    write(keys::TIME_ALARM_MIN, 0);
    write(keys::TIME_ALARM_SEC, 0);
    write(keys::KEY_SELECT, 65);
    write(keys::KEY_START, 83);
    write(keys::KEY_B, 86);
    write(keys::KEY_A, 66);
    write(keys::BUTTON_SELECT, 0);
    write(keys::BUTTON_START, 1);
    write(keys::BUTTON_B, 2);
    write(keys::BUTTON_A, 3);
    write(keys::COUNT, 0);
    return d_.p.settings.flush();
}

void Settings::storeRecord() {
    write(keys::SHOOTING_MAX, d_.s.bestRecord);
    // A failure here waits for the shutdown's save: a message now would stop the run's end in the middle.
    (void)d_.p.settings.flush();
}

}  // namespace tap
