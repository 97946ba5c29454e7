// The real windows on the offscreen platform: every control of the model has its widget
// with its default, a user's action reaches the core as exactly one event, a change made by
// the program reaches the widgets as none, and the left column follows its layout rules.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>
#include <clocale>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "qt/about_window.h"
#include "qt/bridge.h"
#include "qt/control_widgets.h"
#include "qt/dialog_window.h"
#include "qt/gear_canvas.h"
#include "qt/gui_shell.h"
#include "qt/main_window.h"
#include "qt/qt_text.h"
#include "support/scripted_platform.h"
#include "texts/text_table.h"

namespace {

// The scripted platform, with a hook that runs while the About window would be open: there
// the nested loop of a modal window can deliver timer ticks and stray widget signals.
class ModalPlatform : public ScriptedPlatform {
  public:
    std::function<void()> whileAboutIsOpen;
    void ShowAbout(const AboutContent& content) override {
        ScriptedPlatform::ShowAbout(content);
        if (whileAboutIsOpen) {
            whileAboutIsOpen();
        }
    }
};

class QtWindowTest : public ::testing::Test {
  protected:
    void StartWith(const TextTable& texts) {
        platform.desktopHeight = 900;
        shell = std::make_unique<GuiShell>(state, platform);
        shell->Start(texts, {});
        shell->Bridge().observer = [this](const ControlEvent& e) { events.push_back(e); };
        QApplication::processEvents();
    }
    void SetUp() override { StartWith(EnglishTexts()); }
    void TearDown() override { shell.reset(); }

    template <class W>
    W* WidgetOf(int id) {
        auto* widget = dynamic_cast<W*>(shell->Bridge().Widget(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }
    void ExpectOneEvent(int id, EventKind kind) {
        ASSERT_EQ(events.size(), 1u) << "control " << id;
        EXPECT_EQ(events[0].id, id);
        EXPECT_EQ(events[0].kind, kind);
    }

    AppState state;
    ModalPlatform platform;
    std::unique_ptr<GuiShell> shell;
    std::vector<ControlEvent> events;
};

int SelectedRow(QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.empty() ? -1 : list->indexOfTopLevelItem(selected.front());
}

// What a widget shows, compared with the control it mirrors.
void ExpectWidgetShows(const Control& c, QWidget* w) {
    SCOPED_TRACE("control " + std::to_string(c.id));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->isEnabled(), c.enabled);
    if (c.kind != ControlKind::Canvas) {
        EXPECT_EQ(ToUtf8(w->toolTip()), c.tooltip);
    }
    switch (c.kind) {
        case ControlKind::Tabs: {
            auto* tabs = dynamic_cast<QTabWidget*>(w);
            ASSERT_NE(tabs, nullptr);
            EXPECT_EQ(tabs->count(), static_cast<int>(c.items.size()));
            EXPECT_EQ(tabs->currentIndex(), c.state);
            for (int i = 0; i < tabs->count(); ++i) {
                EXPECT_EQ(ToUtf8(tabs->tabText(i)), c.items[i]);
            }
            break;
        }
        case ControlKind::Text: {
            auto* edit = dynamic_cast<QLineEdit*>(w);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(ToUtf8(edit->text()), c.text);
            break;
        }
        case ControlKind::Label:
        case ControlKind::Section: {
            auto* label = dynamic_cast<QLabel*>(w);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(ToUtf8(label->text()), c.text);
            break;
        }
        case ControlKind::Check: {
            auto* check = dynamic_cast<QCheckBox*>(w);
            ASSERT_NE(check, nullptr);
            EXPECT_EQ(check->isChecked(), c.state != 0);
            EXPECT_EQ(ToUtf8(check->text()), c.text);
            break;
        }
        case ControlKind::Dropdown: {
            auto* combo = dynamic_cast<QComboBox*>(w);
            ASSERT_NE(combo, nullptr);
            EXPECT_FALSE(combo->isEditable());
            EXPECT_EQ(combo->count(), static_cast<int>(c.items.size()));
            EXPECT_EQ(combo->currentIndex(), c.state);
            break;
        }
        case ControlKind::Editable: {
            auto* combo = dynamic_cast<QComboBox*>(w);
            ASSERT_NE(combo, nullptr);
            EXPECT_TRUE(combo->isEditable());
            EXPECT_EQ(combo->count(), static_cast<int>(c.items.size()));
            EXPECT_EQ(ToUtf8(combo->currentText()), c.text);
            break;
        }
        case ControlKind::Button: {
            auto* button = dynamic_cast<QPushButton*>(w);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(ToUtf8(button->text()), c.text);
            break;
        }
        case ControlKind::List: {
            auto* list = dynamic_cast<QTreeWidget*>(w);
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->columnCount(), static_cast<int>(c.items.size()));
            ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(c.rows.size()));
            for (int r = 0; r < list->topLevelItemCount(); ++r) {
                for (int col = 0;
                     col < list->columnCount() && col < static_cast<int>(c.rows[r].size()); ++col) {
                    EXPECT_EQ(ToUtf8(list->topLevelItem(r)->text(col)), c.rows[r][col]);
                }
            }
            EXPECT_EQ(SelectedRow(list), c.state);
            break;
        }
        case ControlKind::Slider: {
            auto* slider = dynamic_cast<QSlider*>(w);
            ASSERT_NE(slider, nullptr);
            EXPECT_EQ(slider->minimum(), c.minimum);
            EXPECT_EQ(slider->maximum(), c.maximum);
            EXPECT_EQ(slider->value(), c.state);
            break;
        }
        case ControlKind::Report: {
            auto* report = dynamic_cast<QPlainTextEdit*>(w);
            ASSERT_NE(report, nullptr);
            EXPECT_TRUE(report->isReadOnly());
            EXPECT_EQ(report->toPlainText(), ToDisplayLines(c.text));
            break;
        }
        case ControlKind::Canvas:
            EXPECT_NE(dynamic_cast<GearCanvas*>(w), nullptr);
            break;
    }
}

