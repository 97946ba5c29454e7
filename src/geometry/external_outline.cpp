// Outline of an external gear as a hob or rack-type cutter with the basic rack profile cuts it:
// main dimensions, the trochoidal root fillet swept by the tool's tip rounding, the involute
// flanks and the assembly of all teeth into one closed counter-clockwise polygon.
#include "geometry/external_outline.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>
#include <vector>

#include "geometry/inspection.h"
#include "geometry/involute.h"

namespace {

constexpr double kPi = std::numbers::pi;
// Angular tolerance of the root arc, the tip land and the fillet end, rad.
constexpr double kAngleTolerance = 1e-9;

// A point of the working lists: radius and angular distance from the tooth centre line.
struct PolarPoint {
    double R = 0.0;
    double theta = 0.0;
};

// Lateral distance of the centre of the tool's tip rounding from the tooth centre line,
// transverse section. Half a tooth of the tool at the datum line is p/4; going down the
// straight tool flank to where the rounding begins adds (depth) tan(alpha_n), and the
// rounding centre lies rho further along the flank normal.
double ToolRoundingCentreOffset(const GearData& gear, double cosBeta) {
    const double p = kPi * gear.mn;
    const double rho = gear.rhoStar * gear.mn;
    const double sinA = std::sin(gear.alphaN);
    const double cosA = std::cos(gear.alphaN);
    const double xc =
        p / 4.0 + ((gear.hfStar * gear.mn - rho) + rho * sinA) * std::tan(gear.alphaN) + rho * cosA;
    return xc / cosBeta;
}

// Polar angle at which the root fillet leaves the root circle. With the basic rack factors,
// theta0 z / pi depends only on the pressure angle.
double FilletStartAngle(const GearData& gear) {
    return ToolRoundingCentreOffset(gear, std::cos(gear.beta)) / gear.r;
}

// The fillets of one space stop short of the space centre line, leaving a piece of root circle.
bool HasRootArc(const GearData& gear, double theta0) {
    return kPi / static_cast<double>(gear.z) - kAngleTolerance > theta0;
}

// Envelope of the tool's tip rounding in the gear frame, from the lowest point of the rounding
// (on the root circle) up to where it meets the straight tool flank; n + 1 points.
void SweepToolRounding(const GearData& gear, double cosBeta, double xct, double theta0, int n,
                       std::vector<PolarPoint>& trochoid) {
    const double rho = gear.rhoStar * gear.mn;
    const double yc = gear.rf + rho;
    const double r = gear.r;
    trochoid.clear();
    // The lowest point of the rounding touches the root circle right above the rounding
    // centre, at the rolling angle theta0.
    trochoid.push_back(PolarPoint{gear.rf, theta0});
    for (int i = 1; i <= n; ++i) {
        const double phi = 1.5 * kPi - (0.5 * kPi - gear.alphaN) * i / n;
        const double cosPhi = std::cos(phi);
        const double sinPhi = std::sin(phi);
        const double toolX = xct + rho * cosPhi / cosBeta;
        const double toolY = yc + rho * sinPhi;
        const double nx = cosPhi * cosBeta;
        const double ny = sinPhi;
        // The tool point cuts when its surface normal passes through the pitch point.
        const double t = (toolX - (toolY - r) * nx / ny) / r;
        const double xr = toolX - r * t;
        const double cosT = std::cos(t);
        const double sinT = std::sin(t);
        const double xg = xr * cosT + toolY * sinT;
        const double yg = -xr * sinT + toolY * cosT;
        trochoid.push_back(PolarPoint{std::sqrt(xg * xg + yg * yg), std::atan2(xg, yg)});
    }
}

// Keeps the part of the fillet that lies in this tooth's half of the space: the fillets of
// two neighbouring teeth meet on the space centre line thetaMax.
void TrimAtSpaceCentre(const std::vector<PolarPoint>& trochoid, double thetaMax,
                       std::vector<PolarPoint>& fillet) {
    fillet.clear();
    bool beyondSeen = false;
    PolarPoint beyond;
    for (const PolarPoint& p : trochoid) {
        if (p.theta > thetaMax) {
            beyond = p;
            beyondSeen = true;
            continue;
        }
        // A point lying exactly on the centre line is the crossing itself; adding the
        // interpolated crossing as well would double it.
        if (beyondSeen && fillet.empty() && p.theta < thetaMax) {
            const double f = (beyond.theta - thetaMax) / (beyond.theta - p.theta);
            fillet.push_back(PolarPoint{beyond.R + (p.R - beyond.R) * f, thetaMax});
        }
        fillet.push_back(p);
    }
}

// An undercut tooth: the tool's rounding cuts into the involute above the base circle, so the
// fillet is the real flank up to where it meets the involute; the trochoid above that crossing
// lies in the space and the involute takes over. raNominal is the tip radius before any
// adjustment.
void EndFilletAtInvolute(const GearData& gear, double raNominal, std::vector<PolarPoint>& fillet) {
    std::size_t kept = 0;
    bool havePrevious = false;
    double rPrev = 0.0;
    double deltaPrev = 0.0;
    bool haveInside = false;
    double rInside = 0.0;
    double deltaInside = 0.0;
    for (std::size_t i = 0; i < fillet.size(); ++i) {
        const PolarPoint p = fillet[i];
        // delta < 0: the trochoid lies inside the tooth (below the base circle: inside the
        // radial line the flank continues in), so it is the flank there.
        const double delta = p.theta - HalfToothAngle(gear, p.R);
        if (p.R <= gear.rb) {
            fillet[kept++] = p;
            havePrevious = false;
            haveInside = true;
            rInside = p.R;
            deltaInside = delta;
            continue;
        }
        if (delta >= 0.0 && !havePrevious && haveInside && p.R > raNominal) {
            // The first point outside the base circle already lies in the space, and so far
            // up that the tip would have to be raised to reach it: the sampling has stepped
            // over the crossing, which lies between the base circle and this point. Take it
            // on the straight line through the deltas of the last point inside the base
            // circle and this one, not below the base circle.
            double rx = gear.rb;
            if (deltaInside < 0.0) {
                rx = std::max(rInside + (p.R - rInside) * deltaInside / (deltaInside - delta),
                              gear.rb);
            }
            fillet[kept++] = PolarPoint{rx, HalfToothAngle(gear, rx)};
            break;
        }
        if (delta >= 0.0 && havePrevious) {
            const double rx = rPrev + (p.R - rPrev) * deltaPrev / (deltaPrev - delta);
            if (deltaPrev < 0.0) {
                fillet[kept++] = PolarPoint{rx, HalfToothAngle(gear, rx)};
            } else if (rx > gear.rb && rx < rPrev) {
                // Both points already lie in the space: the sampling stepped over the
                // crossing, which the straight line through the two deltas puts below the
                // previous point. That point is then not on the tooth; the crossing takes
                // its place, so that the outline does not fold back down to it.
                fillet[kept - 1] = PolarPoint{rx, HalfToothAngle(gear, rx)};
            }
            // Otherwise the line gives no crossing between the base circle and the previous
            // point (equal deltas, or a crossing above the current point, possibly above the
            // tip): the fillet ends at the previous point, where the involute takes over.
            break;
        }
        fillet[kept++] = p;
        rPrev = p.R;
        deltaPrev = delta;
        havePrevious = true;
    }
    fillet.resize(kept);
}

// Involute from the fillet end to the tip, sampled evenly in roll angle; n + 1 points.
void SampleInvolute(const GearData& gear, PolarPoint filletEnd, bool tipLand, int n,
                    std::vector<PolarPoint>& involute) {
    involute.clear();
    involute.push_back(filletEnd);
    const double rb = gear.rb;
    const double ra = gear.ra;
    if (ra > rb) {
        const double u0 = std::tan(std::acos(rb / std::max(filletEnd.R, rb)));
        const double u1 = std::tan(std::acos(rb / ra));
        for (int i = 1; i <= n; ++i) {
            const double u = u0 + (u1 - u0) * i / n;
            const double R = rb * std::sqrt(1.0 + u * u);
            involute.push_back(PolarPoint{R, HalfToothAngle(gear, R)});
        }
    } else {
        // A tip circle inside the base circle (a strongly shortened tip) leaves no involute
        // on the tooth: the flank above the fillet is the radial line that the flank
        // continues in below the base circle. Sampled evenly in radius.
        for (int i = 1; i <= n; ++i) {
            const double R = filletEnd.R + (ra - filletEnd.R) * i / n;
            involute.push_back(PolarPoint{R, HalfToothAngle(gear, R)});
        }
    }
    // The last sample is the tip point itself; take its radius exactly, so that the flank
    // ends on the tip circle where the tip land begins.
    involute.back() = PolarPoint{ra, HalfToothAngle(gear, ra)};
    // Without a tip land both flanks end in one point on the tooth centre line. (A land
    // narrower than the angular tolerance is not drawn, and leaving the flanks a hair apart
    // there would open the outline.)
    if (!tipLand) {
        involute.back().theta = 0.0;
    }
}

// Lays out the working lists of one tooth in the frame of tooth 0 (centre line on +x),
// segment by segment, and then turns copies of it to every tooth.
struct ToothTemplate {
    std::vector<std::vector<Point>> segments;
};

void AppendMirrored(const std::vector<PolarPoint>& list, std::vector<Point>& out) {
    out.reserve(list.size());
    for (const PolarPoint& p : list) {
        out.push_back(Point{p.R * std::cos(p.theta), -p.R * std::sin(p.theta)});
    }
}

void AppendReversed(const std::vector<PolarPoint>& list, std::vector<Point>& out) {
    out.reserve(list.size());
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        out.push_back(Point{it->R * std::cos(it->theta), it->R * std::sin(it->theta)});
    }
}

