#include "platform/qt/qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace tap::qt {

MessageAnswer QtDialogs::messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(owner_);
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

std::optional<std::string> QtDialogs::chooseFile(const FileDialogRequest& request) {
    QStringList patterns;
    for (const auto& p : request.patterns) patterns << QString::fromStdString(p);
    const QString filter = QStringLiteral("%1 (%2)").arg(QString::fromStdString(request.filterName), patterns.join(' '));
    const QString title = QString::fromStdString(request.title);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        request.mode == FileDialogMode::Save
            ? QFileDialog::getSaveFileName(owner_, title,
                                           QDir(documents).filePath(QString::fromStdString(request.suggestedName)), filter)
            : QFileDialog::getOpenFileName(owner_, title, documents, filter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace tap::qt
