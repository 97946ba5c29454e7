// Mesh quantities of an external gear pair: operating pressure angle, line of action with its
// points A to E, the flank contacts at a rotation, the contact ratio and the tip shortening.
#include "geometry/pair_geometry.h"

#include <cmath>
#include <numbers>

#include "geometry/involute.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Transverse base pitch of gear 1: the spacing of its flanks along the line of action.
double BasePitch(const GearData& gear1) {
    return kPi * gear1.mt * std::cos(gear1.alphaT);
}

// Distance from the base circle tangent point to where the line of action meets the tip circle.
double TipRoll(const GearData& gear) {
    return std::sqrt(gear.ra * gear.ra - gear.rb * gear.rb);
}

// Flank contacts of gear 1 on the path of contact A..E at rotation phi. omega is the phase of
// the line of action; flanks follow each other at one base pitch.
void PlaceContacts(const GearData& gear1, double phi, double omega, PairData& out) {
    const double pitchAngle = 2.0 * kPi / static_cast<double>(gear1.z);
    const double psiB = gear1.st / (2.0 * gear1.r) + Involute(gear1.alphaT);
    double sigma = phi + psiB + omega;
    sigma -= pitchAngle * std::floor(sigma / pitchAngle);
    out.contactCount = 0;
    for (int j = 0; j <= 5; ++j) {
        const double s = gear1.rb * (sigma + j * pitchAngle);
        if (s > out.posE + 1e-9) {
            break;
        }
        if (s >= out.posA - 1e-9 && out.contactCount < 4) {
            out.contacts[out.contactCount++] = s;
        }
    }
}

}  // namespace

void LineOfActionExternal(const GearData& gear1, const GearData& gear2, double a, double phi,
                          PairData& out) {
    const double alphaW = std::acos((gear1.rb + gear2.rb) / a);
    const double cosW = std::cos(alphaW);
    const double sinW = std::sin(alphaW);
    const double pbt = BasePitch(gear1);
    out.alphaW = alphaW;
    out.rw1 = gear1.rb / cosW;
    out.rw2 = gear2.rb / cosW;
    out.t1 = Point{gear1.rb * cosW, -gear1.rb * sinW};
    out.direction = Point{sinW, cosW};
    out.lengthT1T2 = a * sinW;
    // Contact begins where the tip circle of gear 2 cuts the line and ends at that of gear 1.
    out.posA = a * sinW - TipRoll(gear2);
    out.posE = TipRoll(gear1);
    out.posC = gear1.rb * std::tan(alphaW);
    out.posB = out.posE - pbt;
    out.posD = out.posA + pbt;
    PlaceContacts(gear1, phi, alphaW, out);
}

double TransverseContactRatio(const GearData& gear1, const GearData& gear2, double a) {
    const double alphaW = std::acos((gear1.rb + gear2.rb) / a);
    return (TipRoll(gear1) + TipRoll(gear2) - a * std::sin(alphaW)) / BasePitch(gear1);
}

double TipShorteningCoefficient(int64_t z1, int64_t z2, double betaRad, double shiftSum, double a,
                                double mn) {
    // The tips are shortened by what the centre distance falls short of the reference centre
    // distance plus the shift, so that the tip clearance stays that of the basic rack.
    const double k = static_cast<double>(z1 + z2) / (2.0 * std::cos(betaRad)) + shiftSum - a / mn;
    return k < 0.0 ? 0.0 : k;
}
