// Drawing one gear into the scene: filled body with its bore or rim, reference, base and
// hub circles, centre cross.
#pragma once

#include "geometry/gear_data.h"
#include "view/draw_context.h"
#include "view/scene.h"

inline constexpr Colour kGear1Colour{140, 175, 220, 255};
inline constexpr Colour kGear2Colour{235, 185, 110, 255};  // gear 2, ring gear and rack

// Draws gear g with its centre at world (x, y), turned counter-clockwise by angle (rad).
// A gear without an outline draws nothing.
void DrawGear(Scene& scene, const DrawContext& context, const GearData& g, double x, double y,
              double angle, Colour bodyColour);
