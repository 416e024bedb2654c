#pragma once
// Identities of the face's pictures. Drawing code shares pictures by id, so comparing ids compares pictures.
#include <cstdint>

#include "core/geometry.h"

namespace tap {

enum class PicTable : std::uint8_t {
    None,
    Paneru,       // 0-5 skins, 6 back face (100 %)
    PaneruS,      // the same at 50 %
    A,            // large digits: 0-9, 10 decimal point, 11 blank
    AS,
    B,            // small digits: 0-9, 10 mode marker, 11 blank, 12-13 koro glyphs
    BS,
    AlarmOn,      // alarm symbols: index 0 at 100 %, 1 at 50 %
    AlarmOff,
    ResetButton,  // back-face button and seals: index 0 at 100 %, 1 at 50 %
    SealInner,
    SealOuter,
    ButtonPress,  // 0 A, 1 B, 2 SELECT, 3 START (100 % only)
    // The analyzer window's pictures
    AnalyzerPage,      // page buttons: 0-2 chosen, 3-5 not chosen, 6-8 while a run measures
    AnalyzerStatus,    // 0 standing by, 1 armed, 2 measuring, 3 finished
    AnalyzerBanner,    // 0 while the analyzer window is active, 1 while the device is
    AnalyzerScale,     // value scales of range 30, 60, 90
    AnalyzerLegend,    // 0 line graph, 1 bar graph (A and B shown separately)
    AnalyzerClose,     // the close button
    CanvasBackground,  // under the graph, the speed meter and the timing chart
    Game,         // the game windows' pictures: see pics::GamePicture
};

struct PictureId {
    PicTable table = PicTable::None;
    std::int8_t index = 0;
    friend bool operator==(const PictureId&, const PictureId&) = default;
    bool isNone() const { return table == PicTable::None; }
};

namespace pics {
constexpr int kDecimalPoint = 10;
constexpr int kModeMarker = 10;
constexpr int kBlank = 11;
constexpr int kKoroGlyph1 = 12;
constexpr int kKoroGlyph2 = 13;
constexpr int kBackFace = 6;
constexpr int kLargeCount = 12;
constexpr int kSmallCount = 14;
constexpr int kFaceCount = 7;
enum Press : std::int8_t { PressA = 0, PressB = 1, PressSelect = 2, PressStart = 3 };
constexpr int kPageButtons = 3;
constexpr int kPageNotChosen = 3;  // offsets into the page-button table
constexpr int kPageDisabled = 6;
enum Status : std::int8_t { StatusStandby = 0, StatusArmed = 1, StatusMeasuring = 2, StatusFinished = 3 };
// The panel default picture, the loader's empty preview and banner, four explosion frames, the bonus.
enum GamePicture : std::int8_t {
    PanelDefault = 0,
    PreviewEmpty = 1,
    LoaderBanner = 2,
    Explosion0 = 3,  // frames 0-3 follow each other
    Bonus = 7,
    kGameCount = 8
};
}  // namespace pics

// Pixel size of every picture; the artwork is drawn to exactly these sizes.
Size pictureSize(PictureId id);

}  // namespace tap
