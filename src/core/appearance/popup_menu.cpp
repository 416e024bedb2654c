#include "core/appearance/popup_menu.h"

#include <string>

#include "core/device/device.h"

namespace tap {

Menu buildPopupMenu(Device& d) {
    std::vector<MenuItem> skins;
    const char* skinCaptions[] = {"ノーマル", "プロ", "ゴールド賞品版", "スケルトン", "内部回路", "DERO DODI"};
    for (int n = 0; n < kSkinCount; ++n) {
        MenuItem it = menuEntry("SKIN" + std::to_string(n), skinCaptions[n], [&d, n] { d.layout.SKIN_Click(n); });
        it.checked = n == 0;
        it.visible = n != 5;  // the hidden skin is reached only through a stored setting
        skins.push_back(std::move(it));
    }
    const char* clockItems[] = {"CLOCK_24", "CLOCK_12", "CLOCK_24_ABOUT", "CLOCK_12_ABOUT"};
    const char* clockCaptions[] = {"通常時計 [24時間] ", "通常時計 [12時間] ", "コロ時計 [24時間] ",
                                   "コロ時計 [12時間] "};
    std::vector<MenuItem> clocks;
    for (int style = 0; style < 4; ++style) {
        MenuItem it = menuEntry(clockItems[style], clockCaptions[style], [&d, style] { d.clock.styleClick(style); });
        it.checked = style == 0;
        clocks.push_back(std::move(it));
    }

    return Menu({
        hidden(menuGroup("TEC", "連射テクニック",
                      {menuEntry("TEC_TATAKI", "正統派タタキ"), menuEntry("TEC_KOSURI1", "一本コスリ"),
                       menuEntry("TEC_KOSURI2", "二本コスリ"), menuEntry("TEC_PIANO", "ピアノ連射")})),
        menuGroup("VIEW", "パネルサイズ",
               {ticked(menuEntry("VIEW_MAX", "100%", [&d] { d.view.VIEW_MAX_Click(); })),
                menuEntry("VIEW_COMPACT", "50%", [&d] { d.view.VIEW_COMPACT_Click(); }),
                hidden(menuEntry("VIEW_MIN", "25%", [&d] { d.view.VIEW_MIN_Click(); })), menuSeparator("HAIFUN0"),
                ticked(menuEntry("TOP_VIEW", "常に手前に表示", [&d] { d.view.TOP_VIEW_Click(); }))}),
        menuGroup("SKIN", "パネルスキン", std::move(skins)),
        menuGroup("CLOCK", "時計表示", std::move(clocks)),
        menuGroup("ALARM", "アラーム",
               {menuEntry("ALARM_ON", "ON", [&d] { d.countdown.ALARM_ON_Click(); }),
                ticked(menuEntry("ALARM_OFF", "OFF", [&d] { d.countdown.ALARM_OFF_Click(); }))}),
        menuSeparator("HAIFUN5"),
        hidden(menuGroup("MOJI_KOKA", "文字効果音",
                      {menuEntry("MOJI_KOKA_0", "ドドドド…"), menuEntry("MOJI_KOKA_1", "バババ…"),
                       menuEntry("MOJI_KOKA_2", "ビビビ…"), ticked(menuEntry("MOJI_KOKA_NONE", "なし"))})),
        hidden(menuEntry("OMOTE", "表 ⇔ 裏", [&d] { d.backFace.OMOTE_Click(); })),
        menuEntry("URAMEN", "表 ⇔ 裏", [&d] { d.backFace.URAMEN_Click(); }),
        menuSeparator("HAIFUN1"),
        menuEntry("ANALIZER", "Shooting Analyzer...", [&d] { d.analyzer.open(); }),
        menuEntry("RECORDS", "記録...", [&d] { d.history.open(); }),
        hidden(menuEntry("RESET", "リセット")),
        menuSeparator("FAIHUN5"),
        menuEntry("KEYSETUP", "キー設定...", [&d] { d.keySetup.open(); }),
        menuSeparator("FAIHUN4"),
        menuEntry("Quit", "終了", [&d] { d.view.Quit_Click(); }),
    });
}

}  // namespace tap
