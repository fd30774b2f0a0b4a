#pragma once
// Turns every line break of a byte stream (CR LF, lone CR, lone LF) into CR LF.
// Works chunk by chunk: a CR at the end of a chunk is held back so that a
// CR LF split between two chunks stays one line break.
#include <cstddef>
#include <string>
#include <string_view>

namespace sj {

class LineBreakNormalizer {
public:
    // Appends the normalised form of chunk to out.
    void feed(std::string_view chunk, std::string& out);
    // Flushes a held-back CR at the end of the stream.
    void finish(std::string& out);

    // Whole-buffer convenience.
    static std::string normalize(std::string_view text);

    // What the stream held so far.
    std::size_t crLfCount() const { return m_crLf; }
    std::size_t loneLfCount() const { return m_loneLf; }
    std::size_t loneCrCount() const { return m_loneCr; }
    std::size_t nulCount() const { return m_nuls; }

private:
    bool m_pendingCR = false;
    std::size_t m_crLf = 0;
    std::size_t m_loneLf = 0;
    std::size_t m_loneCr = 0;
    std::size_t m_nuls = 0;
};

}  // namespace sj
