#pragma once
// Finds a search text in a UTF-8 buffer under the find options: exact bytes
// with MatchCase, otherwise simple Unicode case folding (é finds É). A match
// always starts and ends on character boundaries.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texttools/SearchOptions.h"

namespace sj {

struct FindMatch {
    std::size_t pos = 0;
    std::size_t length = 0;
    std::size_t end() const { return pos + length; }
    friend bool operator==(const FindMatch&, const FindMatch&) = default;
};

// The characters standing just outside a searched range when they are not
// what the text holds there (Replace All sees its own replacements there).
// kFromText reads them from the text; 0 means "nothing there".
struct WordEdges {
    static constexpr char32_t kFromText = 0xFFFFFFFF;
    char32_t before = kFromText;  // before a match that starts at the range start
    char32_t after = kFromText;   // after a match that ends at the range end
};

class FindMatcher {
public:
    FindMatcher(std::string_view needle, SearchOptions options);

    bool empty() const { return m_needle.empty(); }
    const std::string& needle() const { return m_needle; }

    // Leftmost match starting at or after from and ending at or before to.
    std::optional<FindMatch> findForward(std::string_view text, std::size_t from, std::size_t to,
                                         WordEdges edges = {}) const;
    // The match with the greatest start at or after from that ends at or before to.
    std::optional<FindMatch> findBackward(std::string_view text, std::size_t from, std::size_t to,
                                          WordEdges edges = {}) const;

    // True when candidate as a whole equals the search text under the case rule.
    bool matchesWhole(std::string_view candidate) const;

    // Letters, digits and combining marks of any script; everything else,
    // "_" included, separates words.
    static bool isWordChar(char32_t c);
    static char32_t fold(char32_t c);
    // Equality of two texts ignoring case (simple case folding).
    static bool equalIgnoringCase(std::string_view a, std::string_view b);

private:
    enum class Mode { Exact, AsciiFold, UnicodeFold };

    std::optional<FindMatch> rawForward(Mode mode, std::string_view text, std::size_t from,
                                        std::size_t to) const;
    std::optional<FindMatch> rawBackward(Mode mode, std::string_view text, std::size_t from, std::size_t to,
                                         std::size_t maxStart) const;
    // First position in [from, to) holding a possible lead byte, or to.
    std::size_t nextLeadByte(std::string_view text, std::size_t from, std::size_t to) const;
    std::optional<std::size_t> foldedMatchAt(std::string_view text, std::size_t pos, std::size_t to) const;
    bool wordBoundsOk(std::string_view text, const FindMatch& m, std::size_t from, std::size_t to,
                      WordEdges edges) const;
    // The mode for one search: an ASCII needle falls back to the Unicode path
    // when the range holds a non-ASCII character that folds onto an ASCII letter.
    Mode modeFor(std::string_view text, std::size_t from, std::size_t to) const;

    std::string m_needle;     // as given; lowered in AsciiFold mode
    std::u32string m_folded;  // folded code points (case-insensitive modes)
    Mode m_mode = Mode::Exact;
    bool m_wholeWord = false;
    std::array<bool, 256> m_firstByte{};     // lead bytes a folded match may start with
    std::vector<unsigned char> m_leadBytes;  // the same as a list, for memchr when short
    std::vector<std::string> m_asciiAliens;  // non-ASCII spellings of the needle's letters

    // Where the next alien spelling lies in the last text searched, so that a
    // run of forward searches over one unchanged text scans for it only once.
    // The text must not change between searches with one matcher.
    struct AlienCache {
        const char* data = nullptr;
        std::size_t size = 0;
        std::size_t scannedFrom = 0;
        std::size_t next = 0;  // size when there is none
    };
    mutable AlienCache m_alienCache;
};

}  // namespace sj
