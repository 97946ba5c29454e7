// Keyways after DIN 6885-1 and hubs: sizing, checks, the bore outline and the report lines.
#pragma once

#include <string>
#include <vector>

#include "geometry/gear_data.h"

struct ControlModel;
struct TextTable;

struct KeySize {
    bool found = false;
    double b = 0.0;   // key width, mm
    double h = 0.0;   // key height, mm
    double t2 = 0.0;  // keyway depth in the hub, mm
    double t1 = 0.0;  // keyway depth in the shaft, mm
};

KeySize LookupKeySize(double bore);
bool HasKeyway(const GearData& gear);
bool HasHub(const GearData& gear);
double KeywayRadius(const GearData& gear);
// The bore polygon with the keyway notch on +x, within the chord tolerance (mm).
std::vector<Point> BoreOutline(const GearData& gear, double tolerance);
// Reads the hub window's controls of gear `index` (0 or 1) and sets the hub and keyway fields.
void ValidateHubAndKeyway(ControlModel& ui, const TextTable& texts, GearData& gear, int index);
// The keyway and hub lines of the gear data block (CR LF ended), possibly empty.
std::string KeywayReportLines(const GearData& gear, const TextTable& texts);
