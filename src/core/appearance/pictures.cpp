#include "core/appearance/pictures.h"

#include "core/canvas.h"

namespace tap {

Size pictureSize(PictureId id) {
    const bool compact = id.index == 1;  // for the tables that keep both sizes side by side
    switch (id.table) {
        case PicTable::None: return {};
        case PicTable::Paneru: return {427, 258};
        case PicTable::PaneruS: return {212, 129};
        case PicTable::A: return id.index == pics::kDecimalPoint ? Size{11, 30} : Size{22, 30};
        case PicTable::AS: return id.index == pics::kDecimalPoint ? Size{5, 12} : Size{11, 15};
        case PicTable::B: return id.index == pics::kModeMarker ? Size{12, 8} : Size{16, 22};
        case PicTable::BS: return id.index == pics::kModeMarker ? Size{6, 4} : Size{8, 11};
        case PicTable::AlarmOn:
        case PicTable::AlarmOff: return compact ? Size{7, 6} : Size{14, 10};
        case PicTable::ResetButton:
        case PicTable::SealInner:
        case PicTable::SealOuter: return compact ? Size{36, 22} : Size{72, 44};
        case PicTable::ButtonPress:
            return id.index <= pics::PressB ? Size{65, 65} : Size{54, 24};
        case PicTable::AnalyzerPage: return {26, 24};
        case PicTable::AnalyzerStatus: return {120, 26};
        case PicTable::AnalyzerBanner: return {38, 26};
        case PicTable::AnalyzerScale: return {31, 143};
        case PicTable::AnalyzerLegend: return {66, 14};
        case PicTable::AnalyzerClose: return {26, 24};
        case PicTable::CanvasBackground: return canvasSize(static_cast<CanvasPicture>(id.index));
        case PicTable::Game:
            return id.index == pics::LoaderBanner ? Size{247, 40}
                   : id.index == pics::Bonus      ? Size{164, 88}
                                                  : Size{136, 136};
    }
    return {};
}

}  // namespace tap
