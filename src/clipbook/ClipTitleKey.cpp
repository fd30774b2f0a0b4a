#include "clipbook/ClipTitleKey.h"

#include "text/CharClass.h"

namespace sj {

std::string foldedKey(std::string_view utf8) {
    return charclass::foldCase(utf8);
}

int compareWithoutCase(std::string_view a, std::string_view b) {
    int r = foldedKey(a).compare(foldedKey(b));
    if (r != 0) return r;
    return a.compare(b);
}

bool equalsWithoutCase(std::string_view a, std::string_view b) {
    return foldedKey(a) == foldedKey(b);
}

}  // namespace sj
