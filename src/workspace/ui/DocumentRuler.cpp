#include "workspace/ui/DocumentRuler.h"

#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "document/ui/EditorView.h"

namespace sj {
namespace {

const QString kPrintable = [] {
    QString s;
    for (char c = 32; c <= 126; ++c) s += QLatin1Char(c);
    return s;
}();

}  // namespace

DocumentRuler::DocumentRuler(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ruler"));
    setFixedHeight(kHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_menu = new QMenu(this);
    QAction* hide = m_menu->addAction(QStringLiteral("&Hide Ruler"));
    hide->setStatusTip(QStringLiteral("Hide or show document ruler"));
    connect(hide, &QAction::triggered, this, &DocumentRuler::hideRequested);
}

void DocumentRuler::reserveRoom(EditorView* page, bool on) {
    if (page) page->setTopMargin(on ? kHeight : 0);
}

void DocumentRuler::setPage(EditorView* page) {
    if (m_page == page) {
        follow();
        return;
    }
    if (m_page) m_page->removeEventFilter(this);
    disconnect(m_scrollConnection);
    disconnect(m_barConnection);
    m_page = page;
    if (m_page) {
        m_page->installEventFilter(this);
        m_scrollConnection = connect(m_page, &QsciScintillaBase::SCN_UPDATEUI, this, [this] { follow(); });
        m_barConnection =
            connect(m_page->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { follow(); });
    }
    recomputeStep();
    follow();
}

void DocumentRuler::setUnit(RulerUnit unit) {
    if (unit == m_unit) return;
    m_unit = unit;
    recomputeStep();
    emit unitChanged(unit);
}

void DocumentRuler::recomputeStep() {
    double step = 0;
    const QScreen* s = screen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    if (m_unit != RulerUnit::Characters) {
        step = rulerStep(m_unit, 0, false, dpi);
    } else if (m_page) {
        const QFont f = m_page->font();
        step = rulerStep(m_unit, QFontMetricsF(f).horizontalAdvance(kPrintable), !QFontInfo(f).fixedPitch(),
                         dpi);
    }
    if (step != m_step) {
        m_step = step;
        update();
    }
}

void DocumentRuler::follow() {
    if (!m_page || !isVisible()) return;
    // Over the page's top edge, inside its frame, as wide as its text area.
    const QWidget* viewport = m_page->viewport();
    const QPoint topLeft = viewport->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(topLeft.x(), topLeft.y() - kHeight, viewport->width(), kHeight);
    raise();
    int textStart = static_cast<int>(m_page->SendScintilla(QsciScintillaBase::SCI_GETMARGINLEFT));
    for (int m = 0; m < 5; ++m)
        textStart += static_cast<int>(m_page->SendScintilla(QsciScintillaBase::SCI_GETMARGINWIDTHN, m));
    textStart -= static_cast<int>(m_page->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET));
    const int offset = textStart - kMargin - 1;
    if (offset != m_offset) {
        m_offset = offset;
        update();
    }
}

bool DocumentRuler::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_page) {
        if (e->type() == QEvent::FontChange) recomputeStep();
        if (e->type() == QEvent::FontChange || e->type() == QEvent::Resize || e->type() == QEvent::Move ||
            e->type() == QEvent::Show)
            follow();
    }
    return QWidget::eventFilter(watched, e);
}

void DocumentRuler::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));
    if (!(m_step > 0)) return;
    const int right = width() - 2 * kMargin;
    const int h = height();
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(kMargin, 0, right, 0);
    p.drawLine(kMargin, 0, kMargin, h - 1);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(right - 1, 0, right - 1, h - 1);
    const QColor ink = isEnabled() ? pal.color(QPalette::WindowText) : pal.color(QPalette::Dark);
    p.setPen(ink);
    p.drawLine(kMargin + 1, 1, right - 1, 1);
    if (m_offset > 0) {
        QPen dotted(pal.color(QPalette::Dark));
        dotted.setStyle(Qt::DotLine);
        p.setPen(dotted);
        const int y = (h - 4) / 2 + 1;
        p.drawLine(kMargin + 1, y, kMargin + m_offset, y);
        p.setPen(ink);
    }
    for (const RulerTick& t : rulerTicks(width(), h, kMargin, m_offset, m_step, m_unit))
        if (t.x > kMargin) p.drawLine(t.x, 1, t.x, t.length + 1);
}

void DocumentRuler::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        setUnit(nextRulerUnit(m_unit));
        emit hint(QString::fromStdString(
            rulerHint(e->position().toPoint().x(), kMargin, m_offset, m_step, m_unit)));
    }
    QWidget::mousePressEvent(e);
}

void DocumentRuler::mouseMoveEvent(QMouseEvent* e) {
    emit hint(
        QString::fromStdString(rulerHint(e->position().toPoint().x(), kMargin, m_offset, m_step, m_unit)));
    QWidget::mouseMoveEvent(e);
}

void DocumentRuler::contextMenuEvent(QContextMenuEvent* e) {
    m_menu->popup(e->globalPos());
    e->accept();
}

}  // namespace sj
