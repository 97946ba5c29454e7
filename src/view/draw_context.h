// The mapping from world millimetres to canvas pixels and the clip rectangle of one redraw.
#pragma once

#include "geometry/gear_data.h"
#include "view/view_transform.h"

// Everything is clipped this far outside the canvas, so that outlines, line caps and the
// bridges that polygon clipping leaves along the border never show at the canvas edge.
inline constexpr double kClipMargin = 40.0;

struct ClipRect {
    double xMin = 0.0;
    double yMin = 0.0;
    double xMax = 0.0;
    double yMax = 0.0;
};

struct DrawContext {
    double width = 0.0;  // canvas, logical px
    double height = 0.0;
    ViewTransform view;
    ClipRect clip;
};

inline DrawContext MakeDrawContext(const ViewTransform& view, double width, double height) {
    DrawContext context;
    context.width = width;
    context.height = height;
    context.view = view;
    context.clip = {-kClipMargin, -kClipMargin, width + kClipMargin, height + kClipMargin};
    return context;
}

// World (mm, y upward) to canvas (logical px, y downward); the view centre sits mid-canvas.
inline Point WorldToScreen(const DrawContext& context, double x, double y) {
    return {context.width / 2.0 + (x - context.view.centreX) * context.view.zoom,
            context.height / 2.0 - (y - context.view.centreY) * context.view.zoom};
}
