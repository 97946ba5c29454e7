// The hub window: its controls as the toolkit lays them out, and showing and hiding it.
#include "hub/hub_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "texts/text_table.h"

namespace {

AppState BuiltState(const TextTable& texts) {
    AppState state;
    state.texts = &texts;
    BuildHubWindow(state);
    return state;
}

TEST(HubWindow, BothGearGroupsHaveTheirControlsInLayoutOrder) {
    AppState state = BuiltState(EnglishTexts());
    EXPECT_EQ(state.windows[kHubWindow].title, "Hub and keyway");
    EXPECT_FALSE(state.windows[kHubWindow].visible);
    EXPECT_FALSE(state.hubDialogShown);

    struct Expected {
        int id;
        ControlKind kind;
        Slot slot;
        const char* rowLabel;
        const char* text;
    };
    // Top to bottom; the two controls of a half-width row share a row number.
    const Expected layout[] = {
        {110, ControlKind::Section, Slot::Full, "", "Gear 1 / pinion"},
        {114, ControlKind::Dropdown, Slot::Field, "Keyway", ""},
        {115, ControlKind::Text, Slot::LeftHalf, "Width b / depth t2 [mm]", ""},
        {116, ControlKind::Text, Slot::RightHalf, "", ""},
        {117, ControlKind::Dropdown, Slot::Field, "Hub", ""},
        {118, ControlKind::Text, Slot::LeftHalf, "Hub Ø D / length L [mm]", ""},
        {119, ControlKind::Text, Slot::RightHalf, "", "10"},
        {111, ControlKind::Section, Slot::Full, "", "Gear 2 (gear pair only)"},
        {121, ControlKind::Dropdown, Slot::Field, "Keyway", ""},
        {122, ControlKind::Text, Slot::LeftHalf, "Width b / depth t2 [mm]", ""},
        {123, ControlKind::Text, Slot::RightHalf, "", ""},
        {124, ControlKind::Dropdown, Slot::Field, "Hub", ""},
        {125, ControlKind::Text, Slot::LeftHalf, "Hub Ø D / length L [mm]", ""},
        {126, ControlKind::Text, Slot::RightHalf, "", "10"},
        {127, ControlKind::Label, Slot::Full, "",
         "The keyway lies under a tooth and runs the full length. Ring gears and racks get no "
         "hub or keyway."},
        {112, ControlKind::Button, Slot::RightHalf, "", "Close"},
    };
    EXPECT_EQ(state.ui.controls.size(), std::size(layout));
    int previousRow = -1;
    Slot previousSlot = Slot::Full;
    for (const Expected& e : layout) {
        SCOPED_TRACE(e.id);
        ASSERT_TRUE(state.ui.Has(e.id));
        const Control& c = state.ui.Get(e.id);
        EXPECT_EQ(c.window, kHubWindow);
        EXPECT_EQ(c.page, -1);
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_EQ(c.slot, e.slot);
        EXPECT_EQ(c.rowLabel, e.rowLabel);
        EXPECT_EQ(c.text, e.text);
        // A right half continues the row of its left half; every other control opens a row.
        if (e.slot == Slot::RightHalf && previousSlot == Slot::LeftHalf) {
            EXPECT_EQ(c.row, previousRow);
        } else {
            EXPECT_GT(c.row, previousRow);
        }
        previousRow = c.row;
        previousSlot = e.slot;
    }

    EXPECT_EQ(state.ui.Get(127).heightLines, 3);
    for (int index = 0; index < 2; ++index) {
        const int offset = 7 * index;
        SCOPED_TRACE(index);
        EXPECT_EQ(state.ui.Get(114 + offset).items,
                  (std::vector<std::string>{"none", "DIN 6885-1", "custom size"}));
        EXPECT_EQ(state.ui.Get(117 + offset).items,
                  (std::vector<std::string>{"none", "left", "right", "both sides"}));
        EXPECT_EQ(state.ui.Get(114 + offset).state, 0);
        EXPECT_EQ(state.ui.Get(117 + offset).state, 0);
        // With "none" chosen there is nothing to type for the keyway.
        EXPECT_FALSE(state.ui.Get(115 + offset).enabled);
        EXPECT_FALSE(state.ui.Get(116 + offset).enabled);
        EXPECT_TRUE(state.ui.Get(118 + offset).enabled);
        EXPECT_EQ(state.ui.Get(116 + offset).tooltip,
                  "Depth of the keyway in the hub, measured from the bore");
        EXPECT_EQ(state.ui.Get(118 + offset).tooltip, "Empty or 0: automatic");
        EXPECT_EQ(state.ui.Get(119 + offset).tooltip, "Length outside the gear, per side");
    }
}

TEST(HubWindow, DutchBuildHasDutchTexts) {
    AppState state = BuiltState(DutchTexts());
    EXPECT_EQ(state.windows[kHubWindow].title, "Naaf en spiebaan");
    EXPECT_EQ(state.ui.Get(110).text, "Wiel 1 / rondsel");
    EXPECT_EQ(state.ui.Get(111).text, "Wiel 2 (alleen bij het tandwielpaar)");
    EXPECT_EQ(state.ui.Get(121).rowLabel, "Spiebaan");
    EXPECT_EQ(state.ui.Get(121).items,
              (std::vector<std::string>{"geen", "DIN 6885-1", "eigen maten"}));
    EXPECT_EQ(state.ui.Get(117).items,
              (std::vector<std::string>{"geen", "links", "rechts", "beide kanten"}));
    EXPECT_EQ(state.ui.Get(115).rowLabel, "Breedte b / diepte t2 [mm]");
    EXPECT_EQ(state.ui.Get(118).rowLabel, "Naaf Ø D / lengte L [mm]");
    EXPECT_EQ(state.ui.Get(118).tooltip, "Leeg of 0: automatisch");
    EXPECT_EQ(state.ui.Get(112).text, "Sluiten");
    EXPECT_EQ(state.ui.Get(127).text,
              "De spiebaan ligt onder een tand en loopt over de hele lengte. Ringwiel en heugel "
              "krijgen geen naaf of spiebaan.");
}

TEST(HubWindow, OpeningAndClosingOnlyShowAndHide) {
    AppState state = BuiltState(EnglishTexts());
    state.gear1.keyWidth = 6.0;
    state.ui.dirty.clear();

    OpenHubDialog(state);
    EXPECT_TRUE(state.hubDialogShown);
    EXPECT_TRUE(state.windows[kHubWindow].visible);
    EXPECT_EQ(state.gear1.keyWidth, 6.0);
    EXPECT_TRUE(state.ui.dirty.empty());

    CloseHubDialog(state);
    EXPECT_FALSE(state.hubDialogShown);
    EXPECT_FALSE(state.windows[kHubWindow].visible);
}

}  // namespace
