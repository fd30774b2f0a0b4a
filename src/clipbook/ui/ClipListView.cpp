#include "clipbook/ui/ClipListView.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <QTimer>

#include "app/ui/KeyRouter.h"
#include "clipbook/ui/ClipbookPane.h"
#include "clipbook/ui/DialogClipbookHost.h"
#include "clipbook/ui/DialogPromptHost.h"
#include "document/ui/EditorView.h"
#include "widgets/ui/MessageBoxes.h"
#include "widgets/ui/QtStrings.h"

namespace sj {

namespace {

// Rows as high as the font's characters; titles with tabs line up at the list's tab stops.
class ClipRowDelegate : public QStyledItemDelegate {
public:
    explicit ClipRowDelegate(ClipListView& view) : QStyledItemDelegate(&view), m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = index.data(Qt::DisplayRole).toString();
        const QFontMetrics fm(m_view.font());
        const int width = text.contains(QLatin1Char('\t'))
                              ? fm.horizontalAdvance(text) +
                                    text.count(QLatin1Char('\t')) * static_cast<int>(m_view.tabStopPixels())
                              : fm.horizontalAdvance(text);
        (void)option;
        return {width + 4, m_view.rowHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* w = opt.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
        const bool selected = opt.state & QStyle::State_Selected;
        QColor pen = opt.palette.color(QPalette::Text);
        if (selected) pen = opt.palette.color(QPalette::HighlightedText);
        // A command clip stays red even when selected.
        if (const QVariant fg = index.data(Qt::ForegroundRole); fg.isValid())
            pen = fg.value<QBrush>().color();
        QTextOption to(Qt::AlignLeft | Qt::AlignVCenter);
        to.setWrapMode(QTextOption::NoWrap);
        to.setTabStopDistance(m_view.tabStopPixels());
        painter->save();
        painter->setFont(m_view.font());
        painter->setPen(pen);
        painter->drawText(QRectF(opt.rect).adjusted(2, 0, -2, 0), text, to);
        painter->restore();
    }

private:
    ClipListView& m_view;
};

}  // namespace

ClipListView::ClipListView(ClipbookPane& panel) : m_panel(panel) {
    setObjectName(QStringLiteral("ClipbookList"));
    KeyRouter::setFocusKind(this, KeyRouting::Focus::ClipList);
    setToolTip({});
    setStatusTip(QStringLiteral("List of clipbook items (double-click to paste or launch)"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    setDragEnabled(false);  // drags are started by hand so the format is ours
    setUniformItemSizes(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setItemDelegate(new ClipRowDelegate(*this));
}

void ClipListView::setItems(const std::vector<ClipItem>& items, int select) {
    // One batch insert: a library of many thousand items shows at once.
    QStringList titles;
    titles.reserve(static_cast<qsizetype>(items.size()));
    for (const ClipItem& item : items) titles << qs(item.title);
    setUpdatesEnabled(false);
    clear();
    addItems(titles);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].isCommand()) item(static_cast<int>(i))->setForeground(Qt::red);
    if (select >= 0 && select < count()) setCurrentRow(select);
    setUpdatesEnabled(true);
}

void ClipListView::setTabWidth(int dialogUnits) {
    if (dialogUnits == m_tabWidth) return;
    m_tabWidth = dialogUnits;
    viewport()->update();
}

qreal ClipListView::tabStopPixels() const {
    const int units = m_tabWidth > 0 ? m_tabWidth : 32;
    return units * QFontMetricsF(font()).averageCharWidth() / 4.0;
}

int ClipListView::rowHeight() const {
    return fontMetrics().height();
}

void ClipListView::changeEvent(QEvent* e) {
    QListWidget::changeEvent(e);
    // Uniform rows are measured once: a new font needs a new measure.
    if (e->type() == QEvent::FontChange) doItemsLayout();
}

void ClipListView::keyPressEvent(QKeyEvent* e) {
    const auto mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = e->key();
    if (mods == Qt::NoModifier) {
        switch (key) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Escape:
                m_pressedKey = key;
                e->accept();
                return;
            case Qt::Key_Insert:
                if (m_panel.selectedIndex() >= 0) m_panel.copyToClipboard();
                e->accept();
                return;
            case Qt::Key_Delete:
                if (m_panel.selectedIndex() >= 0) m_panel.removeItem();
                e->accept();
                return;
            default:
                break;
        }
    } else if (mods == Qt::ControlModifier && (key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X)) {
        m_pressedKey = key;
        e->accept();
        return;
    }
    m_pressedKey = 0;
    QListWidget::keyPressEvent(e);
}

void ClipListView::keyReleaseEvent(QKeyEvent* e) {
    const int key = e->key();
    if (e->isAutoRepeat() || key != m_pressedKey) {
        QListWidget::keyReleaseEvent(e);
        return;
    }
    m_pressedKey = 0;
    e->accept();
    QPointer<ClipbookPane> panel(&m_panel);
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_panel.selectedIndex() >= 0) m_panel.pasteSelected();
            return;
        case Qt::Key_Escape:
            // Closing destroys this list: leave the key handling first.
            QTimer::singleShot(0, &m_panel, [panel] {
                if (panel) panel->closeClipbook();
            });
            return;
        default:
            break;
    }
    // The Ctrl keys run after the key handling has finished.
    QTimer::singleShot(0, &m_panel, [panel, key] {
        if (!panel) return;
        if (key == Qt::Key_V) {
            if (panel->clipboardHasText()) panel->addFromClipboard();
            return;
        }
        if (panel->selectedIndex() < 0) return;
        panel->copyToClipboard();
        if (key == Qt::Key_C) msg::beep();
        if (key == Qt::Key_X) panel->removeItem();
    });
}

