#pragma once
// The clip editor's content field; its editing menu has the extra item "&Word Wrap".
#include "widgets/ui/TextField.h"

class QMenu;

namespace sj {

class ClipContentEdit : public TextField {
    Q_OBJECT
public:
    using TextField::TextField;

    // The editing menu of a field of the clip editor, with "&Word Wrap" (checked as this
    // field wraps) below it.
    QMenu* editingMenuFor(QWidget* field, bool wrapEnabled) const;

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
};

}  // namespace sj
