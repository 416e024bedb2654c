// The panel pictures and their loader, and the run tables that shape the game windows.
#include <gtest/gtest.h>

#include "core/appearance/explosion_path.h"
#include "core/appearance/picture_runs.h"
#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

using W = SecondaryWindow;

const WindowPicture kDefault{{PicTable::Game, pics::PanelDefault}, nullptr};
const WindowPicture kEmpty{{PicTable::Game, pics::PreviewEmpty}, nullptr};

struct PanelPicturesTest : ::testing::Test {
    Scenario sc;
    void SetUp() override {
        ASSERT_TRUE(sc.startIn(4, 200));
        sc.sim.pictureFiles = {"/home/u/cat.bmp", "/home/u/dog.png"};
    }
    const WindowModel& window(W w) const { return sc.dev.windows[w]; }
    void load(std::optional<std::string> choice) {
        sc.sim.fileChoices.push_back(std::move(choice));
        sc.dev.panels.Command1_Click();
    }
    void expectPanels(const WindowPicture& picture) const {
        for (W w : kPanelWindows) EXPECT_EQ(window(w).picture, picture) << static_cast<int>(w);
    }
    const UserPicture* userPicture() const { return window(W::velmin).picture.user.get(); }
};

TEST_F(PanelPicturesTest, PanelsAreLoadedHiddenWithTheDefaultPicture) {
    for (W w : kPanelWindows) {
        EXPECT_TRUE(window(w).loaded);
        EXPECT_FALSE(window(w).visible);
        EXPECT_EQ(window(w).size, (Size{136, 136}));
    }
    expectPanels(kDefault);
    EXPECT_FALSE(window(W::velmin).visible);
}

TEST_F(PanelPicturesTest, ADoubleClickOpensTheLoaderAndCloseHidesIt) {
    sc.dev.panels.Image1_DblClick();
    EXPECT_TRUE(window(W::velmin).visible);
    sc.dev.panels.Image1_DblClick();
    EXPECT_TRUE(window(W::velmin).visible);
    sc.dev.panels.Command3_Click();
    EXPECT_FALSE(window(W::velmin).visible);
    EXPECT_EQ(window(W::velmin).picture, kEmpty);
}

TEST_F(PanelPicturesTest, ALoadedPictureShowsInThePreviewAndOnAllPanelsAtTheNextRun) {
    load("/home/u/cat.bmp");
    const auto* chosen = dynamic_cast<const SimPlatform::Picture*>(userPicture());
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->path, "/home/u/cat.bmp");
    expectPanels(window(W::velmin).picture);
    ASSERT_EQ(sc.sim.fileDialogs.size(), 1u);
    const auto& types = sc.sim.fileDialogs[0];
    ASSERT_GE(types.size(), 4u);
    EXPECT_EQ(types[0].description, "ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)");
    EXPECT_EQ(types[0].patterns, "*.bmp");
    sc.sim.at(100, [this] { sc.startButton(); });
    sc.sim.at(600, [this] {
        for (W w : kPanelWindows) {
            EXPECT_TRUE(window(w).visible);
            EXPECT_EQ(window(w).picture.user.get(), userPicture());
        }
    });
    sc.sim.runUntil(5000);
}

TEST_F(PanelPicturesTest, ClearBringsBackTheDefaultAndTheEmptyPreview) {
    load("/home/u/dog.png");
    sc.dev.panels.Command2_Click();
    EXPECT_EQ(window(W::velmin).picture, kEmpty);
    expectPanels(kDefault);
}

TEST_F(PanelPicturesTest, AFileThatIsNoPictureOrACancelledDialogChangesNothing) {
    load("/home/u/cat.bmp");
    const WindowPicture before = window(W::velmin).picture;
    load("/home/u/notes.txt");
    load(std::nullopt);
    EXPECT_EQ(window(W::velmin).picture, before);
    expectPanels(before);
    EXPECT_TRUE(sc.sim.messages.empty());
}

