// Involute function and its inverse, angular tooth thickness, overlap ratio and hand texts.
#include "geometry/involute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/external_outline.h"
#include "texts/text_table.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

GearData SpurGear() {
    GearData g;
    g.mn = 2.0;
    g.z = 20;
    g.alphaN = 20.0 * kDeg;
    g.b = 20.0;
    GenerateExternalGear(g, 1);
    return g;
}

}  // namespace

TEST(Involute, InverseReturnsTheAngleToFullPrecision) {
    for (const double deg : {20.0, 35.0, 45.0, 60.0}) {
        SCOPED_TRACE(deg);
        const double alpha = deg * kDeg;
        EXPECT_DOUBLE_EQ(InverseInvolute(Involute(alpha)), alpha);
    }
    // At small angles tan a - a cancels, which limits the relative precision.
    for (const double deg : {0.5, 5.0, 10.0}) {
        SCOPED_TRACE(deg);
        const double alpha = deg * kDeg;
        EXPECT_NEAR(InverseInvolute(Involute(alpha)), alpha, 1e-12 * alpha);
    }
    EXPECT_NEAR(Involute(20.0 * kDeg), 0.014904383867336, 1e-15);
}

TEST(Involute, InverseOfNoInvoluteIsTheBaseCircle) {
    // Newton's step divides by tan^2 a, which vanishes at 0: no NaN may come out.
    EXPECT_EQ(InverseInvolute(0.0), 0.0);
    EXPECT_EQ(InverseInvolute(-1e-3), 0.0);
}

TEST(HalfToothAngle, IsConstantBelowTheBaseCircleAndFallsAboveIt) {
    const GearData g = SpurGear();
    ASSERT_EQ(g.valid, 1);
    const double atBase = HalfToothAngle(g, g.rb);
    EXPECT_EQ(HalfToothAngle(g, g.rf), atBase);
    EXPECT_EQ(HalfToothAngle(g, 0.5 * g.rb), atBase);
    // On the reference circle the tooth is st wide.
    EXPECT_NEAR(HalfToothAngle(g, g.r), g.st / (2.0 * g.r), 1e-15);
    EXPECT_LT(HalfToothAngle(g, g.ra), HalfToothAngle(g, g.r));
    EXPECT_NEAR(2.0 * g.ra * HalfToothAngle(g, g.ra), g.sa, 1e-12);

    const Point p = FlankPoint(g, g.r);
    EXPECT_NEAR(std::hypot(p.x, p.y), g.r, 1e-12);
    EXPECT_NEAR(std::atan2(p.y, p.x), g.st / (2.0 * g.r), 1e-15);
}

TEST(OverlapRatio, IsFaceAdvanceOverNormalPitch) {
    GearData g = SpurGear();
    EXPECT_EQ(OverlapRatio(g), 0.0);
    g.beta = 15.0 * kDeg;
    EXPECT_NEAR(OverlapRatio(g), 20.0 * std::sin(15.0 * kDeg) / (std::numbers::pi * 2.0), 1e-15);
}

TEST(HandText, NamesTheHandInBothLanguages) {
    EXPECT_EQ(HandText(EnglishTexts(), 1), "right");
    EXPECT_EQ(HandText(EnglishTexts(), -1), "left");
    EXPECT_EQ(HandText(EnglishTexts(), 0), "right");
    EXPECT_EQ(HandText(DutchTexts(), 1), "rechts");
    EXPECT_EQ(HandText(DutchTexts(), -1), "links");
}
