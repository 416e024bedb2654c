#pragma once
// Where the settings live: an INI file (Linux, or any file named on the command line) or the per-user
// registry (Windows).
#include <QString>
#include <memory>

#include "core/platform.h"
#include "platform/qt/ini_file.h"

namespace tap::qt {

class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString path);
    std::optional<std::string> read(const std::string& section, const std::string& key) override;
    void write(const std::string& section, const std::string& key, const std::string& value) override;
    // Replaces the file in one step, so a crash mid-write never leaves half a file.
    std::optional<std::string> flush() override;
    const QString& path() const { return path_; }

private:
    QString path_;
    IniFile ini_;
    bool dirty_ = false;
};

// The store for this user on this system, or the INI file `overridePath` when it is not empty.
std::unique_ptr<SettingsStore> openSettingsStore(const QString& overridePath);
// The file the settings are kept in on this system (empty where they live in the registry).
QString defaultSettingsPath();

}  // namespace tap::qt

namespace tap::qt {

// Settings that live only as long as the program: used where the user's own settings must not change.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> read(const std::string& section, const std::string& key) override {
        return ini_.get(section, key);
    }
    void write(const std::string& section, const std::string& key, const std::string& value) override {
        ini_.set(section, key, value);
    }
    std::optional<std::string> flush() override { return std::nullopt; }

private:
    IniFile ini_;
};

}  // namespace tap::qt
