#include "platform/qt/settings_stores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
    std::optional<std::string> flush() override {
        settings_.sync();
        if (settings_.status() == QSettings::NoError) return std::nullopt;
        return "HKEY_CURRENT_USER\\Software\\" + std::string(kAppName) + ": the registry could not be written";
    }

private:
    QSettings settings_;
};
#endif

// The renamed file must be whole even after a power cut; a disk that fills up may say so only here.
std::optional<QString> syncToDisk(QSaveFile& f) {
#ifdef Q_OS_UNIX
    if (::fsync(f.handle()) != 0) return QString::fromLocal8Bit(std::strerror(errno));
#else
    Q_UNUSED(f);
#endif
    return std::nullopt;
}

// Writes all of `bytes`; a disk that fills up first takes part of a write and refuses the rest, and
// only the refusal says why.
bool writeAll(QSaveFile& f, const QByteArray& bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

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

std::optional<std::string> IniSettingsStore::flush() {
    if (!dirty_) return std::nullopt;
    const QString dir = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(dir)) return (dir + QStringLiteral(": the folder cannot be created")).toStdString();
    QSaveFile f(path_);
    const QByteArray bytes = QByteArray::fromStdString(ini_.text());
    // Written to a new file beside the old one and renamed over it only when complete and on disk.
    // Unbuffered, so that a write the disk cut short shows as short here: a buffered one can be lost
    // while closing with no error reported, and the cut file would replace the whole one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return (path_ + QStringLiteral(": ") + f.errorString()).toStdString();
    if (!writeAll(f, bytes)) {
        const QString reason = f.errorString();
        f.cancelWriting();
        return (path_ + QStringLiteral(": ") + reason).toStdString();
    }
    if (const auto failure = syncToDisk(f)) {
        f.cancelWriting();
        return (path_ + QStringLiteral(": ") + *failure).toStdString();
    }
    if (!f.commit()) return (path_ + QStringLiteral(": ") + f.errorString()).toStdString();
    dirty_ = false;
    return std::nullopt;
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
