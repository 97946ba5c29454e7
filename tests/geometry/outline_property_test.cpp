// Properties every generated external gear outline must have, over a grid of gear data:
// closed, simple, counter-clockwise, finite, between root and tip circle, flanks on the involute.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "geometry/external_outline.h"
#include "geometry/involute.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

struct GearCase {
    double mn;
    int64_t z;
    double x;
    double alphaNDeg;
    double betaDeg;
    double asPerModule;  // thickness allowance As / mn
    double k;
    int d;
};

std::string Describe(const GearCase& c) {
    std::ostringstream s;
    s << "mn=" << c.mn << " z=" << c.z << " x=" << c.x << " an=" << c.alphaNDeg
      << " beta=" << c.betaDeg << " As=" << c.asPerModule << "mn k=" << c.k << " d=" << c.d;
    return s.str();
}

GearData MakeGear(const GearCase& c) {
    GearData g;
    g.mn = c.mn;
    g.z = c.z;
    g.x = c.x;
    g.alphaN = c.alphaNDeg * kDeg;
    g.beta = c.betaDeg * kDeg;
    g.As = c.asPerModule * c.mn;
    g.k = c.k;
    return g;
}

double Cross(Point o, Point a, Point b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

int Sign(double v) {
    return v > 0.0 ? 1 : (v < 0.0 ? -1 : 0);
}

bool OnSegment(Point p, Point a, Point b) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Closed segments ab and cd share at least one point.
bool SegmentsMeet(Point a, Point b, Point c, Point d) {
    const int o1 = Sign(Cross(a, b, c));
    const int o2 = Sign(Cross(a, b, d));
    const int o3 = Sign(Cross(c, d, a));
    const int o4 = Sign(Cross(c, d, b));
    if (o1 != o2 && o3 != o4) {
        return true;
    }
    return (o1 == 0 && OnSegment(c, a, b)) || (o2 == 0 && OnSegment(d, a, b)) ||
           (o3 == 0 && OnSegment(a, c, d)) || (o4 == 0 && OnSegment(b, c, d));
}

// Checks one generated outline; returns an empty text when every property holds.
std::string CheckOutline(const GearData& g) {
    const std::size_t z = static_cast<std::size_t>(g.z);
    const ToothProfile& segs = g.segments;
    if (segs.empty() || segs.size() % z != 0) {
        return "segment count is not a multiple of z";
    }
    const std::size_t perTooth = segs.size() / z;
    const ExternalToothLayout layout = ExternalOutlineLayout(g);
    const std::size_t expected =
        2 + (layout.rootArc ? 1 : 0) + (layout.fillets ? 2 : 0) + (layout.tipArc ? 1 : 0);
    if (perTooth != expected) {
        return "segments per tooth do not match the layout";
    }
    const double closeTol = 1e-12 * g.ra;
    const double radiusTol = 1e-9 * g.mn;
    std::ostringstream fail;

    // Closure, finiteness and the annulus between root and tip circle.
    for (std::size_t i = 0; i < segs.size(); ++i) {
        const ProfileSegment& s = segs[i];
        if (s.size() < 2) {
            fail << "segment " << i << " has fewer than two points";
            return fail.str();
        }
        const ProfileSegment& next = segs[(i + 1) % segs.size()];
        if (std::abs(s.back().x - next.front().x) > closeTol ||
            std::abs(s.back().y - next.front().y) > closeTol) {
            fail << "gap after segment " << i;
            return fail.str();
        }
        for (const Point& p : s) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
                fail << "non-finite point in segment " << i;
                return fail.str();
            }
            const double R = std::sqrt(p.x * p.x + p.y * p.y);
            if (R < g.rf - radiusTol || R > g.ra + radiusTol) {
                fail << "point at R=" << R << " outside rf=" << g.rf << " .. ra=" << g.ra
                     << " in segment " << i;
                return fail.str();
            }
        }
    }

    // Flanks on the involute: the polar angle about the tooth centre line is -psi(R) on the
    // left flank and +psi(R) on the right one. The flank's root end is the fillet end, which
    // lies on the trochoid; a pointed tip lies on the centre line.
    const std::size_t leftFlank = (layout.rootArc ? 1 : 0) + (layout.fillets ? 1 : 0);
    const std::size_t rightFlank = leftFlank + (layout.tipArc ? 2 : 1);
    for (std::size_t k = 0; k < z; ++k) {
        const double gamma = 2.0 * kPi * static_cast<double>(k) / static_cast<double>(z);
        const double c = std::cos(gamma);
        const double sn = std::sin(gamma);
        for (const std::size_t j : {leftFlank, rightFlank}) {
            const ProfileSegment& s = segs[k * perTooth + j];
            const bool left = j == leftFlank;
            for (std::size_t i = 0; i < s.size(); ++i) {
                const bool rootEnd = left ? i == 0 : i + 1 == s.size();
                const bool tipEnd = left ? i + 1 == s.size() : i == 0;
                if (rootEnd || (tipEnd && !layout.tipArc)) {
                    continue;
                }
                const Point p = s[i];
                const double R = std::sqrt(p.x * p.x + p.y * p.y);
                const double angle = std::atan2(-sn * p.x + c * p.y, c * p.x + sn * p.y);
                const double want = (left ? -1.0 : 1.0) * HalfToothAngle(g, R);
                if (std::abs(angle - want) > 1e-11) {
                    fail << "flank point off the involute by " << angle - want << " rad at R=" << R
                         << " tooth " << k;
                    return fail.str();
                }
            }
        }
    }

    // One polygon: every segment after the first starts where the previous one ended.
    std::vector<Point> poly;
    std::vector<std::size_t> toothStart(z + 1, 0);
    for (std::size_t i = 0; i < segs.size(); ++i) {
        if (i % perTooth == 0) {
            toothStart[i / perTooth] = poly.size();
        }
        poly.insert(poly.end(), segs[i].begin() + (i == 0 ? 0 : 1), segs[i].end());
    }
    poly.pop_back();  // the last point repeats the first
    toothStart[z] = poly.size();
    const std::size_t n = poly.size();

    double area2 = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = poly[i];
        const Point b = poly[(i + 1) % n];
        area2 += a.x * b.y - b.x * a.y;
        if (a.x == b.x && a.y == b.y) {
            fail << "repeated point at index " << i << " (R=" << std::hypot(a.x, a.y) << ")";
            return fail.str();
        }
    }
    if (!(area2 > 0.0)) {
        return "outline does not turn counter-clockwise";
    }

    // No self-intersection. The teeth are copies of one another turned about the axis, so
    // a tooth against itself and its neighbours stands for the whole outline; check two teeth.
    for (const std::size_t centre : {std::size_t{0}, z / 2}) {
        std::vector<std::size_t> edges;  // edge i runs from poly[i] to poly[i + 1]
        if (z <= 3) {
            for (std::size_t i = 0; i < n; ++i) {
                edges.push_back(i);
            }
        } else {
            for (const std::size_t t : {(centre + z - 1) % z, centre, (centre + 1) % z}) {
                for (std::size_t i = toothStart[t]; i < toothStart[t + 1]; ++i) {
                    edges.push_back(i);
                }
            }
        }
        struct Box {
            double x0, x1, y0, y1;
            std::size_t edge;
        };
        std::vector<Box> boxes;
        for (const std::size_t e : edges) {
            const Point a = poly[e];
            const Point b = poly[(e + 1) % n];
            boxes.push_back(Box{std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y),
                                std::max(a.y, b.y), e});
        }
        std::sort(boxes.begin(), boxes.end(),
                  [](const Box& l, const Box& r) { return l.x0 < r.x0; });
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            for (std::size_t j = i + 1; j < boxes.size() && boxes[j].x0 <= boxes[i].x1; ++j) {
                if (boxes[j].y0 > boxes[i].y1 || boxes[j].y1 < boxes[i].y0) {
                    continue;
                }
                const std::size_t e = boxes[i].edge;
                const std::size_t f = boxes[j].edge;
                if ((e + 1) % n == f || (f + 1) % n == e) {
                    continue;  // neighbouring edges share their common point
                }
                if (SegmentsMeet(poly[e], poly[(e + 1) % n], poly[f], poly[(f + 1) % n])) {
                    fail << "outline crosses itself near R=" << std::hypot(poly[e].x, poly[e].y)
                         << " and R=" << std::hypot(poly[f].x, poly[f].y);
                    return fail.str();
                }
            }
        }
    }
    return {};
}

