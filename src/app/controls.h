// The toolkit-free model of every control of every window: the truth that the Qt layer
// mirrors and that the command-line driver and the tests read and drive.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

enum class ControlKind {
    Tabs,
    Text,
    Label,
    Check,
    Dropdown,
    Editable,
    Button,
    List,
    Slider,
    Report,
    Canvas,
    Section
};

// Where a control sits in its row of the left column.
enum class Slot { Full, Field, LeftHalf, RightHalf };

struct Control {
    int id = 0;
    int window = 0;  // 0 main, 1 strength, 2 hub
    ControlKind kind = ControlKind::Text;
    int page = -1;  // tab page 0-3 of the main window, -1 outside the tab panel
    int row = 0;    // row within its page or group, in layout order
    Slot slot = Slot::Field;
    std::string
        rowLabel;      // the label in front of the row ("" none); set on the first control of a row
    std::string text;  // text field, editable drop-down, label, button, check box, section title
    int64_t state = 0;    // check box 0/1, drop-down item, slider position, tab, list row (-1 none)
    int64_t minimum = 0;  // slider range
    int64_t maximum = 0;
    std::vector<std::string> items;              // drop-down items, tab names, list column titles
    std::vector<std::vector<std::string>> rows;  // result list rows
    std::vector<int> columnWidths;               // result list columns, points at 15 px font height
    bool enabled = true;
    std::string tooltip;
    uint32_t labelColour = 0;  // background colour 0xRRGGBB of a label, 0 = default
    int heightLines = 1;       // labels and notes spanning several text lines
};

// Every control, by id; records which controls the program changed so the toolkit can follow.
struct ControlModel {
    std::map<int, Control> controls;
    std::set<int> dirty;  // ids changed by the program since the toolkit last synchronised

    Control& Add(Control control);
    bool Has(int id) const { return controls.count(id) != 0; }
    Control& Get(int id);
    const Control& Get(int id) const;

    // Changes made by the program: they mark the control dirty, never send an event.
    void SetText(int id, const std::string& text);
    void SetState(int id, int64_t state);
    void SetEnabled(int id, bool enabled);
    void SetRows(int id, std::vector<std::vector<std::string>> rows);
    void SetItems(int id, std::vector<std::string> items);
};

// Ids of windows.
inline constexpr int kMainWindow = 0;
inline constexpr int kStrengthWindow = 1;
inline constexpr int kHubWindow = 2;

// Menu items and shortcuts.
inline constexpr int kMenuOpen = 100;
inline constexpr int kMenuSave = 101;
inline constexpr int kMenuUserGuide = 102;
inline constexpr int kMenuAbout = 103;

// Control ids used by name in the shell.
namespace ctl {
inline constexpr int kTabs = 0;
inline constexpr int kPairCentreDistance = 1;
inline constexpr int kPairRatio = 2;
inline constexpr int kPairPressureAngle = 3;
inline constexpr int kPairBeta = 4;
inline constexpr int kPairHand = 5;
inline constexpr int kPairBetaSearch = 6;
inline constexpr int kPairTolerance = 7;
inline constexpr int kPairShiftMin = 8;
inline constexpr int kPairShiftMax = 9;
inline constexpr int kPairZMin = 10;
inline constexpr int kPairSeries2 = 11;
inline constexpr int kPairCalculate = 12;
inline constexpr int kPairList = 13;
inline constexpr int kPairX1 = 14;
inline constexpr int kPairX2Label = 15;
inline constexpr int kPairFaceWidth = 16;
inline constexpr int kPairBacklash = 17;
inline constexpr int kPairBore1 = 18;
inline constexpr int kPairBore2 = 19;
inline constexpr int kSingleModule = 20;
inline constexpr int kSingleTeeth = 21;
inline constexpr int kSingleShift = 22;
inline constexpr int kSinglePressureAngle = 23;
inline constexpr int kSingleBeta = 24;
inline constexpr int kSingleHand = 25;
inline constexpr int kSingleFaceWidth = 26;
inline constexpr int kSingleAllowance = 27;
inline constexpr int kSingleBore = 28;
inline constexpr int kRotate = 40;
inline constexpr int kSpeed = 41;
inline constexpr int kLineOfAction = 42;
inline constexpr int kExportChoice = 43;
inline constexpr int kExportDxf = 44;
inline constexpr int kExportStep = 45;
inline constexpr int kExportStl = 46;
inline constexpr int kStlTolerance = 47;
inline constexpr int kReport = 48;
inline constexpr int kOpen = 49;
inline constexpr int kSave = 50;
inline constexpr int kSaveAs = 51;
inline constexpr int kHelp = 52;
inline constexpr int kInternalCentreDistance = 53;
inline constexpr int kInternalList = 66;
inline constexpr int kInternalX1 = 67;
inline constexpr int kInternalX2Label = 68;
inline constexpr int kStrength = 74;
inline constexpr int kCanvas = 102;
inline constexpr int kHubButton = 109;
inline constexpr int kHubClose = 112;
inline constexpr int kHubNote = 127;          // the note below the two groups of the hub window
inline constexpr int kSingleNoteLabel = 128;  // the basic-rack note of the Single tab
}  // namespace ctl

// Kind names as the command-line driver prints them.
const char* ControlKindName(ControlKind kind);
