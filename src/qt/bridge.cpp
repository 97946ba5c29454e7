// Forwarding user actions to the core and bringing the program's changes back into the
// widgets, one Sync after every call into the core.
#include "qt/bridge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTreeWidget>
#include <set>
#include <utility>

#include "qt/control_widgets.h"
#include "qt/gear_canvas.h"
#include "qt/qt_text.h"

namespace {

// The rotation animation advances every 30 ms.
constexpr int kTimerPeriodMs = 30;

// Remembers which row the model had selected when a mouse button went down on a result
// list, so that a click on the row already applied can be told from a click that selects.
class ListPressWatcher : public QObject {
  public:
    ListPressWatcher(QObject* parent, std::function<int64_t()> readState)
        : QObject(parent), readState_(std::move(readState)) {}
    int64_t stateAtPress = -1;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            stateAtPress = readState_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<int64_t()> readState_;
};

void CentreOn(QWidget* window, const QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    const QPoint centre = owner->frameGeometry().center();
    window->move(centre.x() - window->width() / 2, centre.y() - window->height() / 2);
}

}  // namespace

UiBridge::UiBridge(AppState& state) : state_(state) {
    timer_.setInterval(kTimerPeriodMs);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { TimerTick(); });
}

QWidget* UiBridge::Widget(int id) const {
    auto it = widgets_.find(id);
    return it != widgets_.end() ? it->second : nullptr;
}

QWidget* UiBridge::Window(int window) const {
    return window >= 0 && window < 3 ? windows_[window] : nullptr;
}

void UiBridge::RegisterWindow(int window, QWidget* widget) {
    if (window >= 0 && window < 3) {
        windows_[window] = widget;
    }
}

void UiBridge::RegisterCanvas(GearCanvas* canvas) {
    canvas_ = canvas;
    widgets_[ctl::kCanvas] = canvas;
    canvas->SetScene(&state_.scene);
    canvas->onEvent = [this](const ControlEvent& e) { UserEvent(e); };
    canvas->onResize = [this](double w, double h, double scale) { CanvasResized(w, h, scale); };
}

void UiBridge::Register(const Control& control, QWidget* widget) {
    const int id = control.id;
    widgets_[id] = widget;
    switch (control.kind) {
        case ControlKind::Text: {
            auto* edit = static_cast<QLineEdit*>(widget);
            // textEdited comes from typing, pasting and deleting only, never from setText.
            QObject::connect(edit, &QLineEdit::textEdited, edit,
                             [this, id](const QString& text) { UserText(id, text); });
            break;
        }
        case ControlKind::Editable: {
            auto* combo = static_cast<QComboBox*>(widget);
            QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                             [this, id](const QString& text) { UserText(id, text); });
            QObject::connect(combo, &QComboBox::activated, combo, [this, id, combo](int index) {
                const QString text = combo->itemText(index);
                if (ToUtf8(text) != state_.ui.Get(id).text) {
                    UserText(id, text);
                }
            });
            break;
        }
        case ControlKind::Dropdown: {
            auto* combo = static_cast<QComboBox*>(widget);
            QObject::connect(combo, &QComboBox::activated, combo, [this, id](int index) {
                if (index != state_.ui.Get(id).state) {
                    UserChoice(id, index);
                }
            });
            break;
        }
        case ControlKind::Check: {
            auto* check = static_cast<QCheckBox*>(widget);
            QObject::connect(check, &QCheckBox::clicked, check,
                             [this, id](bool checked) { UserChoice(id, checked ? 1 : 0); });
            break;
        }
        case ControlKind::Button: {
            auto* button = static_cast<QPushButton*>(widget);
            QObject::connect(button, &QPushButton::clicked, button, [this, id] { UserButton(id); });
            break;
        }
        case ControlKind::Slider: {
            auto* slider = static_cast<QSlider*>(widget);
            // Dragging, clicking beside the handle and the keys all end in valueChanged;
            // the program's own setValue runs with the signals blocked.
            QObject::connect(slider, &QSlider::valueChanged, slider,
                             [this, id](int value) { UserChoice(id, value); });
            break;
        }
        case ControlKind::Tabs: {
            auto* tabs = static_cast<QTabWidget*>(widget);
            QObject::connect(tabs, &QTabWidget::currentChanged, tabs,
                             [this, id](int index) { UserChoice(id, index); });
            break;
        }
        case ControlKind::List:
            ConnectList(id, widget);
            break;
        case ControlKind::Label:
        case ControlKind::Section:
        case ControlKind::Report:
        case ControlKind::Canvas:
            break;
    }
}

