#pragma once
// The stored settings: the key table's readers (the start-up loaders), the saver and the factory reset.
#include <cstdint>
#include <optional>
#include <string>

#include "core/geometry.h"

namespace tap {

class Device;

struct SettingKey {
    const char* section;
    const char* key;
};

namespace keys {
inline constexpr SettingKey POS_X{"PANEL", "POS_X"};
inline constexpr SettingKey POS_Y{"PANEL", "POS_Y"};
inline constexpr SettingKey SIZE{"PANEL", "SIZE"};
inline constexpr SettingKey FORWARD{"PANEL", "FORWARD"};
inline constexpr SettingKey SKIN{"PANEL", "SKIN"};
inline constexpr SettingKey SIDE{"PANEL", "SIDE"};
inline constexpr SettingKey RESET_SEAL{"PANEL", "RESET_SEAL"};
inline constexpr SettingKey SELECT{"MODE", "SELECT"};
inline constexpr SettingKey TIME_MODE{"MODE", "TIME_MODE"};
inline constexpr SettingKey SHOOTING_MAX{"MODE", "SHOOTING_MAX"};
inline constexpr SettingKey TIME_ALARM_SET{"MODE", "TIME_ALARM_SET"};
inline constexpr SettingKey TIME_ALARM_HOU{"MODE", "TIME_ALARM_HOU"};
inline constexpr SettingKey TIME_ALARM_MIN{"MODE", "TIME_ALARM_MIN"};
inline constexpr SettingKey TIME_ALARM_SEC{"MODE", "TIME_ALARM_SEC"};
inline constexpr SettingKey KEY_SELECT{"KEYSETUP", "KEY_SELECT"};
inline constexpr SettingKey KEY_START{"KEYSETUP", "KEY_START"};
inline constexpr SettingKey KEY_B{"KEYSETUP", "KEY_B"};
inline constexpr SettingKey KEY_A{"KEYSETUP", "KEY_A"};
inline constexpr SettingKey BUTTON_SELECT{"KEYSETUP", "BUTTON_SELECT"};
inline constexpr SettingKey BUTTON_START{"KEYSETUP", "BUTTON_START"};
inline constexpr SettingKey BUTTON_B{"KEYSETUP", "BUTTON_B"};
inline constexpr SettingKey BUTTON_A{"KEYSETUP", "BUTTON_A"};
inline constexpr SettingKey COUNT{"START_COUNT", "COUNT"};

// Every key, each with the type it is read as.
enum class ValueType { Int16, Int32, Bool };
struct TypedKey {
    SettingKey key;
    ValueType type;
};
inline constexpr TypedKey kAll[] = {
    {POS_X, ValueType::Int32},          {POS_Y, ValueType::Int32},          {SIZE, ValueType::Int16},
    {FORWARD, ValueType::Bool},         {SKIN, ValueType::Int16},           {SIDE, ValueType::Int16},
    {RESET_SEAL, ValueType::Int16},     {SELECT, ValueType::Int16},         {TIME_MODE, ValueType::Int16},
    {SHOOTING_MAX, ValueType::Int16},   {TIME_ALARM_SET, ValueType::Int16}, {TIME_ALARM_HOU, ValueType::Int16},
    {TIME_ALARM_MIN, ValueType::Int16}, {TIME_ALARM_SEC, ValueType::Int16}, {KEY_SELECT, ValueType::Int16},
    {KEY_START, ValueType::Int16},      {KEY_B, ValueType::Int16},          {KEY_A, ValueType::Int16},
    {BUTTON_SELECT, ValueType::Int16},  {BUTTON_START, ValueType::Int16},   {BUTTON_B, ValueType::Int16},
    {BUTTON_A, ValueType::Int16},       {COUNT, ValueType::Int16}};
}  // namespace keys

// Outer size of the device window in pixels; the position clamp and the centring use it.
inline constexpr int kWindowWidth = 436;
inline constexpr int kWindowHeight = 288;

class Settings {
public:
    explicit Settings(Device& d) : d_(d) {}

    // Start-up loaders, in the order the start-up runs them. A value that does not convert throws
    // ConversionError.
    void Load_FormSkn();
    void Load_FormPos();
    void Load_TimeMode();
    void Load_MAX();
    void loadAlarm();
    void loadBackFace();
    void Load_KeySetup();
    void Load_Mode();

    // Where the window is, or the centre of the screen while start-up has not placed it yet.
    void savePosition();
    // The saver and the factory reset write every value and make them durable: nothing when that
    // worked, otherwise why not (the file and the reason).
    std::optional<std::string> save();
    std::optional<std::string> factoryReset();
    // The best record is written as soon as it changes. A write that fails is tried again by the next
    // save, which reports it.
    void storeRecord();

    std::int16_t readInt16(const SettingKey& k, std::int16_t fallback);
    std::int32_t readInt32(const SettingKey& k, std::int32_t fallback);
    bool readBool(const SettingKey& k, bool fallback);
    void write(const SettingKey& k, const std::string& value);
    void write(const SettingKey& k, long value);

private:
    Point centred() const;
    Device& d_;
    bool windowPlaced_ = false;
};

}  // namespace tap
