// Sizes of the left column measured from the control font: the row height and step, the
// label and field columns and the width of the tab panel, in logical pixels.
#pragma once

#include <QFont>
#include <string>
#include <vector>

struct TextTable;

struct LayoutMetrics {
    int fontH = 15;    // height of "Ag" in the control font
    int rowH = 23;     // height of a text field
    int rowStep = 28;  // distance between rows
    int labelW = 0;    // label column, from the widest long label
    int fieldW = 150;  // field column
    int halfW = 72;    // a half field
    int panelW = 0;    // tab panel and everything below it
    int leftColumnW = 0;
};

// The eight longest row labels of the build's language; the label column is sized to them.
std::vector<std::string> LongestRowLabels(const TextTable& texts);
LayoutMetrics MeasureLayoutMetrics(const QFont& font, const std::vector<std::string>& labels);

// Column widths of the result lists are given in points at a 15 px font and follow the font.
int ScaledColumnWidth(const LayoutMetrics& metrics, int referenceWidth);
// A result list shows six rows of text.
int ResultListHeight(const LayoutMetrics& metrics);
