// Drawing the design of the current view mode as a scene.
#pragma once

#include <cstdint>

#include "app/app_state.h"
#include "view/scene.h"

// The scene of the current view mode for a canvas of width x height logical px.
Scene BuildScene(const AppState& state, double width, double height);
// Rebuilds state.scene for the current canvas size and bumps the scene revision.
void RefreshView(AppState& state);
// Angle of gear 2 of a pair at gear 1 angle theta: half a turn and half a pitch, so that a
// space of gear 2 faces tooth 0 of gear 1 at theta = 0, then rolling with the ratio z1/z2.
double PairGear2Angle(int64_t z1, int64_t z2, double theta);
