// Parallel-key keyways after DIN 6885-1 and cylindrical hubs: the key table, the checks
// that accept or reject the user's choice, the bore outline and the report lines.
#include "hub/keyway.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/controls.h"
#include "app/format.h"
#include "hub/hub_window.h"
#include "texts/text_table.h"

namespace {

struct KeySizeRow {
    double lower;  // the row holds bores lower < d <= upper
    double upper;
    double b;
    double h;
    double t2;
    double t1;
};

// Parallel keys, DIN 6885-1 form A, all in mm.
constexpr KeySizeRow kKeySizeTable[] = {
    {6, 8, 2, 2, 1.0, 1.2},         {8, 10, 3, 3, 1.4, 1.8},        {10, 12, 4, 4, 1.8, 2.5},
    {12, 17, 5, 5, 2.3, 3.0},       {17, 22, 6, 6, 2.8, 3.5},       {22, 30, 8, 7, 3.3, 4.0},
    {30, 38, 10, 8, 3.3, 5.0},      {38, 44, 12, 8, 3.3, 5.0},      {44, 50, 14, 9, 3.8, 5.5},
    {50, 58, 16, 10, 4.3, 6.0},     {58, 65, 18, 11, 4.4, 7.0},     {65, 75, 20, 12, 4.9, 7.5},
    {75, 85, 22, 14, 5.4, 9.0},     {85, 95, 25, 14, 5.4, 9.0},     {95, 110, 28, 16, 6.4, 10.0},
    {110, 130, 32, 18, 7.4, 11.0},  {130, 150, 36, 20, 8.4, 12.0},  {150, 170, 40, 22, 9.4, 13.0},
    {170, 200, 45, 25, 10.4, 15.0}, {200, 230, 50, 28, 11.4, 17.0},
};

// A finer chord tolerance than this gains nothing on a machined bore and would only
// multiply the points; it also keeps a zero or negative tolerance from stalling.
constexpr double kMinChordTolerance = 1e-6;  // mm
// At most a million points around the bore, whatever radius is typed.
constexpr double kMinAngularStep = 2.0 * std::numbers::pi / 1.0e6;
constexpr double kMaxAngularStep = 5.0 * std::numbers::pi / 180.0;

int64_t ChoiceOf(const ControlModel& ui, int id, int64_t count) {
    const int64_t choice = ui.Get(id).state;
    // An out-of-range choice (an odd project file) counts as "none".
    return (choice >= 0 && choice < count) ? choice : 0;
}

// Notes end in "; " so that they can follow each other; the report line drops the last one.
std::string TrimNotes(std::string notes) {
    while (!notes.empty() && notes.back() == ' ') {
        notes.pop_back();
    }
    while (!notes.empty() && notes.back() == ';') {
        notes.pop_back();
    }
    return notes;
}

}  // namespace

KeySize LookupKeySize(double bore) {
    KeySize size;
    for (const KeySizeRow& row : kKeySizeTable) {
        if (bore > row.lower && bore <= row.upper) {
            size.found = true;
            size.b = row.b;
            size.h = row.h;
            size.t2 = row.t2;
            size.t1 = row.t1;
            break;
        }
    }
    return size;
}

bool HasKeyway(const GearData& gear) {
    return gear.bore > 0.0 && gear.keyWidth > 0.0 && gear.keyDepthHub > 0.0 &&
           gear.bore > gear.keyWidth;
}

bool HasHub(const GearData& gear) {
    return gear.hubSide > 0 && gear.hubDiameter > 0.0 && gear.hubLength > 0.0;
}

double KeywayRadius(const GearData& gear) {
    return HasKeyway(gear) ? gear.bore / 2.0 + gear.keyDepthHub : gear.bore / 2.0;
}

