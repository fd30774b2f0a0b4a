#include "texttools/ui/ConvertApply.h"

#include "document/ui/EditorView.h"

namespace sj {

void applyTextChange(EditorView& page, const TextChange& change) {
    if (change.replaces)
        page.replaceRange(static_cast<Pos>(change.start), static_cast<Pos>(change.length),
                          change.replacement);
    page.setSel(static_cast<Pos>(change.selStart), static_cast<Pos>(change.selLength));
}

}  // namespace sj
