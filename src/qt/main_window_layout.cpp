// Placing the main window's controls: the left column row by row, and the resize rule that
// gives the report box and the canvas the rest of the window.
#include <QGuiApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

#include "qt/control_widgets.h"
#include "qt/form_layout.h"
#include "qt/gear_canvas.h"
#include "qt/main_window.h"

namespace {

constexpr int kOpenWidth = 1280;
constexpr int kOpenHeight = 860;
constexpr int kDesktopMargin = 80;  // room left for task bars and the title bar
constexpr int kCanvasMinimum = 50;
constexpr int kReportMinimum = 120;
constexpr int kReportMinimumRoom = 208;  // below editorTop: the report box and a margin

int Part(int panelW, double fraction) {
    return static_cast<int>(std::lround(panelW * fraction));
}

}  // namespace

int QtMainWindow::PlaceTabPages() {
    const LayoutMetrics& m = metrics_;
    int tallest = 0;
    for (int page = 0; page < static_cast<int>(pages_.size()); ++page) {
        std::vector<FormEntry> entries;
        for (const auto& [id, control] : state_.ui.controls) {
            if (control.window == kMainWindow && control.page == page && Placed(id) != nullptr) {
                entries.push_back({&control, Placed(id), RowLabel(id)});
            }
        }
        tallest = std::max(tallest, PlaceFormRows(entries, m, 8));
    }
    int header = tabs_->tabBar()->sizeHint().height();
    if (header <= 0 || header > 6 * m.rowH) {
        header = m.rowH + 16;
    }
    return tallest + header + 6;
}

void QtMainWindow::PlaceColumn() {
    const LayoutMetrics& m = metrics_;
    const int panelW = m.panelW;
    auto place = [this](int id, int x, int y, int w, int h) {
        if (QWidget* widget = Placed(id)) {
            widget->setGeometry(x, y, w, h);
        }
    };

    // Top row: Open, Save, Save as, Help.
    const int buttonW = (panelW - 18) / 4;
    place(ctl::kOpen, 8, 8, buttonW, m.rowH + 4);
    place(ctl::kSave, buttonW + 14, 8, buttonW, m.rowH + 4);
    place(ctl::kSaveAs, 2 * buttonW + 20, 8, buttonW, m.rowH + 4);
    place(ctl::kHelp, panelW - buttonW + 8, 8, buttonW, m.rowH + 4);

    const int panelTop = m.rowH + 20;
    const int panelH = PlaceTabPages();
    tabs_->setGeometry(8, panelTop, panelW, panelH);

    // Below the panel: animation, the two windows, export, STL tolerance.
    int y = panelTop + panelH + 8;
    place(ctl::kRotate, 8, y, Part(panelW, 0.4), m.rowH);
    place(ctl::kSpeed, Part(panelW, 0.4) + 8, y, Part(panelW, 0.6), m.rowH);
    y += m.rowH + 10;
    place(ctl::kLineOfAction, 8, y + 2, Part(panelW, 0.42), m.rowH);
    // A small gap between the two buttons, which would otherwise touch.
    place(ctl::kStrength, Part(panelW, 0.42) + 8, y, Part(panelW, 0.29) - 4, m.rowH + 4);
    place(ctl::kHubButton, Part(panelW, 0.71) + 8, y, Part(panelW, 0.29), m.rowH + 4);
    y += m.rowH + 10;
    place(ctl::kExportChoice, 8, y, panelW, m.rowH);
    y += m.rowH + 8;
    const int exportW = (panelW - 12) / 3;
    place(ctl::kExportDxf, 8, y, exportW, m.rowH + 6);
    place(ctl::kExportStep, exportW + 14, y, exportW, m.rowH + 6);
    place(ctl::kExportStl, panelW - exportW + 8, y, exportW, m.rowH + 6);
    y += m.rowH + 12;

    // The tolerance sits in the field column of the tab pages above it.
    const int pageX = 8 + tabs_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs_);
    const int labelH = m.fontH + 4;
    if (QLabel* label = RowLabel(ctl::kStlTolerance)) {
        label->setGeometry(pageX + 10, y + (m.rowH - labelH) / 2, m.labelW - 12, labelH);
    }
    place(ctl::kStlTolerance, pageX + m.labelW, y, m.halfW, m.rowH);
    editorTop_ = y + m.rowStep + 6;

    for (const auto& [id, widget] : widgets_) {
        (void)id;
        FitButtonText(widget);
    }

    ApplyResizeRule();
}

void QtMainWindow::ApplyResizeRule() {
    const LayoutMetrics& m = metrics_;
    const int w = width();
    const int h = height();
    scroll_->setGeometry(0, 0, m.leftColumnW, h);
    const int reportH = std::max(kReportMinimum, h - editorTop_ - 8);
    if (QWidget* report = Placed(ctl::kReport)) {
        report->setGeometry(8, editorTop_, m.panelW, reportH);
    }
    content_->resize(m.panelW + 16, editorTop_ + reportH + 8);
    if (canvas_ != nullptr) {
        canvas_->setGeometry(m.leftColumnW + 4, 8, std::max(kCanvasMinimum, w - m.leftColumnW - 12),
                             std::max(kCanvasMinimum, h - 16));
    }
}

void QtMainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyResizeRule();
}

void QtMainWindow::PlaceOnScreen(int desktopHeight) {
    int h = kOpenHeight;
    if (desktopHeight > 0 && desktopHeight - kDesktopMargin < h) {
        h = desktopHeight - kDesktopMargin;
    }
    QRect screen(0, 0, kOpenWidth, kOpenHeight);
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen = primary->availableGeometry();
    }
    resize(kOpenWidth, h);
    h = height();  // the minimum size may have made it taller
    int top = screen.y() + std::max(0, (screen.height() - h) / 2);
    // A tall tab panel on a small font still leaves the report box some lines.
    int needed = editorTop_ + kReportMinimumRoom;
    if (desktopHeight > 0) {
        needed = std::min(needed, desktopHeight - kDesktopMargin);
    }
    if (h < needed) {
        resize(kOpenWidth, needed);
        h = height();
        top = screen.y() + std::max(0, (desktopHeight - h) / 2 - 20);
    }
    const int left = screen.x() + std::max(0, (screen.width() - width()) / 2);
    move(left, top);
}
