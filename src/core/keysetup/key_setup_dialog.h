#pragma once
// The key and pad assignment dialog (Dialog_KeySetup): working copies of the eight assignments, capture of
// keys and pad buttons by clicking a label, duplicate checks, defaults, and a live view of the attached
// pads. The platform shows it modally (Dialogs::keySetup); its view shows what this model says and
// forwards clicks, keys and buttons here.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/device/device_state.h"
#include "core/geometry.h"
#include "core/keysetup/pad_tester.h"
#include "core/platform.h"

namespace tap {

class Device;

// A waiting label is yellow (255, 255, 0); every other label has the system's button-face colour.
enum class LabelColour { ButtonFace, Waiting };

struct AssignLabel {
    std::string caption;
    LabelColour colour = LabelColour::ButtonFace;
};

struct LeaderLine {
    Point from, to;
    friend bool operator==(const LeaderLine&, const LeaderLine&) = default;
};

class KeySetupDialog {
public:
    static constexpr const char* kCaption = "キー設定";
    static constexpr const char* kKeyboardTab = "ｷｰﾎﾞｰﾄﾞ";
    static constexpr const char* kPadTab = "ｼﾞｮｲﾊﾟｯﾄﾞ";
    static constexpr const char* kKeyToolTip = "ここをクリックして、キーボードのキーを押して下さい";
    static constexpr const char* kPadToolTip = "ここをクリックして、ジョイパッドのボタンを押して下さい";
    static constexpr const char* kKeyHint = "割当て可能なキーは、A-Z キー、0-9 キー、Space キーです。";
    static constexpr const char* kDefaultsButton = "すべてデフォルトに戻す(&D)";
    static constexpr const char* kOkButton = "&OK";
    static constexpr const char* kCancelButton = "&Cancel";
    static constexpr const char* kDuplicateKeys = "キーボードのキー割当てが重複しています。";
    static constexpr const char* kDuplicatePads = "ジョイパッドのボタン割当てが重複しています。";
    static constexpr const char* kNoPads = "ジョイパッドが接続されていません。";
    static constexpr const char* kPadsSuffix = "個のジョイパッドが接続されています。";
    static constexpr int kTimer1Ms = 50;
    // Row captions of both frames, slot 1 (SELECT) to 4 (A).
    static constexpr std::array<const char*, 4> kRowCaptions = {"SELECT ボタン", "START ボタン", "B ボタン",
                                                               "A ボタン"};

    explicit KeySetupDialog(Device& d);
    ~KeySetupDialog();
    KeySetupDialog(const KeySetupDialog&) = delete;
    KeySetupDialog& operator=(const KeySetupDialog&) = delete;

    // First load: counts the pads. Every showing: the working copies from the device's assignment.
    void Form_Load();
    void Form_Activate();
    bool visible() const { return visible_; }

    // Tab 1 the keyboard, tab 2 the pad.
    void TabStrip1_Click(int tab);
    // Clicks on the labels of slot 1 SELECT, 2 START, 3 B, 4 A.
    void keyLabelClick(int slot);
    void padLabelClick(int slot);
    void Form_KeyDown(i16 keyCode);
    void Form_KeyUp(i16 keyCode);
    void Timer1_Timer();
    void Command1_Click();
    void OKButton_Click();
    void CancelButton_Click();

    // ---- what the view shows ----
    const AssignLabel& keyLabel(int slot) const { return keyLabels_.at(slot); }
    const AssignLabel& padLabel(int slot) const { return padLabels_.at(slot); }
    // Frame_Key and Check_Key on the keyboard tab; Frame_Button and Check_Button2 on the pad tab.
    bool padTabShown() const { return padTabActive != 0; }
    const std::string& padStatus() const { return padStatus_; }  // Check_Button2
    const std::vector<LeaderLine>& picture1() const { return picture1_; }
    const std::vector<TestedPad>& testedPads() const { return tester_.pads(); }
    // A key label waits for a key: keys go to the capture rather than to the dialog's buttons.
    bool capturingKey() const { return waitingKeySlot != 0 && padTabActive == 0; }

    // Set by the view: something shown has changed; the dialog has closed itself.
    std::function<void()> onChange;
    std::function<void()> onClose;

    // ---- state, named as in the behaviour ----
    i16 dlgKeySelect = 0, dlgKeyStart = 0, dlgKeyB = 0, dlgKeyA = 0;
    i16 dlgPadSelect = 0, dlgPadStart = 0, dlgPadB = 0, dlgPadA = 0;
    i16 waitingKeySlot = 0;
    i16 waitingPadSlot = 0;
    i16 padTabActive = 0;
    i16 keyLatch = 0;
    i16 padButtonDown = 0;
    std::unique_ptr<Timer> Timer1;

private:
    i16& dlgKey(int slot);
    i16& dlgPad(int slot);
    void refreshCaptions();
    void labelClick(std::array<AssignLabel, 5>& labels, i16& waiting, int slot);
    // Gives slot `slot` the value and its caption, then lets the next slot wait (after A, none).
    void assign(std::array<AssignLabel, 5>& labels, i16& waiting, i16& value, int slot, i16 code,
                std::string caption);
    void capturePads(const PadScan& scan);
    void updatePadStatus();
    void drawLeaderLine(int slot);
    void close();
    void changed();

    Device& d_;
    bool visible_ = false;
    std::array<AssignLabel, 5> keyLabels_, padLabels_;  // index 1-4; 0 unused
    std::string padStatus_;
    std::vector<LeaderLine> picture1_;
    PadTester tester_;
};

}  // namespace tap
