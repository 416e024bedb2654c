#include "platform/qt/picture_files.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace tap::qt {

namespace {
bool offered(const QByteArray& format) {
    return format == "bmp" || format == "png" || format == "jpeg" || format == "jpg" || format == "gif";
}

// An uncompressed bitmap must hold all the rows its header promises: the decoder would leave the
// missing ones undefined rather than fail.
bool bitmapComplete(const QString& path, qint64 fileSize) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray h = f.read(34);
    if (h.size() < 26) return false;
    const auto* b = reinterpret_cast<const uchar*>(h.constData());
    const qint64 offset = qFromLittleEndian<quint32>(b + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(b + 14);
    qint64 width, height, bits, compression = 0;
    if (infoSize == 12) {  // the old OS/2 header
        width = qFromLittleEndian<quint16>(b + 18);
        height = qFromLittleEndian<quint16>(b + 20);
        bits = qFromLittleEndian<quint16>(b + 24);
    } else {
        if (h.size() < 34) return false;
        width = qFromLittleEndian<qint32>(b + 18);
        height = qAbs(static_cast<qint64>(qFromLittleEndian<qint32>(b + 22)));
        bits = qFromLittleEndian<quint16>(b + 28);
        compression = qFromLittleEndian<quint32>(b + 30);
    }
    if (compression != 0 && compression != 3) return true;  // run-length data: the decoder checks it
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return offset + rowBytes * height <= fileSize;
}
}  // namespace

std::shared_ptr<const QtUserPicture> readPictureFile(const QString& path, QSize kept,
                                                     const PictureLimits& limits) {
    const QFileInfo info(path);
    // Only plain files: a pipe or a device could block the reader for good.
    if (!info.isFile() || info.size() <= 0 || info.size() > limits.maxFileBytes) return nullptr;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !offered(reader.format())) return nullptr;
    if (reader.format() == "bmp" && !bitmapComplete(path, info.size())) return nullptr;
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() ||
        static_cast<qint64>(size.width()) * size.height() > limits.maxPixels)
        return nullptr;
    const QRect shown(QPoint(0, 0), size.boundedTo(kept));
    if (reader.supportsOption(QImageIOHandler::ClipRect)) reader.setClipRect(shown);
    QImageReader::setAllocationLimit(limits.decodeMegabytes);
    const QImage image = reader.read();
    if (image.isNull()) return nullptr;
    return std::make_shared<QtUserPicture>(
        image.copy(shown.intersected(image.rect())).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

}  // namespace tap::qt