TEST_F(QtWindowTest, EveryControlHasAWidgetShowingTheModel) {
    int checked = 0;
    for (const auto& [id, control] : state.ui.controls) {
        if (control.window == kStrengthWindow) {
            continue;  // that window has no widgets yet
        }
        ExpectWidgetShows(control, shell->Bridge().Widget(id));
        ++checked;
    }
    EXPECT_GT(checked, 0);
    EXPECT_TRUE(state.ui.dirty.empty());
    EXPECT_TRUE(shell->MainWindow()->isVisible());
    EXPECT_EQ(ToUtf8(shell->MainWindow()->windowTitle()), state.windows[kMainWindow].title);
    EXPECT_FALSE(shell->HubWindow()->isVisible());
    EXPECT_EQ(ToUtf8(shell->HubWindow()->windowTitle()), state.windows[kHubWindow].title);
    EXPECT_TRUE(events.empty()) << "building the windows sent events";
}

// Typing, one keystroke at a time, as the user does it.
struct TypingCase {
    const char* name;
    int id;
    bool selectAll;
    const char* typed;
    const char* expected;
};

TEST_F(QtWindowTest, EachKeystrokeIsOneChangeEventAndTheFieldShowsWhatWasTyped) {
    const TypingCase cases[] = {
        {"face width of the pair", ctl::kPairFaceWidth, false, "5", "105"},
        {"STL chord tolerance", ctl::kStlTolerance, false, "5", "0,015"},
        // No completion may put "1.25" on screen while "1.2" is computed.
        {"module drop-down, typed over", ctl::kSingleModule, true, "1.2", "1.2"},
    };
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.name);
        events.clear();
        QWidget* widget = shell->Bridge().Widget(c.id);
        ASSERT_NE(widget, nullptr);
        QLineEdit* edit = dynamic_cast<QLineEdit*>(widget);
        if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
            edit = combo->lineEdit();
        }
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->end(false);
        if (c.selectAll) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        }
        QTest::keyClicks(edit, QString::fromUtf8(c.typed));
        ASSERT_EQ(events.size(), std::strlen(c.typed));
        for (const ControlEvent& e : events) {
            EXPECT_EQ(e.id, c.id);
            EXPECT_EQ(e.kind, EventKind::Change);
        }
        EXPECT_EQ(state.ui.Get(c.id).text, c.expected);
        EXPECT_EQ(ToUtf8(edit->text()), c.expected);
    }
}

