#include "core/device/face_mouse.h"

#include "core/device/device.h"

namespace tap {

namespace {
bool isSurface(El e) { return e == El::Image1 || e == El::Image_back; }
bool isBackControl(El e) { return e == El::Image2 || e == El::Image3 || e == El::Image4; }
}  // namespace

void FaceMouse::mouseDown(El e, const MouseEvent& ev) {
    if (isSurface(e)) d_.view.surfaceMouseDown(e, ev);
    else if (isBackControl(e)) d_.backFace.mouseDown(e);
    else if (OnScreenButtons::isButton(e)) d_.buttons.mouseDown(e, ev.button);
}

void FaceMouse::mouseMove(El e, const MouseEvent& ev, int buttonsHeld) {
    // A move over the back picture is handed on to the front surface's handler.
    if (isSurface(e)) d_.view.surfaceMouseMove(ev, buttonsHeld);
}

void FaceMouse::mouseUp(El e, const MouseEvent& ev) {
    if (isSurface(e)) d_.view.surfaceMouseUp(e, ev);
    else if (isBackControl(e)) d_.backFace.mouseUp(e);
    else if (OnScreenButtons::isButton(e)) d_.buttons.mouseUp(e, ev.button);
}

void FaceMouse::click(El e, const MouseEvent& /*ev*/) {
    switch (e) {
        case El::Image4: d_.backFace.Image4_Click(); break;
        case El::Image3: d_.backFace.Image3_Click(); break;
        case El::Image2: d_.backFace.Image2_Click(); break;
        default:
            if (OnScreenButtons::isButton(e)) d_.buttons.click(e);
            break;
    }
}

void FaceMouse::doubleClick(El e, const MouseEvent& ev) {
    if (OnScreenButtons::isButton(e)) d_.buttons.doubleClick(e);
    else if (isSurface(e)) d_.view.surfaceMouseDown(e, ev);
}

}  // namespace tap
