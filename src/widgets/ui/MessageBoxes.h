#pragma once
// The program's message boxes: error (with a warning beep), information,
// Yes/No and Yes/No/Cancel questions. Every beep is silenced when sounds are off.
#include <QString>

class QWidget;

namespace sj::msg {

enum class Answer { Yes, No, Cancel };

// The title of every box: the program's name.
QString boxTitle();

// The window the boxes are centred on, and whether sounds are on.
void setOwner(QWidget* owner);
void setSoundsOn(bool on);
bool soundsOn();
void beep();
// Every beep asked for so far, heard or silenced: tests check for the signal.
int beepCount();

// Hooks run around every box so a stay-on-top window can step back meanwhile.
void setModalHooks(void (*before)(), void (*after)());

void error(const QString& text);
void info(const QString& text, bool withBeep = false);
bool askYesNo(const QString& text, bool withBeep = true);
Answer askYesNoCancel(const QString& text, bool withBeep = true);
// A question whose first two answers are named for what they do (Yes and No
// stand for them); the third is Cancel.
Answer askChoice(const QString& text, const QString& yesText, const QString& noText, bool withBeep = true);

// Tests answer the questions instead of a user.
using Responder = Answer (*)(const QString& text, bool cancelAllowed);
void setTestResponder(Responder responder);

}  // namespace sj::msg
