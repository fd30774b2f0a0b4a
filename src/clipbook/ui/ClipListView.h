#pragma once
// The Clipbook's item list: one row per item title, command clips in red,
// rows as high as the font's characters and tab stops at the library's
// TabWidth. Keys, the shortcut menu and drags act through the pane.
#include <QListWidget>
#include <QPoint>

#include <vector>

#include "clipbook/ClipItem.h"

namespace sj {

class ClipbookPane;

// Drags from the item list carry the item's index in this format; documents
// accept no other Clipbook drag.
inline constexpr const char* kClipDragFormat = "application/x-cf-clipbook-drag";

class ClipListView : public QListWidget {
    Q_OBJECT
public:
    explicit ClipListView(ClipbookPane& panel);
    bool customColorUsed() const { return true; }

    // Rebuilds the rows from items and selects select when it is a row.
    void setItems(const std::vector<ClipItem>& items, int select);
    // Tab stops in dialog units (a quarter of the font's average character width);
    // 0 or less means the usual 32.
    void setTabWidth(int dialogUnits);
    int tabWidth() const { return m_tabWidth; }
    qreal tabStopPixels() const;
    // The height of every row: the character height of the list's font.
    int rowHeight() const;

protected:
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    ClipbookPane& m_panel;
    QPoint m_pressPos;
    int m_pressedKey = 0;  // a key whose release acts, pressed in the list
    int m_tabWidth = 30;
};

}  // namespace sj