TEST_F(QtWindowTest, TypingIntoTheFaceWidthMarksTheTitle) {
    auto* edit = WidgetOf<QLineEdit>(ctl::kPairFaceWidth);
    ASSERT_NE(edit, nullptr);
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_2);
    ExpectOneEvent(ctl::kPairFaceWidth, EventKind::Change);
    EXPECT_EQ(ToUtf8(shell->MainWindow()->windowTitle()), state.windows[kMainWindow].title);
    if (state.modified) {
        EXPECT_TRUE(shell->MainWindow()->windowTitle().contains(QStringLiteral(" *")));
    }
}

// Changes the program makes: Sync puts them into the widgets and sends nothing back.
struct ProgramChange {
    const char* name;
    int id;
    std::function<void(ControlModel&)> change;
};

TEST_F(QtWindowTest, ChangesByTheProgramReachTheWidgetsButNeverTheCore) {
    const ProgramChange changes[] = {
        {"text field", ctl::kPairFaceWidth, [](ControlModel& ui) { ui.SetText(16, "12"); }},
        {"editable drop-down", ctl::kSingleModule,
         [](ControlModel& ui) { ui.SetText(20, "1.25"); }},
        {"editable drop-down, text not in the list", ctl::kSingleModule,
         [](ControlModel& ui) { ui.SetText(20, "1.7"); }},
        {"check box", ctl::kLineOfAction, [](ControlModel& ui) { ui.SetState(42, 0); }},
        {"drop-down", ctl::kPairHand, [](ControlModel& ui) { ui.SetState(5, 1); }},
        {"slider", ctl::kSpeed, [](ControlModel& ui) { ui.SetState(41, 17); }},
        {"tab panel", ctl::kTabs, [](ControlModel& ui) { ui.SetState(0, 3); }},
        {"result list rows and selection", ctl::kPairList,
         [](ControlModel& ui) {
             ui.SetRows(13, {{"1", "20", "40", "2.000", "0.00", "0.000", "0.0"},
                             {"1.5", "13", "27", "2.077", "3.85", "0.500", "0.0"},
                             {"2", "10", "20", "2.000", "0.00", "0.000", "0.0"}});
             ui.SetState(13, 2);
         }},
        {"result list emptied", ctl::kPairList, [](ControlModel& ui) { ui.SetRows(13, {}); }},
        {"report box", ctl::kReport,
         [](ControlModel& ui) { ui.SetText(48, "Gear 1\r\n  z = 20\r\n"); }},
        {"label", ctl::kPairX2Label, [](ControlModel& ui) { ui.SetText(15, "x2 = 0.2500"); }},
        {"enabled flag", 115, [](ControlModel& ui) { ui.SetEnabled(115, true); }},
    };
    for (const ProgramChange& c : changes) {
        SCOPED_TRACE(c.name);
        events.clear();
        c.change(state.ui);
        const Control before = state.ui.Get(c.id);
        shell->Bridge().Sync();
        QApplication::processEvents();
        EXPECT_TRUE(events.empty()) << "the program's change came back as an event";
        ExpectWidgetShows(state.ui.Get(c.id), shell->Bridge().Widget(c.id));
        EXPECT_EQ(state.ui.Get(c.id).text, before.text);
        EXPECT_EQ(state.ui.Get(c.id).state, before.state);
    }
}

