// The face: layout, skins, the picture-digit display, the view sizes and the pop-up menu model.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

struct Started : ::testing::Test {
    Scenario sc;
    void SetUp() override { ASSERT_TRUE(sc.start()); }
    SegmentDisplay& display() { return sc.dev.display; }
};

using SegmentDisplayTest = Started;

TEST_F(SegmentDisplayTest, CountsHaveLeadingBlanksAndStopAt9999) {
    const std::pair<int, const char*> cases[] = {{0, "___0"},    {7, "___7"},    {10, "__10"},
                                                 {120, "_120"},  {1000, "1000"}, {12345, "9999"}};
    for (auto [value, shown] : cases) {
        display().showCount(value);
        EXPECT_EQ(sc.display().substr(0, 4), shown) << value;
    }
}

TEST_F(SegmentDisplayTest, BestRecordAboveFourDigitsShowsAsNines) {
    sc.stored("MODE", "SHOOTING_MAX", "12345");
    sc.dev.shooting.DispMode_Shooting();
    EXPECT_EQ(sc.display().substr(0, 4), "9999");
}

TEST_F(SegmentDisplayTest, NewRecordBlinkHidesFirstAndStopsShowingAllFourInClockMode) {
    auto& s = sc.dev.s;
    s.newRecordBlink = true;
    s.scoreBlinkPhase = 1;
    sc.dev.ScoreBlink->setInterval(450);
    sc.sim.runFor(450);
    EXPECT_EQ(sc.display().substr(0, 4), "    ");
    sc.sim.runFor(450);
    EXPECT_EQ(sc.display().substr(0, 4), "___0");
    sc.sim.runFor(450);  // hidden again
    // Mode 1 runs the clock loop; look at the face from inside it, then leave for mode 2.
    bool allShown = false;
    sc.sim.at(sc.sim.elapsedMs() + 5, [&] {
        EXPECT_EQ(sc.dev.ScoreBlink->interval(), 0);
        allShown = true;
        for (El e : {El::s1000, El::s0100, El::s0010, El::s0001}) allShown = allShown && sc.dev.face.visible(e);
        sc.select();
    });
    sc.select();
    EXPECT_TRUE(allShown);
}

TEST_F(SegmentDisplayTest, ViewSizeRoundTripKeepsBlanksDigitsAndKoroGlyphs) {
    auto& face = sc.dev.face;
    display().setLarge(El::s1000, pics::kBlank);
    display().setLarge(El::s0100, 4);
    display().setLarge(El::s0010, 0);
    display().setLarge(El::s0001, 9);
    display().setSmall(El::t10, pics::kKoroGlyph1);
    display().setSmall(El::t01, pics::kKoroGlyph2);
    const std::string before = sc.display();
    sc.dev.menu.choose("VIEW_COMPACT");
    EXPECT_EQ(sc.display(), before);
    EXPECT_EQ(face.picture(El::s0100), (PictureId{PicTable::AS, 4}));
    EXPECT_EQ(face.picture(El::t10), (PictureId{PicTable::BS, pics::kKoroGlyph1}));
    sc.dev.menu.choose("VIEW_MAX");
    EXPECT_EQ(sc.display(), before);
    EXPECT_EQ(face.picture(El::t01), (PictureId{PicTable::B, pics::kKoroGlyph2}));
}

TEST_F(SegmentDisplayTest, ExplosionCounterStopsAtItsLimits) {
    auto& s = sc.dev.s;
    display().blastEntryDisplay();
    EXPECT_EQ(sc.display().substr(5), "16");
    s.blastPhase = 0;
    for (int i = 0; i < 100; ++i) display().blastCountStep();
    EXPECT_EQ(s.blastTarget, 99);
    EXPECT_EQ(sc.display().substr(5), "99");
    s.blastPhase = 1;
    s.blastTarget = 20;
    for (int i = 0; i < 30; ++i) display().blastCountStep();
    EXPECT_EQ(s.blastCount, 20);
    EXPECT_EQ(sc.display().substr(0, 4), "__20");
    s.blastPhase = 2;
    display().blastCountStep();
    EXPECT_EQ(s.blastCount, 20);
}

using FaceLayoutTest = Started;

// A view repaints what the face reports: a changed digit reports its own area only, a moved element
// where it was and where it is, an unchanged one nothing.
TEST_F(FaceLayoutTest, ChangesReportOnlyTheAreaThatLooksDifferent) {
    std::vector<Rect> areas;
    sc.dev.face.onChange = [&](const Rect& r) { areas.push_back(r); };
    const Rect t01 = sc.dev.face.drawnRect(El::t01);
    display().setSmall(El::t01, 7);
    display().setSmall(El::t01, 7);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0], t01);
    EXPECT_GT(t01.width(), 0);

    areas.clear();
    const Rect before = sc.dev.face.drawnRect(El::mode);
    sc.dev.face.setLeft(El::mode, before.left + 19);  // the marker's step to the next mode
    const Rect after = sc.dev.face.drawnRect(El::mode);
    const Rect both{before.left, std::min(before.top, after.top), after.right, std::max(before.bottom, after.bottom)};
    EXPECT_NE(std::find(areas.begin(), areas.end(), both), areas.end());
    for (const Rect& r : areas) EXPECT_LT(r.width() * r.height(), 427 * 258 / 4) << "a digit change repaints the face";
}