ToothTemplate BuildToothTemplate(const GearData& gear, int d, double theta0, bool rootArc,
                                 bool tipLand, double psiA, const std::vector<PolarPoint>& fillet,
                                 const std::vector<PolarPoint>& involute) {
    ToothTemplate tooth;
    const bool hasFillet = fillet.size() > 1;
    const int arcSteps = 4 * d;
    if (rootArc) {
        // From the previous tooth's right fillet to this tooth's left fillet. Its first point
        // is taken over from the previous tooth when the teeth are laid out.
        std::vector<Point> arc;
        arc.reserve(arcSteps + 1);
        const double a0 = -2.0 * kPi / static_cast<double>(gear.z) + theta0;
        const double a1 = -theta0;
        for (int i = 0; i < arcSteps; ++i) {
            const double a = a0 + (a1 - a0) * i / arcSteps;
            arc.push_back(Point{gear.rf * std::cos(a), gear.rf * std::sin(a)});
        }
        const PolarPoint& start = fillet.front();
        arc.push_back(Point{start.R * std::cos(start.theta), -start.R * std::sin(start.theta)});
        tooth.segments.push_back(std::move(arc));
    }
    if (hasFillet) {
        tooth.segments.emplace_back();
        AppendMirrored(fillet, tooth.segments.back());
    }
    tooth.segments.emplace_back();
    AppendMirrored(involute, tooth.segments.back());
    if (tipLand) {
        std::vector<Point> arc;
        arc.reserve(arcSteps + 1);
        arc.push_back(tooth.segments.back().back());
        for (int i = 1; i < arcSteps; ++i) {
            const double a = -psiA + 2.0 * psiA * i / arcSteps;
            arc.push_back(Point{gear.ra * std::cos(a), gear.ra * std::sin(a)});
        }
        const Point& end = arc.front();
        arc.push_back(Point{end.x, -end.y});
        tooth.segments.push_back(std::move(arc));
    }
    tooth.segments.emplace_back();
    AppendReversed(involute, tooth.segments.back());
    if (hasFillet) {
        tooth.segments.emplace_back();
        AppendReversed(fillet, tooth.segments.back());
    }
    return tooth;
}