TEST_F(QtWindowTest, ClicksAndKeysOnChoicesAreOneEventEach) {
    // Check box: a click.
    auto* loa = WidgetOf<QCheckBox>(ctl::kLineOfAction);
    ASSERT_NE(loa, nullptr);
    QTest::mouseClick(loa, Qt::LeftButton, {}, QPoint(8, loa->height() / 2));
    ExpectOneEvent(ctl::kLineOfAction, EventKind::Change);
    EXPECT_EQ(state.ui.Get(ctl::kLineOfAction).state, 0);

    // Slider: a key.
    events.clear();
    auto* speed = WidgetOf<QSlider>(ctl::kSpeed);
    ASSERT_NE(speed, nullptr);
    QTest::keyClick(speed, Qt::Key_Right);
    ExpectOneEvent(ctl::kSpeed, EventKind::Change);
    EXPECT_EQ(state.ui.Get(ctl::kSpeed).state, 5);

    // Drop-down: a key on the closed list.
    events.clear();
    auto* hand = WidgetOf<QComboBox>(ctl::kPairHand);
    ASSERT_NE(hand, nullptr);
    QTest::keyClick(hand, Qt::Key_Down);
    ExpectOneEvent(ctl::kPairHand, EventKind::Change);
    EXPECT_EQ(state.ui.Get(ctl::kPairHand).state, 1);

    // Tab panel: a click on the Single tab.
    events.clear();
    QTabBar* bar = shell->MainWindow()->Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ExpectOneEvent(ctl::kTabs, EventKind::Change);
    EXPECT_EQ(state.ui.Get(ctl::kTabs).state, 1);
    EXPECT_EQ(shell->MainWindow()->Tabs()->currentIndex(), 1);
}

TEST_F(QtWindowTest, ResultListSelectsOnceAndReportsAClickOnTheSelectedRow) {
    state.ui.SetRows(ctl::kPairList, {{"1", "20", "40", "2.000", "0.00", "0.000", "0.0"},
                                      {"2", "10", "20", "2.000", "0.00", "0.000", "0.0"}});
    state.ui.SetState(ctl::kPairList, 0);
    shell->Bridge().Sync();
    auto* list = WidgetOf<QTreeWidget>(ctl::kPairList);
    ASSERT_NE(list, nullptr);
    const QPoint row1 = list->visualItemRect(list->topLevelItem(1)).center();

    events.clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    ExpectOneEvent(ctl::kPairList, EventKind::Change);
    EXPECT_EQ(state.ui.Get(ctl::kPairList).state, 1);

    events.clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    ExpectOneEvent(ctl::kPairList, EventKind::Click);
    EXPECT_EQ(SelectedRow(list), 1);
}

