#include "platform/qt/user_files.h"

#include <QFile>
#include <QSaveFile>

namespace tap::qt {

FileText QtUserFiles::read(const std::string& path, std::size_t maxBytes) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {std::nullopt, f.errorString().toStdString()};
    // One byte more than allowed tells a file that is too large without reading all of it.
    const QByteArray bytes = f.read(static_cast<qint64>(maxBytes) + 1);
    if (f.error() != QFileDevice::NoError) return {std::nullopt, f.errorString().toStdString()};
    if (static_cast<std::size_t>(bytes.size()) > maxBytes) return {std::nullopt, "ファイルが大きすぎます。"};
    return {bytes.toStdString(), {}};
}

std::string QtUserFiles::write(const std::string& path, const std::string& text) {
    QSaveFile f(QString::fromStdString(path));
    const QByteArray bytes = QByteArray::fromStdString(text);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit()) return {};
    return f.errorString().toStdString();
}

}  // namespace tap::qt
