#include "widgets/ui/CharFilter.h"

#include <algorithm>

namespace sj {

CharFilter::CharFilter(std::function<bool(char32_t)> accepts, QObject* parent)
    : QValidator(parent), m_accepts(std::move(accepts)) {}

QValidator::State CharFilter::validate(QString& input, int& pos) const {
    QString kept;
    int keptBeforeCursor = 0;
    int at = 0;
    for (const char32_t c : input.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (m_accepts(c)) {
            kept += one;
            if (at < pos) keptBeforeCursor += static_cast<int>(one.size());
        }
        at += static_cast<int>(one.size());
    }
    if (kept.size() != input.size()) {
        // The cursor stays after the last character that was kept before it.
        pos = std::min<int>(keptBeforeCursor, static_cast<int>(kept.size()));
        input = kept;
    }
    return Acceptable;
}

}  // namespace sj
