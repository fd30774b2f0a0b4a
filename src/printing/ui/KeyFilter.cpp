#include "printing/ui/KeyFilter.h"

namespace sj {

QValidator::State KeyFilter::validate(QString& input, int& pos) const {
    QString kept;
    int caret = pos;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (m_accepts(c.unicode()))
            kept += c;
        else if (i < pos)
            --caret;
    }
    if (kept.size() != input.size()) {
        input = kept;
        pos = caret;
    }
    return Acceptable;
}

}  // namespace sj
