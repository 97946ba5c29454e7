// Outline of external gears: main dimensions, segment layout, fillet end, tip adjustments and
// the gears that cannot be cut.
#include "geometry/external_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "geometry/involute.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

GearData MakeGear(double mn, int64_t z, double x, double alphaNDeg, double betaDeg = 0.0,
                  double as = 0.0, double k = 0.0) {
    GearData g;
    g.mn = mn;
    g.z = z;
    g.x = x;
    g.alphaN = alphaNDeg * kDeg;
    g.beta = betaDeg * kDeg;
    g.As = as;
    g.k = k;
    return g;
}

std::size_t PointsPerTooth(const GearData& g) {
    std::size_t n = 0;
    for (const ProfileSegment& s : g.segments) {
        n += s.size();
    }
    return n / static_cast<std::size_t>(g.z);
}

// Index of the left flank of tooth 0.
std::size_t LeftFlankIndex(const ExternalToothLayout& layout) {
    return (layout.rootArc ? 1 : 0) + (layout.fillets ? 1 : 0);
}

double Radius(Point p) {
    return std::hypot(p.x, p.y);
}

}  // namespace

struct MainDimensionCase {
    const char* name;
    double mn;
    int64_t z;
    double betaDeg;
    double mt, alphaTDeg, betaBDeg, r, rb, ra, rf, st, xMin;
    int64_t undercut;
};

TEST(MainDimensions, MatchTheWorkedExamples) {
    const MainDimensionCase cases[] = {
        {"spur, 20 teeth", 2.0, 20, 0.0, 2.0, 20.0, 0.0, 20.0, 18.7939, 22.0, 17.5, 3.1416, -0.1698,
         0},
        {"helical 15 deg, 20 teeth", 2.0, 20, 15.0, 2.0706, 20.6469, 14.0761, 20.7055, 19.3756,
         22.7055, 18.2055, 3.2524, -0.2872, 0},
        {"17 teeth counts as undercut", 1.0, 17, 0.0, 1.0, 20.0, 0.0, 8.5, 7.9874, 9.5, 7.25,
         1.5708, 0.0057, 1},
    };
    for (const MainDimensionCase& c : cases) {
        SCOPED_TRACE(c.name);
        GearData g = MakeGear(c.mn, c.z, 0.0, 20.0, c.betaDeg);
        GenerateExternalGear(g, 1);
        ASSERT_EQ(g.valid, 1);
        EXPECT_NEAR(g.mt, c.mt, 5e-5);
        EXPECT_NEAR(g.alphaT / kDeg, c.alphaTDeg, 5e-5);
        EXPECT_NEAR(g.betaB / kDeg, c.betaBDeg, 5e-5);
        EXPECT_NEAR(g.r, c.r, 5e-5);
        EXPECT_NEAR(g.rb, c.rb, 5e-5);
        EXPECT_NEAR(g.ra, c.ra, 5e-5);
        EXPECT_NEAR(g.rf, c.rf, 5e-5);
        EXPECT_NEAR(g.st, c.st, 5e-5);
        EXPECT_NEAR(g.xMin, c.xMin, 5e-5);
        EXPECT_EQ(g.undercut, c.undercut);
    }
}

TEST(MainDimensions, AllowanceThinsTheToothButKeepsTheTip) {
    GearData plain = MakeGear(2.0, 18, 0.0, 20.0);
    GearData thinned = MakeGear(2.0, 18, 0.0, 20.0, 0.0, 0.2);
    GenerateExternalGear(plain, 1);
    GenerateExternalGear(thinned, 1);
    ASSERT_EQ(plain.valid, 1);
    ASSERT_EQ(thinned.valid, 1);
    // The tool moves in by As / (2 tan an): 0.2 / (2 tan 20 deg) = 0.2747 mm.
    EXPECT_NEAR(thinned.xE, -0.2 / (2.0 * 2.0 * std::tan(20.0 * kDeg)), 1e-15);
    EXPECT_NEAR(plain.st - thinned.st, 0.2 / std::cos(0.0), 1e-12);
    EXPECT_NEAR(plain.rf - thinned.rf, 0.2747, 5e-5);
    EXPECT_DOUBLE_EQ(thinned.ra, plain.ra);
    // 18 teeth cut without allowance are just clear of undercut; the allowance tips them over.
    EXPECT_EQ(plain.undercut, 0);
    EXPECT_EQ(thinned.undercut, 1);
}

TEST(MainDimensions, TipShorteningLowersTheTipCircle) {
    GearData g = MakeGear(2.0, 30, 0.4, 20.0, 0.0, 0.0, 0.15);
    GenerateExternalGear(g, 1);
    ASSERT_EQ(g.valid, 1);
    EXPECT_NEAR(g.ra, 30.0 + 2.0 * (1.0 + 0.4 - 0.15), 1e-12);
}

