// The controls of the main window: ids, kinds, texts, defaults, items and tooltips.
#pragma once

#include "app/app_state.h"

// Adds every control of the main window to the model and sets its initial title.
void BuildMainWindow(AppState& state);
