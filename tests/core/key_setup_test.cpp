// The key and pad assignment dialog on the simulated platform: names, key capture with its latch, pad
// capture on Timer1, duplicates, defaults, and what opening and closing do to the device.
#include <gtest/gtest.h>

#include <functional>

#include "core/keysetup/key_names.h"
#include "core/keysetup/key_setup_dialog.h"
#include "tests/support/scenario.h"

namespace tap::sim {
namespace {

constexpr std::int16_t VK_Q = 81, VK_W = 87, VK_E = 69, VK_R = 82, VK_SHIFT = 16, VK_LEFT = 37;

// A started device whose dialog opens from the menu at 100 ms. What a test scripts after that runs while
// the dialog is open; `close` ends its modal show with OK or Cancel.
struct DialogScene : Scenario {
    explicit DialogScene(int pads = 0) {
        for (int j = 0; j < pads; ++j) sim.plugPad(j, "Pad");
        start();
        sim.at(100, [this] { dev.menu.choose("KEYSETUP"); });
    }
    KeySetupDialog& dlg() { return *dev.keySetup.dialog(); }
    void at(double ms, std::function<void(KeySetupDialog&)> action) {
        sim.at(ms, [this, action] { action(dlg()); });
    }
    void key(double ms, std::int16_t vk) {
        at(ms, [vk](KeySetupDialog& d) {
            d.Form_KeyDown(vk);
            d.Form_KeyUp(vk);
        });
    }
    void closeAt(double ms, bool ok) {
        at(ms, [ok](KeySetupDialog& d) { ok ? d.OKButton_Click() : d.CancelButton_Click(); });
    }
    std::string keyCaptions() {
        std::string out;
        for (int slot = 1; slot <= 4; ++slot) out += dlg().keyLabel(slot).caption + "|";
        return out;
    }
};

TEST(KeySetup, NamesOfKeysAndPadButtons) {
    const std::pair<int, const char*> keys[] = {
        {48, "0 キー"},      {57, "9 キー"},     {96, "0 テンキー"}, {105, "9 テンキー"}, {65, "A キー"},
        {90, "Z キー"},      {32, "Space キー"}, {112, "F1 キー"},   {123, "F12 キー"},   {16, ""},
        {37, ""},            {124, ""},          {0, ""},            {106, ""},           {-1, ""}};
    for (const auto& [code, name] : keys) EXPECT_EQ(KeyName(code), name) << code;
    EXPECT_EQ(PadButtonName(0), "JoyPat1 - Button1");
    EXPECT_EQ(PadButtonName(103), "JoyPat2 - Button4");
    EXPECT_EQ(PadButtonName(1511), "JoyPat16 - Button12");
}

TEST(KeySetup, OpeningStopsThePollAndLiftsTopmostClosingRestoresBoth) {
    DialogScene sc;
    int pollWhileOpen = -1, timer1WhileOpen = -1;
    bool topmostWhileOpen = true;
    std::string captions, padCaption, status;
    sc.at(200, [&](KeySetupDialog& d) {
        pollWhileOpen = sc.dev.padPollTimer->interval();
        timer1WhileOpen = d.Timer1->interval();
        topmostWhileOpen = sc.sim.alwaysOnTop;
        captions = sc.keyCaptions();
        padCaption = d.padLabel(4).caption;
        status = d.padStatus();
    });
    sc.closeAt(300, false);
    sc.sim.runUntil(400);
    EXPECT_EQ(sc.sim.keySetupShown, 1);
    EXPECT_EQ(pollWhileOpen, 0);
    EXPECT_EQ(timer1WhileOpen, KeySetupDialog::kTimer1Ms);
    EXPECT_FALSE(topmostWhileOpen);
    EXPECT_EQ(captions, "Z キー|X キー|C キー|V キー|");
    EXPECT_EQ(padCaption, "JoyPat1 - Button4");
    EXPECT_EQ(status, KeySetupDialog::kNoPads);
    EXPECT_TRUE(sc.sim.alwaysOnTop);
    EXPECT_EQ(sc.dev.padPollTimer->interval(), GamePadPoll::kPollMs);
    EXPECT_EQ(sc.dlg().Timer1->interval(), 0);
}

TEST(KeySetup, QWERAfterClickingSelectAssignsTheFourInTurn) {
    DialogScene sc;
    std::vector<LeaderLine> lineWhileWaiting;
    LabelColour selectColour = LabelColour::ButtonFace;
    sc.at(200, [&](KeySetupDialog& d) {
        d.keyLabelClick(1);
        lineWhileWaiting = d.picture1();
        selectColour = d.keyLabel(1).colour;
    });
    sc.key(210, VK_Q);
    int waitingAfterQ = -1;
    sc.at(215, [&](KeySetupDialog& d) { waitingAfterQ = d.waitingKeySlot; });
    sc.key(220, VK_W);
    sc.key(230, VK_E);
    sc.key(240, VK_R);
    std::string captions;
    int waitingAtTheEnd = -1;
    bool pictureCleared = false;
    sc.at(250, [&](KeySetupDialog& d) {
        captions = sc.keyCaptions();
        waitingAtTheEnd = d.waitingKeySlot;
        pictureCleared = d.picture1().empty();
    });
    sc.closeAt(300, true);
    sc.sim.runUntil(400);
    EXPECT_EQ(lineWhileWaiting, (std::vector<LeaderLine>{{{0, 12}, {76, 12}}, {{76, 12}, {76, 108}}}));
    EXPECT_EQ(selectColour, LabelColour::Waiting);
    EXPECT_EQ(waitingAfterQ, 2);
    EXPECT_EQ(captions, "Q キー|W キー|E キー|R キー|");
    EXPECT_EQ(waitingAtTheEnd, 0);
    EXPECT_TRUE(pictureCleared);
    const auto& k = sc.dev.s.keys;
    EXPECT_EQ((std::array{k.keyCodeSelect, k.keyCodeStart, k.keyCodeB, k.keyCodeA}),
              (std::array<std::int16_t, 4>{VK_Q, VK_W, VK_E, VK_R}));
    EXPECT_FALSE(sc.dlg().visible());
}

TEST(KeySetup, AHeldKeyAssignsOnceShiftAndArrowsNothing) {
    DialogScene sc;
    sc.at(200, [](KeySetupDialog& d) { d.keyLabelClick(1); });
    sc.key(210, VK_SHIFT);
    sc.key(220, VK_LEFT);
    int waitingAfterShiftAndArrow = -1;
    sc.at(225, [&](KeySetupDialog& d) { waitingAfterShiftAndArrow = d.waitingKeySlot; });
    // Q held: its repeats arrive as further key-downs without key-ups.
    sc.at(230, [](KeySetupDialog& d) {
        for (int i = 0; i < 5; ++i) d.Form_KeyDown(VK_Q);
        d.Form_KeyUp(VK_Q);
    });
    std::string captions;
    int waiting = -1;
    sc.at(240, [&](KeySetupDialog& d) {
        captions = sc.keyCaptions();
        waiting = d.waitingKeySlot;
    });
    sc.closeAt(300, false);
    sc.sim.runUntil(400);
    EXPECT_EQ(waitingAfterShiftAndArrow, 1);
    EXPECT_EQ(captions, "Q キー|X キー|C キー|V キー|");
    EXPECT_EQ(waiting, 2);
}

TEST(KeySetup, ClickingTheWaitingLabelAgainOrTheOtherTabEndsTheWait) {
    DialogScene sc;
    int afterSecondClick = -1, afterTab = -1;
    LabelColour colourAfterTab = LabelColour::Waiting;
    bool padShown = false;
    sc.at(200, [&](KeySetupDialog& d) {
        d.keyLabelClick(3);
        d.keyLabelClick(3);
        afterSecondClick = d.waitingKeySlot;
        d.keyLabelClick(2);
        d.TabStrip1_Click(2);
        afterTab = d.waitingKeySlot;
        colourAfterTab = d.keyLabel(2).colour;
        padShown = d.padTabShown();
        d.Form_KeyDown(VK_Q);  // keys do nothing on the pad tab
        d.Form_KeyUp(VK_Q);
    });
    sc.closeAt(300, false);
    sc.sim.runUntil(400);
    EXPECT_EQ(afterSecondClick, 0);
    EXPECT_EQ(afterTab, 0);
    EXPECT_EQ(colourAfterTab, LabelColour::ButtonFace);
    EXPECT_TRUE(padShown);
    EXPECT_EQ(sc.dlg().keyLabel(1).caption, "Z キー");
}

TEST(KeySetup, DuplicateKeysOrButtonsKeepTheDialogOpen) {
    DialogScene sc;
    sc.at(200, [](KeySetupDialog& d) { d.keyLabelClick(3); });
    sc.key(210, 86);  // B gets V, which A has
    sc.closeAt(220, true);
    bool openAfterDuplicateKeys = false;
    sc.at(230, [&](KeySetupDialog& d) {
        openAfterDuplicateKeys = d.visible();
        d.Command1_Click();
        d.dlgPadB = 0;  // as if captured: SELECT's button
    });
    sc.closeAt(240, true);
    bool openAfterDuplicatePads = false;
    sc.at(250, [&](KeySetupDialog& d) {
        openAfterDuplicatePads = d.visible();
        d.Command1_Click();
    });
    sc.closeAt(260, true);
    sc.sim.runUntil(400);
    ASSERT_EQ(sc.sim.messages.size(), 2u);
    EXPECT_EQ(sc.sim.messages[0].text, KeySetupDialog::kDuplicateKeys);
    EXPECT_EQ(sc.sim.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(sc.sim.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(sc.sim.messages[1].text, KeySetupDialog::kDuplicatePads);
    EXPECT_TRUE(openAfterDuplicateKeys);
    EXPECT_TRUE(openAfterDuplicatePads);
    EXPECT_FALSE(sc.dlg().visible());
}

TEST(KeySetup, TwoPadButtonsInOneScanAssignSelectAndStart) {
    DialogScene sc(1);
    sc.at(200, [](KeySetupDialog& d) {
        d.TabStrip1_Click(2);
        d.padLabelClick(1);
    });
    sc.sim.at(210, [&] {
        sc.sim.padButton(0, 6, true);
        sc.sim.padButton(0, 8, true);
    });
    // Still held at the next scans: nothing more until every button is up.
    sc.sim.at(400, [&] {
        sc.sim.padButton(0, 6, false);
        sc.sim.padButton(0, 8, false);
    });
    std::string whileHeld;
    sc.at(390, [&](KeySetupDialog& d) { whileHeld = d.padLabel(3).caption; });
    // A tap between two scans still counts.
    sc.sim.at(500, [&] {
        sc.sim.padButton(0, 11, true);
        sc.sim.padButton(0, 11, false);
    });
    sc.closeAt(600, true);
    sc.sim.runUntil(700);
    const auto& k = sc.dev.s.keys;
    EXPECT_EQ(k.padButtonSelect, 6);
    EXPECT_EQ(k.padButtonStart, 8);
    EXPECT_EQ(whileHeld, "JoyPat1 - Button3");
    EXPECT_EQ(k.padButtonB, 11);
    EXPECT_EQ(sc.dlg().padLabel(1).caption, "JoyPat1 - Button7");
    EXPECT_EQ(sc.dlg().waitingPadSlot, 4);
}

TEST(KeySetup, DefaultsThenCancelLeaveTheAssignmentAsItWas) {
    DialogScene sc;
    const KeyAssignment before = {65, 83, 86, 66, 104, 105, 106, 107};
    sc.dev.s.keys = before;
    std::string afterDefaults;
    sc.at(200, [&](KeySetupDialog& d) {
        d.Command1_Click();
        afterDefaults = sc.keyCaptions() + d.padLabel(1).caption;
    });
    sc.closeAt(300, false);
    std::string onReopening;
    sc.sim.at(400, [&] { sc.dev.menu.choose("KEYSETUP"); });
    sc.at(410, [&](KeySetupDialog&) { onReopening = sc.keyCaptions(); });
    sc.closeAt(420, false);
    sc.sim.runUntil(500);
    EXPECT_EQ(afterDefaults, "Z キー|X キー|C キー|V キー|JoyPat1 - Button1");
    const auto& k = sc.dev.s.keys;
    EXPECT_EQ((std::array{k.keyCodeSelect, k.keyCodeStart, k.keyCodeB, k.keyCodeA, k.padButtonSelect,
                          k.padButtonStart, k.padButtonB, k.padButtonA}),
              (std::array<std::int16_t, 8>{65, 83, 86, 66, 104, 105, 106, 107}));
    EXPECT_EQ(onReopening, "A キー|S キー|V キー|B キー|");
    EXPECT_EQ(sc.sim.keySetupShown, 2);
}

TEST(KeySetup, ThePadTabFollowsPadsPluggedInAndOutAndLightsTheirButtons) {
    DialogScene sc(1);
    std::string statusAtFirst, statusWithTwo, statusAfterOut;
    std::vector<TestedPad> withTwo;
    sc.at(150, [&](KeySetupDialog& d) { statusAtFirst = d.padStatus(); });
    sc.sim.at(200, [&] { sc.sim.plugPad(1, "Second pad"); });
    sc.sim.at(260, [&] { sc.sim.padButton(1, 2, true); });
    sc.at(320, [&](KeySetupDialog& d) {
        statusWithTwo = d.padStatus();
        withTwo = d.testedPads();
    });
    sc.sim.at(400, [&] { sc.sim.unplugPad(0); });
    sc.at(500, [&](KeySetupDialog& d) { statusAfterOut = d.padStatus(); });
    sc.closeAt(600, false);
    sc.sim.runUntil(700);
    EXPECT_EQ(statusAtFirst, "1個のジョイパッドが接続されています。");
    EXPECT_EQ(statusWithTwo, "2個のジョイパッドが接続されています。");
    EXPECT_EQ(withTwo, (std::vector<TestedPad>{{0, "JoyPat1: Pad", 0}, {1, "JoyPat2: Second pad", 1u << 2}}));
    EXPECT_EQ(statusAfterOut, "1個のジョイパッドが接続されています。");
    ASSERT_EQ(sc.dlg().testedPads().size(), 1u);
    EXPECT_EQ(sc.dlg().testedPads()[0].joystick, 1);  // its number stays
}

}  // namespace
}  // namespace tap::sim