struct GridResult {
    int cases = 0;
    int valid = 0;
    std::vector<std::string> faults;
};

void RunCase(const GearCase& c, GridResult& result) {
    GearData g = MakeGear(c);
    GenerateExternalGear(g, c.d);
    ++result.cases;
    if (g.valid == 0) {
        if (!g.segments.empty()) {
            result.faults.push_back(Describe(c) + ": invalid gear with an outline");
        }
        return;
    }
    ++result.valid;
    const std::string fault = CheckOutline(g);
    if (!fault.empty()) {
        result.faults.push_back(Describe(c) + ": " + fault);
    }
}

void ExpectNoFaults(const GridResult& result) {
    const std::size_t shown = std::min<std::size_t>(result.faults.size(), 25);
    for (std::size_t i = 0; i < shown; ++i) {
        ADD_FAILURE() << result.faults[i];
    }
    EXPECT_TRUE(result.faults.empty())
        << result.faults.size() << " of " << result.valid << " valid outlines break a property";
}

const double kModules[] = {0.05, 0.3, 1.0, 2.5, 8.0, 25.0, 60.0};

}  // namespace

// Small and medium tooth counts over the whole range of shift, pressure angle, helix angle
// and allowance; module and density change from case to case.
TEST(OutlineProperties, HoldOverTheDesignRange) {
    const int64_t teeth[] = {3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 17, 20, 26, 35, 50, 80};
    const double shifts[] = {-1.0, -0.5, 0.0, 0.3, 0.6, 1.0, 2.0};
    const double pressureAngles[] = {10.0, 14.5, 17.5, 20.0, 23.16, 25.0, 30.0, 35.0};
    const double helixAngles[] = {0.0, 20.0, 45.0};
    const double allowances[] = {0.0, 0.1, 0.3};
    // The finest densities only where the outline is short; fine sampling shows the faults
    // of the fillet (folds, steps over the trochoid-involute crossing) on small gears.
    const int densities[] = {1, 4, 1, 16, 1, 1, 4};
    GridResult result;
    int index = 0;
    for (const int64_t z : teeth) {
        for (const double x : shifts) {
            for (const double an : pressureAngles) {
                for (const double beta : helixAngles) {
                    for (const double as : allowances) {
                        const double mn = kModules[index % 7];
                        int d = densities[(index / 7) % 7];
                        if (z > 20) {
                            d = std::min(d, 4);
                        }
                        RunCase(GearCase{mn, z, x, an, beta, as, 0.0, d}, result);
                        ++index;
                    }
                }
            }
        }
    }
    ExpectNoFaults(result);
    EXPECT_GT(result.valid, result.cases * 8 / 10) << result.valid << " of " << result.cases;
}

