// Renders an SVG picture into a square PNG of a given size: the menu icons at their fixed sizes come from
// the one drawing.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: svg_to_png PICTURE.svg SIZE OUT.png\n");
        return 2;
    }
    // A build step: there is no screen to draw on, and none is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    bool isNumber = false;
    const int size = QByteArray(argv[2]).toInt(&isNumber);
    if (!svg.isValid() || !isNumber || size <= 0 || size > 4096) {
        std::fprintf(stderr, "svg_to_png: cannot render %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "svg_to_png: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
