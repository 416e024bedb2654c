#pragma once
// The device face as a model: named elements in stacking order, each with a picture, visibility, position
// and (for hit areas) a size. One view paints the visible elements bottom-up and hit-tests top-down.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/appearance/pictures.h"
#include "core/geometry.h"

namespace tap {

// Top of the stack first: earlier elements are drawn last and receive the mouse first.
enum class El : std::uint8_t {
    Image4,
    Image3,
    Image2,
    Image_back,
    A_button,
    A_button_on_skin34,
    B_button,
    B_button_on_skin34,
    start_button,
    start_button_on_skin4,
    select_button,
    select_button_on_skin4,
    ss_button_push,
    ss_button_push2,
    B_button_press,
    A_button_press,
    alarm_icon,
    Image1,
    mode,
    dot,
    t01,
    t10,
    s0001,
    s0010,
    s0100,
    s1000,
    Paneru,
    Count
};
constexpr int kElementCount = static_cast<int>(El::Count);

const char* elementName(El e);

// Text labels of the face. None is drawn: their captions are device state that others read.
enum class Label : std::uint8_t { cntType, Count };

enum class CursorShape : std::uint8_t { Default, Move, FingerNormal, FingerPressed };

struct Element {
    PictureId picture;
    bool visible = true;
    Point pos;
    Size size;  // 0 × 0: the picture's own size
    CursorShape cursor = CursorShape::Default;
    std::string toolTip;
};

class Face {
public:
    Face();

    const Element& operator[](El e) const { return elements_[index(e)]; }

    void setPicture(El e, PictureId pic);
    void setVisible(El e, bool visible);
    void setPos(El e, Point pos);
    void setLeft(El e, int left);
    void setSize(El e, Size size);
    void setCursor(El e, CursorShape cursor);
    void setToolTip(El e, std::string text);
    void setCaption(Label l, std::string text) { captions_[static_cast<int>(l)] = std::move(text); }
    const std::string& caption(Label l) const { return captions_[static_cast<int>(l)]; }

    PictureId picture(El e) const { return (*this)[e].picture; }
    bool visible(El e) const { return (*this)[e].visible; }
    Rect rect(El e) const;
    // Where the element's picture is drawn (its hit area may be set apart from that); empty without one.
    Rect drawnRect(El e) const;

    // Topmost visible element under a face pixel.
    std::optional<El> hitTest(Point p) const;

    // Called after any change with the face area that looks different now, so a view repaints only that.
    std::function<void(const Rect& area)> onChange;

private:
    static constexpr int index(El e) { return static_cast<int>(e); }
    // `before` is the element's area before the change; the area it covers now is added to it.
    void changed(El e, const Rect& before);
    std::array<Element, kElementCount> elements_{};
    std::array<std::string, static_cast<int>(Label::Count)> captions_{};
};

}  // namespace tap