// Large gears, sparsely: many teeth make a long outline with tiny angular steps.
TEST(OutlineProperties, HoldForLargeToothCounts) {
    GridResult result;
    for (const int64_t z : {150, 400, 1000}) {
        for (const double x : {-1.0, 0.0, 2.0}) {
            for (const double an : {10.0, 20.0, 35.0}) {
                for (const double beta : {0.0, 45.0}) {
                    for (const double as : {0.0, 0.3}) {
                        for (const int d : {1, 4}) {
                            RunCase(GearCase{z == 1000 ? 60.0 : 0.05, z, x, an, beta, as, 0.0, d},
                                    result);
                        }
                    }
                }
            }
        }
    }
    RunCase(GearCase{60.0, 1000, 0.5, 20.0, 15.0, 0.1, 0.0, 16}, result);
    RunCase(GearCase{0.05, 1000, -1.0, 35.0, 45.0, 0.3, 0.0, 16}, result);
    ExpectNoFaults(result);
    EXPECT_EQ(result.valid, result.cases);
}

// Tip shortening of a pair can pull the tip circle down to the fillet or into the base circle.
TEST(OutlineProperties, HoldForShortenedTips) {
    GridResult result;
    int index = 0;
    for (const int64_t z : {3, 5, 8, 12, 20, 40, 100}) {
        for (const double x : {-1.0, -0.5, 0.0, 1.0, 2.0}) {
            for (const double an : {10.0, 20.0, 35.0}) {
                for (const double k : {0.3, 0.8, 1.5, 3.0}) {
                    const int d = index % 3 == 0 ? 4 : 1;
                    RunCase(GearCase{kModules[index % 7], z, x, an, 10.0, 0.05, k, d}, result);
                    ++index;
                }
            }
        }
    }
    ExpectNoFaults(result);
}
