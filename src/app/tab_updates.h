// Tab updates: turn the inputs of a tab into computed gears, then report and draw.
#pragma once

#include "app/app_state.h"

// Fills the inputs of an external gear record and clears what depends on them; angles in degrees.
void SetExternalGear(GearData& gear, double m, int64_t z, double x, double alphaNDeg, double b,
                     double bore, double k, double betaDeg, int64_t hand);
void UpdateSingleTab(AppState& state, bool fit);
void UpdatePairTab(AppState& state, bool fit);
// The update of the tab the tab panel shows, without fit (used by the hub window).
void UpdateActiveTab(AppState& state);
