// Clipping of segments, polylines and polygons to the clip rectangle, and circles as
// screen points for the part that can be visible, so that any zoom stays cheap to draw.
#pragma once

#include <vector>

#include "view/draw_context.h"
#include "view/scene.h"

struct ClippedSegment {
    bool visible = false;
    Point a;  // clipped start and end
    Point b;
    double t0 = 0.0;  // parameters of a and b on the original segment
    double t1 = 1.0;
};

// Liang-Barsky clipping of the segment a-b; points on the border count as inside.
ClippedSegment ClipSegment(const ClipRect& clip, Point a, Point b);

// A polyline (closed: with the segment back to the first point) as the visible sub-paths.
// A sub-path breaks wherever the line leaves the rectangle; an uncut closed polyline stays
// one closed sub-path.
std::vector<SubPath> ClipPolyline(const ClipRect& clip, const std::vector<Point>& points,
                                  bool closed);

// Sutherland-Hodgman clipping of a closed polygon; empty when fewer than 3 points remain.
// Points that are not finite are left out.
std::vector<Point> ClipPolygon(const ClipRect& clip, const std::vector<Point>& polygon);

struct CirclePolyline {
    std::vector<Point> points;  // screen points; empty when the circle misses the clip rect
    bool fullCircle = false;    // the whole circle (not repeated at the end) rather than an arc
};

// The circle of `radius` mm about world (cx, cy). Small circles come whole; a circle much
// larger than the view comes as the arc that can reach the view, and with `sector` the
// circle centre is appended so that the arc closes as a pie slice (for filled holes).
CirclePolyline CirclePoints(const DrawContext& context, double cx, double cy, double radius,
                            bool sector);
