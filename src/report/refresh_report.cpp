// The report box: the calculation report of whatever the view shows.
#include <cassert>
#include <string>

#include "report/report.h"
#include "texts/text_table.h"

void RefreshReport(AppState& state) {
    assert(state.texts != nullptr && "the report needs the texts of the build");
    const TextTable& texts = *state.texts;
    std::string text;
    switch (state.viewMode) {
        case ViewMode::Pair:
            text = PairReport(state);
            break;
        case ViewMode::Single:
            text = GearDataBlock(state.gear1, texts(TextId::kRepGearTitle), texts);
            break;
        case ViewMode::Rack:
        case ViewMode::Internal:
            // The reports of the rack pair and the internal pair come with the rack and the
            // ring gear; until then the box stays empty for them.
            break;
        case ViewMode::None:
            break;
    }
    state.ui.SetText(ctl::kReport, text);
    // The strength report, which reads the same records, is rebuilt here once it exists.
}