TEST_F(FaceLayoutTest, ModeMarkerFollowsTheModeInBothSizes) {
    sc.stored("MODE", "SHOOTING_MAX", "200");
    sc.dev.settings.Load_MAX();
    sc.dev.s.modeNo = 2;  // SELECT from mode 2 enters mode 3 once it is unlocked
    sc.select();
    ASSERT_EQ(sc.dev.s.modeNo, 3);
    EXPECT_EQ(sc.dev.face[El::mode].pos, (Point{290, 92}));
    sc.dev.menu.choose("VIEW_COMPACT");
    EXPECT_EQ(sc.dev.face[El::mode].pos, (Point{141, 44}));
}

TEST_F(FaceLayoutTest, SkinFourSwapsTheABHitAreas) {
    auto& face = sc.dev.face;
    sc.dev.menu.choose("SKIN4");
    EXPECT_FALSE(face.visible(El::A_button));
    EXPECT_FALSE(face.visible(El::B_button));
    EXPECT_TRUE(face.visible(El::A_button_on_skin34));
    EXPECT_TRUE(face.visible(El::B_button_on_skin34));
    EXPECT_EQ(face.hitTest({331, 182}), El::A_button_on_skin34);
    EXPECT_EQ(face.hitTest({315, 160}), El::Image1);  // outside the small switch
    sc.dev.menu.choose("SKIN1");
    EXPECT_TRUE(face.visible(El::A_button));
    EXPECT_FALSE(face.visible(El::A_button_on_skin34));
    for (int skin = 0; skin < 6; ++skin) {
        sc.dev.layout.SKIN_Click(skin);
        EXPECT_TRUE(face.visible(El::select_button));
        EXPECT_TRUE(face.visible(El::start_button));
        EXPECT_FALSE(face.visible(El::select_button_on_skin4));
        EXPECT_FALSE(face.visible(El::start_button_on_skin4));
    }
}

TEST(FaceLayout, StoredSkinOutsideTheRangeGivesSkinZero) {
    for (const char* skin : {"7", "-1", "6", "32767"}) {
        Scenario sc;
        sc.stored("PANEL", "SKIN", skin);
        ASSERT_TRUE(sc.start());
        EXPECT_EQ(sc.dev.s.skinNo, 0) << skin;
        EXPECT_TRUE(sc.dev.menu.checked("SKIN0")) << skin;
        EXPECT_EQ(sc.dev.face.picture(El::Paneru), (PictureId{PicTable::Paneru, 0})) << skin;
    }
}

TEST_F(FaceLayoutTest, HitAreasFollowTheViewSize) {
    auto& face = sc.dev.face;
    EXPECT_EQ(face.hitTest({260, 182}), El::B_button);
    EXPECT_EQ(face.hitTest({90, 183}), El::select_button);
    sc.dev.menu.choose("VIEW_COMPACT");
    EXPECT_EQ(face.hitTest({129, 91}), El::B_button);
    EXPECT_EQ(face.hitTest({164, 91}), El::A_button);
    EXPECT_EQ(face.hitTest({79, 90}), El::start_button);
    // The pressed pictures stay where the 100 % layout put them, outside the 50 % device.
    EXPECT_EQ(face[El::A_button_press].pos, (Point{300, 150}));
}

TEST_F(FaceLayoutTest, ViewSizeSwitchesPicturesShapeAndChecks) {
    auto& d = sc.dev;
    d.menu.choose("SKIN3");
    const auto shapesBefore = sc.sim.shapeHistory.size();
    d.menu.choose("VIEW_MAX");  // already 100 %: nothing at all happens
    EXPECT_EQ(sc.sim.shapeHistory.size(), shapesBefore);
    d.menu.choose("VIEW_COMPACT");
    EXPECT_EQ(d.face.picture(El::Paneru), (PictureId{PicTable::PaneruS, 3}));
    EXPECT_EQ(sc.sim.shape, shapes::front50());
    const auto afterFirst = sc.sim.shapeHistory.size();
    d.menu.choose("VIEW_COMPACT");  // "50%" twice changes nothing
    EXPECT_EQ(sc.sim.shapeHistory.size(), afterFirst);
    EXPECT_TRUE(d.menu.checked("VIEW_COMPACT"));
    EXPECT_FALSE(d.menu.checked("VIEW_MAX"));
    d.menu.choose("VIEW_MIN");  // "25%" minimises and leaves the checks alone
    EXPECT_TRUE(sc.sim.minimised);
    EXPECT_TRUE(d.menu.checked("VIEW_COMPACT"));
    EXPECT_FALSE(d.menu.checked("VIEW_MIN"));
    d.menu.choose("URAMEN");
    EXPECT_EQ(sc.sim.shape, shapes::back50());
    d.menu.choose("VIEW_MAX");
    EXPECT_EQ(sc.sim.shape, shapes::back100());
    EXPECT_EQ(d.face.picture(El::Image_back), (PictureId{PicTable::Paneru, pics::kBackFace}));
    EXPECT_EQ(d.face.picture(El::Paneru), (PictureId{PicTable::Paneru, 3}));
}

