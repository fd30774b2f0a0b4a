#include "widgets/ui/FieldEditMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

#include "widgets/InputRules.h"
#include "widgets/ui/InputField.h"
#include "widgets/ui/InputFieldGroup.h"

namespace sj {
namespace {

// One face over the kinds of text field the menu serves.
struct Field {
    QLineEdit* line = nullptr;
    QPlainTextEdit* memo = nullptr;
    InputField* inputField = nullptr;

    explicit Field(QWidget* w) {
        inputField = dynamic_cast<InputField*>(w);
        if (auto* c = qobject_cast<QComboBox*>(w)) line = c->lineEdit();
        if (!line) line = qobject_cast<QLineEdit*>(w);
        memo = qobject_cast<QPlainTextEdit*>(w);
    }
    bool valid() const { return line || memo; }
    bool readOnly() const { return line ? line->isReadOnly() : memo->isReadOnly(); }
    QString text() const { return line ? line->text() : memo->toPlainText(); }
    bool hasSelection() const { return line ? line->hasSelectedText() : memo->textCursor().hasSelection(); }
    bool allSelected() const {
        const QString t = text();
        if (line) return line->selectedText().size() == t.size();
        return memo->textCursor().selectedText().size() == t.size();
    }
    bool canUndo() const { return line ? line->isUndoAvailable() : memo->document()->isUndoAvailable(); }
    void undo() {
        if (inputField)
            inputField->restoreEntry();
        else if (line)
            line->undo();
        else
            memo->undo();
    }
    void cut() { line ? line->cut() : memo->cut(); }
    void copy() { line ? line->copy() : memo->copy(); }
    void paste() { line ? line->paste() : memo->paste(); }
    void del() {
        if (line)
            line->del();
        else
            memo->textCursor().removeSelectedText();
    }
    void clear() {
        if (line) {
            line->selectAll();
            line->del();
        } else {
            memo->selectAll();
            memo->textCursor().removeSelectedText();
        }
    }
    void selectAll() { line ? line->selectAll() : memo->selectAll(); }
};

}  // namespace

QMenu* FieldEditMenu::build(QWidget* widget, QWidget* parent) const {
    auto* menu = new QMenu(parent);
    Field f(widget);
    if (!f.valid()) return menu;
    InputFieldState s;
    s.enhanced = f.inputField != nullptr;
    s.changedSinceEntry = f.inputField && f.inputField->changedSinceEntry();
    s.systemCanUndo = f.canUndo();
    s.readOnly = f.readOnly();
    s.hasSelection = f.hasSelection();
    s.allSelected = f.allSelected();
    s.empty = f.text().isEmpty();
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    s.clipboardHasText = clip && clip->hasText();
    const auto enabled = inputMenuEnabled(s);

    struct Item {
        const char* caption;
        const char* hint;
        std::function<void()> run;
    };
    InputField* inputField = f.inputField;
    const Item items[10] = {
        {"&Undo", "Undo changes to input text", [f]() mutable { f.undo(); }},
        {"&Overwrite Mode", "Toggle Insert/Overwrite mode",
         [inputField, widget] {
             if (!inputField) return;
             InputFieldGroup* m = inputField->DispatchInsMode ? InputFieldGroup::of(widget) : nullptr;
             if (m)
                 m->setOverwriteMode(!inputField->overwriteMode());
             else
                 inputField->setOverwriteMode(!inputField->overwriteMode());
         }},
        {"-", "", {}},
        {"Cu&t", "Cut selected text to clipboard", [f]() mutable { f.cut(); }},
        {"&Copy", "Copy selected text to clipboard", [f]() mutable { f.copy(); }},
        {"&Paste", "Paste text from clipboard to input box", [f]() mutable { f.paste(); }},
        {"&Delete", "Delete selected text", [f]() mutable { f.del(); }},
        {"C&lear All", "Clear all text from input box", [f]() mutable { f.clear(); }},
        {"-", "", {}},
        {"Select &All", "Select all text in input box", [f]() mutable { f.selectAll(); }},
    };
    for (int i = 0; i < 10; ++i) {
        if (!(shownItems & (1u << i))) continue;
        if (QString::fromLatin1(items[i].caption) == QLatin1String("-")) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(QString::fromLatin1(items[i].caption));
        a->setStatusTip(QString::fromLatin1(items[i].hint));
        a->setData(i);
        a->setEnabled(enabled[i]);
        if (i == static_cast<int>(InputMenuItem::Overwrite)) {
            a->setCheckable(true);
            a->setChecked(inputField && inputField->overwriteMode());
        }
        QObject::connect(a, &QAction::triggered, menu, items[i].run);
    }
    return menu;
}

void FieldEditMenu::popup(QWidget* field, const QPoint& globalPos) const {
    QMenu* menu = build(field, field);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

}  // namespace sj