struct OutlineCase {
    const char* name;
    GearData gear;
    int d;
    std::size_t segments;
    std::size_t pointsPerTooth;
    ExternalToothLayout layout;
    double ra, sa, rFf;  // compared to the printed precision
    double raTol, saTol, rFfTol;
    int64_t undercut, pointed;
};

TEST(ExternalOutline, MatchesTheWorkedExamples) {
    const OutlineCase cases[] = {
        {"spur, 20 teeth",
         MakeGear(2.0, 20, 0.0, 20.0),
         1,
         120,
         70,
         {true, true, true},
         22.0,
         1.3898,
         18.820,
         5e-4,
         5e-5,
         5e-4,
         0,
         0},
        {"25 deg: fillets meet on the space centre line",
         MakeGear(2.0, 20, 0.0, 25.0),
         1,
         100,
         65,
         {false, true, true},
         22.0,
         1.0207,
         18.475,
         5e-4,
         5e-4,
         5e-4,
         0,
         0},
        {"12 teeth, undercut, coarse",
         MakeGear(2.0, 12, 0.0, 20.0),
         1,
         72,
         70,
         {true, true, true},
         14.0,
         1.2418,
         11.410,
         5e-4,
         5e-4,
         5e-4,
         1,
         0},
        {"12 teeth, undercut, fine",
         MakeGear(2.0, 12, 0.0, 20.0),
         16,
         72,
         1026,
         {true, true, true},
         14.0,
         1.2418,
         11.301,
         5e-4,
         5e-4,
         5e-4,
         1,
         0},
        {"10 teeth x = 1: pointed",
         MakeGear(2.0, 10, 1.0, 20.0),
         1,
         50,
         65,
         {true, true, false},
         13.685,
         0.0,
         10.000,
         5e-4,
         5e-4,
         5e-4,
         0,
         1},
    };
    for (const OutlineCase& c : cases) {
        SCOPED_TRACE(c.name);
        GearData g = c.gear;
        GenerateExternalGear(g, c.d);
        ASSERT_EQ(g.valid, 1);
        EXPECT_EQ(g.segments.size(), c.segments);
        EXPECT_EQ(PointsPerTooth(g), c.pointsPerTooth);
        const ExternalToothLayout layout = ExternalOutlineLayout(g);
        EXPECT_EQ(layout.rootArc, c.layout.rootArc);
        EXPECT_EQ(layout.fillets, c.layout.fillets);
        EXPECT_EQ(layout.tipArc, c.layout.tipArc);
        EXPECT_NEAR(g.ra, c.ra, c.raTol);
        EXPECT_NEAR(g.sa, c.sa, c.saTol);
        EXPECT_NEAR(g.rFf, c.rFf, c.rFfTol);
        EXPECT_EQ(g.undercut, c.undercut);
        EXPECT_EQ(g.pointed, c.pointed);

        // One closed polygon, starting on the root circle when there is a root arc (else on
        // the space centre line, where the fillets cross just above it).
        for (std::size_t i = 0; i < g.segments.size(); ++i) {
            const Point a = g.segments[i].back();
            const Point b = g.segments[(i + 1) % g.segments.size()].front();
            ASSERT_LE(std::abs(a.x - b.x), 1e-13) << "after segment " << i;
            ASSERT_LE(std::abs(a.y - b.y), 1e-13) << "after segment " << i;
        }
        if (layout.rootArc) {
            EXPECT_NEAR(Radius(g.segments.front().front()), g.rf, 1e-12);
        } else {
            const Point start = g.segments.front().front();
            EXPECT_NEAR(std::atan2(start.y, start.x), -std::numbers::pi / g.z, 1e-15);
        }
    }
}

TEST(ExternalOutline, UndercutFilletKeepsAllTrochoidPointsWhenCoarse) {
    // Only the last trochoid point lies outside the base circle: all 15 stay.
    GearData g = MakeGear(2.0, 12, 0.0, 20.0);
    GenerateExternalGear(g, 1);
    ASSERT_EQ(g.valid, 1);
    EXPECT_EQ(g.segments[1].size(), 15u);
    EXPECT_NEAR(Radius(g.segments[1].back()), 11.410, 5e-4);
}

TEST(ExternalOutline, PointedToothEndsOnItsCentreLine) {
    GearData g = MakeGear(2.0, 10, 1.0, 20.0);
    GenerateExternalGear(g, 1);
    ASSERT_EQ(g.valid, 1);
    const ExternalToothLayout layout = ExternalOutlineLayout(g);
    ASSERT_FALSE(layout.tipArc);
    const ProfileSegment& left = g.segments[LeftFlankIndex(layout)];
    const ProfileSegment& right = g.segments[LeftFlankIndex(layout) + 1];
    EXPECT_EQ(left.back().y, 0.0);
    EXPECT_NEAR(left.back().x, g.ra, 1e-12);
    EXPECT_EQ(right.front().x, left.back().x);
    EXPECT_EQ(right.front().y, left.back().y);
    EXPECT_GT(HalfToothAngle(g, g.ra), 0.0);
    EXPECT_LT(HalfToothAngle(g, g.ra), 1e-12);
}

