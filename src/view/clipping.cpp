// Clipping to the clip rectangle and circle polylines sized to the zoom.
#include "view/clipping.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// Chords of at most 5 degrees keep small circles round.
constexpr double kMaxCircleStep = kPi / 36.0;
constexpr int kMinCirclePoints = 8;
constexpr int kMaxCirclePoints = 100000;

bool IsFinite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

enum class Border { Left, Right, Top, Bottom };

bool Inside(const ClipRect& clip, Border border, Point p) {
    switch (border) {
        case Border::Left:
            return p.x >= clip.xMin;
        case Border::Right:
            return p.x <= clip.xMax;
        case Border::Top:
            return p.y >= clip.yMin;
        case Border::Bottom:
            return p.y <= clip.yMax;
    }
    return false;
}

// Crossing of the edge from p to q with the border line; p and q lie on different sides,
// so the divisor is never zero. The border coordinate is set exactly.
Point Intersect(const ClipRect& clip, Border border, Point p, Point q) {
    if (border == Border::Left || border == Border::Right) {
        const double xb = border == Border::Left ? clip.xMin : clip.xMax;
        const double t = (xb - p.x) / (q.x - p.x);
        return {xb, p.y + t * (q.y - p.y)};
    }
    const double yb = border == Border::Top ? clip.yMin : clip.yMax;
    const double t = (yb - p.y) / (q.y - p.y);
    return {p.x + t * (q.x - p.x), yb};
}

}  // namespace

ClippedSegment ClipSegment(const ClipRect& clip, Point a, Point b) {
    ClippedSegment result;
    if (!IsFinite(a) || !IsFinite(b)) {
        return result;
    }
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - clip.xMin, clip.xMax - a.x, a.y - clip.yMin, clip.yMax - a.y};
    double t0 = 0.0;
    double t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            // Parallel to this border: wholly outside or wholly inside its half plane.
            if (q[i] < 0.0) {
                return result;
            }
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            if (r > t1) {
                return result;
            }
            t0 = std::max(t0, r);
        } else {
            if (r < t0) {
                return result;
            }
            t1 = std::min(t1, r);
        }
    }
    result.visible = true;
    result.t0 = t0;
    result.t1 = t1;
    result.a = t0 > 0.0 ? Point{a.x + t0 * dx, a.y + t0 * dy} : a;
    result.b = t1 < 1.0 ? Point{a.x + t1 * dx, a.y + t1 * dy} : b;
    return result;
}

std::vector<SubPath> ClipPolyline(const ClipRect& clip, const std::vector<Point>& points,
                                  bool closed) {
    std::vector<SubPath> subPaths;
    const size_t n = points.size();
    if (n < 2) {
        return subPaths;
    }
    const size_t segmentCount = closed ? n : n - 1;
    bool continuing = false;      // the last visible segment ended unclipped
    bool firstFromStart = false;  // the first sub-path begins unclipped at points[0]
    bool everClipped = false;
    for (size_t i = 0; i < segmentCount; ++i) {
        const ClippedSegment s = ClipSegment(clip, points[i], points[(i + 1) % n]);
        if (!s.visible) {
            continuing = false;
            everClipped = true;
            continue;
        }
        if (s.t0 > 0.0 || s.t1 < 1.0) {
            everClipped = true;
        }
        if (!continuing || s.t0 > 0.0) {
            if (subPaths.empty() && i == 0 && s.t0 == 0.0) {
                firstFromStart = true;
            }
            subPaths.push_back({{s.a}, false});
        }
        subPaths.back().points.push_back(s.b);
        continuing = s.t1 >= 1.0;
    }
    if (closed && !everClipped && subPaths.size() == 1) {
        // The whole closed line is visible: one closed figure, the start point not repeated.
        subPaths[0].points.pop_back();
        subPaths[0].closed = true;
    } else if (closed && continuing && firstFromStart && subPaths.size() > 1) {
        // The last piece runs on through the start point into the first piece: join them so
        // that the dashes run on unbroken.
        SubPath& last = subPaths.back();
        last.points.insert(last.points.end(), subPaths[0].points.begin() + 1,
                           subPaths[0].points.end());
        subPaths.erase(subPaths.begin());
    }
    return subPaths;
}

std::vector<Point> ClipPolygon(const ClipRect& clip, const std::vector<Point>& polygon) {
    std::vector<Point> current;
    current.reserve(polygon.size());
    for (const Point& p : polygon) {
        if (IsFinite(p)) {
            current.push_back(p);
        }
    }
    std::vector<Point> next;
    for (Border border : {Border::Left, Border::Right, Border::Top, Border::Bottom}) {
        if (current.empty()) {
            break;
        }
        next.clear();
        next.reserve(current.size() + 8);
        Point previous = current.back();
        bool previousInside = Inside(clip, border, previous);
        for (const Point& p : current) {
            const bool inside = Inside(clip, border, p);
            if (inside) {
                if (!previousInside) {
                    next.push_back(Intersect(clip, border, previous, p));
                }
                next.push_back(p);
            } else if (previousInside) {
                next.push_back(Intersect(clip, border, previous, p));
            }
            previous = p;
            previousInside = inside;
        }
        current.swap(next);
    }
    if (current.size() < 3) {
        current.clear();
    }
    return current;
}

CirclePolyline CirclePoints(const DrawContext& context, double cx, double cy, double radius,
                            bool sector) {
    CirclePolyline result;
    const double R = radius * context.view.zoom;
    if (!(R > 0.0) || !std::isfinite(R)) {
        return result;
    }
    const Point s = WorldToScreen(context, cx, cy);
    const ClipRect& clip = context.clip;
    const double mx = (clip.xMin + clip.xMax) / 2.0;
    const double my = (clip.yMin + clip.yMax) / 2.0;
    const double M = std::hypot(clip.xMax - clip.xMin, clip.yMax - clip.yMin) / 2.0;
    const double D = std::hypot(mx - s.x, my - s.y);
    if (!(std::fabs(D - R) <= M)) {
        return result;  // the circle passes wholly inside or outside the clip rectangle
    }
    // A chord of sqrt(2/R) rad deviates a quarter pixel from the true circle.
    const double step = std::min(std::sqrt(2.0 / R), kMaxCircleStep);
    const bool full = R < 4.0 * M;
    double start = 0.0;
    double span = 2.0 * kPi;
    if (!full) {
        // Only the arc facing the clip rectangle can be seen; y is upward for the angle.
        const double phi = std::atan2(-(my - s.y), mx - s.x);
        start = phi - 2.0 * M / R;
        span = 4.0 * M / R;
    }
    const double wanted = std::ceil(span / step);
    const int n = static_cast<int>(std::clamp(wanted, static_cast<double>(kMinCirclePoints),
                                              static_cast<double>(kMaxCirclePoints)));
    const int last = full ? n - 1 : n;
    result.points.reserve(static_cast<size_t>(last) + 2);
    for (int i = 0; i <= last; ++i) {
        const double t = start + span * i / n;
        result.points.push_back({s.x + R * std::cos(t), s.y - R * std::sin(t)});
    }
    if (!full && sector) {
        result.points.push_back(s);
    }
    result.fullCircle = full;
    return result;
}
