// The controls of the main window in the order of their rows: the file buttons, the four
// tabs, the view and export controls, the report box and the canvas.
#include "app/main_window.h"

#include <utility>

#include "app/format.h"
#include "search/module_series.h"
#include "texts/text_table.h"

namespace {

using T = TextId;

struct Builder {
    AppState& state;
    const TextTable& texts;
    int page = -1;
    int row = 0;

    Control& Add(int id, ControlKind kind, Slot slot, const std::string& text = "") {
        Control c;
        c.id = id;
        c.window = kMainWindow;
        c.kind = kind;
        c.page = page;
        c.row = row;
        c.slot = slot;
        c.text = text;
        return state.ui.Add(std::move(c));
    }
    // A labelled row with one field.
    Control& Field(int id, T label, const std::string& text) {
        Control& c = Add(id, ControlKind::Text, Slot::Field, text);
        c.rowLabel = texts(label);
        ++row;
        return c;
    }
    // A labelled row with two half fields; returns the left one.
    Control& Halves(int left, ControlKind leftKind, const std::string& leftText, int right,
                    ControlKind rightKind, const std::string& rightText, T label) {
        Add(right, rightKind, Slot::RightHalf, rightText);
        Control& l = Add(left, leftKind, Slot::LeftHalf, leftText);
        l.rowLabel = texts(label);
        ++row;
        return l;
    }
    Control& FullRow(int id, ControlKind kind, T text) {
        Control& c = Add(id, kind, Slot::Full, texts(text));
        ++row;
        return c;
    }
    std::vector<std::string> Hands() const {
        return {texts(T::kHandItemRight), texts(T::kHandItemLeft)};
    }
    Control& Hand(int id) {
        Control& c = state.ui.Get(id);
        c.kind = ControlKind::Dropdown;
        c.items = Hands();
        return c;
    }
    std::vector<std::string> ModuleItems() const {
        std::vector<std::string> items;
        for (double m : kModuleSeries1) {
            items.push_back(FormatModule(m));
        }
        return items;
    }
    Control& ResultList(int id, T shiftColumn) {
        Control& c = Add(id, ControlKind::List, Slot::Full);
        c.items = {texts(T::kColModule),
                   texts(T::kColZ1),
                   texts(T::kColZ2),
                   texts(T::kColRatio),
                   texts(T::kColRatioDeviation),
                   texts(shiftColumn),
                   texts(T::kColBeta)};
        c.columnWidths = {42, 34, 34, 46, 44, 48, 48};
        c.state = -1;
        c.heightLines = 6;
        ++row;
        return c;
    }
};

void BuildPairTab(Builder& b) {
    b.page = static_cast<int>(GearTab::Pair);
    b.row = 0;
    b.Field(1, T::kLblCentreDistance, "60");
    b.Field(2, T::kLblRatio, "2");
    b.Field(3, T::kLblPressureAngle, "20");
    b.Halves(4, ControlKind::Text, "0", 5, ControlKind::Dropdown, "", T::kLblHelixHand).tooltip =
        b.texts(T::kTipHelixSearch);
    b.Hand(5);
    b.FullRow(6, ControlKind::Check, T::kChkBetaSearchPair).tooltip =
        b.texts(T::kTipBetaSearchPair);
    b.Field(7, T::kLblTolerance, "2");
    b.Halves(8, ControlKind::Text, "-0.5", 9, ControlKind::Text, "1.0", T::kLblShiftSumRange);
    b.Field(10, T::kLblZMin, "12");
    b.FullRow(11, ControlKind::Check, T::kChkSeries2);
    b.FullRow(12, ControlKind::Button, T::kBtnCalculateModules);
    b.ResultList(13, T::kColShiftSum);
    b.Halves(14, ControlKind::Text, "0", 15, ControlKind::Label, b.texts(T::kLblX2Initial),
             T::kLblProfileShiftX1);
    b.Field(16, T::kLblFaceWidth, "10");
    b.Field(17, T::kLblBacklash, "0");
    b.Halves(18, ControlKind::Text, "8", 19, ControlKind::Text, "12", T::kLblBores);
}

void BuildSingleTab(Builder& b) {
    b.page = static_cast<int>(GearTab::Single);
    b.row = 0;
    Control& module = b.Field(20, T::kLblModule, "2");
    module.kind = ControlKind::Editable;
    module.items = b.ModuleItems();
    b.Field(21, T::kLblTeeth, "20");
    b.Field(22, T::kLblProfileShift, "0");
    b.Field(23, T::kLblPressureAngle, "20");
    b.Halves(24, ControlKind::Text, "0", 25, ControlKind::Dropdown, "", T::kLblHelixHand);
    b.Hand(25);
    b.Field(26, T::kLblFaceWidth, "10");
    b.Field(27, T::kLblAllowance, "0");
    b.Field(28, T::kLblBore, "8");
    b.FullRow(ctl::kSingleNoteLabel, ControlKind::Label, T::kLblSingleNote).heightLines = 4;
}

void BuildRackTab(Builder& b) {
    b.page = static_cast<int>(GearTab::Rack);
    b.row = 0;
    Control& module = b.Field(29, T::kLblModule, "2");
    module.kind = ControlKind::Editable;
    module.items = b.ModuleItems();
    b.Field(30, T::kLblPinionTeeth, "20");
    b.Field(31, T::kLblProfileShift, "0");
    b.Field(32, T::kLblPressureAngle, "20");
    b.Halves(33, ControlKind::Text, "0", 34, ControlKind::Dropdown, "", T::kLblHelixHand);
    b.Hand(34).tooltip = b.texts(T::kTipRackHand);
    b.Field(35, T::kLblFaceWidth, "20");
    b.Field(36, T::kLblPinionBore, "8");
    b.Field(37, T::kLblBacklash, "0");
    b.Field(38, T::kLblRackTeeth, "20");
    b.Field(39, T::kLblRackHeight, "15").tooltip = b.texts(T::kTipRackHeight);
}

void BuildInternalTab(Builder& b) {
    b.page = static_cast<int>(GearTab::Internal);
    b.row = 0;
    b.Field(53, T::kLblCentreDistance, "40");
    b.Field(54, T::kLblRatio, "3");
    b.Field(55, T::kLblPressureAngle, "20");
    b.Halves(56, ControlKind::Text, "0", 57, ControlKind::Dropdown, "", T::kLblHelixHand).tooltip =
        b.texts(T::kTipHelixSearch);
    b.Hand(57).tooltip = b.texts(T::kTipInternalHand);
    b.FullRow(58, ControlKind::Check, T::kChkBetaSearchInternal);
    b.Field(59, T::kLblTolerance, "2");
    b.Halves(60, ControlKind::Text, "-0.5", 61, ControlKind::Text, "1.0", T::kLblShiftDiffRange);
    b.Halves(62, ControlKind::Text, "12", 63, ControlKind::Text, "8", T::kLblZ1MinDiff).tooltip =
        b.texts(T::kTipZ1Min);
    b.state.ui.Get(63).tooltip = b.texts(T::kTipToothDiff);
    b.FullRow(64, ControlKind::Check, T::kChkSeries2);
    b.FullRow(65, ControlKind::Button, T::kBtnCalculateModules);
    b.ResultList(66, T::kColShiftDiff);
    b.Halves(67, ControlKind::Text, "0", 68, ControlKind::Label, b.texts(T::kLblX2Initial),
             T::kLblProfileShiftX1);
    b.Field(69, T::kLblFaceWidth, "10");
    b.Field(70, T::kLblBacklash, "0");
    b.Halves(71, ControlKind::Text, "6", 72, ControlKind::Text, "6", T::kLblPinionBoreRim).tooltip =
        b.texts(T::kTipPinionBore);
    b.state.ui.Get(72).tooltip = b.texts(T::kTipRingRim);
    Control& shorten = b.FullRow(73, ControlKind::Check, T::kChkShortenRingTip);
    shorten.state = 1;
    shorten.tooltip = b.texts(T::kTipShortenRingTip);
}

void BuildCommonControls(Builder& b) {
    // Top row: the file and help buttons.
    b.page = -1;
    b.row = 0;
    b.Add(49, ControlKind::Button, Slot::Full, b.texts(T::kBtnOpen)).tooltip = b.texts(T::kTipOpen);
    b.Add(50, ControlKind::Button, Slot::Full, b.texts(T::kBtnSave)).tooltip = b.texts(T::kTipSave);
    b.Add(51, ControlKind::Button, Slot::Full, b.texts(T::kBtnSaveAs));
    b.Add(52, ControlKind::Button, Slot::Full, b.texts(T::kBtnHelp)).tooltip = b.texts(T::kTipHelp);

    b.row = 1;
    Control& tabs = b.Add(ctl::kTabs, ControlKind::Tabs, Slot::Full);
    tabs.items = {b.texts(T::kTabPair), b.texts(T::kTabSingle), b.texts(T::kTabRack),
                  b.texts(T::kTabInternal)};
    tabs.state = static_cast<int>(GearTab::Pair);

    // Below the tab panel.
    b.row = 2;
    b.Add(40, ControlKind::Check, Slot::Full, b.texts(T::kChkRotate));
    Control& speed = b.Add(41, ControlKind::Slider, Slot::Full);
    speed.minimum = 1;
    speed.maximum = 20;
    speed.state = 4;
    speed.tooltip = b.texts(T::kTipSpeed);
    b.row = 3;
    Control& loa = b.Add(42, ControlKind::Check, Slot::Full, b.texts(T::kChkLineOfAction));
    loa.state = 1;
    loa.tooltip = b.texts(T::kTipLineOfAction);
    b.Add(74, ControlKind::Button, Slot::Full, b.texts(T::kBtnStrength)).tooltip =
        b.texts(T::kTipStrength);
    b.Add(109, ControlKind::Button, Slot::Full, b.texts(T::kBtnHub)).tooltip = b.texts(T::kTipHub);
    b.row = 4;
    b.Add(43, ControlKind::Dropdown, Slot::Full).items = {
        b.texts(T::kExportBoth), b.texts(T::kExportGear1), b.texts(T::kExportGear2)};
    b.row = 5;
    b.Add(44, ControlKind::Button, Slot::Full, b.texts(T::kBtnExportDxf));
    b.Add(45, ControlKind::Button, Slot::Full, b.texts(T::kBtnExportStep));
    b.Add(46, ControlKind::Button, Slot::Full, b.texts(T::kBtnExportStl));
    b.row = 6;
    Control& tolerance = b.Add(47, ControlKind::Text, Slot::LeftHalf, "0,01");
    tolerance.rowLabel = b.texts(T::kLblStlTolerance);
    tolerance.tooltip = b.texts(T::kTipStlTolerance);
    b.row = 7;
    b.Add(ctl::kReport, ControlKind::Report, Slot::Full);
    b.row = 0;
    b.Add(ctl::kCanvas, ControlKind::Canvas, Slot::Full);
}

}  // namespace

void BuildMainWindow(AppState& state) {
    Builder b{state, *state.texts};
    BuildCommonControls(b);
    BuildPairTab(b);
    BuildSingleTab(b);
    BuildRackTab(b);
    BuildInternalTab(b);
    state.windows[kMainWindow].title = (*state.texts)(T::kWindowTitle);
    state.windows[kMainWindow].visible = true;
}
