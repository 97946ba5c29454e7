// Placing the rows of a tab page or of a small window: the row label, a field, two half
// fields, full-row check boxes and buttons, notes and result lists.
#pragma once

#include <vector>

#include "app/controls.h"
#include "qt/layout_metrics.h"

class QLabel;
class QWidget;

struct FormEntry {
    const Control* control = nullptr;
    QWidget* widget = nullptr;
    QLabel* rowLabel = nullptr;  // the label in front of the row, when the control carries one
};

// Places the entries row by row starting at y = top; returns the y below the last row, which
// is the height the rows need.
int PlaceFormRows(const std::vector<FormEntry>& entries, const LayoutMetrics& metrics, int top);

// The width the rows need: label column, field column and a margin.
int FormWidth(const LayoutMetrics& metrics);
