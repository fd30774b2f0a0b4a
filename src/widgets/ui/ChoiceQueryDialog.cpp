#include "widgets/ui/ChoiceQueryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "widgets/ui/ComboField.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/MessageBoxes.h"

namespace sj {
namespace {
ChoiceQueryDialog::Responder g_responder = nullptr;
}

ChoiceQueryDialog::ChoiceQueryDialog(const Request& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setWindowTitle(request.caption.left(120));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(request.label.left(120), this);
    new InputFieldGroup(this);
    auto* combo = new ComboField(this);
    combo->setEditable(!request.mustPick);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->LimitToList = request.mustPick;
    m_combo = combo;
    m_combo->setMinimumWidth(request.clientWidth);
    for (const Entry& e : request.entries) m_combo->addItem(e.text);
    m_combo->setCurrentIndex(request.selected);
    if (m_combo->lineEdit()) {
        m_combo->lineEdit()->setMaxLength(request.maxLength > 0 ? request.maxLength : 255);
        if (request.selected < 0) m_combo->lineEdit()->setText(request.defaultText);
    }
    label->setBuddy(m_combo);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(m_combo);
    layout->addWidget(buttons);
}

void ChoiceQueryDialog::done(int r) {
    if (r == Accepted) static_cast<ComboField*>(m_combo)->validate();
    if (r == Accepted && m_request.mustPick && m_combo->currentIndex() < 0) {
        msg::beep();
        return;
    }
    QDialog::done(r);
}

void ChoiceQueryDialog::setTestResponder(Responder responder) {
    g_responder = responder;
}

bool ChoiceQueryDialog::ask(const Request& request, Result& result, QWidget* parent) {
    if (g_responder) return g_responder(request, result);
    ChoiceQueryDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    result.entries = request.entries;
    result.text = dialog.m_combo->currentText();
    result.index = -1;
    for (int i = 0; i < result.entries.size(); ++i)
        if (result.entries[i].text == result.text) result.index = i;
    if (result.index < 0 && !result.text.isEmpty()) {
        // A typed answer joins the list, on top.
        result.entries.prepend({result.text, result.text});
        result.index = 0;
    }
    return true;
}

}  // namespace sj
