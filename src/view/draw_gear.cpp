// One gear as scene paths: body and hole filled even-odd, circles and centre cross stroked.
#include "view/draw_gear.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "hub/keyway.h"
#include "view/clipping.h"

namespace {

constexpr Colour kOutlineColour{30, 30, 40, 255};
constexpr Colour kReferenceColour{0, 60, 200, 220};
constexpr Colour kBaseColour{0, 150, 60, 160};
constexpr Colour kHubColour{90, 90, 90, 200};
constexpr Colour kCrossColour{200, 0, 0, 160};

struct StrokeStyle {
    Colour colour;
    double width = 1.0;
    std::vector<double> dashes;
};

const StrokeStyle& ReferenceStyle() {
    static const StrokeStyle style{kReferenceColour, 1.0, {8.0, 8.0}};
    return style;
}
// A one-pixel dot every 4 px.
const StrokeStyle& BaseStyle() {
    static const StrokeStyle style{kBaseColour, 1.0, {1.0, 3.0}};
    return style;
}
const StrokeStyle& HubStyle() {
    static const StrokeStyle style{kHubColour, 1.2, {5.0, 5.0}};
    return style;
}
const StrokeStyle& CrossStyle() {
    static const StrokeStyle style{kCrossColour, 1.0, {10.0, 10.0}};
    return style;
}

void AddStroke(Scene& scene, std::vector<SubPath> subPaths, const StrokeStyle& style) {
    if (subPaths.empty()) {
        return;
    }
    SceneItem item;
    item.kind = SceneItem::Kind::Path;
    item.path.subPaths = std::move(subPaths);
    item.path.stroked = true;
    item.path.strokeColour = style.colour;
    item.path.strokeWidth = style.width;
    item.path.dashPattern = style.dashes;
    scene.items.push_back(std::move(item));
}

void DrawCircle(Scene& scene, const DrawContext& context, double cx, double cy, double radius,
                const StrokeStyle& style) {
    const CirclePolyline circle = CirclePoints(context, cx, cy, radius, false);
    if (circle.points.empty()) {
        return;
    }
    AddStroke(scene, ClipPolyline(context.clip, circle.points, circle.fullCircle), style);
}

// Points of the gear's own frame, turned by the gear angle, moved to its centre, on screen.
std::vector<Point> PlaceOnScreen(const DrawContext& context, const std::vector<Point>& points,
                                 double x, double y, double c, double s) {
    std::vector<Point> screen;
    screen.reserve(points.size());
    for (const Point& p : points) {
        screen.push_back(WorldToScreen(context, x + p.x * c - p.y * s, y + p.x * s + p.y * c));
    }
    return screen;
}

void AddFigure(ScenePath& path, std::vector<Point> polygon) {
    if (polygon.size() >= 3) {
        path.subPaths.push_back({std::move(polygon), true});
    }
}

}  // namespace

void DrawGear(Scene& scene, const DrawContext& context, const GearData& g, double x, double y,
              double angle, Colour bodyColour) {
    if (g.segments.empty()) {
        return;
    }
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double zoom = context.view.zoom;

    ScenePath body;
    std::vector<Point> outline;
    for (const ProfileSegment& segment : g.segments) {
        outline.insert(outline.end(), segment.begin(), segment.end());
    }
    AddFigure(body, ClipPolygon(context.clip, PlaceOnScreen(context, outline, x, y, c, s)));

    // The hole: the bore of an external gear, or everything outside the rim of a ring gear.
    // With the even-odd rule it stays unfilled.
    const double h = g.isInternal ? g.rOuter : g.bore / 2.0;
    if (h > 0.0) {
        if (!g.isInternal && HasKeyway(g)) {
            // A quarter pixel of chord error keeps the bore round at every zoom.
            const std::vector<Point> bore = BoreOutline(g, 0.25 / zoom);
            AddFigure(body, ClipPolygon(context.clip, PlaceOnScreen(context, bore, x, y, c, s)));
        } else {
            const CirclePolyline circle = CirclePoints(context, x, y, h, true);
            if (!circle.points.empty()) {
                AddFigure(body, ClipPolygon(context.clip, circle.points));
            } else {
                // The circle misses the clip rectangle; if the view lies inside the bore the
                // whole rectangle is hole.
                const Point centre = WorldToScreen(context, x, y);
                const double mx = (context.clip.xMin + context.clip.xMax) / 2.0;
                const double my = (context.clip.yMin + context.clip.yMax) / 2.0;
                if (std::hypot(mx - centre.x, my - centre.y) < h * zoom) {
                    const ClipRect& r = context.clip;
                    AddFigure(
                        body,
                        {{r.xMin, r.yMin}, {r.xMax, r.yMin}, {r.xMax, r.yMax}, {r.xMin, r.yMax}});
                }
            }
        }
    }
    if (!body.subPaths.empty()) {
        body.filled = true;
        body.fillColour = bodyColour;
        body.stroked = true;
        body.strokeColour = kOutlineColour;
        body.strokeWidth = 1.2;
        SceneItem item;
        item.kind = SceneItem::Kind::Path;
        item.path = std::move(body);
        scene.items.push_back(std::move(item));
    }

    DrawCircle(scene, context, x, y, g.r, ReferenceStyle());
    DrawCircle(scene, context, x, y, g.rb, BaseStyle());
    if (HasHub(g)) {
        DrawCircle(scene, context, x, y, g.hubDiameter / 2.0, HubStyle());
    }

    const Point centre = WorldToScreen(context, x, y);
    const double L = (std::max(g.ra, g.rOuter) + 2.0 * g.mn) * zoom;
    std::vector<SubPath> cross =
        ClipPolyline(context.clip, {{centre.x - L, centre.y}, {centre.x + L, centre.y}}, false);
    std::vector<SubPath> vertical =
        ClipPolyline(context.clip, {{centre.x, centre.y - L}, {centre.x, centre.y + L}}, false);
    cross.insert(cross.end(), vertical.begin(), vertical.end());
    AddStroke(scene, std::move(cross), CrossStyle());
}
