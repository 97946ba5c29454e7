// The control model: lookup and the program's own changes, which the toolkit then follows.
#include "app/controls.h"

#include <cassert>
#include <utility>

Control& ControlModel::Add(Control control) {
    const int id = control.id;
    assert(!Has(id) && "control ids are unique");
    auto [it, inserted] = controls.emplace(id, std::move(control));
    (void)inserted;
    dirty.insert(id);
    return it->second;
}

Control& ControlModel::Get(int id) {
    auto it = controls.find(id);
    assert(it != controls.end() && "unknown control id");
    return it->second;
}

const Control& ControlModel::Get(int id) const {
    auto it = controls.find(id);
    assert(it != controls.end() && "unknown control id");
    return it->second;
}

void ControlModel::SetText(int id, const std::string& text) {
    Control& c = Get(id);
    if (c.text != text) {
        c.text = text;
        dirty.insert(id);
    }
}

void ControlModel::SetState(int id, int64_t state) {
    Control& c = Get(id);
    if (c.state != state) {
        c.state = state;
        dirty.insert(id);
    }
}

void ControlModel::SetEnabled(int id, bool enabled) {
    Control& c = Get(id);
    if (c.enabled != enabled) {
        c.enabled = enabled;
        dirty.insert(id);
    }
}

void ControlModel::SetRows(int id, std::vector<std::vector<std::string>> rows) {
    Control& c = Get(id);
    c.rows = std::move(rows);
    if (c.state >= static_cast<int64_t>(c.rows.size())) {
        c.state = -1;
    }
    dirty.insert(id);
}

void ControlModel::SetItems(int id, std::vector<std::string> items) {
    Control& c = Get(id);
    c.items = std::move(items);
    dirty.insert(id);
}

const char* ControlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Tabs:
            return "tabs";
        case ControlKind::Text:
            return "text";
        case ControlKind::Label:
            return "label";
        case ControlKind::Check:
            return "check";
        case ControlKind::Dropdown:
            return "dropdown";
        case ControlKind::Editable:
            return "editable";
        case ControlKind::Button:
            return "button";
        case ControlKind::List:
            return "list";
        case ControlKind::Slider:
            return "slider";
        case ControlKind::Report:
            return "report";
        case ControlKind::Canvas:
            return "canvas";
        case ControlKind::Section:
            return "section";
    }
    return "text";
}
