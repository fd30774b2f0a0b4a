#include "widgets/ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace sj::msg {
namespace {

QPointer<QWidget> g_owner;
bool g_sounds = true;
int g_beeps = 0;
void (*g_before)() = nullptr;
void (*g_after)() = nullptr;
Responder g_responder = nullptr;

// Tabs would be drawn as boxes by some styles.
QString shown(QString text) {
    return text.replace(QLatin1Char('\t'), QLatin1Char(' '));
}

QMessageBox::StandardButton run(QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons) {
    if (g_before) g_before();
    QMessageBox box(icon, boxTitle(), shown(text), buttons, g_owner);
    const auto result = static_cast<QMessageBox::StandardButton>(box.exec());
    if (g_after) g_after();
    return result;
}

}  // namespace

QString boxTitle() {
    return QStringLiteral("Super Jotleaf");
}

void setOwner(QWidget* owner) {
    g_owner = owner;
}
void setSoundsOn(bool on) {
    g_sounds = on;
}
bool soundsOn() {
    return g_sounds;
}
void beep() {
    ++g_beeps;
    if (g_sounds) QApplication::beep();
}
int beepCount() {
    return g_beeps;
}
void setModalHooks(void (*before)(), void (*after)()) {
    g_before = before;
    g_after = after;
}
void setTestResponder(Responder responder) {
    g_responder = responder;
}

void error(const QString& text) {
    beep();
    if (g_responder) {
        g_responder(text, false);
        return;
    }
    run(QMessageBox::Warning, text, QMessageBox::Ok);
}

void info(const QString& text, bool withBeep) {
    if (withBeep) beep();
    if (g_responder) {
        g_responder(text, false);
        return;
    }
    run(QMessageBox::Information, text, QMessageBox::Ok);
}

bool askYesNo(const QString& text, bool withBeep) {
    if (withBeep) beep();
    if (g_responder) return g_responder(text, false) == Answer::Yes;
    return run(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer askYesNoCancel(const QString& text, bool withBeep) {
    if (withBeep) beep();
    if (g_responder) return g_responder(text, true);
    switch (run(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

Answer askChoice(const QString& text, const QString& yesText, const QString& noText, bool withBeep) {
    if (withBeep) beep();
    if (g_responder) return g_responder(text, true);
    if (g_before) g_before();
    QMessageBox box(QMessageBox::Question, boxTitle(), shown(text), QMessageBox::NoButton, g_owner);
    QPushButton* yes = box.addButton(yesText, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(noText, QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (g_after) g_after();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    return Answer::Cancel;
}

}  // namespace sj::msg
