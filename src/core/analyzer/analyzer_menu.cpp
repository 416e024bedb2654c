#include <string>
#include <vector>

#include "core/analyzer/analyzer_window.h"
#include "core/device/device.h"

namespace tap {

Menu buildAnalyzerMenu(Device& d) {
    auto w = [&d]() -> AnalyzerWindow& { return d.analyzerWindow; };
    // A choice of the line or the meter ticks its own entry; the options handlers tick theirs.
    auto line = [&d, w](bool shown) {
        w().PM2.checkOnly(shown ? "LINE_SHOW" : "LINE_HIDE", {"LINE_SHOW", "LINE_HIDE"});
        w().options.lineShown = shown;
        d.graphs.RedrawGraph();
    };
    auto meter = [w](bool both) {
        w().PM2.checkOnly(both ? "VU_LR_BOTH" : "VU_LR_EACH", {"VU_LR_EACH", "VU_LR_BOTH"});
        w().options.vuBoth = both;
    };
    return Menu({
        menuGroup("VDATA", "データ",
                  {ticked(menuEntry("VDATA1", "AB合計", [w] { w().Option3_Click(0); })),
                   menuEntry("VDATA2", "AB個別", [w] { w().Option3_Click(1); })}),
        menuGroup("GRAPH", "グラフの種類",
                  {ticked(menuEntry("GRAPH1", "棒グラフ", [w] { w().Option4_Click(0); })),
                   menuEntry("GRAPH2", "線グラフ", [w] { w().Option4_Click(1); })}),
        menuGroup("DATA", "データ",
                  {ticked(menuEntry("DATA_SEC", "秒間連射数", [w] { w().Option1_Click(0); })),
                   menuEntry("DATA_AVE", "平均連射数", [w] { w().Option1_Click(1); })}),
        menuGroup("RANGE", "レンジ",
                  {ticked(menuEntry("RANGE_30", "30", [w] { w().Option2_Click(1); })),
                   menuEntry("RANGE_60", "60", [w] { w().Option2_Click(2); }),
                   menuEntry("RANGE_90", "90", [w] { w().Option2_Click(3); })}),
        menuGroup("SCORE", "スコア",
                  {ticked(menuEntry("SCORE1", "表示する", [w] { w().Option5_Click(0); })),
                   menuEntry("SCORE2", "表示しない", [w] { w().Option5_Click(1); })}),
        menuGroup("LINE", "16連射ライン",
                  {ticked(menuEntry("LINE_SHOW", "表示する", [line] { line(true); })),
                   menuEntry("LINE_HIDE", "表示しない", [line] { line(false); })}),
        menuSeparator("HAIFUN4"),
        menuGroup("VU", "VUメーター",
                  {ticked(menuEntry("VU_LR_EACH", "AB個別", [meter] { meter(false); })),
                   menuEntry("VU_LR_BOTH", "AB合計", [meter] { meter(true); })}),
        menuSeparator("HAIFUN3"),
        menuEntry("INIT_SETUP", "初期設定に戻す",
                  [w] {
                      // Graph type and the summed or separate view stay as they are.
                      for (const char* name : {"DATA_SEC", "RANGE_30", "LINE_SHOW", "VU_LR_EACH"})
                          w().PM2.choose(name);
                  }),
        menuSeparator("HAIFUN6"),
        menuEntry("RECORDS", "記録...", [&d] { d.history.open(); }),
    });
}

}  // namespace tap