TEST_F(FaceLayoutTest, AlarmSymbolKeepsItsStateAcrossSizes) {
    auto& d = sc.dev;
    d.menu.choose("ALARM_ON");
    d.menu.choose("VIEW_COMPACT");
    EXPECT_EQ(d.face.picture(El::alarm_icon), (PictureId{PicTable::AlarmOn, 1}));
    d.menu.choose("ALARM_OFF");
    d.menu.choose("VIEW_MAX");
    EXPECT_EQ(d.face.picture(El::alarm_icon), (PictureId{PicTable::AlarmOff, 0}));
}

TEST(PopupMenu, ItemsOrderVisibilityAndChecksAfterStart) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    std::vector<std::string> shown;
    for (const auto& it : sc.dev.menu.items())
        if (it.visible) shown.push_back(it.isSeparator() ? "-" : it.caption);
    EXPECT_EQ(shown, (std::vector<std::string>{"パネルサイズ", "パネルスキン", "時計表示", "アラーム", "-", "表 ⇔ 裏", "-",
                                               "Shooting Analyzer...", "記録...", "-", "キー設定...", "-", "終了"}));
    const auto& menu = sc.dev.menu;
    std::vector<std::string> view;
    for (const auto& it : menu.item("VIEW").children)
        if (it.visible) view.push_back(it.caption);
    EXPECT_EQ(view, (std::vector<std::string>{"100%", "50%", "-", "常に手前に表示"}));
    std::vector<std::string> skins;
    for (const auto& it : menu.item("SKIN").children)
        if (it.visible) skins.push_back(it.name);
    EXPECT_EQ(skins, (std::vector<std::string>{"SKIN0", "SKIN1", "SKIN2", "SKIN3", "SKIN4"}));
    for (const char* on : {"VIEW_MAX", "TOP_VIEW", "SKIN0", "CLOCK_24", "ALARM_OFF", "MOJI_KOKA_NONE"})
        EXPECT_TRUE(menu.checked(on)) << on;
    for (const char* off : {"VIEW_COMPACT", "VIEW_MIN", "SKIN1", "CLOCK_12", "ALARM_ON"})
        EXPECT_FALSE(menu.checked(off)) << off;
    EXPECT_FALSE(menu.item("OMOTE").visible);
    EXPECT_TRUE(menu.item("URAMEN").visible);
    EXPECT_FALSE(menu.item("TEC").visible);
    EXPECT_FALSE(menu.item("RESET").visible);
    EXPECT_THROW(sc.dev.menu.item("NO_SUCH_ITEM"), std::out_of_range);
}

TEST(PopupMenu, OpensOnRightReleaseOutsideAMeasurementOnly) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    MouseEvent right{kRightButton, {500, 400}};
    sc.dev.mouse.mouseDown(El::Image1, right);
    sc.dev.mouse.mouseUp(El::Image1, right);
    EXPECT_EQ(sc.sim.popupCount, 1);
    sc.dev.s.measuring = true;
    sc.dev.mouse.mouseUp(El::Image1, right);
    EXPECT_EQ(sc.sim.popupCount, 1);
}

TEST(Dragging, LeftButtonMovesByTheCursorTravelRightButtonNot) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    const Point start = sc.sim.windowPos;
    auto& mouse = sc.dev.mouse;
    mouse.mouseDown(El::Image1, {kLeftButton, {400, 300}});
    EXPECT_EQ(sc.dev.face[El::Image1].cursor, CursorShape::Move);
    mouse.mouseMove(El::Image1, {kLeftButton, {410, 295}}, kLeftButton);
    mouse.mouseMove(El::Image1, {kLeftButton, {450, 320}}, kLeftButton);
    mouse.mouseUp(El::Image1, {kLeftButton, {450, 320}});
    EXPECT_EQ(sc.sim.windowPos, (Point{start.x + 50, start.y + 20}));
    EXPECT_EQ(sc.dev.face[El::Image1].cursor, CursorShape::Default);
    mouse.mouseDown(El::Image1, {kRightButton, {450, 320}});
    mouse.mouseMove(El::Image1, {kRightButton, {600, 500}}, kRightButton);
    EXPECT_EQ(sc.sim.windowPos, (Point{start.x + 50, start.y + 20}));
}

}  // namespace
}  // namespace tap::sim
