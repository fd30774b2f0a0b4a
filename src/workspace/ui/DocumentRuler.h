#pragma once
// `DocumentRuler`: the thin scale over the current document page, in
// characters of the page's font, tenths of an inch or 2-millimetre steps. It
// follows the page's horizontal scrolling and font, tells the mouse position
// as a hint, cycles its unit on a click and offers to hide itself.
#include <QPointer>
#include <QWidget>

#include "document/ui/EditorView.h"
#include "workspace/RulerScale.h"

class QMenu;

namespace sj {

class DocumentRuler : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 12;
    static constexpr int kMargin = 1;

    explicit DocumentRuler(QWidget* parent = nullptr);

    // The page the scale belongs to (nullptr: none). The ruler lies over the
    // page's top edge, where the page keeps room for it.
    void setPage(EditorView* page);
    EditorView* page() const { return m_page; }

    void setUnit(RulerUnit unit);
    RulerUnit unit() const { return m_unit; }
    double step() const { return m_step; }
    // Pixels from the left margin to the text start, less one: the first tick
    // falls on the first character.
    int offset() const { return m_offset; }

    QMenu* menu() const { return m_menu; }

    // Reserves or frees the room at the top of a page.
    static void reserveRoom(EditorView* page, bool on);

signals:
    void unitChanged(RulerUnit unit);
    void hideRequested();
    void hint(const QString& text);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void follow();  // place, step and offset from the page
    void recomputeStep();

    QPointer<EditorView> m_page;
    QMetaObject::Connection m_scrollConnection;
    QMetaObject::Connection m_barConnection;
    QMenu* m_menu;
    RulerUnit m_unit = RulerUnit::Characters;
    double m_step = 0;
    int m_offset = 0;
};

}  // namespace sj