void UiBridge::ConnectList(int id, QWidget* widget) {
    auto* list = static_cast<QTreeWidget*>(widget);
    auto* watcher = new ListPressWatcher(list, [this, id] { return state_.ui.Get(id).state; });
    list->viewport()->installEventFilter(watcher);
    QObject::connect(list, &QTreeWidget::itemSelectionChanged, list, [this, id, list] {
        const QList<QTreeWidgetItem*> selected = list->selectedItems();
        const int row = selected.empty() ? -1 : list->indexOfTopLevelItem(selected.front());
        if (row < 0) {
            // A Ctrl+click cleared the highlight; the applied row stays, so show it again.
            state_.ui.dirty.insert(id);
            QTimer::singleShot(0, list, [this] {
                if (depth_ == 0 && !syncing_) {
                    Sync();
                }
            });
            return;
        }
        if (row != state_.ui.Get(id).state) {
            UserChoice(id, row);
        }
    });
    QObject::connect(
        list, &QTreeWidget::itemClicked, list,
        [this, id, list, watcher](QTreeWidgetItem* item, int) {
            // A click on the row that was already selected: the core may apply
            // it again (its applied row can differ from the highlighted one).
            const int row = list->indexOfTopLevelItem(item);
            if (row >= 0 && row == watcher->stateAtPress && row == state_.ui.Get(id).state) {
                UserEvent({id, EventKind::Click});
            }
        });
}

bool UiBridge::Enter(int restoreId) {
    if (detached_ || syncing_) {
        return false;
    }
    if (depth_ > 0) {
        if (restoreId >= 0) {
            state_.ui.dirty.insert(restoreId);
        }
        return false;
    }
    ++depth_;
    return true;
}

void UiBridge::Leave() {
    --depth_;
    Sync();
}

void UiBridge::Forward(const ControlEvent& event) {
    if (observer) {
        observer(event);
    }
}

void UiBridge::UserText(int id, const QString& text) {
    if (!Enter(id)) {
        return;
    }
    Forward({id, EventKind::Change});
    UserSetText(state_, id, ToUtf8(text));
    Leave();
}

void UiBridge::UserChoice(int id, int64_t n) {
    if (!Enter(id)) {
        return;
    }
    Forward({id, EventKind::Change});
    UserChoose(state_, id, n);
    Leave();
}

void UiBridge::UserButton(int id) {
    if (!Enter(-1)) {
        return;
    }
    Forward({id, EventKind::Click});
    UserClick(state_, id);
    Leave();
}

void UiBridge::UserEvent(const ControlEvent& event) {
    if (!Enter(event.id)) {
        return;
    }
    Forward(event);
    HandleControlEvent(state_, event);
    Leave();
}

void UiBridge::MenuItem(int item) {
    if (!Enter(-1)) {
        return;
    }
    HandleMenuItem(state_, item);
    Leave();
}

void UiBridge::CloseRequest(int window) {
    if (!Enter(-1)) {
        return;
    }
    HandleCloseRequest(state_, window);
    Leave();
}

void UiBridge::TimerTick() {
    // While a message box or the About window is open the animation waits.
    if (!Enter(-1)) {
        return;
    }
    HandleTimerTick(state_);
    Leave();
}

void UiBridge::CanvasResized(double width, double height, double scale) {
    pendingWidth_ = width;
    pendingHeight_ = height;
    pendingScale_ = scale > 0.0 ? scale : 1.0;
    resizePending_ = true;
    if (detached_ || syncing_ || depth_ > 0) {
        return;  // served when the running call or Sync is done
    }
    resizePending_ = false;
    ++depth_;
    state_.view.displayScale = pendingScale_;
    ResizeCanvas(state_, pendingWidth_, pendingHeight_);
    Leave();
}

void UiBridge::ShowWindows() {
    for (int w = 0; w < 3; ++w) {
        QWidget* window = windows_[w];
        if (window == nullptr) {
            continue;
        }
        const QString title = ToQString(state_.windows[w].title);
        if (window->windowTitle() != title) {
            window->setWindowTitle(title);
        }
        const bool visible = state_.windows[w].visible;
        if (visible && !window->isVisible()) {
            if (w != kMainWindow) {
                CentreOn(window, windows_[kMainWindow]);
            }
            window->show();
            window->activateWindow();
        } else if (!visible && window->isVisible()) {
            window->hide();
        }
    }
}

void UiBridge::Sync() {
    if (detached_ || syncing_) {
        return;
    }
    syncing_ = true;
    std::set<int> dirty;
    dirty.swap(state_.ui.dirty);
    for (int id : dirty) {
        QWidget* widget = Widget(id);
        if (widget != nullptr && state_.ui.Has(id)) {
            ShowControl(state_.ui.Get(id), widget, metrics_);
        }
    }
    ShowWindows();
    if (state_.timerRunning && !timer_.isActive()) {
        timer_.start();
    } else if (!state_.timerRunning && timer_.isActive()) {
        timer_.stop();
    }
    if (canvas_ != nullptr && state_.sceneRevision != shownRevision_) {
        shownRevision_ = state_.sceneRevision;
        canvas_->update();
    }
    syncing_ = false;

    if (resizePending_ && depth_ == 0) {
        CanvasResized(pendingWidth_, pendingHeight_, pendingScale_);
    }
    if (state_.quitRequested) {
        QCoreApplication::quit();
    }
}

void UiBridge::Detach() {
    detached_ = true;
    timer_.stop();
    observer = nullptr;
}
