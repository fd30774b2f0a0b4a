#pragma once
// Drops typed characters that a field does not accept, silently, as the
// user types or pastes them.
#include <QValidator>

namespace sj {

class KeyFilter : public QValidator {
public:
    using Rule = bool (*)(char32_t);
    KeyFilter(Rule accepts, QObject* parent) : QValidator(parent), m_accepts(accepts) {}

    State validate(QString& input, int& pos) const override;

private:
    Rule m_accepts;
};

}  // namespace sj
