// A scene as an SVG drawing.
#pragma once

#include <ostream>

#include "view/scene.h"

// Text lines are placed by their top edge; both the SVG and the canvas painter put the
// baseline at top + 0.8 * pixel size, so that a text sits where the canvas shows it.
inline constexpr double kTextBaselineFactor = 0.8;
inline double TextBaselineY(const SceneText& text) {
    return text.topLeft.y + kTextBaselineFactor * text.pixelSize;
}

// A standalone SVG 1.1 document of the scene, in the canvas's logical pixels.
void WriteSvg(const Scene& scene, std::ostream& out);
