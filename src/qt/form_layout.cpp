// Row placement shared by the tab pages of the main window and the hub window.
#include "qt/form_layout.h"

#include <QLabel>
#include <QRect>
#include <QWidget>
#include <algorithm>
#include <map>

namespace {

int FullRowWidth(const LayoutMetrics& m) {
    return m.labelW + m.fieldW - 10;
}

int ControlHeight(const Control& c, const LayoutMetrics& m) {
    switch (c.kind) {
        case ControlKind::Button:
            return m.rowH + 4;
        case ControlKind::Label:
            return c.heightLines > 1 ? c.heightLines * m.fontH + 4 : m.rowH;
        default:
            return m.rowH;
    }
}

QRect ControlRect(const Control& c, const LayoutMetrics& m, int y) {
    const int h = ControlHeight(c, m);
    switch (c.slot) {
        case Slot::Full:
            return QRect(10, y, FullRowWidth(m), h);
        case Slot::Field:
            return QRect(m.labelW, y, m.fieldW, h);
        case Slot::LeftHalf:
            return QRect(m.labelW, y, m.halfW, h);
        case Slot::RightHalf: {
            // A result label such as "x2 = 0.1234" may run a little past the field column.
            const int w = c.kind == ControlKind::Label ? m.halfW + 10 : m.halfW;
            return QRect(m.labelW + m.fieldW - m.halfW, y, w, h);
        }
    }
    return QRect(m.labelW, y, m.fieldW, h);
}

}  // namespace

int PlaceFormRows(const std::vector<FormEntry>& entries, const LayoutMetrics& m, int top) {
    std::map<int, std::vector<const FormEntry*>> rows;
    for (const FormEntry& e : entries) {
        rows[e.control->row].push_back(&e);
    }
    int y = top;
    int previousBottom = -1;  // bottom of the tallest control of the row above
    for (const auto& [row, members] : rows) {
        (void)row;
        const bool isList = std::any_of(members.begin(), members.end(), [](const FormEntry* e) {
            return e->control->kind == ControlKind::List;
        });
        if (isList) {
            // A result list hangs 6 px below the row above it and is followed by a wider gap.
            const int listTop = previousBottom >= 0 ? previousBottom + 6 : y;
            const int listH = ResultListHeight(m);
            for (const FormEntry* e : members) {
                e->widget->setGeometry(10, listTop, FullRowWidth(m), listH);
            }
            previousBottom = listTop + listH;
            y = previousBottom + 8;
            continue;
        }
        int bottom = y;
        int advance = m.rowStep;
        for (const FormEntry* e : members) {
            const QRect rect = ControlRect(*e->control, m, y);
            e->widget->setGeometry(rect);
            bottom = std::max(bottom, rect.bottom() + 1);
            if (e->control->heightLines > 1) {
                // A note of several lines takes the room it needs; other rows keep the step.
                advance = std::max(advance, rect.height() + 5);
            }
            if (e->rowLabel != nullptr) {
                const int labelH = m.fontH + 4;
                e->rowLabel->setGeometry(10, y + (m.rowH - labelH) / 2, m.labelW - 12, labelH);
            }
        }
        previousBottom = bottom;
        y += advance;
    }
    return y;
}

int FormWidth(const LayoutMetrics& m) {
    return m.labelW + m.fieldW + 10;
}
