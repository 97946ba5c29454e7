// The gear record shared by every part of the program: design inputs, derived
// dimensions, inspection dimensions, verdict flags, hub and keyway, and the outline.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// One piece of the outline; its last point is the first point of the next segment.
using ProfileSegment = std::vector<Point>;
// The closed outline of a whole gear in its own frame, counter-clockwise.
using ToothProfile = std::vector<ProfileSegment>;

// Basic rack ISO 53 profile A, as factors of the normal module.
inline constexpr double kHaStar = 1.0;
inline constexpr double kHfStar = 1.25;
inline constexpr double kRhoStar = 0.38;
inline constexpr double kRingRhoStar = 0.25;

struct GearData {
    // Inputs (set-up)
    double mn = 0.0;      // normal module, mm
    int64_t z = 0;        // number of teeth (rack: rack teeth n)
    double x = 0.0;       // profile shift coefficient
    double alphaN = 0.0;  // normal pressure angle, rad
    double beta = 0.0;    // helix angle, rad, >= 0
    int64_t hand = 1;     // +1 right, -1 left
    double b = 0.0;       // face width, mm
    double bore = 0.0;    // bore diameter, mm, 0 = none
    double k = 0.0;       // tip shortening coefficient
    double As = 0.0;      // tooth thickness allowance, mm (normal section, on the reference circle)
    double haStar = kHaStar;
    double hfStar = kHfStar;
    double rhoStar = kRhoStar;

    // Derived by the generators
    double mt = 0.0;      // transverse module, mm
    double alphaT = 0.0;  // transverse pressure angle, rad
    double betaB = 0.0;   // base helix angle, rad
    double r = 0.0;       // reference radius, mm
    double rb = 0.0;      // base radius, mm
    double ra = 0.0;      // effective tip radius, mm
    double rf = 0.0;      // root radius, mm
    double st = 0.0;      // transverse tooth thickness on the reference circle, mm
    double sa = 0.0;      // tooth thickness on the tip circle (arc), mm
    double xE = 0.0;      // shift at which the tool actually cuts
    double xMin = 0.0;    // smallest shift without undercut
    int64_t undercut = 0;
    int64_t pointed = 0;
    double rFf = 0.0;  // root form radius: start of the usable involute, mm

    // Inspection dimensions
    int64_t kSpan = 0;
    double Wk = 0.0;
    double rWk = 0.0;
    double dBall = 0.0;
    double Mball = 0.0;
    double rBallContact = 0.0;
    int64_t ballProtrudes = 0;
    double bMinWk = 0.0;

    // Rack and ring
    int64_t isRack = 0;
    double rackLength = 0.0;
    double rackHeight = 0.0;
    double helixShift = 0.0;
    int64_t isInternal = 0;
    double rOuter = 0.0;
    double rim = 0.0;
    double raLimit = 0.0;

    // Hub and keyway
    int64_t hubSide = 0;  // 0 none, 1 left, 2 right, 3 both sides
    double hubDiameter = 0.0;
    double hubLength = 0.0;
    double keyWidth = 0.0;
    double keyDepthHub = 0.0;
    double keyHeight = 0.0;
    double keyBearingHeight = 0.0;
    int64_t keyIsStandard = 0;
    std::string keyNotes;

    int64_t valid = 0;
    ToothProfile segments;
};
