#pragma once
// What the line commands need from an editor: its lines (LineSource), the selection and
// one undoable replacement.
#include <cstddef>
#include <string_view>

#include "texttools/LineSource.h"

namespace sj {

class LineEditor : public LineSource {
public:
    virtual bool wordWrap() const = 0;
    virtual bool readOnly() const = 0;
    virtual Selection selection() const = 0;
    virtual void setSelection(Selection sel) = 0;
    // Replaces the selection in one undoable step; the caret ends after the new text.
    virtual void replaceSelection(std::string_view replacement) = 0;
    // Bracket a long rewrite: busy cursor on, screen updates off, and back.
    virtual void beginLongOperation() {}
    virtual void endLongOperation() {}
};

}  // namespace sj
