#pragma once
// Every face picture rendered once from our SVG sources at the screen's pixel ratio.
#include <QHash>
#include <QPixmap>
#include <QString>

#include "core/appearance/pictures.h"

namespace tap::ui {

class PictureBook {
public:
    explicit PictureBook(qreal devicePixelRatio);

    // Empty pixmap for PicTable::None.
    const QPixmap& pixmap(PictureId id) const;
    // The resource path of a picture's source, e.g. ":/pictures/face/skin0.svg".
    static QString sourceOf(PictureId id);
    // Pictures of the pointing-hand cursors: 0 normal, 1 pressed.
    const QPixmap& cursorPixmap(int which) const { return cursors_[which]; }

private:
    static QPixmap render(const QString& path, Size size, qreal dpr);
    QHash<int, QPixmap> pixmaps_;
    QPixmap cursors_[2];
    QPixmap none_;
};

}  // namespace tap::ui
