#include "workspace/ToolbarLayout.h"

#include <algorithm>

namespace sj {

ToolbarLayoutResult layoutToolbar(const ToolbarLayoutInput& in) {
    ToolbarLayoutResult r;
    r.panelHeight = in.rowHeight;
    const int inner = in.rowHeight - 2 * (in.bottomChisel ? 1 : 0) - 2;
    r.buttonHeight = std::max(1, inner - 5);
    if (in.widestCaption == 0)
        r.buttonWidth = in.buttonWidth > 0 ? in.buttonWidth : r.buttonHeight + 2;
    else if (in.buttonWidth > in.widestCaption + 4)
        r.buttonWidth = in.buttonWidth;
    else
        r.buttonWidth = std::max(in.widestCaption + 4, r.buttonHeight);
    const int separatorWidth = in.flatButtons ? 4 : r.buttonWidth / 4;
    const int limit = in.panelWidth - in.rightMargin - 3;

    r.boxes.resize(in.items.size());
    int buttons = 0, separators = 0, y = 4;
    bool inSeparatorRun = false;
    auto x = [&] { return 3 + buttons * r.buttonWidth + separators * separatorWidth; };
    for (std::size_t i = 0; i < in.items.size(); ++i) {
        const auto& item = in.items[i];
        if (!item.available) continue;
        if (item.separator) {
            if (!in.useSeparators || inSeparatorRun) continue;
            inSeparatorRun = true;
            if (in.flatButtons && x() + separatorWidth <= limit)
                r.boxes[i] = {true, x(), y - 2, separatorWidth, inner};
            ++separators;
            continue;
        }
        inSeparatorRun = false;
        // A row keeps at least one button, so a panel narrower than a button still ends.
        if (x() + r.buttonWidth > limit && (buttons > 0 || separators > 0)) {
            if (!in.wrapButtons) continue;
            ++r.rows;
            r.panelHeight += in.rowHeight;
            y += in.rowHeight;
            buttons = separators = 0;
        }
        r.boxes[i] = {true, x(), y, r.buttonWidth, r.buttonHeight};
        ++buttons;
    }
    return r;
}

}  // namespace sj