std::vector<Point> BoreOutline(const GearData& gear, double tolerance) {
    std::vector<Point> points;
    const double R = gear.bore / 2.0;
    if (!(R > 0.0) || !std::isfinite(R)) {
        return points;
    }
    if (!(tolerance >= kMinChordTolerance)) {
        tolerance = kMinChordTolerance;
    }
    // The chord of an arc step deviates from the circle by R (1 - cos(step / 2)).
    double step = (R > tolerance) ? 2.0 * std::acos(1.0 - tolerance / R) : std::numbers::pi / 2.0;
    step = std::clamp(step, kMinAngularStep, kMaxAngularStep);

    if (!HasKeyway(gear)) {
        const int n = std::max(8, static_cast<int>(std::ceil(2.0 * std::numbers::pi / step)));
        points.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const double phi = i * 2.0 * std::numbers::pi / n;
            points.push_back({R * std::cos(phi), R * std::sin(phi)});
        }
        return points;
    }

    // The keyway is centred on +x: the bore arc runs from its upper edge counter-clockwise
    // around to its lower edge, then the polygon goes out along the keyway flanks.
    const double w = gear.keyWidth / 2.0;
    const double A = std::asin(w / R);
    const double E = std::sqrt(R * R - w * w);
    const double sweep = 2.0 * std::numbers::pi - 2.0 * A;
    const int n = std::max(4, static_cast<int>(std::ceil(sweep / step)));
    points.reserve(static_cast<size_t>(n) + 3);
    for (int i = 0; i <= n; ++i) {
        const double phi = A + i * sweep / n;
        points.push_back({R * std::cos(phi), R * std::sin(phi)});
    }
    points.front() = {E, w};
    points.back() = {E, -w};
    const double bottom = R + gear.keyDepthHub;
    points.push_back({bottom, -w});
    points.push_back({bottom, w});
    return points;
}

void ValidateHubAndKeyway(ControlModel& ui, const TextTable& texts, GearData& gear, int index) {
    gear.keyWidth = 0.0;
    gear.keyDepthHub = 0.0;
    gear.keyHeight = 0.0;
    gear.keyBearingHeight = 0.0;
    gear.keyIsStandard = 0;
    gear.hubSide = 0;
    gear.hubDiameter = 0.0;
    gear.hubLength = 0.0;
    gear.keyNotes.clear();

    // A gear without outline carries nothing; rings and racks have no bore to key.
    if (gear.valid == 0 || gear.isInternal != 0 || gear.isRack != 0) {
        return;
    }

    const int offset = hubctl::kGearStep * index;
    const int widthId = hubctl::kKeyWidth + offset;
    const int depthId = hubctl::kKeyDepth + offset;
    const int64_t keyway = ChoiceOf(ui, hubctl::kKeywayChoice + offset, 3);
    ui.SetEnabled(widthId, keyway == 2);
    ui.SetEnabled(depthId, keyway == 2);

    if (keyway == 1) {
        const KeySize size = gear.bore > 0.0 ? LookupKeySize(gear.bore) : KeySize{};
        if (size.found) {
            gear.keyWidth = size.b;
            gear.keyDepthHub = size.t2;
            gear.keyHeight = size.h;
            gear.keyIsStandard = 1;
            // The key bears in the hub over its height less the part sunk in the shaft.
            gear.keyBearingHeight = size.h - size.t1;
            ui.SetText(widthId, FormatFixed(size.b, 0));
            ui.SetText(depthId, FormatFixed(size.t2, 1));
        } else {
            gear.keyNotes += texts(TextId::kHubNoteNoDinSize);
        }
    } else if (keyway == 2) {
        gear.keyWidth = ParseNumber(ui.Get(widthId).text);
        gear.keyDepthHub = ParseNumber(ui.Get(depthId).text);
        // Without a key height, assume the key bears over 90 % of the hub depth.
        gear.keyBearingHeight = 0.9 * gear.keyDepthHub;
        gear.keyIsStandard = 0;
        if (gear.bore <= 0.0) {
            gear.keyNotes += texts(TextId::kHubNoteNoBore);
        }
        if (gear.keyWidth >= gear.bore && gear.bore > 0.0) {
            gear.keyNotes += texts(TextId::kHubNoteKeyWider);
            gear.keyWidth = 0.0;
        }
    }

    const int64_t hub = ChoiceOf(ui, hubctl::kHubChoice + offset, 4);
    if (hub == 0) {
        return;
    }
    const double L = ParseNumber(ui.Get(hubctl::kHubLength + offset).text);
    double D = ParseNumber(ui.Get(hubctl::kHubDiameter + offset).text);
    if (D <= 0.0) {
        // Automatic hub: 1.8 times the bore, with a wall of at least max(3 mm, m) over the
        // keyway, but kept one module inside the root circle.
        if (gear.bore > 0.0) {
            D = std::min(
                std::max(1.8 * gear.bore, 2.0 * KeywayRadius(gear) + 2.0 * std::max(3.0, gear.mn)),
                2.0 * gear.rf - 2.0 * gear.mn);
        } else {
            D = 1.2 * gear.rf;
        }
    }
    if (L <= 0.0) {
        gear.keyNotes += texts(TextId::kHubNoteLengthZero);
        return;
    }
    if (D / 2.0 >= gear.rf - 0.25 * gear.mn) {
        gear.keyNotes +=
            Fill(texts(TextId::kHubNoteTooLarge), {FormatFixed(2.0 * gear.rf - 0.5 * gear.mn, 1)});
        return;
    }
    if (D / 2.0 <= KeywayRadius(gear) + 0.5) {
        gear.keyNotes += texts(TextId::kHubNoteTooSmall);
        return;
    }
    gear.hubSide = hub;
    gear.hubDiameter = D;
    gear.hubLength = L;
}

