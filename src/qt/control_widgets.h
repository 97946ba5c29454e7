// The Qt widget of each kind of control, and showing the model's values in it.
#pragma once

#include <QFont>

#include "app/controls.h"
#include "qt/layout_metrics.h"

class QAbstractButton;
class QWidget;

// A new widget for the control, empty; the values come with ShowControl. The canvas is
// created by the window that owns it and gets no widget here (nullptr).
QWidget* CreateControlWidget(const Control& control, QWidget* parent);

// Puts the model's text, state, items, rows, enabled flag and tooltip into the widget with
// its signals blocked, so that a change made by the program never looks like a user's edit.
void ShowControl(const Control& control, QWidget* widget, const LayoutMetrics& metrics);

// A button or check box whose text does not fit its width gets a slightly smaller font
// (down to 7 pt) rather than a cut-off text; the widths follow the column, not the text.
// ShowControl applies it whenever the text changes; call it again after a new geometry.
void FitButtonText(QWidget* widget);
// The width a push button or check box has for its text (its contents minus frame, margins
// and the tick box).
int ButtonTextRoom(const QAbstractButton* button);

// The report boxes are read in columns: "Consolas" 9 pt or the system's fixed-pitch font.
QFont ReportFont();
