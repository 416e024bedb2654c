#include "core/modes/segment_display.h"

#include "core/device/device.h"

namespace tap {

namespace {
constexpr El kLarge[] = {El::s1000, El::s0100, El::s0010, El::s0001};
constexpr El kSmall[] = {El::t10, El::t01};

PictureId pic(PicTable t, int index) { return {t, static_cast<std::int8_t>(index)}; }
}  // namespace

PictureId SegmentDisplay::large(int index) const {
    return pic(d_.s.compactView ? PicTable::AS : PicTable::A, index);
}

PictureId SegmentDisplay::small(int index) const {
    return pic(d_.s.compactView ? PicTable::BS : PicTable::B, index);
}

void SegmentDisplay::setLarge(El position, int index) { d_.face.setPicture(position, large(index)); }

void SegmentDisplay::setSmall(El position, int index) { d_.face.setPicture(position, small(index)); }

void SegmentDisplay::showCount(int value) {
    if (value > 9999) value = 9999;
    if (value < 0) value = 0;
    const int digits[] = {value / 1000, value / 100 % 10, value / 10 % 10, value % 10};
    const int shownFrom[] = {999, 99, 9, -1};  // leading positions stay blank below their place value
    for (int i = 0; i < 4; ++i) setLarge(kLarge[i], value > shownFrom[i] ? digits[i] : pics::kBlank);
}

void SegmentDisplay::showPair(int value) {
    setSmall(El::t10, value / 10);
    setSmall(El::t01, value % 10);
}

void SegmentDisplay::showLargeDigits(bool visible) {
    for (El e : kLarge) d_.face.setVisible(e, visible);
}

void SegmentDisplay::showSmallDigits(bool visible) {
    for (El e : kSmall) d_.face.setVisible(e, visible);
}

void SegmentDisplay::ScoreBlink_Timer() {
    auto& s = d_.s;
    if (!s.newRecordBlink || s.modeNo != 0) return;
    showLargeDigits(s.scoreBlinkPhase != 1);
    s.scoreBlinkPhase = static_cast<i16>(-s.scoreBlinkPhase);
}

void SegmentDisplay::KoroBlink_Timer() {
    auto& s = d_.s;
    if (!s.koroClock || s.modeNo != 1) return;
    showSmallDigits(s.koroBlinkPhase != 1);
    s.koroBlinkPhase = static_cast<i16>(-s.koroBlinkPhase);
}

void SegmentDisplay::AlarmBlink_Timer() {
    auto& s = d_.s;
    const bool hide = s.alarmBlinkPhase == 1 && s.alarmEditing;
    static constexpr El kFieldPairs[3][2] = {{El::t10, El::t01}, {El::s0010, El::s0001}, {El::s0100, El::s1000}};
    if (s.alarmField >= 0 && s.alarmField <= 2)
        for (El e : kFieldPairs[s.alarmField]) d_.face.setVisible(e, !hide);
    s.alarmBlinkPhase = static_cast<i16>(-s.alarmBlinkPhase);
}

void SegmentDisplay::Timer1_Timer() {
    auto& s = d_.s;
    d_.face.setVisible(El::mode, s.stopwatchBlinkReset != 1);
    s.stopwatchBlinkReset = static_cast<i16>(-s.stopwatchBlinkReset);
    if (d_.Timer1->interval() == 0) {
        s.stopwatchBlinkReset = 1;
        d_.face.setVisible(El::mode, true);
    }
}

void SegmentDisplay::blinkModeMarker(bool blink) {
    d_.s.stopwatchBlinkReset = -1;
    d_.face.setVisible(El::mode, !blink);
    d_.Timer1->setInterval(blink ? 450 : 0);
}

void SegmentDisplay::convertViewSize(std::int16_t direction) {
    auto& s = d_.s;
    const bool toCompact = direction == 0;
    struct Position {
        El el;
        i16& shown;
        bool largeTable;
    };
    const Position positions[] = {{El::s1000, s.shownIndex1000, true}, {El::s0100, s.shownIndex0100, true},
                                  {El::s0010, s.shownIndex0010, true}, {El::s0001, s.shownIndex0001, true},
                                  {El::t10, s.shownIndex10, false},    {El::t01, s.shownIndex01, false}};
    for (const auto& p : positions) {
        const PicTable from = p.largeTable ? (toCompact ? PicTable::A : PicTable::AS)
                                           : (toCompact ? PicTable::B : PicTable::BS);
        const PicTable to = p.largeTable ? (toCompact ? PicTable::AS : PicTable::A)
                                         : (toCompact ? PicTable::BS : PicTable::B);
        const int count = p.largeTable ? pics::kLargeCount : pics::kSmallCount;
        for (int i = 0; i < count; ++i)
            if (d_.face.picture(p.el) == pic(from, i)) p.shown = static_cast<i16>(i);
        d_.face.setPicture(p.el, pic(to, p.shown));
    }
}

void SegmentDisplay::blastEntryDisplay() {
    auto& s = d_.s;
    s.blastTarget = 16;
    s.blastCount = 0;
    d_.face.setVisible(El::dot, false);
    d_.windows.hide(SecondaryWindow::s80000);
    showCount(0);
    showPair(16);
}

void SegmentDisplay::blastCountStep() {
    auto& s = d_.s;
    if (s.blastPhase == 0) {
        if (s.blastTarget < 99) ++s.blastTarget;
        showPair(s.blastTarget);
    } else if (s.blastPhase == 1) {
        if (s.blastCount < s.blastTarget) ++s.blastCount;
        showCount(s.blastCount);
    }
}

}  // namespace tap
