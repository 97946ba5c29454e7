// Creating the widget of a control and mirroring the model into it.
#include "qt/control_widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <cstddef>

#include "qt/qt_text.h"

QFont ReportFont() {
    QFont font(QStringLiteral("Consolas"), 9);
    font.setStyleHint(QFont::Monospace);
    if (QFontInfo(font).family() != QLatin1String("Consolas")) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(9);
    }
    return font;
}

int ButtonTextRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool isPush = qobject_cast<const QPushButton*>(button) != nullptr;
    const QRect contents = button->style()->subElementRect(
        isPush ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents, &option, button);
    // A push button keeps a little air between its text and its frame.
    return isPush ? contents.width() - 4 : contents.width();
}

void FitButtonText(QWidget* widget) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button == nullptr || button->width() <= 0) {
        return;
    }
    button->setFont(QFont());  // start again from the window's font
    QFont font = button->font();
    while (QFontMetrics(font).horizontalAdvance(button->text()) > ButtonTextRoom(button) &&
           font.pointSizeF() > 7.0) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        button->setFont(font);
    }
}

QWidget* CreateControlWidget(const Control& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Tabs:
            return new QTabWidget(parent);
        case ControlKind::Text:
            return new QLineEdit(parent);
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            if (control.heightLines > 1) {
                label->setWordWrap(true);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            } else {
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
            return label;
        }
        case ControlKind::Section: {
            auto* label = new QLabel(parent);
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case ControlKind::Check:
            return new QCheckBox(parent);
        case ControlKind::Dropdown:
            return new QComboBox(parent);
        case ControlKind::Editable: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            // The field must show exactly what the user typed: no completion that would put
            // "1.25" on screen while the typed "1.2" is computed, and no items added on Enter.
            combo->setCompleter(nullptr);
            combo->setInsertPolicy(QComboBox::NoInsert);
            return combo;
        }
        case ControlKind::Button:
            return new QPushButton(parent);
        case ControlKind::List: {
            auto* list = new QTreeWidget(parent);
            list->setRootIsDecorated(false);
            list->setItemsExpandable(false);
            list->setUniformRowHeights(true);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setSelectionBehavior(QAbstractItemView::SelectRows);
            list->setAllColumnsShowFocus(true);
            list->setAlternatingRowColors(true);
            list->header()->setSectionsMovable(false);
            return list;
        }
        case ControlKind::Slider:
            return new QSlider(Qt::Horizontal, parent);
        case ControlKind::Report: {
            auto* report = new QPlainTextEdit(parent);
            report->setReadOnly(true);
            report->setLineWrapMode(QPlainTextEdit::NoWrap);
            report->setUndoRedoEnabled(false);
            report->setFont(ReportFont());
            return report;
        }
        case ControlKind::Canvas:
            return nullptr;
    }
    return nullptr;
}

namespace {

QStringList ToStringList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) {
        list.append(ToQString(item));
    }
    return list;
}

bool ComboHasItems(const QComboBox* combo, const QStringList& items) {
    if (combo->count() != items.size()) {
        return false;
    }
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) != items[i]) {
            return false;
        }
    }
    return true;
}

void ShowComboItems(QComboBox* combo, const std::vector<std::string>& items) {
    const QStringList list = ToStringList(items);
    if (!ComboHasItems(combo, list)) {
        combo->clear();
        combo->addItems(list);
    }
}

