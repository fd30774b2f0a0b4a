#include "document/LineBreakNormalizer.h"

namespace sj {

void LineBreakNormalizer::feed(std::string_view chunk, std::string& out) {
    const char* p = chunk.data();
    const char* const end = p + chunk.size();
    if (m_pendingCR && p < end) {
        m_pendingCR = false;
        out.append("\r\n", 2);
        if (*p == '\n') {
            ++m_crLf;
            ++p;
        } else {
            ++m_loneCr;
        }
    }
    // Runs that are already right (including CR LF pairs) are copied in one go.
    const char* run = p;
    while (p < end) {
        const auto c = static_cast<unsigned char>(*p);
        if (c > '\r') {
            ++p;
            continue;
        }
        if (c == '\r') {
            if (p + 1 == end) {
                out.append(run, p);
                m_pendingCR = true;
                return;
            }
            if (p[1] == '\n') {
                ++m_crLf;
                p += 2;
                continue;
            }
            ++m_loneCr;
            out.append(run, p);
            out.append("\r\n", 2);
            run = ++p;
        } else if (c == '\n') {
            ++m_loneLf;
            out.append(run, p);
            out.append("\r\n", 2);
            run = ++p;
        } else {
            // NUL is the one byte a text file never holds; counting it here
            // costs nothing on the fast path.
            if (c == 0) ++m_nuls;
            ++p;
        }
    }
    out.append(run, p);
}

void LineBreakNormalizer::finish(std::string& out) {
    if (m_pendingCR) {
        ++m_loneCr;
        out.append("\r\n", 2);
    }
    m_pendingCR = false;
}

std::string LineBreakNormalizer::normalize(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 16);
    LineBreakNormalizer n;
    n.feed(text, out);
    n.finish(out);
    return out;
}

}  // namespace sj
