#pragma once
// Where the toolbar's buttons and separator lines go: one row, or further rows
// when wrapping is on; buttons that do not fit otherwise are hidden.
#include <vector>

namespace sj {

struct ToolbarLayoutInput {
    int panelWidth = 0;
    int rowHeight = 33;
    bool bottomChisel = true;
    int buttonWidth = 0;  // fixed width; 0 means automatic
    int rightMargin = 25;
    int widestCaption = 0;  // 0 when captions are not shown
    bool flatButtons = true;
    bool useSeparators = true;
    bool wrapButtons = false;
    struct Item {
        bool separator = false;
        bool available = true;
    };
    std::vector<Item> items;  // in toolbar order
};

struct ToolbarBox {
    bool shown = false;
    int x = 0, y = 0, width = 0, height = 0;
};

struct ToolbarLayoutResult {
    std::vector<ToolbarBox> boxes;  // one per item; a separator shows only as a flat line
    int rows = 1;
    int panelHeight = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
};

ToolbarLayoutResult layoutToolbar(const ToolbarLayoutInput& in);

}  // namespace sj
