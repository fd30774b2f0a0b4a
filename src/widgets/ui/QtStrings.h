#pragma once
// The two conversions between the logic's UTF-8 strings and the widgets' QString.
#include <QString>
#include <string>

namespace sj {

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

inline std::string ss(const QString& s) {
    return s.toStdString();
}

}  // namespace sj
