#pragma once
// Where the analyzer's pictures put things, in logical pixels: pure functions of the values drawn.
#include <cmath>

#include "core/canvas.h"
#include "core/millis.h"

namespace tap::graph {

inline constexpr Rgb kLatest{0, 255, 0};
inline constexpr Rgb kPrevious{0, 128, 0};
inline constexpr Rgb kUnlit{0, 64, 0};
inline constexpr Rgb kSixteen{0, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

inline constexpr int kBaseline = 136;
inline constexpr int kBaselineLeft = 30, kBaselineRight = 331;
inline constexpr int kSixteenLeft = 31, kSixteenRight = 331;
inline constexpr int kProgressLeft = 32, kProgressRows[] = {164, 165, 166};
inline constexpr int kVuLeft = 10, kVuUnlitRight = 335;

// Pixel of a drawn coordinate: the nearest, halves upwards.
inline int px(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// Height of a value: the full 120 pixels hold 30, 60 or 90 presses per second for range index 1, 2, 3.
inline int valueY(double v, int rangeIndex) { return px(kBaseline - v * 4 / rangeIndex); }
// Second t = 1..10 (data index t - 1) is centred on this column.
inline constexpr int columnX(int t) { return 30 * t + 15; }

struct Span {
    int left, right;
};
inline constexpr Span summedBar(int t) { return {30 * t + 12, 30 * t + 18}; }
inline constexpr Span separateBarB(int t) { return {30 * t + 7, 30 * t + 13}; }
inline constexpr Span separateBarA(int t) { return {30 * t + 17, 30 * t + 23}; }

// The count printed above a column: its left edge by the number of digits, its top 15 pixels over the bar.
inline constexpr int countLabelX(int t, int n) { return n < 10 ? 30 * t + 6 : n < 20 ? 30 * t + 1 : 30 * t + 3; }
inline int countLabelY(int n, int rangeIndex) { return px(kBaseline - 4.0 * n / rangeIndex - 15); }

// The 16-presses-per-second line of each range.
inline int sixteenLineY(int rangeIndex) { return valueY(16, rangeIndex); }

// Right end of the progress bar after `elapsed` of the run (329 at 10 000 ms).
inline int progressRight(Millis elapsed) { return px(kProgressLeft + 0.0297 * elapsed.ms()); }

// Right end of a lit speed-meter bar of level `level` (0..84 per button), and of its peak marker.
inline constexpr int vuRight(int level) { return 4 * level + 10; }
// "Rounded to a whole number", as the meter reads its levels.
inline int level(double v) { return static_cast<int>(std::nearbyint(v)); }

// The timing chart's time axis: 30 pixels of margin, half a pixel per millisecond.
inline int chartX(Millis t) { return px(30 + 0.5 * t.ms()); }
// Printed times stand 7 pixels to the left of their mark.
inline int chartTextX(Millis t) { return px(23 + 0.5 * t.ms()); }

}  // namespace tap::graph
