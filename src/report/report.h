// The calculation report of the report box.
#pragma once

#include <string>

#include "app/app_state.h"

struct TextTable;

// Writes the report of the current view mode into the report box.
void RefreshReport(AppState& state);
// The data block of one external gear; every line ends in CR LF.
std::string GearDataBlock(const GearData& gear, const std::string& title, const TextTable& texts);
// The report of the external pair gear1 / gear2 at pairCentreDistance.
std::string PairReport(const AppState& state);
