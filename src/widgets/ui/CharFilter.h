#pragma once
// `CharFilter`: a validator that drops the characters a rule refuses as they
// are typed or pasted, silently, and accepts what is left.
#include <QValidator>

#include <functional>

namespace sj {

class CharFilter : public QValidator {
public:
    CharFilter(std::function<bool(char32_t)> accepts, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<bool(char32_t)> m_accepts;
};

}  // namespace sj
