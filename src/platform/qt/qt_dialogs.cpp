#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace tap::qt {

MessageAnswer QtDialogs::messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    // Over the window it interrupts: a modal dialog that is open (the key setup), else the device.
    QWidget* modal = QApplication::activeModalWidget();
    QMessageBox box(modal ? modal : owner_.data());
    box.setWindowTitle(QStringLiteral("Tapriko++"));
    box.setText(QString::fromStdString(text));
    box.setIcon(icon == MessageIcon::Information ? QMessageBox::Information
                : icon == MessageIcon::Critical  ? QMessageBox::Critical
                                                 : QMessageBox::NoIcon);
    if (buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace tap::qt
