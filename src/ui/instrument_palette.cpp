#include "ui/instrument_palette.h"

namespace tap::ui {

QPalette instrumentPalette(QWidget& w) {
    QPalette pal = w.palette();
    pal.setColor(QPalette::Window, QColor(38, 43, 49));
    pal.setColor(QPalette::WindowText, QColor(215, 221, 228));
    pal.setColor(QPalette::Base, QColor(5, 13, 6));
    pal.setColor(QPalette::Text, QColor(0, 255, 0));
    pal.setColor(QPalette::Button, QColor(70, 78, 88));
    pal.setColor(QPalette::ButtonText, QColor(235, 239, 243));
    w.setPalette(pal);
    w.setAutoFillBackground(true);
    return pal;
}

}  // namespace tap::ui
