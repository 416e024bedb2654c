#pragma once
// The picture-digit display: four large and two small digit positions, the decimal point and the mode
// marker; counts cut into digits, the four blink timers, the view-size conversion, the explosion counter.
#include <cstdint>

#include "core/appearance/face.h"

namespace tap {

class Device;

class SegmentDisplay {
public:
    explicit SegmentDisplay(Device& d) : d_(d) {}

    // Picture of a large / small digit index from the table of the view now shown.
    PictureId large(int index) const;
    PictureId small(int index) const;
    void setLarge(El position, int index);
    void setSmall(El position, int index);

    // Four-digit count with leading blanks; values above 9 999 show as 9 999.
    void showCount(int value);
    // Tens and ones on t10 / t01.
    void showPair(int value);
    void showLargeDigits(bool visible);
    void showSmallDigits(bool visible);

    void ScoreBlink_Timer();
    void KoroBlink_Timer();
    void AlarmBlink_Timer();
    void Timer1_Timer();
    // Starts or stops the mode marker's blink (Timer1); a stopped blink leaves the marker shown.
    void blinkModeMarker(bool blink);

    // 0: from the 100 % to the 50 % pictures; 1: back.
    void convertViewSize(std::int16_t direction);

    void blastEntryDisplay();
    void blastCountStep();

private:
    Device& d_;
};

}  // namespace tap
