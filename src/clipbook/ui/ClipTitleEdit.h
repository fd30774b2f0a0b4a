#pragma once
// The clip editor's title field; its editing menu shows "&Word Wrap" disabled.
#include "widgets/ui/LineField.h"

namespace sj {

class ClipContentEdit;

class ClipTitleEdit : public LineField {
    Q_OBJECT
public:
    ClipTitleEdit(const ClipContentEdit& content, QWidget* parent) : LineField(parent), m_content(content) {}

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    const ClipContentEdit& m_content;
};

}  // namespace sj
