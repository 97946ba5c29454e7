// The hub and keyway window: its controls, opening and closing.
#pragma once

#include "app/app_state.h"

// Control ids of the hub window. The six inputs of a gear are the base id plus
// kGearStep times the gear index (0 = gear 1, 1 = gear 2).
namespace hubctl {
inline constexpr int kGear1Section = 110;
inline constexpr int kGear2Section = 111;
inline constexpr int kClose = 112;
inline constexpr int kKeywayChoice = 114;  // 0 none, 1 DIN 6885-1, 2 custom size
inline constexpr int kKeyWidth = 115;
inline constexpr int kKeyDepth = 116;
inline constexpr int kHubChoice = 117;  // 0 none, 1 left, 2 right, 3 both sides
inline constexpr int kHubDiameter = 118;
inline constexpr int kHubLength = 119;
inline constexpr int kNote = 127;
inline constexpr int kGearStep = 7;
}  // namespace hubctl

// Adds the controls 110 to 127 of window 2 to the control model (hidden window).
void BuildHubWindow(AppState& state);
void OpenHubDialog(AppState& state);
void CloseHubDialog(AppState& state);
