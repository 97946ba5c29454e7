// Mesh of an external gear pair: operating pressure angle, line of action, contact ratio,
// current flank contacts and tip shortening.
#include "geometry/pair_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>

#include "geometry/external_outline.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

GearData GeneratedGear(int64_t z, double k) {
    GearData g;
    g.mn = 2.0;
    g.z = z;
    g.alphaN = 20.0 * kDeg;
    g.k = k;
    GenerateExternalGear(g, 1);
    return g;
}

double Length(Point p) {
    return std::hypot(p.x, p.y);
}

}  // namespace

TEST(PairGeometry, MatchesTheWorkedExamples) {
    struct Case {
        const char* name;
        double a;
        double k, alphaWDeg, posA, posC, posE, gAlpha, epsAlpha;
    };
    const double n = std::nan("");
    const Case cases[] = {
        {"reference centre distance", 60.0, 0.0, 20.0, 1.782, 6.840, 11.436, 9.655, 1.635},
        {"spread apart", 60.5, 0.0, 21.263, n, n, n, 8.236, 1.395},
        {"pushed together: tips shortened", 59.8, 0.1, 19.467, n, n, n, n, 1.593},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double k = TipShorteningCoefficient(20, 40, 0.0, 0.0, c.a, 2.0);
        EXPECT_NEAR(k, c.k, 1e-12);
        const GearData g1 = GeneratedGear(20, k);
        const GearData g2 = GeneratedGear(40, k);
        ASSERT_EQ(g1.valid, 1);
        ASSERT_EQ(g2.valid, 1);
        EXPECT_NEAR(g1.ra, 22.0 - 2.0 * c.k, 1e-12);
        EXPECT_NEAR(g2.ra, 42.0 - 2.0 * c.k, 1e-12);

        PairData pair;
        LineOfActionExternal(g1, g2, c.a, 0.0, pair);
        EXPECT_NEAR(pair.alphaW / kDeg, c.alphaWDeg, 5e-4);
        const auto expectNear = [](double value, double want) {
            if (!std::isnan(want)) {
                EXPECT_NEAR(value, want, 5e-4);
            }
        };
        expectNear(pair.posA, c.posA);
        expectNear(pair.posC, c.posC);
        expectNear(pair.posE, c.posE);
        expectNear(pair.posE - pair.posA, c.gAlpha);
        EXPECT_NEAR(TransverseContactRatio(g1, g2, c.a), c.epsAlpha, 5e-4);

        // The frames: T1 on the base circle of gear 1, T2 on that of gear 2 at (a, 0), the
        // pitch point on the operating pitch circles of both.
        const double pbt = kPi * g1.mt * std::cos(g1.alphaT);
        EXPECT_NEAR(Length(pair.t1), g1.rb, 1e-12);
        EXPECT_NEAR(Length(pair.direction), 1.0, 1e-15);
        const Point t2{pair.t1.x + pair.lengthT1T2 * pair.direction.x,
                       pair.t1.y + pair.lengthT1T2 * pair.direction.y};
        EXPECT_NEAR(Length(Point{t2.x - c.a, t2.y}), g2.rb, 1e-12);
        const Point pitch{pair.t1.x + pair.posC * pair.direction.x,
                          pair.t1.y + pair.posC * pair.direction.y};
        EXPECT_NEAR(pitch.x, pair.rw1, 1e-12);
        EXPECT_NEAR(pitch.y, 0.0, 1e-12);
        EXPECT_NEAR(pair.rw1 + pair.rw2, c.a, 1e-12);
        EXPECT_NEAR(pair.posB, pair.posE - pbt, 1e-12);
        EXPECT_NEAR(pair.posD, pair.posA + pbt, 1e-12);
    }
}

TEST(PairGeometry, ContactsFollowTheRotation) {
    const GearData g1 = GeneratedGear(20, 0.0);
    const GearData g2 = GeneratedGear(40, 0.0);
    const double pbt = kPi * g1.mt * std::cos(g1.alphaT);
    PairData pair;
    int singles = 0;
    int doubles = 0;
    // Over one pitch the mesh changes between one and two pairs in contact (eps 1.635).
    for (int i = 0; i < 200; ++i) {
        const double phi = 2.0 * kPi / 20.0 * i / 200.0;
        LineOfActionExternal(g1, g2, 60.0, phi, pair);
        ASSERT_GE(pair.contactCount, 1);
        ASSERT_LE(pair.contactCount, 2);
        (pair.contactCount == 1 ? singles : doubles) += 1;
        for (int j = 0; j < pair.contactCount; ++j) {
            EXPECT_GE(pair.contacts[j], pair.posA - 1e-9);
            EXPECT_LE(pair.contacts[j], pair.posE + 1e-9);
            if (j > 0) {
                EXPECT_NEAR(pair.contacts[j] - pair.contacts[j - 1], pbt, 1e-9);
            }
        }
    }
    // Two pairs carry during the fraction eps - 1 of a pitch.
    EXPECT_NEAR(doubles / 200.0, 0.635, 0.01);
    EXPECT_GT(singles, 0);
}

TEST(PairGeometry, ContactAtTheEndsOfThePathIsCounted) {
    const GearData g1 = GeneratedGear(20, 0.0);
    const GearData g2 = GeneratedGear(40, 0.0);
    PairData pair;
    LineOfActionExternal(g1, g2, 60.0, 0.0, pair);
    const double psiB = g1.st / (2.0 * g1.r) + std::tan(g1.alphaT) - g1.alphaT;
    // Turn gear 1 so that one flank is exactly at A, then exactly at E.
    for (const double s : {pair.posA, pair.posE}) {
        SCOPED_TRACE(s);
        const double phi = s / g1.rb - psiB - pair.alphaW;
        LineOfActionExternal(g1, g2, 60.0, phi, pair);
        bool found = false;
        for (int j = 0; j < pair.contactCount; ++j) {
            found = found || std::abs(pair.contacts[j] - s) < 1e-9;
        }
        EXPECT_TRUE(found);
    }
}

TEST(PairGeometry, AtMostFourContactsAreKept) {
    // Tips far beyond any real gear make the whole line a path of contact.
    GearData g1 = GeneratedGear(20, 0.0);
    GearData g2 = GeneratedGear(40, 0.0);
    g1.ra = 60.0;
    g2.ra = 80.0;
    PairData pair;
    LineOfActionExternal(g1, g2, 60.0, 0.1, pair);
    ASSERT_LT(pair.posA, 0.0);
    ASSERT_GT(pair.posE, 6.0 * kPi * g1.mt * std::cos(g1.alphaT));
    EXPECT_EQ(pair.contactCount, 4);
}

TEST(PairGeometry, TipShortening) {
    struct Case {
        const char* name;
        int64_t z1, z2;
        double betaDeg, shiftSum, a, mn, k;
    };
    const Case cases[] = {
        {"reference centre distance", 20, 40, 0.0, 0.0, 60.0, 2.0, 0.0},
        {"centre distance too large: never negative", 20, 40, 0.0, 0.0, 60.5, 2.0, 0.0},
        {"pushed together", 20, 40, 0.0, 0.0, 59.8, 2.0, 0.1},
        {"shifted apart less than the shift", 20, 40, 0.0, 0.5, 60.6, 2.0, 0.2},
        {"helical", 17, 43, 15.0, 0.3, 62.0, 2.0, 30.0 / std::cos(15.0 * kDeg) + 0.3 - 31.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(TipShorteningCoefficient(c.z1, c.z2, c.betaDeg * kDeg, c.shiftSum, c.a, c.mn),
                    c.k, 1e-12);
    }
}
