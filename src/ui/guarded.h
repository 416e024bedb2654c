#pragma once
// Runs a core handler from a view, turning an unexpected failure into a message instead of a crash.
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <exception>

namespace tap::ui {

template <typename F>
void guarded(QWidget* owner, F&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        QMessageBox::critical(owner, QStringLiteral("Tapriko++"), QString::fromUtf8(e.what()));
    }
}

}  // namespace tap::ui
