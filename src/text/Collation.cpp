#include "text/Collation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <vector>

namespace sj {
namespace {

std::string icuLocaleName(const std::string& name) {
    // POSIX names carry an encoding and modifier ("de_DE.UTF-8@euro") that ICU does not need.
    const std::size_t cut = name.find_first_of(".@");
    std::string base = name.substr(0, cut);
    if (base == "C" || base == "POSIX") base.clear();
    return base;
}

// UTF-16 conversion for the sort key; the buffer is kept per thread to spare allocations
// when keys are made for millions of lines.
const UChar* toUtf16(std::string_view s, int32_t& length) {
    thread_local std::vector<UChar> buffer;
    if (buffer.size() < s.size() + 1) buffer.resize(s.size() + 1);
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(buffer.data(), static_cast<int32_t>(buffer.size()), &length, s.data(),
                         static_cast<int32_t>(s.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) length = 0;
    return buffer.data();
}

}  // namespace

LocaleCollator::LocaleCollator(const std::string& localeName, bool caseInsensitive) {
    UErrorCode status = U_ZERO_ERROR;
    m_collator = ucol_open(icuLocaleName(localeName).c_str(), &status);
    if (U_FAILURE(status) || !m_collator) {
        status = U_ZERO_ERROR;
        m_collator = ucol_open("", &status);
    }
    if (m_collator && caseInsensitive) {
        // Secondary strength ignores case but still tells accents apart.
        ucol_setStrength(m_collator, UCOL_SECONDARY);
    }
}

LocaleCollator::~LocaleCollator() {
    if (m_collator) ucol_close(m_collator);
}

int LocaleCollator::compare(std::string_view a, std::string_view b) const {
    if (!m_collator) return a.compare(b);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(m_collator, a.data(), static_cast<int32_t>(a.size()),
                                                b.data(), static_cast<int32_t>(b.size()), &status);
    if (U_FAILURE(status)) return a.compare(b);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

std::string LocaleCollator::sortKey(std::string_view utf8) const {
    std::string key;
    appendSortKey(utf8, key);
    return key;
}

void LocaleCollator::appendSortKey(std::string_view utf8, std::string& out) const {
    if (!m_collator) {
        out += utf8;
        return;
    }
    int32_t length = 0;
    const UChar* text = toUtf16(utf8, length);
    const std::size_t at = out.size();
    // Room for a typical key; growing within the capacity costs no allocation.
    std::size_t room = static_cast<std::size_t>(length) * 3 + 16;
    out.resize(at + room);
    auto* dest = reinterpret_cast<uint8_t*>(out.data() + at);
    int32_t needed = ucol_getSortKey(m_collator, text, length, dest, static_cast<int32_t>(room));
    if (needed > static_cast<int32_t>(room)) {
        room = static_cast<std::size_t>(needed);
        out.resize(at + room);
        dest = reinterpret_cast<uint8_t*>(out.data() + at);
        needed = ucol_getSortKey(m_collator, text, length, dest, static_cast<int32_t>(room));
    }
    // The key ends with a NUL that is not part of the order.
    out.resize(at + (needed > 0 ? static_cast<std::size_t>(needed - 1) : 0));
}

}  // namespace sj