TEST_F(QtWindowTest, WheelSendsWholeNotchesOnly) {
    GearCanvas* canvas = shell->MainWindow()->Canvas();
    ASSERT_NE(canvas, nullptr);
    auto turn = [canvas](int eighths) {
        const QPointF at(100.4, 50.6);
        QWheelEvent wheel(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
    };
    turn(60);  // half a notch of a fine-grained wheel: nothing yet
    EXPECT_TRUE(events.empty());
    turn(60);
    ExpectOneEvent(ctl::kCanvas, EventKind::Wheel);
    EXPECT_EQ(events[0].delta, 1);
    EXPECT_EQ(events[0].x, 100);
    EXPECT_EQ(events[0].y, 51);
    events.clear();
    turn(-360);
    ExpectOneEvent(ctl::kCanvas, EventKind::Wheel);
    EXPECT_EQ(events[0].delta, -3);
}

TEST_F(QtWindowTest, HubWindowOpensFromItsButtonAndClosesThroughItsCloseBox) {
    auto* button = WidgetOf<QPushButton>(ctl::kHubButton);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ExpectOneEvent(ctl::kHubButton, EventKind::Click);
    EXPECT_TRUE(shell->HubWindow()->isVisible());

    events.clear();
    shell->HubWindow()->close();
    EXPECT_FALSE(shell->HubWindow()->isVisible());
    EXPECT_FALSE(state.windows[kHubWindow].visible);
    EXPECT_TRUE(events.empty());
}

TEST_F(QtWindowTest, NothingReachesTheCoreWhileAModalWindowIsOpen) {
    // Rotation on, then the About window: its nested loop delivers a tick and a keystroke.
    auto* rotate = WidgetOf<QCheckBox>(ctl::kRotate);
    ASSERT_NE(rotate, nullptr);
    QTest::mouseClick(rotate, Qt::LeftButton, {}, QPoint(8, rotate->height() / 2));
    ASSERT_TRUE(state.timerRunning);
    auto* faceWidth = WidgetOf<QLineEdit>(ctl::kPairFaceWidth);
    ASSERT_NE(faceWidth, nullptr);
    const std::string faceWidthBefore = state.ui.Get(ctl::kPairFaceWidth).text;
    double angleDuringAbout = -1.0;
    const double angleBefore = state.rotationAngle;
    platform.whileAboutIsOpen = [&] {
        shell->Bridge().TimerTick();
        faceWidth->end(false);
        QTest::keyClick(faceWidth, Qt::Key_7);
        angleDuringAbout = state.rotationAngle;
    };
    events.clear();
    shell->Bridge().MenuItem(kMenuAbout);
    ASSERT_EQ(platform.abouts.size(), 1u);
    EXPECT_EQ(angleDuringAbout, angleBefore) << "the animation ran behind the modal window";
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(state.ui.Get(ctl::kPairFaceWidth).text, faceWidthBefore);
    EXPECT_EQ(ToUtf8(faceWidth->text()), faceWidthBefore) << "the widget kept an unsent edit";
}

TEST_F(QtWindowTest, F1InEitherWindowOpensTheUserGuide) {
    // The guide is either handed to the viewer or reported missing: one of the two per key.
    auto answers = [this] { return platform.opened.size() + platform.messages.size(); };
    const std::size_t before = answers();
    QTest::keyClick(shell->MainWindow(), Qt::Key_F1);
    EXPECT_EQ(answers(), before + 1) << "main window";

    shell->Bridge().UserButton(ctl::kHubButton);
    ASSERT_TRUE(shell->HubWindow()->isVisible());
    QTest::keyClick(shell->HubWindow(), Qt::Key_F1);
    EXPECT_EQ(answers(), before + 2) << "hub window";
}

TEST_F(QtWindowTest, ClosingTheMainWindowAsksTheCore) {
    shell->MainWindow()->close();
    EXPECT_TRUE(state.quitRequested);
    EXPECT_FALSE(shell->MainWindow()->isVisible());
}

// The left column of both builds.
class QtLayoutTest : public QtWindowTest, public ::testing::WithParamInterface<Lang> {
  protected:
    void SetUp() override { StartWith(TextsFor(GetParam())); }
};

TEST_P(QtLayoutTest, LeftColumnFollowsTheLayoutRules) {
    QtMainWindow* window = shell->MainWindow();
    const LayoutMetrics& m = window->Metrics();
    // A 900 px desktop: 820 px high (the report-room rule is capped at the same height).
    EXPECT_EQ(window->height(), 820);
    EXPECT_EQ(window->minimumSize(), QSize(m.leftColumnW + 400, 420));

    QWidget* report = shell->Bridge().Widget(ctl::kReport);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->y(), window->EditorTop());
    EXPECT_EQ(report->width(), m.panelW);
    GearCanvas* canvas = window->Canvas();
    EXPECT_EQ(canvas->x(), m.leftColumnW + 4);
    EXPECT_EQ(canvas->geometry().right() + 1, window->width() - 8);
    EXPECT_EQ(state.canvasWidth, canvas->width());
    EXPECT_EQ(state.canvasHeight, canvas->height());

    // Fields of every tab share the field column; no label, button or check box text is cut
    // off, in the tabs or around them.
    for (const auto& [id, control] : state.ui.controls) {
        if (control.window != kMainWindow) {
            continue;
        }
        SCOPED_TRACE("control " + std::to_string(id));
        QWidget* widget = shell->Bridge().Widget(id);
        ASSERT_NE(widget, nullptr);
        if (control.page >= 0 && (control.slot == Slot::Field || control.slot == Slot::LeftHalf)) {
            EXPECT_EQ(widget->x(), m.labelW);
        }
        if (QLabel* label = window->RowLabel(id)) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << ToUtf8(label->text());
        }
        if (control.kind == ControlKind::Check || control.kind == ControlKind::Button) {
            auto* button = static_cast<QAbstractButton*>(widget);
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()),
                      ButtonTextRoom(button))
                << control.text;
        }
    }
}

