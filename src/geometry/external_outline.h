// Generation of the outline of an external gear as a hob with the basic rack cuts it.
#pragma once

#include "geometry/gear_data.h"

// Fills the derived fields and the outline of an external gear whose inputs are set;
// d is the density factor (points per segment scale). Sets valid = 0 on failure.
void GenerateExternalGear(GearData& gear, int d);

// Which of the optional segments every tooth of a generated outline has. Per tooth the
// segments run: [root arc], [left fillet], left flank, [tip arc], right flank, [right fillet].
struct ExternalToothLayout {
    bool rootArc = false;  // a piece of root circle between the fillets of a space
    bool fillets = false;  // a root fillet on each side of the tooth
    bool tipArc = false;   // a tip land
};

// The layout of the teeth of an outline made by GenerateExternalGear (all false when the
// record has no outline).
ExternalToothLayout ExternalOutlineLayout(const GearData& gear);
