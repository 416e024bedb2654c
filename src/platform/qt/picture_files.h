#pragma once
// Picture files the user chooses, read without trusting them.
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

#include "core/platform.h"

namespace tap::qt {

class QtUserPicture : public UserPicture {
public:
    explicit QtUserPicture(QImage image) : image_(std::move(image)) {}
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

// What a picture file may cost. A picture is refused before decoding when its file or the size in its
// header is too large, and decoding runs under a memory limit, so a hostile file neither stalls the
// program nor exhausts its memory.
struct PictureLimits {
    qint64 maxFileBytes = 128LL << 20;
    qint64 maxPixels = 4096LL * 4096;
    int decodeMegabytes = 128;
};

// Reads a BMP, PNG, JPEG or GIF file (by its content, whatever its name) and keeps its top-left part of
// `kept` at most, which is all the program shows. Null when the file is not such a readable picture.
std::shared_ptr<const QtUserPicture> readPictureFile(const QString& path, QSize kept,
                                                     const PictureLimits& limits = {});

}  // namespace tap::qt
