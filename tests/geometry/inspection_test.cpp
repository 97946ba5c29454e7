// Span measurement and dimension over balls of external gears.
#include "geometry/inspection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>

#include "geometry/external_outline.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

GearData GeneratedGear(double mn, int64_t z, double x, double betaDeg = 0.0) {
    GearData g;
    g.mn = mn;
    g.z = z;
    g.x = x;
    g.alphaN = 20.0 * kDeg;
    g.beta = betaDeg * kDeg;
    GenerateExternalGear(g, 1);
    return g;
}

}  // namespace

TEST(Inspection, MatchesTheWorkedExamples) {
    struct Case {
        const char* name;
        double mn;
        int64_t z;
        double betaDeg;
        int64_t kSpan;
        double Wk, rWk, bMinWk, dBall, Mball, rBallContact;
        int64_t ballProtrudes;
    };
    // Figures not given for a case are NaN and not compared.
    const double n = std::nan("");
    const Case cases[] = {
        {"spur, even z: over two pins", 2.0, 20, 0.0, 3, 15.321, 20.295, 0.0, 3.45, 44.760, 20.001,
         1},
        {"spur, odd z: balls half a pitch off", 2.0, 21, 0.0, 3, 15.349, n, 0.0, 3.45, 46.644, n,
         1},
        {"helical 15 deg", 2.0, 20, 15.0, 3, 15.379, n, 3.740, 3.45, 46.182, n, 1},
        {"small module: ball in 0.01 mm steps", 0.5, 12, 0.0, 2, n, n, 0.0, 0.88, n, n, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GearData g = GeneratedGear(c.mn, c.z, 0.0, c.betaDeg);
        ASSERT_EQ(g.valid, 1);
        EXPECT_EQ(g.kSpan, c.kSpan);
        const auto expectNear = [](double value, double want, double tol) {
            if (!std::isnan(want)) {
                EXPECT_NEAR(value, want, tol);
            }
        };
        expectNear(g.Wk, c.Wk, 5e-4);
        expectNear(g.rWk, c.rWk, 5e-4);
        expectNear(g.bMinWk, c.bMinWk, 5e-4);
        expectNear(g.dBall, c.dBall, 1e-12);
        expectNear(g.Mball, c.Mball, 5e-4);
        expectNear(g.rBallContact, c.rBallContact, 5e-4);
        EXPECT_EQ(g.ballProtrudes, c.ballProtrudes);
    }
}

TEST(Inspection, SpanStaysWithinTheTeethForEveryShift) {
    // A strongly negative shift puts the measuring circle inside the base circle; the span
    // falls back to one tooth instead of becoming undefined.
    for (const int64_t z : {6, 9, 20, 60, 200}) {
        for (const double x : {-1.0, -0.5, 0.0, 1.0, 2.0, 3.0}) {
            SCOPED_TRACE(::testing::Message() << "z=" << z << " x=" << x);
            const GearData g = GeneratedGear(1.0, z, x);
            if (g.valid == 0) {
                continue;
            }
            EXPECT_GE(g.kSpan, 1);
            EXPECT_LE(g.kSpan, z - 1);
            EXPECT_TRUE(std::isfinite(g.Wk));
            EXPECT_TRUE(std::isfinite(g.Mball));
            EXPECT_GT(g.dBall, 0.0);
        }
    }
    const GearData shifted = GeneratedGear(2.0, 20, -1.0);
    ASSERT_EQ(shifted.valid, 1);
    EXPECT_EQ(shifted.kSpan, 1);
}
