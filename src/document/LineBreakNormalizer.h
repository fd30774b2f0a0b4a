#pragma once
// The one pass over a file's bytes as they are read: every line break (CR LF,
// lone CR, lone LF) becomes CR LF, and on the way the UTF-8 sequences are
// checked and the characters, breaks, NULs and backspaces counted, so nothing
// else has to walk the text again. Works chunk by chunk: a CR at the end of a
// chunk is held back so that a CR LF split between two chunks stays one line
// break, and so is a UTF-8 sequence the chunk cuts, so that it is checked
// whole.
#include <cstddef>
#include <string>
#include <string_view>

namespace sj {

class LineBreakNormalizer {
public:
    // Appends the normalised form of chunk to out.
    void feed(std::string_view chunk, std::string& out);
    // Flushes what is held back at the end of the stream. A stream cut short
    // (cut) drops a character it ends inside instead of counting it invalid.
    void finish(std::string& out, bool cut = false);
    // Backspaces become U+00B7 in the output (only right for UTF-8 text).
    void setMarkBackspaces(bool on) { m_markBackspaces = on; }

    // Whole-buffer convenience.
    static std::string normalize(std::string_view text);
    // Every line break (CR LF, lone CR, lone LF) as a single LF: the form text
    // takes when it leaves the program for other programs or a UNIX file.
    static std::string toUnix(std::string_view text);

    // What the stream held so far.
    std::size_t crLfCount() const { return m_crLf; }
    std::size_t loneLfCount() const { return m_loneLf; }
    std::size_t loneCrCount() const { return m_loneCr; }
    std::size_t nulCount() const { return m_nuls; }
    std::size_t backspaceCount() const { return m_backspaces; }
    // Bytes that are not part of a well-formed UTF-8 sequence.
    std::size_t invalidUtf8() const { return m_invalid; }
    // Characters of the output, when it is UTF-8 (each invalid byte counts one).
    std::size_t characterCount() const { return m_outBytes - m_continuations; }

private:
    const char* takeHeldSequence(const char* p, const char* end, std::string& out);
    void put(std::string& out, const char* from, std::size_t n) {
        out.append(from, n);
        m_outBytes += n;
    }

    bool m_pendingCR = false;
    bool m_markBackspaces = false;
    // The start of a UTF-8 sequence the last chunk ended inside.
    char m_held[4] = {};
    unsigned m_heldSize = 0;
    unsigned m_heldNeed = 0;
    std::size_t m_crLf = 0;
    std::size_t m_loneLf = 0;
    std::size_t m_loneCr = 0;
    std::size_t m_nuls = 0;
    std::size_t m_backspaces = 0;
    std::size_t m_invalid = 0;
    std::size_t m_outBytes = 0;
    std::size_t m_continuations = 0;
};

}  // namespace sj
