#include "core/appearance/panel_pictures.h"

#include "core/device/device.h"

namespace tap {

namespace {
const WindowPicture kDefaultPanel{{PicTable::Game, pics::PanelDefault}, nullptr};
const WindowPicture kEmptyPreview{{PicTable::Game, pics::PreviewEmpty}, nullptr};
}  // namespace

std::vector<FileFilter> PanelPictures::fileFilters() {
    return {
        {"ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)", "*.bmp"},
        {"PNG(*.png)", "*.png"},
        {"JPEG(*.jpg;*.jpeg)", "*.jpg;*.jpeg"},
        {"GIF(*.gif)", "*.gif"},
    };
}

void PanelPictures::loadPanels() {
    auto& windows = d_.windows;
    for (auto w : kPanelWindows) {
        windows.resize(w, kPicture);
        windows.setPicture(w, kDefaultPanel);
        windows.load(w);
    }
    windows.setPicture(SecondaryWindow::velmin, kEmptyPreview);
}

void PanelPictures::Image1_DblClick() {
    d_.windows.show(SecondaryWindow::velmin);
}

void PanelPictures::Command1_Click() {
    const auto path = d_.p.dialogs.openFile(fileFilters());
    if (!path) return;
    auto picture = d_.p.dialogs.readPicture(*path);
    if (!picture) return;
    const WindowPicture chosen{{}, std::move(picture)};
    d_.windows.setPicture(SecondaryWindow::velmin, chosen);
    showOnPanels(chosen);
}

void PanelPictures::Command2_Click() {
    d_.windows.setPicture(SecondaryWindow::velmin, kEmptyPreview);
    showOnPanels(kDefaultPanel);
}

void PanelPictures::Command3_Click() {
    d_.windows.hide(SecondaryWindow::velmin);
}

void PanelPictures::showOnPanels(const WindowPicture& picture) {
    for (auto w : kPanelWindows) d_.windows.setPicture(w, picture);
}

}  // namespace tap
