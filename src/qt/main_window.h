// The main window: the scrolling left column with the file buttons, the tab panel, the view
// and export controls and the report box, and the gear canvas on the right.
#pragma once

#include <QWidget>
#include <map>
#include <vector>

#include "app/app_state.h"
#include "qt/layout_metrics.h"

class GearCanvas;
class QLabel;
class QScrollArea;
class QTabWidget;
class UiBridge;

class QtMainWindow : public QWidget {
  public:
    QtMainWindow(const AppState& state, UiBridge& bridge, const LayoutMetrics& metrics);

    // Opening size and place: 1280 px wide, the height from the desktop height (0 unknown).
    void PlaceOnScreen(int desktopHeight);

    const LayoutMetrics& Metrics() const { return metrics_; }
    int EditorTop() const { return editorTop_; }
    QWidget* Column() const { return content_; }
    QTabWidget* Tabs() const { return tabs_; }
    GearCanvas* Canvas() const { return canvas_; }
    QLabel* RowLabel(int id) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Construction (main_window.cpp).
    void BuildControls();
    void BindShortcuts();
    // Layout (main_window_layout.cpp).
    void PlaceColumn();
    int PlaceTabPages();
    void ApplyResizeRule();
    QWidget* Placed(int id) const;

    const AppState& state_;
    UiBridge& bridge_;
    LayoutMetrics metrics_;
    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::vector<QWidget*> pages_;
    GearCanvas* canvas_ = nullptr;
    std::map<int, QWidget*> widgets_;
    std::map<int, QLabel*> rowLabels_;
    int editorTop_ = 0;
};