TEST(PanelPicturesRestart, TheChoiceIsNotKept) {
    Scenario first;
    ASSERT_TRUE(first.start());
    first.sim.pictureFiles = {"/p.bmp"};
    first.sim.fileChoices.push_back("/p.bmp");
    first.dev.panels.Command1_Click();
    ASSERT_NE(first.dev.windows[W::VELMIN_1].picture.user, nullptr);
    first.dev.lifecycle.Form_Unload(0);
    Scenario second;
    second.sim.store = first.sim.store;
    ASSERT_TRUE(second.start());
    EXPECT_EQ(second.dev.windows[W::VELMIN_1].picture, kDefault);
}

template <std::size_t N>
std::vector<tap::Run> head(const tap::Run (&table)[N], std::size_t n) {
    return {table, table + std::min(n, N)};
}

TEST(RunTables, HaveTheirCountsAndFirstRuns) {
    EXPECT_EQ(std::size(runs::kPanelOutline), 31u);
    for (std::size_t i = 0; i < std::size(runs::kPanelOutline); ++i)
        EXPECT_EQ(runs::kPanelOutline[i].y, static_cast<int>(i)) << "one run a row, rows 0 to 30";
    EXPECT_EQ(head(runs::kPanelOutline, 5),
              (std::vector<tap::Run>{{6, 0, 11}, {4, 1, 16}, {3, 2, 18}, {2, 3, 19}, {1, 4, 21}}));
    EXPECT_EQ(std::size(runs::kExplosion0), 22u);
    EXPECT_EQ(std::size(runs::kExplosion1), 26u);
    EXPECT_EQ(std::size(runs::kExplosion2), 32u);
    EXPECT_EQ(std::size(runs::kExplosion3), 78u);
    EXPECT_EQ(std::size(runs::kBonus), 117u);
    const std::vector<tap::Run> flash{{7, 1, 4},   {23, 1, 4},   {4, 2, 10},  {20, 2, 10},  {2, 3, 14},
                                      {18, 3, 14}, {2, 4, 14},   {18, 4, 14}, {1, 5, 32},   {1, 6, 32},
                                      {1, 7, 32},  {1, 8, 32},   {1, 9, 32},  {1, 10, 32},  {18, 11, 14},
                                      {2, 11, 14}, {18, 12, 14}, {2, 12, 14}, {20, 13, 10}, {4, 13, 10},
                                      {23, 14, 4}, {7, 14, 4}};
    EXPECT_EQ(head(runs::kExplosion0, 22), flash);
    EXPECT_EQ(head(runs::kExplosion1, 4),
              (std::vector<tap::Run>{{6, 0, 6}, {22, 0, 6}, {4, 1, 10}, {20, 1, 10}}));
    EXPECT_EQ(
        head(runs::kExplosion2, 6),
        (std::vector<tap::Run>{{6, 0, 6}, {22, 0, 6}, {4, 1, 10}, {20, 1, 10}, {4, 2, 10}, {20, 2, 10}}));
}

TEST(RunTables, PanelQuartersTogetherMakeTheWholeOutline) {
    const Region outline = regionOfRuns(runs::kPanelOutline, 14, 6);
    EXPECT_EQ(outline.bounds(), (Rect{14, 6, 118, 130}));
    long long quarters = 0;
    for (int i = 0; i < 4; ++i) {
        const Rect q = explosion::quarter(i, {136, 136});
        const Region part = outline.intersected(q);
        quarters += part.area();
        // Each panel window is 120 wide: nothing of its quarter is cut off.
        EXPECT_LE(part.bounds().right, 120) << i;
        for (const Rect& r : part.rects())
            EXPECT_TRUE(q.contains({r.left, r.top}) && r.right <= q.right) << i;
    }
    EXPECT_EQ(quarters, outline.area());
    EXPECT_TRUE(outline.contains({68, 68}));
    EXPECT_FALSE(outline.contains({14, 6}));  // the rounded top-left corner
}

}  // namespace
}  // namespace tap::sim