TEST(ExternalOutline, UncuttableGearsHaveNoOutline) {
    struct Case {
        const char* name;
        GearData gear;
    };
    const Case cases[] = {
        {"two teeth", MakeGear(2.0, 2, 0.0, 20.0)},
        {"zero module", MakeGear(0.0, 20, 0.0, 20.0)},
        {"helix beyond cos beta 0.1", MakeGear(2.0, 20, 0.0, 20.0, 85.0)},
        {"root circle at the centre", MakeGear(1.0, 3, -1.0, 20.0)},
        // The undercut fillets of both flanks cross the tooth centre line: the tool cuts the
        // tooth off at its root.
        {"three teeth undercut through", MakeGear(8.0, 3, -0.2, 20.0)},
        {"five teeth undercut through", MakeGear(1.0, 5, -1.0, 20.0, 10.0, 0.05, 0.8)},
        // The flanks already meet at the fillet end: no involute is left.
        {"three teeth pointed below the involute", MakeGear(2.5, 3, 2.0, 20.0, 10.0, 0.125, 0.3)},
        // The shortened tip lies below the end of the undercut: the flank is undercut up to
        // the tip, and the tip land would cut back across the fillet.
        {"undercut above a shortened tip", MakeGear(1.0, 26, -0.99, 10.1, 0.0, 0.0, 1.7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A record that had an outline loses it.
        GearData g = MakeGear(2.0, 20, 0.0, 20.0);
        GenerateExternalGear(g, 1);
        ASSERT_EQ(g.valid, 1);
        const GearData previous = g;
        g.mn = c.gear.mn;
        g.z = c.gear.z;
        g.x = c.gear.x;
        g.alphaN = c.gear.alphaN;
        g.beta = c.gear.beta;
        g.As = c.gear.As;
        g.k = c.gear.k;
        GenerateExternalGear(g, 1);
        EXPECT_EQ(g.valid, 0);
        EXPECT_TRUE(g.segments.empty());
        // The inspection dimensions are those of the last gear that had an outline.
        EXPECT_EQ(g.Wk, previous.Wk);
        EXPECT_EQ(g.Mball, previous.Mball);
    }
}

// On small undercut gears the coarse trochoid can step over the point where it crosses the
// involute. The fillet then still ends on the involute, below the tip, and the outline does
// not fold back on itself.
TEST(ExternalOutline, CoarseUndercutFilletEndsOnTheInvolute) {
    struct Case {
        const char* name;
        GearData gear;
        double rFf;      // figure of the fillet end at d = 1
        double rFfFine;  // and with d = 16
    };
    const Case cases[] = {
        // The first two trochoid points outside the base circle both lie in the space; the
        // crossing lies below the first of them.
        {"8 teeth, x = -0.3", MakeGear(2.0, 8, -0.3, 20.0), 7.7442, 7.7128},
        // The only trochoid point outside the base circle lies above the tip circle.
        {"35 teeth, x = -1, 10 deg", MakeGear(2.0, 35, -1.0, 10.0, 0.0, 0.2), 34.690, 34.950},
        {"8 teeth, 10 deg, helical", MakeGear(2.0, 8, -0.5, 10.0, 45.0, 0.6), 11.450, 11.718},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GearData g = c.gear;
        GenerateExternalGear(g, 1);
        ASSERT_EQ(g.valid, 1);
        ASSERT_EQ(g.undercut, 1);
        EXPECT_NEAR(g.rFf, c.rFf, 5e-4);
        // The tip stays where the basic rack puts it.
        EXPECT_NEAR(g.ra, g.r + g.mn * (1.0 + g.x), 1e-12);
        EXPECT_EQ(g.pointed, 0);

        const ExternalToothLayout layout = ExternalOutlineLayout(g);
        ASSERT_TRUE(layout.fillets);
        const ProfileSegment& fillet = g.segments[LeftFlankIndex(layout) - 1];
        for (std::size_t i = 1; i < fillet.size(); ++i) {
            EXPECT_GT(Radius(fillet[i]), Radius(fillet[i - 1])) << "fillet folds at point " << i;
        }
        const Point end = fillet.back();
        EXPECT_NEAR(std::atan2(-end.y, end.x), HalfToothAngle(g, Radius(end)), 1e-12);

        GearData fine = c.gear;
        GenerateExternalGear(fine, 16);
        ASSERT_EQ(fine.valid, 1);
        EXPECT_NEAR(fine.rFf, c.rFfFine, 5e-4);
    }
}
