// Building the main window's widgets from the control model and binding its shortcuts.
#include "qt/main_window.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>

#include "qt/bridge.h"
#include "qt/control_widgets.h"
#include "qt/gear_canvas.h"
#include "qt/qt_text.h"

QtMainWindow::QtMainWindow(const AppState& state, UiBridge& bridge, const LayoutMetrics& metrics)
    : QWidget(nullptr), state_(state), bridge_(bridge), metrics_(metrics) {
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setWidgetResizable(false);
    content_ = new QWidget;
    BuildControls();
    scroll_->setWidget(content_);
    BindShortcuts();
    PlaceColumn();
    setMinimumSize(metrics_.leftColumnW + 400, 420);
}

QLabel* QtMainWindow::RowLabel(int id) const {
    auto it = rowLabels_.find(id);
    return it != rowLabels_.end() ? it->second : nullptr;
}

QWidget* QtMainWindow::Placed(int id) const {
    auto it = widgets_.find(id);
    return it != widgets_.end() ? it->second : nullptr;
}

void QtMainWindow::BuildControls() {
    // The tab panel and its pages first: the controls of a tab are children of its page.
    const Control& tabControl = state_.ui.Get(ctl::kTabs);
    tabs_ = static_cast<QTabWidget*>(CreateControlWidget(tabControl, content_));
    for (const std::string& name : tabControl.items) {
        auto* page = new QWidget;
        pages_.push_back(page);
        tabs_->addTab(page, ToQString(name));
    }
    widgets_[ctl::kTabs] = tabs_;

    for (const auto& [id, control] : state_.ui.controls) {
        if (control.window != kMainWindow || id == ctl::kTabs) {
            continue;
        }
        if (control.kind == ControlKind::Canvas) {
            canvas_ = new GearCanvas(this);
            continue;
        }
        QWidget* parent = content_;
        if (control.page >= 0 && control.page < static_cast<int>(pages_.size())) {
            parent = pages_[control.page];
        }
        QWidget* widget = CreateControlWidget(control, parent);
        if (widget == nullptr) {
            continue;
        }
        widgets_[id] = widget;
        if (!control.rowLabel.empty()) {
            auto* label = new QLabel(ToQString(control.rowLabel), parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            rowLabels_[id] = label;
        }
    }

    // Connected once everything exists, so that building the pages sends nothing.
    for (const auto& [id, widget] : widgets_) {
        bridge_.Register(state_.ui.Get(id), widget);
    }
    if (canvas_ != nullptr) {
        bridge_.RegisterCanvas(canvas_);
    }
}

void QtMainWindow::BindShortcuts() {
    auto bind = [this](QKeySequence keys, int item) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, item] { bridge_.MenuItem(item); });
    };
    bind(QKeySequence(Qt::Key_F1), kMenuUserGuide);
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), kMenuOpen);
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), kMenuSave);
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
    // The core decides: with unsaved changes it asks first, and Cancel keeps the program open.
    bridge_.CloseRequest(kMainWindow);
    if (state_.quitRequested) {
        event->accept();
    } else {
        event->ignore();
    }
}
