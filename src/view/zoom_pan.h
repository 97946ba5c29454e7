// Zoom, pan and fit of the gear view.
#pragma once

#include "app/app.h"

// Fits zoom and centre to the bounding box of the current view mode.
void FitView(AppState& state);
// Mouse events of the canvas (enter, wheel, button down, move, up, double click).
void HandleCanvasEvent(AppState& state, const ControlEvent& event);
