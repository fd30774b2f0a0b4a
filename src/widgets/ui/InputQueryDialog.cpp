#include "widgets/ui/InputQueryDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "widgets/ui/CharFilter.h"
#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"

namespace sj {
namespace {

InputQueryDialog::Responder g_responder = nullptr;

}  // namespace

InputQueryDialog::InputQueryDialog(const Request& request, QWidget* parent) : QDialog(parent) {
    setWindowTitle(request.caption.left(120));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(request.label.left(120), this);
    new InputFieldGroup(this);
    m_edit = new LineField(request.defaultText, this);
    m_edit->setMaxLength(request.maxLength > 0 ? request.maxLength : 255);
    m_edit->setMinimumWidth(request.clientWidth);
    if (!request.acceptedChars.isEmpty() || !request.refusedChars.isEmpty() || request.acceptsChar) {
        // Control characters are always refused.
        const QString accepted = request.acceptedChars;
        const QString refused = request.refusedChars;
        const std::function<bool(char32_t)> rule = request.acceptsChar;
        m_edit->setValidator(new CharFilter(
            [accepted, refused, rule](char32_t c) {
                const QString one = QString::fromUcs4(&c, 1);
                return c > 31 && (accepted.isEmpty() || accepted.contains(one)) && !refused.contains(one) &&
                       (!rule || rule(c));
            },
            m_edit));
    }
    label->setBuddy(m_edit);
    m_edit->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
}

QString InputQueryDialog::text() const {
    return m_edit->text();
}

void InputQueryDialog::setTestResponder(Responder responder) {
    g_responder = responder;
}

bool InputQueryDialog::query(const Request& request, QString& text, QWidget* parent) {
    if (g_responder) return g_responder(request, text);
    InputQueryDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    text = dialog.text();
    return true;
}

bool InputQueryDialog::ask(const Request& request, QString& text, QWidget* parent) {
    return query(request, text, parent) && (request.acceptEmpty || !text.isEmpty());
}

}  // namespace sj
