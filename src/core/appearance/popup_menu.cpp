#include "core/appearance/popup_menu.h"

#include <string>

#include "core/device/device.h"

namespace tap {

namespace {

MenuItem item(std::string name, std::string caption, std::function<void()> onClick = {}) {
    MenuItem it;
    it.name = std::move(name);
    it.caption = std::move(caption);
    it.onClick = std::move(onClick);
    return it;
}

MenuItem hidden(MenuItem it) {
    it.visible = false;
    return it;
}

MenuItem checked(MenuItem it) {
    it.checked = true;
    return it;
}

MenuItem parent(std::string name, std::string caption, std::vector<MenuItem> children) {
    MenuItem it = item(std::move(name), std::move(caption));
    it.children = std::move(children);
    return it;
}

MenuItem separator(std::string name) { return item(std::move(name), "-"); }

}  // namespace

Menu buildPopupMenu(Device& d) {
    std::vector<MenuItem> skins;
    const char* skinCaptions[] = {"ノーマル", "プロ", "ゴールド賞品版", "スケルトン", "内部回路", "DERO DODI"};
    for (int n = 0; n < kSkinCount; ++n) {
        MenuItem it = item("SKIN" + std::to_string(n), skinCaptions[n], [&d, n] { d.layout.SKIN_Click(n); });
        it.checked = n == 0;
        it.visible = n != 5;  // the hidden skin is reached only through a stored setting
        skins.push_back(std::move(it));
    }
    const char* clockItems[] = {"CLOCK_24", "CLOCK_12", "CLOCK_24_ABOUT", "CLOCK_12_ABOUT"};
    const char* clockCaptions[] = {"通常時計 [24時間] ", "通常時計 [12時間] ", "コロ時計 [24時間] ",
                                   "コロ時計 [12時間] "};
    std::vector<MenuItem> clocks;
    for (int style = 0; style < 4; ++style) {
        MenuItem it = item(clockItems[style], clockCaptions[style], [&d, style] { d.clock.styleClick(style); });
        it.checked = style == 0;
        clocks.push_back(std::move(it));
    }

    return Menu({
        hidden(parent("TEC", "連射テクニック",
                      {item("TEC_TATAKI", "正統派タタキ"), item("TEC_KOSURI1", "一本コスリ"),
                       item("TEC_KOSURI2", "二本コスリ"), item("TEC_PIANO", "ピアノ連射")})),
        parent("VIEW", "パネルサイズ",
               {checked(item("VIEW_MAX", "100%", [&d] { d.view.VIEW_MAX_Click(); })),
                item("VIEW_COMPACT", "50%", [&d] { d.view.VIEW_COMPACT_Click(); }),
                hidden(item("VIEW_MIN", "25%", [&d] { d.view.VIEW_MIN_Click(); })), separator("HAIFUN0"),
                checked(item("TOP_VIEW", "常に手前に表示", [&d] { d.view.TOP_VIEW_Click(); }))}),
        parent("SKIN", "パネルスキン", std::move(skins)),
        parent("CLOCK", "時計表示", std::move(clocks)),
        parent("ALARM", "アラーム",
               {item("ALARM_ON", "ON", [&d] { d.countdown.ALARM_ON_Click(); }),
                checked(item("ALARM_OFF", "OFF", [&d] { d.countdown.ALARM_OFF_Click(); }))}),
        separator("HAIFUN5"),
        hidden(parent("MOJI_KOKA", "文字効果音",
                      {item("MOJI_KOKA_0", "ドドドド…"), item("MOJI_KOKA_1", "バババ…"),
                       item("MOJI_KOKA_2", "ビビビ…"), checked(item("MOJI_KOKA_NONE", "なし"))})),
        hidden(item("OMOTE", "表 ⇔ 裏", [&d] { d.backFace.OMOTE_Click(); })),
        item("URAMEN", "表 ⇔ 裏", [&d] { d.backFace.URAMEN_Click(); }),
        separator("HAIFUN1"),
        item("ANALIZER", "Shooting Analyzer...", [&d] { d.analyzer.open(); }),
        hidden(item("RESET", "リセット")),
        separator("FAIHUN5"),
        item("KEYSETUP", "キー設定...", [&d] { d.keySetup.open(); }),
        separator("FAIHUN4"),
        item("Quit", "終了", [&d] { d.view.Quit_Click(); }),
    });
}

}  // namespace tap
