#pragma once
// The panel windows' picture and its loader "ヴェルミンスキンセレクター": one picture, ours or one the user
// chose, shown by the loader's preview and all four panels. The choice lasts until the program ends.
#include <vector>

#include "core/appearance/secondary_windows.h"
#include "core/geometry.h"
#include "core/platform.h"

namespace tap {

class Device;

// The loader's layout in pixels of its client area; the preview lies inside the frame.
namespace loader {
constexpr Size kClient{249, 212};
constexpr Rect kFrame{8, 0, 160, 158};
constexpr Rect kPreviewInFrame{8, 14, 144, 150};
constexpr Rect kBanner{0, 166, 247, 206};
constexpr Rect kLoadButton{168, 7, 241, 32};
constexpr Rect kClearButton{168, 39, 241, 64};
constexpr Rect kCloseButton{168, 71, 241, 96};
inline constexpr const char* kCaption = "ヴェルミンスキンセレクター";
inline constexpr const char* kLoadText = "読込む";
inline constexpr const char* kClearText = "クリア";
inline constexpr const char* kCloseText = "閉じる";
}  // namespace loader

class PanelPictures {
public:
    explicit PanelPictures(Device& d) : d_(d) {}

    // The panel pictures' size; the panels show any picture from its top-left corner, cut to this.
    static constexpr Size kPicture{136, 136};

    // Start-up: the default picture in the four panel windows, which are loaded but not shown.
    void loadPanels();
    // A double click on any panel opens the loader (modeless); an open loader stays as it is.
    void Image1_DblClick();
    // "読込む": a picture file into the preview and the four panels; a cancelled dialog or a file that
    // is not a readable picture changes nothing and says nothing.
    void Command1_Click();
    // "クリア": the empty preview, and our default picture on the panels.
    void Command2_Click();
    // "閉じる": hides the loader, which keeps its state.
    void Command3_Click();

    // The file dialog's types: bitmaps first, then the other pictures the program reads.
    static std::vector<FileFilter> fileFilters();

private:
    void showOnPanels(const WindowPicture& picture);
    Device& d_;
};

}  // namespace tap
