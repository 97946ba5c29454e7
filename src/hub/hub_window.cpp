// The hub and keyway window: one group of keyway and hub inputs per gear of a pair,
// a note and the close button; built hidden at start-up.
#include "hub/hub_window.h"

#include <cassert>
#include <string>
#include <utility>
#include <vector>

#include "texts/text_table.h"

static_assert(hubctl::kClose == ctl::kHubClose, "the shell routes the close button by this id");

namespace {

Control MakeControl(int id, ControlKind kind, int row, Slot slot) {
    Control c;
    c.id = id;
    c.window = kHubWindow;
    c.kind = kind;
    c.page = -1;
    c.row = row;
    c.slot = slot;
    return c;
}

// One gear's group: section title, keyway choice, b / t2, hub choice, D / L. Returns the
// next free row.
int AddGearGroup(ControlModel& ui, const TextTable& texts, int index, int row) {
    const int offset = hubctl::kGearStep * index;

    Control section = MakeControl(index == 0 ? hubctl::kGear1Section : hubctl::kGear2Section,
                                  ControlKind::Section, row++, Slot::Full);
    section.text = texts(index == 0 ? TextId::kHubGear1Section : TextId::kHubGear2Section);
    ui.Add(std::move(section));

    Control keyway =
        MakeControl(hubctl::kKeywayChoice + offset, ControlKind::Dropdown, row++, Slot::Field);
    keyway.rowLabel = texts(TextId::kHubLblKeyway);
    keyway.items = {texts(TextId::kHubItemNone), texts(TextId::kHubItemDin),
                    texts(TextId::kHubItemCustom)};
    keyway.state = 0;
    ui.Add(std::move(keyway));

    // Width and depth are typed only for a custom keyway; with "none" they stay disabled.
    Control width = MakeControl(hubctl::kKeyWidth + offset, ControlKind::Text, row, Slot::LeftHalf);
    width.rowLabel = texts(TextId::kHubLblWidthDepth);
    width.enabled = false;
    ui.Add(std::move(width));
    Control depth =
        MakeControl(hubctl::kKeyDepth + offset, ControlKind::Text, row++, Slot::RightHalf);
    depth.tooltip = texts(TextId::kHubTipDepth);
    depth.enabled = false;
    ui.Add(std::move(depth));

    Control hub =
        MakeControl(hubctl::kHubChoice + offset, ControlKind::Dropdown, row++, Slot::Field);
    hub.rowLabel = texts(TextId::kHubLblHub);
    hub.items = {texts(TextId::kHubItemNone), texts(TextId::kHubItemLeft),
                 texts(TextId::kHubItemRight), texts(TextId::kHubItemBoth)};
    hub.state = 0;
    ui.Add(std::move(hub));

    Control diameter =
        MakeControl(hubctl::kHubDiameter + offset, ControlKind::Text, row, Slot::LeftHalf);
    diameter.rowLabel = texts(TextId::kHubLblDiameterLength);
    diameter.tooltip = texts(TextId::kHubTipDiameter);
    ui.Add(std::move(diameter));
    Control length =
        MakeControl(hubctl::kHubLength + offset, ControlKind::Text, row++, Slot::RightHalf);
    length.text = "10";
    length.tooltip = texts(TextId::kHubTipLength);
    ui.Add(std::move(length));
    return row;
}

}  // namespace

void BuildHubWindow(AppState& state) {
    assert(state.texts != nullptr && "the hub window needs the texts of the build");
    const TextTable& texts = *state.texts;
    ControlModel& ui = state.ui;

    int row = 0;
    row = AddGearGroup(ui, texts, 0, row);
    row = AddGearGroup(ui, texts, 1, row);

    Control note = MakeControl(hubctl::kNote, ControlKind::Label, row++, Slot::Full);
    note.text = texts(TextId::kHubNote);
    note.heightLines = 3;
    ui.Add(std::move(note));

    Control close = MakeControl(hubctl::kClose, ControlKind::Button, row++, Slot::RightHalf);
    close.text = texts(TextId::kHubBtnClose);
    ui.Add(std::move(close));

    state.windows[kHubWindow].title = texts(TextId::kHubWindowTitle);
    state.windows[kHubWindow].visible = false;
}

// Showing the window changes no gear: its inputs take effect through the tab updates.
void OpenHubDialog(AppState& state) {
    state.hubDialogShown = true;
    state.windows[kHubWindow].visible = true;
}

void CloseHubDialog(AppState& state) {
    state.hubDialogShown = false;
    state.windows[kHubWindow].visible = false;
}
