#include "texttools/ui/AutoScrollDialog.h"
#include "config/WindowKeys.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

#include "document/ui/EditorView.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"

namespace sj {

namespace {

QToolButton* speedButton(QWidget* parent, const QString& text, const QString& tip,
                         QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tip);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

AutoScrollDialog::AutoScrollDialog(EditorView& editor, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      PlacementWindow(this),
      m_editor(editor),
      m_state(static_cast<std::size_t>(std::max(0, editor.displayLineCount())),
              static_cast<std::size_t>(
                  std::max<long>(0, editor.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE))),
              static_cast<std::size_t>(
                  std::max<long>(1, editor.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN)))) {
    KeyPrefix = windowkeys::kAutoScrollDialog;
    setWindowTitle(QStringLiteral("Auto Scroll"));
    PlacementGroups = WindowPlacement::Size | WindowPlacement::Position;
    new InputFieldGroup(this);
    btnQuit = speedButton(this, QStringLiteral("Quit"), QStringLiteral("Quit auto-scroll"),
                          QStyle::SP_DialogCloseButton);
    btnRewind = speedButton(this, QStringLiteral("Rewind"), QStringLiteral("Scroll back"),
                            QStyle::SP_MediaSeekBackward);
    btnPlay = speedButton(this, QStringLiteral("Play"), QStringLiteral("Activate auto-scroll"),
                          QStyle::SP_MediaPlay);
    btnPause = speedButton(this, QStringLiteral("Pause"), QStringLiteral("Pause auto-scroll"),
                           QStyle::SP_MediaPause);
    btnForward = speedButton(this, QStringLiteral("Forward"), QStringLiteral("Scroll forward"),
                             QStyle::SP_MediaSeekForward);
    btnPlay->setCheckable(true);
    btnPause->setCheckable(true);
    auto* group = new QButtonGroup(this);
    group->addButton(btnPlay);
    group->addButton(btnPause);
    group->setExclusive(true);
    btnPause->setChecked(true);

    edtSpeed = new LineField(this);
    edtSpeed->setObjectName(QStringLiteral("edtSpeed"));
    edtSpeed->setToolTip(QStringLiteral("Set scroll speed (in characters per second)"));
    edtSpeed->setMaxLength(5);
    edtSpeed->setFixedWidth(60);
    edtSpeed->installEventFilter(this);
    auto* label = new QLabel(QStringLiteral("&Speed:"), this);
    label->setBuddy(edtSpeed);

    auto* row = new QHBoxLayout(this);
    for (QWidget* w :
         {static_cast<QWidget*>(btnQuit), static_cast<QWidget*>(btnRewind), static_cast<QWidget*>(btnPlay),
          static_cast<QWidget*>(btnPause), static_cast<QWidget*>(btnForward), static_cast<QWidget*>(label),
          static_cast<QWidget*>(edtSpeed)})
        row->addWidget(w);

    connect(btnQuit, &QToolButton::clicked, this, &AutoScrollDialog::Quit);
    connect(btnPlay, &QToolButton::clicked, this, &AutoScrollDialog::Play);
    connect(btnPause, &QToolButton::clicked, this, &AutoScrollDialog::Pause);
    connect(btnRewind, &QToolButton::clicked, this, &AutoScrollDialog::Rewind);
    connect(btnForward, &QToolButton::clicked, this, &AutoScrollDialog::Forward);
    connect(edtSpeed, &QLineEdit::textEdited, this, &AutoScrollDialog::Pause);
    connect(&m_timer, &QTimer::timeout, this, &AutoScrollDialog::timerTick);
    setSpeed(AutoScroll::kDefaultSpeed);
}

void AutoScrollDialog::setSpeed(std::uint16_t speed) {
    m_state.setSpeed(speed);
    edtSpeed->setText(QString::number(speed));
}

void AutoScrollDialog::scrollLines(long lines) {
    m_editor.SendScintilla(QsciScintillaBase::SCI_LINESCROLL, 0UL, lines);
}

void AutoScrollDialog::setInterval() {
    const std::size_t line = m_state.currentLine();
    const std::string text = line >= 1 && line <= m_state.lineCount()
                                 ? m_editor.displayLineText(static_cast<int>(line - 1))
                                 : std::string();
    const std::uint32_t ms = AutoScroll::intervalMs(text, m_state.speed());
    if (ms == 0) {
        m_timer.stop();
        return;
    }
    m_timer.setInterval(static_cast<int>(std::min<std::uint32_t>(ms, 0x7FFFFFFF)));
    if (m_state.playing()) m_timer.start();
}

void AutoScrollDialog::showPaused() {
    m_timer.stop();
    btnPause->setChecked(true);
}

void AutoScrollDialog::timerTick() {
    if (!m_state.playing()) return;
    const AutoScroll::Tick t = m_state.tick();
    if (t.scrollDown) scrollLines(1);
    if (t.caretToStart) {
        m_editor.caretToStart();
        m_editor.ensureCursorVisible();
        showPaused();
    }
    setInterval();
}

void AutoScrollDialog::Play() {
    m_timer.stop();
    edtSpeed->selectAll();
    m_state.play(edtSpeed->text().toStdString());
    btnPlay->setChecked(true);
    setInterval();
}

void AutoScrollDialog::Pause() {
    m_state.pause();
    showPaused();
}

void AutoScrollDialog::Quit() {
    Pause();
    accept();
}

void AutoScrollDialog::Rewind() {
    const std::size_t n = m_state.rewind();
    if (n > 0) scrollLines(-static_cast<long>(n));
    showPaused();
}

void AutoScrollDialog::Forward() {
    const std::size_t n = m_state.forward();
    if (n > 0) scrollLines(static_cast<long>(n));
    showPaused();
}

bool AutoScrollDialog::eventFilter(QObject* watched, QEvent* e) {
    if (watched != edtSpeed || e->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, e);
    auto* k = static_cast<QKeyEvent*>(e);
    const bool plain = (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (k->key()) {
        case Qt::Key_Escape:
            Quit();
            return true;
        case Qt::Key_Space:
            if (m_state.playing())
                Pause();
            else
                Play();
            return true;
        case Qt::Key_PageUp:
            if (plain) Rewind();
            return true;
        case Qt::Key_PageDown:
            if (plain) Forward();
            return true;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
    }
    const QString text = k->text();
    if (!text.isEmpty() && text.at(0).isDigit() && text.at(0).unicode() < 128) return false;
    // Every other character is ignored; shortcuts with Ctrl or Alt pass.
    return !text.isEmpty() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

}  // namespace sj
