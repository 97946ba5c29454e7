// The table of every control that a project file stores, with its group and key.
#pragma once

#include <set>
#include <string>
#include <vector>

enum class FieldKind { Text, State };

struct ProjectField {
    std::string group;
    std::string key;
    int control = 0;
    FieldKind kind = FieldKind::Text;
};

// The stored controls in file order; also fills the set of controls whose change marks
// the project modified (the table's controls plus the two profile-shift fields).
std::vector<ProjectField> BuildFieldTable(std::set<int>& projectControls);