std::string KeywayReportLines(const GearData& gear, const TextTable& texts) {
    std::string out;
    auto line = [&out](const std::string& text) {
        out += text;
        out += "\r\n";
    };

    if (HasKeyway(gear)) {
        if (gear.keyIsStandard != 0) {
            line(Fill(texts(TextId::kHubRepKeywayDin),
                      {FormatFixed(gear.keyWidth, 1), FormatFixed(gear.keyDepthHub, 1),
                       FormatFixed(gear.keyWidth, 0), FormatFixed(gear.keyHeight, 0)}));
        } else {
            line(Fill(texts(TextId::kHubRepKeywayCustom),
                      {FormatFixed(gear.keyWidth, 1), FormatFixed(gear.keyDepthHub, 1)}));
        }
        // Less than a module of steel under the tooth root is likely to crack there.
        const double rest = gear.rf - KeywayRadius(gear);
        if (rest < gear.mn) {
            line(Fill(texts(TextId::kHubRepThinAtKeyway), {FormatFixed(rest, 2)}));
        }
    } else if (gear.bore > 0.0) {
        const double rest = gear.rf - gear.bore / 2.0;
        if (rest < gear.mn) {
            line(Fill(texts(TextId::kHubRepThinAtBore), {FormatFixed(rest, 2)}));
        }
    }

    if (HasHub(gear)) {
        const bool bothSides = gear.hubSide == 3;
        const double total = gear.b + (bothSides ? 2.0 : 1.0) * gear.hubLength;
        const TextId pattern = bothSides           ? TextId::kHubRepHubBoth
                               : gear.hubSide == 1 ? TextId::kHubRepHubLeft
                                                   : TextId::kHubRepHubRight;
        line(Fill(texts(pattern), {FormatFixed(gear.hubDiameter, 1), FormatFixed(gear.hubLength, 1),
                                   FormatFixed(total, 1)}));
    }

    if (!gear.keyNotes.empty()) {
        line(Fill(texts(TextId::kHubRepNotes), {TrimNotes(gear.keyNotes)}));
    }
    return out;
}
