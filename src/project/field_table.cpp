// The project field table: every stored control with its group and key, in file order.
#include "project/field_table.h"

namespace {

struct Entry {
    const char* group;
    const char* key;
    int control;
    FieldKind kind;
};

constexpr FieldKind T = FieldKind::Text;
constexpr FieldKind S = FieldKind::State;

constexpr Entry kEntries[] = {
    {"Paar", "hartafstand", 1, T},
    {"Paar", "verhouding", 2, T},
    {"Paar", "drukhoek", 3, T},
    {"Paar", "beta", 4, T},
    {"Paar", "spoed", 5, S},
    {"Paar", "beta_zoeken", 6, S},
    {"Paar", "tolerantie", 7, T},
    {"Paar", "sx_min", 8, T},
    {"Paar", "sx_max", 9, T},
    {"Paar", "z_min", 10, T},
    {"Paar", "reeks2", 11, S},
    {"Paar", "breedte", 16, T},
    {"Paar", "flankspeling", 17, T},
    {"Paar", "boring1", 18, T},
    {"Paar", "boring2", 19, T},
    {"Enkel", "modul", 20, T},
    {"Enkel", "tanden", 21, T},
    {"Enkel", "x", 22, T},
    {"Enkel", "drukhoek", 23, T},
    {"Enkel", "beta", 24, T},
    {"Enkel", "spoed", 25, S},
    {"Enkel", "breedte", 26, T},
    {"Enkel", "afmaat", 27, T},
    {"Enkel", "boring", 28, T},
    {"Heugel", "modul", 29, T},
    {"Heugel", "tanden_rondsel", 30, T},
    {"Heugel", "x", 31, T},
    {"Heugel", "drukhoek", 32, T},
    {"Heugel", "beta", 33, T},
    {"Heugel", "spoed", 34, S},
    {"Heugel", "breedte", 35, T},
    {"Heugel", "boring", 36, T},
    {"Heugel", "flankspeling", 37, T},
    {"Heugel", "tanden_heugel", 38, T},
    {"Heugel", "hoogte", 39, T},
    {"Binnen", "hartafstand", 53, T},
    {"Binnen", "verhouding", 54, T},
    {"Binnen", "drukhoek", 55, T},
    {"Binnen", "beta", 56, T},
    {"Binnen", "spoed", 57, S},
    {"Binnen", "beta_zoeken", 58, S},
    {"Binnen", "tolerantie", 59, T},
    {"Binnen", "dx_min", 60, T},
    {"Binnen", "dx_max", 61, T},
    {"Binnen", "z_min", 62, T},
    {"Binnen", "tandverschil_min", 63, T},
    {"Binnen", "reeks2", 64, S},
    {"Binnen", "breedte", 69, T},
    {"Binnen", "flankspeling", 70, T},
    {"Binnen", "boring_rondsel", 71, T},
    {"Binnen", "randdikte", 72, T},
    {"Binnen", "kop_inkorten", 73, S},
    {"Sterkte", "belasting", 75, S},
    {"Sterkte", "waarde", 76, T},
    {"Sterkte", "toerental", 78, T},
    {"Sterkte", "KA", 79, T},
    {"Sterkte", "levensduur", 80, T},
    {"Sterkte", "klasse", 81, S},
    {"Sterkte", "afwerking", 82, S},
    {"Sterkte", "smering", 83, S},
    {"Sterkte", "SH_min", 84, T},
    {"Sterkte", "SF_min", 85, T},
    {"Sterkte", "materiaal1", 87, S},
    {"Sterkte", "sigHlim1", 88, T},
    {"Sterkte", "sigFlim1", 89, T},
    {"Sterkte", "E1", 90, T},
    {"Sterkte", "nu1", 91, T},
    {"Sterkte", "materiaal2", 93, S},
    {"Sterkte", "sigHlim2", 94, T},
    {"Sterkte", "sigFlim2", 95, T},
    {"Sterkte", "E2", 96, T},
    {"Sterkte", "nu2", 97, T},
    {"Sterkte", "asmateriaal", 104, S},
    {"Sterkte", "tau_toel", 105, T},
    {"Sterkte", "Re_as", 106, T},
    {"Sterkte", "spieen", 107, S},
    {"Sterkte", "spielengte", 108, T},
    {"Naaf", "spiebaan1", 114, S},
    {"Naaf", "spie_b1", 115, T},
    {"Naaf", "spie_t1", 116, T},
    {"Naaf", "naaf1", 117, S},
    {"Naaf", "naaf_D1", 118, T},
    {"Naaf", "naaf_L1", 119, T},
    {"Naaf", "spiebaan2", 121, S},
    {"Naaf", "spie_b2", 122, T},
    {"Naaf", "spie_t2", 123, T},
    {"Naaf", "naaf2", 124, S},
    {"Naaf", "naaf_D2", 125, T},
    {"Naaf", "naaf_L2", 126, T},
    {"Weergave", "snelheid", 41, S},
    {"Weergave", "ingrijpingslijn", 42, S},
    {"Weergave", "export", 43, S},
    {"Weergave", "stl_tolerantie", 47, T},
};

}  // namespace

std::vector<ProjectField> BuildFieldTable(std::set<int>& projectControls) {
    std::vector<ProjectField> table;
    table.reserve(std::size(kEntries));
    for (const Entry& e : kEntries) {
        table.push_back({e.group, e.key, e.control, e.kind});
        projectControls.insert(e.control);
    }
    // The profile-shift fields are stored with the applied rows, not as table keys, but a
    // change to them is a change to the project all the same.
    projectControls.insert(14);
    projectControls.insert(67);
    return table;
}
