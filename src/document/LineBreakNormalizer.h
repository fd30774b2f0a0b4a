#pragma once
// Turns every line break of a byte stream (CR LF, lone CR, lone LF) into CR LF.
// Works chunk by chunk: a CR at the end of a chunk is held back so that a
// CR LF split between two chunks stays one line break.
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
    bool sawCrLf() const { return m_sawCrLf; }
    bool sawLoneLf() const { return m_sawLoneLf; }
    bool sawLoneCr() const { return m_sawLoneCr; }

private:
    bool m_pendingCR = false;
    bool m_sawCrLf = false;
    bool m_sawLoneLf = false;
    bool m_sawLoneCr = false;
};

}  // namespace sj
