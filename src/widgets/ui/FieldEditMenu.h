#pragma once
// The editing menu of the input fields and of the plain edits on a form.
class QMenu;
class QPoint;
class QWidget;

namespace sj {

// The editing menu: its items, which to show, and their enabling when it pops up.
class FieldEditMenu {
public:
    enum Show : unsigned {
        showUndo = 1u << 0,
        showOverwrite = 1u << 1,
        showFirstSeparator = 1u << 2,
        showCut = 1u << 3,
        showCopy = 1u << 4,
        showPaste = 1u << 5,
        showDelete = 1u << 6,
        showClear = 1u << 7,
        showSecondSeparator = 1u << 8,
        showSelectAll = 1u << 9,
        showAll = (1u << 10) - 1,
    };
    unsigned shownItems = showAll;

    // The menu for a field (one of ours, or a plain line edit, text edit or combo box).
    QMenu* build(QWidget* field, QWidget* parent) const;
    void popup(QWidget* field, const QPoint& globalPos) const;
};

}  // namespace sj
