#include "workspace/ui/ToolbarPanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

#include "workspace/ToolbarLayout.h"

namespace sj {

ToolbarPanel::ToolbarPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Toolbar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(kBaseRowHeight);
    m_closePage = new QToolButton(this);
    m_closePage->setObjectName(QStringLiteral("closePage"));
    m_closePage->setFocusPolicy(Qt::NoFocus);
    m_closePage->setAutoRaise(true);
    m_closePage->setIcon(QIcon::fromTheme(QStringLiteral("window-close")));
    m_closePage->setToolTip(QStringLiteral("Close Document"));
    m_closePage->setStatusTip(QStringLiteral("Close current document"));
    m_closePage->hide();
    connect(m_closePage, &QToolButton::clicked, this, [this] {
        if (QAction* a = command("close")) a->trigger();
    });
}

void ToolbarPanel::setCommands(const QHash<QString, QAction*>& commands) {
    m_commands = commands;
    if (QAction* close = command("close"))
        connect(close, &QAction::changed, m_closePage,
                [this, close] { m_closePage->setEnabled(close->isEnabled()); });
    rebuild();
}

void ToolbarPanel::setSettings(const ToolbarSettings& settings) {
    m_settings = settings;
    rebuild();
}

QFont ToolbarPanel::captionFont() const {
    QFont f = font();
    const FontSpec& chosen = m_settings.captionFont;
    if (!chosen.name.empty()) f.setFamily(QString::fromStdString(chosen.name));
    if (chosen.size > 0) f.setPointSize(chosen.size);
    f.setBold(chosen.style.bold);
    f.setItalic(chosen.style.italic);
    f.setUnderline(chosen.style.underline);
    f.setStrikeOut(chosen.style.strikeOut);
    return f;
}

QToolButton* ToolbarPanel::button(const std::string& commandName) const {
    for (std::size_t i = 0; i < m_settings.entries.size(); ++i)
        if (m_settings.entries[i].command == commandName) return qobject_cast<QToolButton*>(m_controls[i]);
    return nullptr;
}

QWidget* ToolbarPanel::makeButton(const ToolbarEntry& e, QAction* a) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromStdString(e.command));
    // The document keeps the keyboard while the toolbar is used.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(m_settings.flatButtons);
    b->setIcon(QIcon::fromTheme(QString::fromStdString(e.icon)));
    b->setText(QString::fromStdString(e.caption));
    b->setToolButtonStyle(m_settings.showCaptions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    b->setFont(captionFont());
    if (m_settings.showToolTips) b->setToolTip(QString::fromStdString(e.toolTip));
    b->setStatusTip(QString::fromStdString(e.hint));
    b->setCheckable(a->isCheckable());
    auto follow = [b, a] {
        b->setEnabled(a->isEnabled());
        if (a->isCheckable()) b->setChecked(a->isChecked());
    };
    follow();
    connect(a, &QAction::changed, b, follow);
    connect(b, &QToolButton::clicked, a, [a, follow] {
        a->trigger();
        follow();
    });
    return b;
}

void ToolbarPanel::rebuild() {
    for (QWidget* w : m_controls) delete w;
    m_controls.assign(m_settings.entries.size(), nullptr);
    for (std::size_t i = 0; i < m_settings.entries.size(); ++i) {
        const ToolbarEntry& e = m_settings.entries[i];
        if (!e.available) continue;
        if (e.isSeparator()) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            m_controls[i] = line;
        } else if (QAction* a = command(e.command)) {
            m_controls[i] = makeButton(e, a);
        }
    }
    relayout();
}

int ToolbarPanel::rowHeight() const {
    if (!m_settings.showCaptions) return kBaseRowHeight;
    return kBaseRowHeight + QFontMetrics(captionFont()).boundingRect(QStringLiteral("j^")).height() + 9;
}

void ToolbarPanel::relayout() {
    ToolbarLayoutInput in;
    in.panelWidth = width();
    in.rowHeight = rowHeight();
    in.rightMargin = kRightMargin;
    in.flatButtons = m_settings.flatButtons;
    in.useSeparators = m_settings.useSeparators;
    in.wrapButtons = m_settings.wrapButtons;
    const QFontMetrics fm(captionFont());
    for (std::size_t i = 0; i < m_settings.entries.size(); ++i) {
        const ToolbarEntry& e = m_settings.entries[i];
        in.items.push_back({e.isSeparator(), m_controls[i] != nullptr});
        if (m_settings.showCaptions && m_controls[i] && !e.isSeparator())
            in.widestCaption =
                std::max(in.widestCaption, fm.horizontalAdvance(QString::fromStdString(e.caption)));
    }
    const ToolbarLayoutResult r = layoutToolbar(in);
    const int iconSide = std::clamp(r.buttonHeight - 8, 8, 16);
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        QWidget* w = m_controls[i];
        if (!w) continue;
        const ToolbarBox& box = r.boxes[i];
        if (!box.shown) {
            w->hide();
            continue;
        }
        w->setGeometry(box.x, box.y, box.width, box.height);
        if (auto* b = qobject_cast<QToolButton*>(w)) b->setIconSize(QSize(iconSide, iconSide));
        w->show();
    }
    if (height() != r.panelHeight) setFixedHeight(r.panelHeight);
    const auto close = std::find_if(m_settings.entries.begin(), m_settings.entries.end(),
                                    [](const ToolbarEntry& e) { return e.command == "close"; });
    QAction* closeCommand = command("close");
    const int side = std::min(r.buttonHeight, 20);
    m_closePage->setGeometry(width() - side - 7, 4 + (r.buttonHeight - side) / 2, side, side);
    m_closePage->setIconSize(QSize(side - 4, side - 4));
    m_closePage->setVisible(closeCommand && close != m_settings.entries.end() && !close->available);
    if (closeCommand) m_closePage->setEnabled(closeCommand->isEnabled());
    if (r.rows != m_rows) {
        m_rows = r.rows;
        // Told after the layout settles, as the window may resize in answer.
        QTimer::singleShot(0, this, [this] { emit wrapChanged(m_rows); });
    }
    update();
}

QSize ToolbarPanel::sizeHint() const {
    return {400, height()};
}

QSize ToolbarPanel::minimumSizeHint() const {
    return {40, height()};
}

void ToolbarPanel::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    relayout();
}

void ToolbarPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const int w = width(), h = height();
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(0, 1, 0, h - 1);
    const int row = rowHeight();
    for (int r = 1; r < m_rows; ++r) {
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(1, r * row - 1, w - 2, r * row - 1);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(1, r * row, w - 2, r * row);
    }
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(1, h - 2, w - 2, h - 2);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(1, h - 1, w - 2, h - 1);
}

void ToolbarPanel::contextMenuEvent(QContextMenuEvent* e) {
    emit menuRequested(e->globalPos());
    e->accept();
}

}  // namespace sj
