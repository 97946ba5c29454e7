// The view transform of the gear canvas and the state of a pan in progress.
#pragma once

struct ViewTransform {
    double zoom = 1.0;     // px per mm
    double centreX = 0.0;  // world point at the canvas centre, mm
    double centreY = 0.0;
    double displayScale = 1.0;  // device pixels per logical pixel
};

struct DragState {
    bool dragging = false;
    int pressX = 0;  // mouse position at the button press, logical px
    int pressY = 0;
    double pressCentreX = 0.0;  // view centre at the button press, mm
    double pressCentreY = 0.0;
};
