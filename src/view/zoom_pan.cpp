// Zoom about the cursor, pan by dragging and fit to the drawing, as changes of the view
// transform followed by a redraw.
#include "view/zoom_pan.h"

#include <algorithm>
#include <cmath>

#include "view/refresh_view.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kWheelFactor = 1.2;  // per notch
constexpr double kMinZoom = 0.01;     // px/mm
constexpr double kMaxZoom = 100000.0;
// Room left around the fitted drawing, in total over both sides; the height keeps space
// for the status line.
constexpr double kFitMarginWidth = 40.0;
constexpr double kFitMarginHeight = 60.0;

struct Box {
    double xMin = 0.0;
    double xMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
};

}  // namespace

void FitView(AppState& state) {
    const GearData& g1 = state.gear1;
    Box box;
    switch (state.viewMode) {
        case ViewMode::None:
            return;
        case ViewMode::Pair: {
            const double raMax = std::max(g1.ra, state.gear2.ra);
            box = {-g1.ra, state.pairCentreDistance + state.gear2.ra, -raMax, raMax};
            break;
        }
        case ViewMode::Single:
            box = {-g1.ra, g1.ra, -g1.ra, g1.ra};
            break;
        case ViewMode::Rack: {
            // The rack runs below the pinion from its datum line y0 down by its height.
            const GearData& rack = state.rack;
            const double halfRack = rack.rackLength / 2.0 + kPi * rack.mt;
            const double y0 = -(g1.r + g1.x * g1.mn);
            box = {std::min(-g1.ra, -halfRack), std::max(g1.ra, halfRack), y0 - rack.rackHeight,
                   g1.ra};
            break;
        }
        case ViewMode::Internal: {
            const double R = std::max(state.ring.rOuter, 1.0);
            box = {-R, R, -R, R};
            break;
        }
    }
    ViewTransform& view = state.view;
    view.centreX = (box.xMin + box.xMax) / 2.0;
    view.centreY = (box.yMin + box.yMax) / 2.0;
    const double zoom = std::min((state.canvasWidth - kFitMarginWidth) / (box.xMax - box.xMin),
                                 (state.canvasHeight - kFitMarginHeight) / (box.yMax - box.yMin));
    // A canvas smaller than the margins, or a box without extent, gives no usable scale.
    view.zoom = (zoom > 0.0 && std::isfinite(zoom)) ? zoom : 1.0;
    if (!std::isfinite(view.centreX) || !std::isfinite(view.centreY)) {
        view.centreX = 0.0;
        view.centreY = 0.0;
    }
}

void HandleCanvasEvent(AppState& state, const ControlEvent& event) {
    ViewTransform& view = state.view;
    const double mx = event.x;
    const double my = event.y;
    const double halfW = state.canvasWidth / 2.0;
    const double halfH = state.canvasHeight / 2.0;
    switch (event.kind) {
        case EventKind::MouseEnter:
            // The canvas takes the keyboard focus in the toolkit layer; nothing changes here.
            return;
        case EventKind::Wheel: {
            // The world point under the cursor stays under it.
            const double wx = view.centreX + (mx - halfW) / view.zoom;
            const double wy = view.centreY - (my - halfH) / view.zoom;
            view.zoom =
                std::clamp(view.zoom * std::pow(kWheelFactor, event.delta), kMinZoom, kMaxZoom);
            view.centreX = wx - (mx - halfW) / view.zoom;
            view.centreY = wy + (my - halfH) / view.zoom;
            RefreshView(state);
            return;
        }
        case EventKind::MouseDown:
            state.drag.dragging = true;
            state.drag.pressX = event.x;
            state.drag.pressY = event.y;
            state.drag.pressCentreX = view.centreX;
            state.drag.pressCentreY = view.centreY;
            return;
        case EventKind::MouseMove:
            if (!state.drag.dragging) {
                return;
            }
            // The drawing follows the mouse.
            view.centreX = state.drag.pressCentreX - (event.x - state.drag.pressX) / view.zoom;
            view.centreY = state.drag.pressCentreY + (event.y - state.drag.pressY) / view.zoom;
            RefreshView(state);
            return;
        case EventKind::MouseUp:
            state.drag.dragging = false;
            return;
        case EventKind::DoubleClick:
            FitView(state);
            RefreshView(state);
            return;
        case EventKind::Change:
        case EventKind::Click:
            return;
    }
}