void LayOutTeeth(const ToothTemplate& tooth, GearData& gear) {
    const std::size_t z = static_cast<std::size_t>(gear.z);
    const std::size_t perTooth = tooth.segments.size();
    gear.segments.resize(z * perTooth);
    const double pitchAngle = 2.0 * kPi / static_cast<double>(gear.z);
    for (std::size_t k = 0; k < z; ++k) {
        const double gamma = pitchAngle * static_cast<double>(k);
        const double c = std::cos(gamma);
        const double s = std::sin(gamma);
        for (std::size_t j = 0; j < perTooth; ++j) {
            const std::vector<Point>& local = tooth.segments[j];
            ProfileSegment& out = gear.segments[k * perTooth + j];
            out.clear();
            out.reserve(local.size());
            for (const Point& p : local) {
                out.push_back(Point{c * p.x - s * p.y, s * p.x + c * p.y});
            }
        }
    }
    // Where two teeth meet (on the root arc, or on the space centre line when the fillets
    // meet there) the point is computed in the frames of both teeth; keep one of the two so
    // that the outline is closed exactly.
    const double tolerance = 1e-9 * std::max(gear.ra, 1.0);
    for (std::size_t k = 0; k < z; ++k) {
        const ProfileSegment& previous = gear.segments[(k == 0 ? z : k) * perTooth - 1];
        Point& first = gear.segments[k * perTooth].front();
        assert(std::abs(first.x - previous.back().x) <= tolerance &&
               std::abs(first.y - previous.back().y) <= tolerance);
        (void)tolerance;
        first = previous.back();
    }
}

}  // namespace

