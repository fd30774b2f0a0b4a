#include "widgets/ui/InputFieldGroup.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

#include "widgets/InputRules.h"
#include "widgets/ui/InputField.h"

namespace sj {
namespace {

// One face over the kinds of text field the menu serves.
struct Field {
    QLineEdit* line = nullptr;
    QPlainTextEdit* memo = nullptr;
    InputField* kix = nullptr;

    explicit Field(QWidget* w) {
        kix = dynamic_cast<InputField*>(w);
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
        if (kix)
            kix->restoreEntry();
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
    s.enhanced = f.kix != nullptr;
    s.changedSinceEntry = f.kix && f.kix->changedSinceEntry();
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
    InputField* kix = f.kix;
    const Item items[10] = {
        {"&Undo", "Undo changes to input text", [f]() mutable { f.undo(); }},
        {"&Overwrite Mode", "Toggle Insert/Overwrite mode",
         [kix, widget] {
             if (!kix) return;
             InputFieldGroup* m = kix->DispatchInsMode ? InputFieldGroup::of(widget) : nullptr;
             if (m)
                 m->setOverwriteMode(!kix->overwriteMode());
             else
                 kix->setOverwriteMode(!kix->overwriteMode());
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
        if (!(ShowInMenu & (1u << i))) continue;
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
            a->setChecked(kix && kix->overwriteMode());
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

InputFieldGroup::InputFieldGroup(QWidget* form) : QObject(form), m_form(form) {
    setObjectName(QStringLiteral("InputFieldGroup"));
}

InputFieldGroup* InputFieldGroup::of(const QWidget* field) {
    if (!field) return nullptr;
    const QWidget* form = field->window();
    return form ? form->findChild<InputFieldGroup*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void InputFieldGroup::setOverwriteMode(bool on) {
    m_overwrite = on;
    for (QWidget* w : m_form->findChildren<QWidget*>())
        if (auto* k = dynamic_cast<InputField*>(w)) k->setOverwriteMode(on);
    emit modeChanged(on);
}

void InputFieldGroup::attachPlainFields() {
    for (QWidget* w : m_form->findChildren<QWidget*>()) {
        if (dynamic_cast<InputField*>(w)) continue;
        if (qobject_cast<QComboBox*>(w->parentWidget()) && qobject_cast<QLineEdit*>(w)) continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QComboBox*>(w)) {
            w->setContextMenuPolicy(Qt::DefaultContextMenu);
            w->installEventFilter(this);
        }
    }
}

bool InputFieldGroup::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ContextMenu && UseContextMenu) {
        InputBoxMenu.popup(static_cast<QWidget*>(watched), static_cast<QContextMenuEvent*>(e)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace sj
