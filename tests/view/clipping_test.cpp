// Clipping of segments, polylines and polygons, and circles generated for the visible part.
#include "view/clipping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const ClipRect kBox{0.0, 0.0, 100.0, 50.0};

double SignedArea(const std::vector<Point>& polygon) {
    double a = 0.0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point& p = polygon[i];
        const Point& q = polygon[(i + 1) % polygon.size()];
        a += p.x * q.y - q.x * p.y;
    }
    return a / 2.0;
}

bool InBox(const ClipRect& r, Point p) {
    return p.x >= r.xMin - 1e-9 && p.x <= r.xMax + 1e-9 && p.y >= r.yMin - 1e-9 &&
           p.y <= r.yMax + 1e-9;
}

TEST(ClipSegmentTest, CasesAgainstTheRectangle) {
    struct Case {
        std::string name;
        Point a, b;
        bool visible;
        Point ca, cb;
        double t0, t1;
    };
    const Case cases[] = {
        {"wholly inside", {10, 10}, {20, 30}, true, {10, 10}, {20, 30}, 0.0, 1.0},
        {"enters through the left", {-10, 10}, {10, 10}, true, {0, 10}, {10, 10}, 0.5, 1.0},
        {"leaves through the bottom", {50, 25}, {50, 75}, true, {50, 25}, {50, 50}, 0.0, 0.5},
        {"crosses both sides", {-50, 25}, {150, 25}, true, {0, 25}, {100, 25}, 0.25, 0.75},
        {"lies on the top border", {10, 0}, {20, 0}, true, {10, 0}, {20, 0}, 0.0, 1.0},
        {"parallel above", {10, -5}, {90, -5}, false, {}, {}, 0.0, 0.0},
        {"parallel right of it", {105, 5}, {105, 45}, false, {}, {}, 0.0, 0.0},
        {"passes the corner outside", {90, -20}, {120, 10}, false, {}, {}, 0.0, 0.0},
        {"cuts the corner", {90, -5}, {110, 15}, true, {95, 0}, {100, 5}, 0.25, 0.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ClippedSegment s = ClipSegment(kBox, c.a, c.b);
        ASSERT_EQ(s.visible, c.visible);
        if (!c.visible) {
            continue;
        }
        EXPECT_NEAR(s.a.x, c.ca.x, 1e-12);
        EXPECT_NEAR(s.a.y, c.ca.y, 1e-12);
        EXPECT_NEAR(s.b.x, c.cb.x, 1e-12);
        EXPECT_NEAR(s.b.y, c.cb.y, 1e-12);
        EXPECT_NEAR(s.t0, c.t0, 1e-12);
        EXPECT_NEAR(s.t1, c.t1, 1e-12);
    }
}

TEST(ClipPolylineTest, BreaksWhereTheLineLeavesAndJoinsAcrossTheStartOfALoop) {
    // Out through the right border and back in: two pieces.
    const std::vector<SubPath> open =
        ClipPolyline(kBox, {{10, 10}, {150, 10}, {150, 40}, {10, 40}}, false);
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0].points.size(), 2u);
    EXPECT_NEAR(open[0].points[1].x, 100.0, 1e-12);
    EXPECT_NEAR(open[1].points[0].x, 100.0, 1e-12);
    EXPECT_FALSE(open[0].closed);

    // A loop wholly inside stays one closed figure without a repeated point.
    const std::vector<SubPath> inside =
        ClipPolyline(kBox, {{10, 10}, {90, 10}, {90, 40}, {10, 40}}, true);
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_TRUE(inside[0].closed);
    EXPECT_EQ(inside[0].points.size(), 4u);

    // A loop that starts inside and pokes out once: the piece after the excursion runs on
    // through the start point, so there is one open piece from re-entry to exit.
    const std::vector<SubPath> loop =
        ClipPolyline(kBox, {{10, 10}, {150, 10}, {150, 40}, {10, 40}}, true);
    ASSERT_EQ(loop.size(), 1u);
    EXPECT_FALSE(loop[0].closed);
    ASSERT_EQ(loop[0].points.size(), 4u);
    EXPECT_NEAR(loop[0].points.front().x, 100.0, 1e-12);
    EXPECT_NEAR(loop[0].points.front().y, 40.0, 1e-12);
    EXPECT_NEAR(loop[0].points.back().x, 100.0, 1e-12);
    EXPECT_NEAR(loop[0].points.back().y, 10.0, 1e-12);

    EXPECT_TRUE(ClipPolyline(kBox, {{-10, -10}, {-20, 60}}, false).empty());
}

