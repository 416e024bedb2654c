#pragma once
// The analyzer window as a model: its pages, pictures, figures table, press lists, options and pop-up
// menu, with the handlers of its controls. A view shows it and forwards clicks; it keeps no state itself.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/analyzer/analyzer_options.h"
#include "core/analyzer/figures_table.h"
#include "core/analyzer/press_list.h"
#include "core/appearance/menu.h"
#include "core/appearance/pictures.h"
#include "core/geometry.h"

namespace tap {

class Device;

class AnalyzerWindow {
public:
    static constexpr const char* kCaption = "Shooting Analyzer";
    static constexpr Size kClientSize{380, 281};
    // The settings panel below the pages, with the press lists beside the options.
    static constexpr int kPanelHeight = 200;
    // How far the timing chart scrolls: its width beyond the frame that shows it.
    static constexpr int kChartScrollMax = 5042 - 350;

    // What changed, so that a view refreshes only that.
    enum class Part { Window, Pages, Status, Banner, Scales, Table, PressList, TimeLists, Options, Score, Focus };

    explicit AnalyzerWindow(Device& d);

    AnalyzerOptions options;
    FiguresTable table;
    PressList list;                  // List1 and its scroll bar vsb1
    std::vector<std::string> list2;  // A: number, press and release times
    std::vector<std::string> list3;  // B
    Menu PM2;
    std::function<void(Part)> onChange;

    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    // Where the window opens the first time: beside the device, on the screen.
    Point position() const { return position_; }
    Size clientSize() const { return {kClientSize.width, kClientSize.height + (panelOpen_ ? kPanelHeight : 0)}; }
    bool panelOpen() const { return panelOpen_; }
    int pageIndex() const { return pageIndex_; }
    PictureId pageButton(int i) const { return pageButtons_[i]; }
    bool pageButtonsEnabled() const { return pageButtonsEnabled_; }
    PictureId status() const { return {PicTable::AnalyzerStatus, status_}; }
    PictureId banner() const { return {PicTable::AnalyzerBanner, banner_}; }
    bool scaleShown(int range) const { return scaleShown_[range - 1]; }
    bool lineLegendShown() const { return legendShown_[0]; }  // pic_sen
    bool barLegendShown() const { return legendShown_[1]; }   // pic_bou
    int chartScroll() const { return hscll1_; }
    bool check1() const { return check1_; }
    int option5() const { return scoreShown_ ? 0 : 1; }
    // The option buttons of the settings panel are usable only between runs, like the menu.
    bool optionsEnabled() const;
    bool scoreShown() const { return scoreShown_; }
    int scoreTotal() const;
    int scoreBest() const;
    // True while the focus sink CB3 holds the keyboard focus.
    bool focusOnCB3() const { return focusOnCB3_; }

    // Shown or hidden by the device; loads on first use.
    void show();
    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void g_type_Click(int i);
    void g_type_MouseUp(int i);
    void CB2_Click();
    void CB2_MouseUp();
    // True when the pop-up menu PM2 is to be shown: a right-button release while no run measures.
    bool Picture1_MouseUp(int button) const;
    void hscll1_Change(int value);
    void vsb1_Change(int value);
    void Option1_Click(int i);
    void Option2_Click(int i);
    void Option3_Click(int i);
    void Option4_Click(int i);
    void Option5_Click(int i);
    void Check1_Click(bool ticked);
    void Command2_Click();

    // Used by the device's hooks.
    void ShowRangeScale();
    void setStatus(pics::Status s);
    void setBanner(int index);
    void setPageButtonsEnabled(bool enabled);
    // At the end of a run: page 1 shows its own button chosen again.
    void resetPageButtons();
    void FillTimeLists();
    void changed(Part part);

private:
    void choosePage(int i);
    void setLegends(bool line, bool bar);
    void takeFocusToCB3();
    Device& d_;
    bool loaded_ = false, visible_ = false, panelOpen_ = false;
    Point position_;
    int pageIndex_ = 1;
    std::array<PictureId, pics::kPageButtons> pageButtons_{};
    bool pageButtonsEnabled_ = true;
    std::int8_t status_ = pics::StatusStandby;
    std::int8_t banner_ = 0;
    std::array<bool, 3> scaleShown_{true, false, false};
    std::array<bool, 2> legendShown_{false, false};
    int hscll1_ = 0;
    bool check1_ = true;
    bool scoreShown_ = true;
    bool focusOnCB3_ = false;
};

// The analyzer's pop-up menu with its ticked defaults.
Menu buildAnalyzerMenu(Device& d);

}  // namespace tap