void ClipListView::focusOutEvent(QFocusEvent* e) {
    m_pressedKey = 0;
    QListWidget::focusOutEvent(e);
}

void ClipListView::mousePressEvent(QMouseEvent* e) {
    m_pressPos = e->position().toPoint();
    if (e->button() == Qt::RightButton) {
        const int row = indexAt(m_pressPos).row();
        if (row >= 0) setCurrentRow(row);
        return;
    }
    QListWidget::mousePressEvent(e);
}

void ClipListView::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton) ||
        (e->position().toPoint() - m_pressPos).manhattanLength() < QApplication::startDragDistance()) {
        QListWidget::mouseMoveEvent(e);
        return;
    }
    const int row = indexAt(m_pressPos).row();
    if (row < 0) return;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kClipDragFormat), QByteArray::number(row));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void ClipListView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && indexAt(e->position().toPoint()).row() >= 0) {
        setCurrentRow(indexAt(e->position().toPoint()).row());
        m_panel.pasteSelected();
        return;
    }
    QListWidget::mouseDoubleClickEvent(e);
}

void ClipListView::dragEnterEvent(QDragEnterEvent* e) {
    const bool ours = e->mimeData()->hasFormat(QString::fromLatin1(kClipDragFormat)) && e->source() == this;
    const bool fromDocument =
        e->mimeData()->hasText() && qobject_cast<EditorView*>(e->source() ? e->source()->parent() : nullptr);
    if (ours || fromDocument || (e->mimeData()->hasText() && qobject_cast<EditorView*>(e->source())))
        e->acceptProposedAction();
    else
        e->ignore();
}

void ClipListView::dragMoveEvent(QDragMoveEvent* e) {
    e->acceptProposedAction();
}

void ClipListView::dropEvent(QDropEvent* e) {
    const QMimeData* mime = e->mimeData();
    if (mime->hasFormat(QString::fromLatin1(kClipDragFormat)) && e->source() == this) {
        const int from = mime->data(QString::fromLatin1(kClipDragFormat)).toInt();
        int to = indexAt(e->position().toPoint()).row();
        if (to < 0) to = count() - 1;
        e->setDropAction(Qt::MoveAction);
        e->accept();
        if (from != to) m_panel.moveItem(from, to);
        return;
    }
    if (mime->hasText()) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
        const std::string text = ss(mime->text());
        QPointer<ClipbookPane> panel(&m_panel);
        // The title dialog must not open inside the drag's own event loop.
        QTimer::singleShot(0, &m_panel, [panel, text] {
            if (panel) panel->addText({}, text);
        });
    }
}

void ClipListView::contextMenuEvent(QContextMenuEvent* e) {
    m_panel.updateListMenu();
    m_panel.listMenu()->exec(e->globalPos());
}

}  // namespace sj
