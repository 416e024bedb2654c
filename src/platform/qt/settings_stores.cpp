#include "platform/qt/settings_stores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

namespace tap::qt {

namespace {
constexpr const char* kAppName = "TAPRIKO_RUZIRODO";

#ifdef Q_OS_WIN
// The registry keeps one key per value under the application's own name.
class RegistrySettingsStore : public SettingsStore {
public:
    RegistrySettingsStore() : settings_(QSettings::NativeFormat, QSettings::UserScope, kAppName, kAppName) {}
    std::optional<std::string> read(const std::string& section, const std::string& key) override {
        const QVariant v = settings_.value(QString::fromStdString(section + "/" + key));
        if (!v.isValid()) return std::nullopt;
        return v.toString().toStdString();
    }
    void write(const std::string& section, const std::string& key, const std::string& value) override {
        settings_.setValue(QString::fromStdString(section + "/" + key), QString::fromStdString(value));
    }
    void flush() override { settings_.sync(); }

private:
    QSettings settings_;
};
#endif
}  // namespace

IniSettingsStore::IniSettingsStore(QString path) : path_(std::move(path)) {
    QFile f(path_);
    if (f.open(QIODevice::ReadOnly)) ini_ = IniFile::parse(f.readAll().toStdString());
}

std::optional<std::string> IniSettingsStore::read(const std::string& section, const std::string& key) {
    return ini_.get(section, key);
}

void IniSettingsStore::write(const std::string& section, const std::string& key, const std::string& value) {
    ini_.set(section, key, value);
    dirty_ = true;
}

void IniSettingsStore::flush() {
    if (!dirty_) return;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile f(path_);
    const QByteArray bytes = QByteArray::fromStdString(ini_.text());
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit()) {
        dirty_ = false;
        return;
    }
    // Nothing else can be done from here; keep the values in memory for the next flush.
    std::fprintf(stderr, "tapriko: cannot write settings to %s: %s\n", qPrintable(path_),
                 qPrintable(f.errorString()));
}

QString defaultSettingsPath() {
#ifdef Q_OS_WIN
    return {};
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + kAppName + "/" +
           kAppName + ".ini";
#endif
}

std::unique_ptr<SettingsStore> openSettingsStore(const QString& overridePath) {
    if (!overridePath.isEmpty()) return std::make_unique<IniSettingsStore>(overridePath);
#ifdef Q_OS_WIN
    return std::make_unique<RegistrySettingsStore>();
#else
    return std::make_unique<IniSettingsStore>(defaultSettingsPath());
#endif
}

}  // namespace tap::qt
