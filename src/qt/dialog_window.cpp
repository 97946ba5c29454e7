// Building a small window from its controls and sizing it to its rows.
#include "qt/dialog_window.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <vector>

#include "qt/bridge.h"
#include "qt/control_widgets.h"
#include "qt/form_layout.h"
#include "qt/qt_text.h"

DialogWindow::DialogWindow(const AppState& state, UiBridge& bridge, int window,
                           const LayoutMetrics& metrics, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      bridge_(bridge),
      window_(window) {
    std::vector<FormEntry> entries;
    double widestLabel = 0.0;
    const QFontMetricsF fm(font());
    for (const auto& [id, control] : state.ui.controls) {
        if (control.window != window) {
            continue;
        }
        QWidget* widget = CreateControlWidget(control, this);
        if (widget == nullptr) {
            continue;
        }
        QLabel* rowLabel = nullptr;
        if (!control.rowLabel.empty()) {
            rowLabel = new QLabel(ToQString(control.rowLabel), this);
            widestLabel = std::max(widestLabel, fm.horizontalAdvance(rowLabel->text()));
        }
        entries.push_back({&control, widget, rowLabel});
        bridge_.Register(control, widget);
    }

    // The label column follows this window's own labels; rows and fields keep the main
    // window's sizes.
    LayoutMetrics m = metrics;
    m.labelW = static_cast<int>(std::ceil(widestLabel)) + 22;
    const int height = PlaceFormRows(entries, m, 10) + 6;
    setFixedSize(FormWidth(m) + 6, height);
    for (const FormEntry& e : entries) {
        FitButtonText(e.widget);
    }

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { bridge_.MenuItem(kMenuUserGuide); });
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // Closing hides the window through the core, which keeps its inputs for the project.
    event->ignore();
    bridge_.CloseRequest(window_);
}