TEST(ClipPolygonTest, CasesAgainstTheRectangle) {
    struct Case {
        std::string name;
        std::vector<Point> polygon;
        double area;  // of the clipped polygon; 0 = nothing left
    };
    const Case cases[] = {
        {"triangle inside", {{10, 10}, {40, 10}, {10, 40}}, 450.0},
        {"square around the rectangle", {{-10, -10}, {200, -10}, {200, 200}, {-10, 200}}, 5000.0},
        {"square over the left border", {{-20, 10}, {20, 10}, {20, 30}, {-20, 30}}, 400.0},
        {"diamond over the corner", {{100, -20}, {120, 0}, {100, 20}, {80, 0}}, 200.0},
        {"wholly outside", {{200, 10}, {300, 10}, {300, 30}}, 0.0},
        {"a point not finite is left out",
         {{10, 10}, {40, 10}, {std::nan(""), 5}, {10, 40}},
         450.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Point> clipped = ClipPolygon(kBox, c.polygon);
        if (c.area == 0.0) {
            EXPECT_TRUE(clipped.empty());
            continue;
        }
        ASSERT_GE(clipped.size(), 3u);
        EXPECT_NEAR(std::fabs(SignedArea(clipped)), c.area, 1e-9);
        for (const Point& p : clipped) {
            EXPECT_TRUE(InBox(kBox, p));
        }
    }
}

TEST(ClipPolygonTest, ConcavePolygonKeepsItsVisibleArea) {
    // A U shape whose two arms leave the rectangle at the top.
    const std::vector<Point> u = {{10, -30}, {20, -30}, {20, 20}, {80, 20},
                                  {80, -30}, {90, -30}, {90, 30}, {10, 30}};
    const std::vector<Point> clipped = ClipPolygon(kBox, u);
    // Arms 10 x 20 each inside, plus the bottom bar 80 x 10.
    EXPECT_NEAR(std::fabs(SignedArea(clipped)), 2 * 200.0 + 800.0, 1e-9);
}

// A 900 x 700 canvas: clip rectangle -40..940 x -40..740, M = 626.3 px.
DrawContext Canvas(double zoom, double centreX, double centreY) {
    ViewTransform view;
    view.zoom = zoom;
    view.centreX = centreX;
    view.centreY = centreY;
    return MakeDrawContext(view, 900.0, 700.0);
}

TEST(CirclePointsTest, NothingForCirclesThatMissTheView) {
    struct Case {
        std::string name;
        double cx, cy, radius, zoom;
    };
    const Case cases[] = {
        {"far to the right", 1000.0, 0.0, 10.0, 1.0},
        {"view inside the circle", 0.0, 0.0, 1000.0, 1.0},
        {"zero radius", 0.0, 0.0, 0.0, 1.0},
        {"negative radius", 0.0, 0.0, -5.0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(CirclePoints(Canvas(c.zoom, 0, 0), c.cx, c.cy, c.radius, true).points.empty());
    }
}

TEST(CirclePointsTest, SmallCircleComesWholeAndRound) {
    // R = 1000 px about a screen point 1000 px left of the canvas centre.
    const DrawContext context = Canvas(10.0, 100.0, 0.0);
    const CirclePolyline circle = CirclePoints(context, 0.0, 0.0, 100.0, true);
    ASSERT_TRUE(circle.fullCircle);
    // Step sqrt(2/1000) rad: ceil(2 pi / 0.04472) = 141 points, no sector centre appended.
    EXPECT_EQ(circle.points.size(), 141u);
    for (const Point& p : circle.points) {
        EXPECT_NEAR(std::hypot(p.x - (450.0 - 1000.0), p.y - 350.0), 1000.0, 1e-9);
    }
    // Small radii keep chords of 5 degrees.
    EXPECT_EQ(CirclePoints(context, 100.0, 0.0, 1e-4, false).points.size(), 72u);
    EXPECT_EQ(CirclePoints(context, 100.0, 0.0, 20.0, false).points.size(), 72u);
}

TEST(CirclePointsTest, HugeCircleGivesASmoothArcReachingPastTheView) {
    // A reference circle of 20 mm at 100000 px/mm, seen where it crosses the x axis.
    const DrawContext context = Canvas(100000.0, 20.0, 0.0);
    const double R = 20.0 * 100000.0;
    const Point centre = WorldToScreen(context, 0.0, 0.0);
    const CirclePolyline arc = CirclePoints(context, 0.0, 0.0, 20.0, false);
    ASSERT_FALSE(arc.fullCircle);
    ASSERT_GE(arc.points.size(), 9u);
    EXPECT_LE(arc.points.size(), 100001u);
    double worstSag = 0.0;
    for (size_t i = 0; i + 1 < arc.points.size(); ++i) {
        const Point mid{(arc.points[i].x + arc.points[i + 1].x) / 2,
                        (arc.points[i].y + arc.points[i + 1].y) / 2};
        worstSag = std::max(worstSag, R - std::hypot(mid.x - centre.x, mid.y - centre.y));
    }
    EXPECT_LE(worstSag, 0.25 + 1e-6);
    // Both ends lie beyond the clip rectangle, so nothing of the visible arc is missing.
    EXPECT_FALSE(InBox(context.clip, arc.points.front()));
    EXPECT_FALSE(InBox(context.clip, arc.points.back()));
    // It passes through the canvas centre.
    bool nearCentre = false;
    for (const Point& p : arc.points) {
        nearCentre = nearCentre || std::hypot(p.x - 450.0, p.y - 350.0) < 200.0;
    }
    EXPECT_TRUE(nearCentre);

    // As a hole the arc closes through the circle centre into a sector.
    const CirclePolyline sector = CirclePoints(context, 0.0, 0.0, 20.0, true);
    ASSERT_EQ(sector.points.size(), arc.points.size() + 1);
    EXPECT_NEAR(sector.points.back().x, centre.x, 1e-9);
    EXPECT_NEAR(sector.points.back().y, centre.y, 1e-9);
    const std::vector<Point> hole = ClipPolygon(context.clip, sector.points);
    // The left part of the view is inside the circle: the hole covers it up to the arc.
    const double clipArea = 980.0 * 780.0;
    const double area = std::fabs(SignedArea(hole));
    EXPECT_NEAR(area, 490.0 * 780.0, 0.01 * clipArea);
}

TEST(CirclePointsTest, ArcTurnsTowardTheView) {
    // Circle centre far below the view: the arc is its top, around 90 degrees.
    const DrawContext context = Canvas(1000.0, 0.0, 50.0);
    const Point centre = WorldToScreen(context, 0.0, 0.0);
    const CirclePolyline arc = CirclePoints(context, 0.0, 0.0, 50.0, false);
    ASSERT_FALSE(arc.fullCircle);
    const Point mid = arc.points[arc.points.size() / 2];
    EXPECT_NEAR(mid.x, centre.x, 1.0);
    EXPECT_NEAR(mid.y, 350.0, 1.0);
}

}  // namespace