ExternalToothLayout ExternalOutlineLayout(const GearData& gear) {
    ExternalToothLayout layout;
    if (gear.valid == 0 || gear.z < 3 || gear.segments.empty()) {
        return layout;
    }
    layout.rootArc = HasRootArc(gear, FilletStartAngle(gear));
    layout.tipArc = std::max(HalfToothAngle(gear, gear.ra), 0.0) > kAngleTolerance;
    const std::size_t perTooth = gear.segments.size() / static_cast<std::size_t>(gear.z);
    layout.fillets = perTooth == 2u + (layout.rootArc ? 1u : 0u) + (layout.tipArc ? 1u : 0u) + 2u;
    return layout;
}

void GenerateExternalGear(GearData& gear, int d) {
    assert(d >= 1);
    gear.segments.clear();
    gear.valid = 0;

    // Main dimensions.
    const double cosBeta = std::cos(gear.beta);
    if (!(gear.mn > 0.0) || gear.z < 3 || !(cosBeta >= 0.1)) {
        return;
    }
    const double mn = gear.mn;
    const double tanAlphaN = std::tan(gear.alphaN);
    gear.mt = mn / cosBeta;
    gear.alphaT = std::atan(tanAlphaN / cosBeta);
    gear.betaB = std::asin(std::sin(gear.beta) * std::cos(gear.alphaN));
    gear.r = gear.mt * static_cast<double>(gear.z) / 2.0;
    gear.rb = gear.r * std::cos(gear.alphaT);
    // The allowance thins the tooth by moving the tool inward.
    gear.xE = gear.x - gear.As / (2.0 * mn * tanAlphaN);
    gear.st = gear.mt * (kPi / 2.0 + 2.0 * gear.xE * tanAlphaN);

    // Tool: its datum line lies xE mn outside the reference circle; the tool tip cuts the root.
    const double datumRadius = gear.r + gear.xE * mn;
    gear.rf = datumRadius - gear.hfStar * mn;
    if (!(gear.rf > 0.0)) {
        return;
    }
    const double xct = ToolRoundingCentreOffset(gear, cosBeta);

    const double sinAlphaT = std::sin(gear.alphaT);
    gear.xMin = gear.hfStar - gear.rhoStar * (1.0 - std::sin(gear.alphaN)) -
                static_cast<double>(gear.z) * sinAlphaT * sinAlphaT / (2.0 * cosBeta);
    gear.undercut = gear.xMin - 1e-9 > gear.xE ? 1 : 0;

    const double theta0 = xct / gear.r;
    const bool rootArc = HasRootArc(gear, theta0);
    const double thetaMax = kPi / static_cast<double>(gear.z);

    // Working lists of one tooth flank, in polar form about the tooth centre line.
    const int n = 14 * d;
    std::vector<PolarPoint> trochoid;
    trochoid.reserve(n + 1);
    SweepToolRounding(gear, cosBeta, xct, theta0, n, trochoid);
    std::vector<PolarPoint> fillet;
    fillet.reserve(n + 2);
    TrimAtSpaceCentre(trochoid, thetaMax, fillet);
    const double raNominal = gear.r + mn * (gear.haStar + gear.x - gear.k);
    if (gear.undercut != 0) {
        EndFilletAtInvolute(gear, raNominal, fillet);
    }
    if (fillet.empty()) {
        return;
    }
    // A fillet that reaches the tooth centre line meets the mirror fillet of the other flank:
    // the tool has cut through the root of the tooth, and the gear cannot be made.
    for (const PolarPoint& p : fillet) {
        if (!(p.theta > 0.0)) {
            return;
        }
    }
    if (!rootArc && fillet.front().theta < thetaMax) {
        // Without a root arc the fillets of a space meet on its centre line. A fillet that
        // starts within the angular tolerance short of it starts on it.
        fillet.front().theta = thetaMax;
    }

    const PolarPoint filletEnd = fillet.back();
    const double rEnd = filletEnd.R;
    gear.rFf = std::max(rEnd, gear.rb);

    // Tip circle: nominal, kept above the fillet end, cut back where the tooth is pointed.
    double ra = raNominal;
    if (ra < rEnd + 1e-6 * mn) {
        // The fillet reaches above the tip circle of the basic rack. When it ends there still
        // inside the involute, the undercut has taken the whole flank up to the tip: no
        // involute is left to mesh with, and the tip land would start outside the fillet's
        // end and cut back across it. Such a tooth has no outline.
        if (filletEnd.theta < HalfToothAngle(gear, rEnd) - kAngleTolerance) {
            return;
        }
        ra = rEnd + 1e-6 * mn;
    }
    gear.pointed = 0;
    if (HalfToothAngle(gear, ra) < 0.0) {
        double lo = std::max(rEnd, gear.rb);
        // The flanks meet already where the involute would begin: the tooth has no involute
        // at all, only fillets crossing each other.
        if (!(HalfToothAngle(gear, lo) > 0.0)) {
            return;
        }
        double hi = ra;
        for (int i = 0; i < 60; ++i) {
            const double mid = (lo + hi) / 2.0;
            if (HalfToothAngle(gear, mid) > 0.0) {
                lo = mid;
            } else {
                hi = mid;
            }
        }
        ra = lo;
        gear.pointed = 1;
    }
    gear.ra = ra;
    const double psiA = std::max(HalfToothAngle(gear, ra), 0.0);
    gear.sa = 2.0 * ra * psiA;
    const bool tipLand = psiA > kAngleTolerance;

    std::vector<PolarPoint> involute;
    involute.reserve(n + 1);
    SampleInvolute(gear, filletEnd, tipLand, n, involute);

    const ToothTemplate tooth =
        BuildToothTemplate(gear, d, theta0, rootArc, tipLand, psiA, fillet, involute);
    LayOutTeeth(tooth, gear);

    gear.valid = 1;
    ComputeExternalInspection(gear);
}
