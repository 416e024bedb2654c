#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStringList>

#include "core/appearance/panel_pictures.h"
#include "platform/qt/picture_files.h"

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

QString QtDialogs::filterText(const std::vector<FileFilter>& filters) {
    QStringList entries;
    for (const auto& f : filters) {
        const QString text = QString::fromStdString(f.description);
        QString patterns = QString::fromStdString(f.patterns);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const bool named = text.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'));
        entries << (named ? text : text + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtDialogs::openFile(const std::vector<FileFilter>& filters) {
    const QString title = QStringLiteral("ファイルを開く");
    const QString path = QFileDialog::getOpenFileName(owner_, title, lastFolder_, filterText(filters));
    if (path.isEmpty()) return std::nullopt;
    lastFolder_ = QFileInfo(path).absolutePath();
    return path.toStdString();
}

std::optional<std::string> QtDialogs::saveFile(const std::string& suggestedName,
                                                const std::vector<FileFilter>& filters) {
    const QString title = QStringLiteral("名前を付けて保存");
    const QString folder =
        lastFolder_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : lastFolder_;
    const QString path = QFileDialog::getSaveFileName(owner_, title, QDir(folder).filePath(QString::fromStdString(suggestedName)),
                                                      filterText(filters));
    if (path.isEmpty()) return std::nullopt;
    lastFolder_ = QFileInfo(path).absolutePath();
    return path.toStdString();
}

std::shared_ptr<const UserPicture> QtDialogs::readPicture(const std::string& path) {
    const Size kept = PanelPictures::kPicture;
    return readPictureFile(QString::fromStdString(path), QSize(kept.width, kept.height));
}

}  // namespace tap::qt