void ShowLabelColour(QLabel* label, uint32_t colour) {
    label->setAutoFillBackground(colour != 0);
    QPalette palette = label->palette();
    if (colour != 0) {
        palette.setColor(QPalette::Window,
                         QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
    } else {
        palette.setColor(QPalette::Window,
                         label->parentWidget() != nullptr
                             ? label->parentWidget()->palette().color(QPalette::Window)
                             : palette.color(QPalette::Window));
    }
    label->setPalette(palette);
}

void ShowListColumns(QTreeWidget* list, const Control& control, const LayoutMetrics& metrics) {
    const QStringList headers = ToStringList(control.items);
    bool same = list->columnCount() == headers.size();
    for (int i = 0; same && i < headers.size(); ++i) {
        same = list->headerItem()->text(i) == headers[i];
    }
    if (!same) {
        list->setColumnCount(static_cast<int>(headers.size()));
        list->setHeaderLabels(headers);
    }
    for (std::size_t i = 0; i < control.columnWidths.size(); ++i) {
        list->setColumnWidth(static_cast<int>(i),
                             ScaledColumnWidth(metrics, control.columnWidths[i]));
    }
}

bool ListRowMatches(const QTreeWidgetItem* item, const std::vector<std::string>& row, int columns) {
    for (int c = 0; c < columns; ++c) {
        const QString cell = c < static_cast<int>(row.size()) ? ToQString(row[c]) : QString();
        if (item->text(c) != cell) {
            return false;
        }
    }
    return true;
}

void ShowListRows(QTreeWidget* list, const Control& control) {
    const int columns = list->columnCount();
    const int rows = static_cast<int>(control.rows.size());
    // Rebuild only what differs: a selection change alone must not scroll the list back.
    while (list->topLevelItemCount() > rows) {
        delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
    }
    for (int r = 0; r < rows; ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        if (item == nullptr) {
            item = new QTreeWidgetItem(list);
        }
        if (!ListRowMatches(item, control.rows[r], columns)) {
            for (int c = 0; c < columns; ++c) {
                item->setText(c, c < static_cast<int>(control.rows[r].size())
                                     ? ToQString(control.rows[r][c])
                                     : QString());
            }
        }
    }
    QTreeWidgetItem* selected = control.state >= 0 && control.state < rows
                                    ? list->topLevelItem(static_cast<int>(control.state))
                                    : nullptr;
    if (selected != nullptr) {
        list->setCurrentItem(selected);
        list->scrollToItem(selected);
    } else {
        list->clearSelection();
        list->setCurrentItem(nullptr);
    }
}

}  // namespace

void ShowControl(const Control& control, QWidget* widget, const LayoutMetrics& metrics) {
    if (widget == nullptr) {
        return;
    }
    const QSignalBlocker block(widget);
    const QString text = ToQString(control.text);
    switch (control.kind) {
        case ControlKind::Tabs: {
            auto* tabs = static_cast<QTabWidget*>(widget);
            for (int i = 0; i < tabs->count() && i < static_cast<int>(control.items.size()); ++i) {
                tabs->setTabText(i, ToQString(control.items[i]));
            }
            if (control.state >= 0 && control.state < tabs->count()) {
                tabs->setCurrentIndex(static_cast<int>(control.state));
            }
            break;
        }
        case ControlKind::Text: {
            auto* edit = static_cast<QLineEdit*>(widget);
            if (edit->text() != text) {
                edit->setText(text);
            }
            break;
        }
        case ControlKind::Label:
        case ControlKind::Section: {
            auto* label = static_cast<QLabel*>(widget);
            if (label->text() != text) {
                label->setText(text);
            }
            if (control.kind == ControlKind::Label) {
                ShowLabelColour(label, control.labelColour);
            }
            break;
        }
        case ControlKind::Check: {
            auto* check = static_cast<QCheckBox*>(widget);
            check->setText(text);
            check->setChecked(control.state != 0);
            FitButtonText(check);
            break;
        }
        case ControlKind::Dropdown: {
            auto* combo = static_cast<QComboBox*>(widget);
            ShowComboItems(combo, control.items);
            const bool inRange = control.state >= 0 && control.state < combo->count();
            combo->setCurrentIndex(inRange ? static_cast<int>(control.state) : -1);
            break;
        }
        case ControlKind::Editable: {
            auto* combo = static_cast<QComboBox*>(widget);
            const QSignalBlocker blockEdit(combo->lineEdit());
            ShowComboItems(combo, control.items);
            if (combo->currentText() != text) {
                combo->setCurrentIndex(combo->findText(text));
                combo->setEditText(text);
            }
            break;
        }
        case ControlKind::Button:
            static_cast<QPushButton*>(widget)->setText(text);
            FitButtonText(widget);
            break;
        case ControlKind::List: {
            // The widget's own signals are blocked; its selection model keeps talking to
            // the view so that the highlight follows.
            auto* list = static_cast<QTreeWidget*>(widget);
            ShowListColumns(list, control, metrics);
            ShowListRows(list, control);
            break;
        }
        case ControlKind::Slider: {
            auto* slider = static_cast<QSlider*>(widget);
            slider->setRange(static_cast<int>(control.minimum), static_cast<int>(control.maximum));
            slider->setValue(static_cast<int>(control.state));
            break;
        }
        case ControlKind::Report: {
            auto* report = static_cast<QPlainTextEdit*>(widget);
            const QString lines = ToDisplayLines(control.text);
            if (report->toPlainText() != lines) {
                report->setPlainText(lines);
            }
            break;
        }
        case ControlKind::Canvas:
            break;
    }
    widget->setEnabled(control.enabled);
    widget->setToolTip(ToQString(control.tooltip));
}