TEST_P(QtLayoutTest, ShortWindowKeepsTheReportBoxAndScrollsTheColumn) {
    QtMainWindow* window = shell->MainWindow();
    window->resize(window->minimumSize());
    QApplication::processEvents();
    QWidget* report = shell->Bridge().Widget(ctl::kReport);
    EXPECT_EQ(window->width(), window->Metrics().leftColumnW + 400);
    EXPECT_EQ(report->height(), 120);
    EXPECT_EQ(window->Column()->height(), window->EditorTop() + 128);
    EXPECT_EQ(window->Canvas()->width(), 400 - 12);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, QtLayoutTest, ::testing::Values(Lang::En, Lang::Nl),
                         [](const ::testing::TestParamInfo<Lang>& info) {
                             return info.param == Lang::En ? "English" : "Dutch";
                         });

TEST(QtAboutWindowTest, ShowsThePictureAndClosesOnEscapeAndReturn) {
    AboutContent content;
    content.title = "About";
    content.name = "Dentaro 1.00";
    content.closeText = "Close";
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        AboutWindow about(content, nullptr);
        EXPECT_EQ(about.size(), QSize(600, 300));
        ASSERT_NE(about.Picture(), nullptr);
        EXPECT_EQ(about.Picture()->pixmap().size(), QSize(256, 256)) << "picture not in resources";
        EXPECT_EQ(about.Picture()->geometry(), QRect(16, 16, 256, 256));
        about.show();
        QTest::keyClick(&about, static_cast<Qt::Key>(key));
        EXPECT_FALSE(about.isVisible()) << "key " << key;
    }
}

// Painting a scene: the hole of a body stays empty, dashes are as long as the scene says.
TEST(QtCanvasPaintTest, EvenOddHolesAndDashLengthsInPixels) {
    Scene scene;
    SceneItem body;
    body.path.filled = true;
    body.path.fillColour = {235, 185, 110, 255};
    body.path.subPaths = {{{{10, 10}, {90, 10}, {90, 90}, {10, 90}}, true},
                          {{{30, 30}, {70, 30}, {70, 70}, {30, 70}}, true}};  // same turning sense
    scene.items.push_back(body);
    SceneItem dashed;
    dashed.path.stroked = true;
    dashed.path.strokeColour = {0, 60, 200, 255};
    dashed.path.strokeWidth = 2.0;
    dashed.path.dashPattern = {8.0, 8.0};
    dashed.path.subPaths = {{{{0, 100}, {100, 100}}, false}};
    scene.items.push_back(dashed);

    QImage image(110, 110, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintScene(painter, scene);
    painter.end();

    EXPECT_EQ(image.pixelColor(20, 20), QColor(235, 185, 110));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::white)) << "the hole was filled";
    EXPECT_EQ(image.pixelColor(4, 100).blue(), 200) << "first dash missing";
    EXPECT_EQ(image.pixelColor(12, 100), QColor(Qt::white)) << "dash longer than 8 px";
    EXPECT_EQ(image.pixelColor(20, 100).blue(), 200) << "second dash missing";
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
