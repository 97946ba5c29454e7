// The drawing of the canvas as plain data, in logical pixels of the canvas (y downward):
// paths with fill and stroke, and texts, in painting order. The Qt canvas paints it and
// the command-line driver writes it as SVG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/gear_data.h"

struct Colour {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

struct SubPath {
    std::vector<Point> points;
    bool closed = false;
};

struct ScenePath {
    std::vector<SubPath> subPaths;
    bool filled = false;
    Colour fillColour;  // even-odd fill
    bool stroked = false;
    Colour strokeColour;
    double strokeWidth = 1.0;
    std::vector<double> dashPattern;  // alternating dash and gap lengths in px; empty = solid
};

struct SceneText {
    Point topLeft;  // top left corner of the text line, px
    double pixelSize = 13.0;
    Colour colour;
    std::string text;  // UTF-8
};

struct SceneItem {
    enum class Kind { Path, Text } kind = Kind::Path;
    ScenePath path;
    SceneText text;
};

struct Scene {
    double width = 0.0;
    double height = 0.0;
    Colour background{250, 250, 252, 255};
    std::vector<SceneItem> items;
};
