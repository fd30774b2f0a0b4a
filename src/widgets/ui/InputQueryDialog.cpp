#include "widgets/ui/InputQueryDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "widgets/ui/InputFieldGroup.h"
#include "widgets/ui/LineField.h"

namespace sj {
namespace {

InputQueryDialog::Responder g_responder = nullptr;

// Characters outside the accepted set, or in the refused one, are dropped as
// typed, silently. Control characters are always refused.
class CharFilter : public QValidator {
public:
    CharFilter(QString accepted, QString refused, QObject* parent)
        : QValidator(parent), m_accepted(std::move(accepted)), m_refused(std::move(refused)) {}
    State validate(QString& input, int& pos) const override {
        QString kept;
        for (const QChar c : input)
            if ((m_accepted.isEmpty() || m_accepted.contains(c)) && !m_refused.contains(c) &&
                c.unicode() > 31)
                kept += c;
        if (kept.size() != input.size()) {
            pos = std::min<int>(pos, kept.size());
            input = kept;
        }
        return Acceptable;
    }

private:
    QString m_accepted;
    QString m_refused;
};

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
    if (!request.acceptedChars.isEmpty() || !request.refusedChars.isEmpty())
        m_edit->setValidator(new CharFilter(request.acceptedChars, request.refusedChars, m_edit));
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
