#include <gtest/gtest.h>

#include "LineTestText.h"
#include "texttools/LineWorkers.h"

using namespace sj;
using sj::testing::crlf;

namespace {

// Straightforward per-line references, independent of the buffer-scanning workers.
struct Line {
    std::string text;
    std::string brk;
};

std::vector<Line> parse(const std::string& s) {
    std::vector<Line> lines(1);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            lines.back().brk = "\r\n";
            ++i;
            lines.emplace_back();
        } else if (s[i] == '\r' || s[i] == '\n') {
            lines.back().brk = std::string(1, s[i]);
            lines.emplace_back();
        } else {
            lines.back().text += s[i];
        }
    }
    return lines;
}

std::string referenceTrim(const std::string& s) {
    std::string out;
    for (Line l : parse(s)) {
        while (!l.text.empty() && (l.text.back() == ' ' || l.text.back() == '\t')) l.text.pop_back();
        out += l.text + l.brk;
    }
    return out;
}

std::string referenceAdjust(const std::string& s) {
    std::string out;
    for (const Line& l : parse(s)) out += l.text + (l.brk.empty() ? "" : "\r\n");
    return out;
}

std::string referenceIndent(const std::string& s, int size) {
    std::string out;
    const auto lines = parse(s);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || !lines[i].text.empty()) out += std::string(size, ' ');
        out += lines[i].text + lines[i].brk;
    }
    return out;
}

// Compress as a plain character loop over the rule: "LF CR" is dropped and the character
// after it copied unexamined.
std::pair<std::string, std::size_t> referenceCompress(const std::string& s) {
    std::string out;
    std::size_t removed = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && i + 1 < s.size() && s[i + 1] == '\r') {
            ++removed;
            i += 2;
            if (i < s.size()) out += s[i];
        } else {
            out += s[i];
        }
    }
    return {out, removed};
}

}  // namespace

TEST(LineWorkers, CompressHalvesRunsOfEmptyLines) {
    auto r = compressLines(crlf({"A", "", "", "", "B"}));
    EXPECT_EQ(r.text, crlf({"A", "", "B"}));
    EXPECT_EQ(r.removedBreaks, 2u);
    r = compressLines(crlf({"A", "", "B"}));
    EXPECT_EQ(r.text, crlf({"A", "B"}));
    EXPECT_EQ(r.removedBreaks, 1u);
    // Double-spaced text becomes single-spaced.
    EXPECT_EQ(compressLines(crlf({"a", "", "b", "", "c"})).text, crlf({"a", "b", "c"}));
    EXPECT_EQ(compressLines("").text, "");
    EXPECT_EQ(compressLines(crlf({"x", "y"})).removedBreaks, 0u);
}

TEST(LineWorkers, TrimRemovesBlanksBeforeEveryBreakAndAtTheEnd) {
    EXPECT_EQ(trimBlanks(crlf({"a  ", " \t", "  b\t "})), crlf({"a", "", "  b"}));
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks("x \r\n"), "x\r\n");
    EXPECT_EQ(trimBlanks("x \ny\t\rz "), "x\ny\rz");
    EXPECT_EQ(trimBlanks("\xC3\xA4 \xC2\xA0 "), "\xC3\xA4 \xC2\xA0");  // no-break space is no blank
}

TEST(LineWorkers, IndentSkipsEmptyLinesButNotTheFirst) {
    EXPECT_EQ(indentLines(crlf({"a", "", "b"}), 4), crlf({"    a", "", "    b"}));
    EXPECT_EQ(indentLines(crlf({"", "b"}), 2), crlf({"  ", "  b"}));
    EXPECT_EQ(indentLines(crlf({"a", "  "}), 1), crlf({" a", "   "}));  // blanks are content
    EXPECT_EQ(indentLines("a\r\n", 3), "   a\r\n");                     // no line after the final break
    EXPECT_EQ(indentLines("", 3), "");
    EXPECT_EQ(indentLines("a", 0), " a");  // a stored 0 counts as 1
    EXPECT_EQ(indentLines("a", 500), std::string(99, ' ') + "a");
}

TEST(LineWorkers, UnindentRemovesOnlyWholeIndents) {
    EXPECT_EQ(unindentLines("  a", 4), "  a");
    EXPECT_EQ(unindentLines(crlf({"      a", "\tb", "    ", "c"}), 4), crlf({"  a", "\tb", "", "c"}));
    EXPECT_EQ(unindentLines(crlf({" a", "", " b"}, true), 1), crlf({"a", "", "b"}, true));
}

TEST(LineWorkers, JoinLines) {
    EXPECT_EQ(joinLines(crlf({"one", "two"})), "one two");
    EXPECT_EQ(joinLines(crlf({"well-", "known"})), "well-known");
    EXPECT_EQ(joinLines(crlf({"x", "y"})), "x y");
    EXPECT_EQ(joinLines(crlf({"a   ", "   b"})), "a b");
    EXPECT_EQ(joinLines(crlf({"A", "B", "", "C", "D"})), crlf({"A B", "C D"}));
    EXPECT_EQ(joinLines(crlf({"A", "", "", "B"})), crlf({"A", "", "B"}));
    EXPECT_EQ(joinLines(crlf({"well- ", "known"})), "well-known");
    EXPECT_EQ(joinLines(crlf({"a", "\t ", "b"})), "a b");  // a line of blanks is content
    EXPECT_EQ(joinLines("a\nb"), "a b");
}

TEST(LineWorkers, AdjustLineBreaks) {
    EXPECT_EQ(adjustLineBreaks("a\rb\nc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_EQ(adjustLineBreaks("\n"), "\r\n");
    EXPECT_EQ(adjustLineBreaks("plain"), "plain");
}

// Large random texts against the references above: nothing lost, nothing doubled.
TEST(LineWorkers, AgreeWithReferencesOnRandomText) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        const std::string text = sj::testing::randomText(rng, round < 30 ? 200 : 60000);
        SCOPED_TRACE(round);
        EXPECT_EQ(trimBlanks(text), referenceTrim(text));
        EXPECT_EQ(adjustLineBreaks(text), referenceAdjust(text));
        const auto c = compressLines(text);
        const auto ref = referenceCompress(text);
        EXPECT_EQ(c.text, ref.first);
        EXPECT_EQ(c.removedBreaks, ref.second);
        for (int size : {1, 3}) {
            const std::string indented = indentLines(text, size);
            EXPECT_EQ(indented, text.empty() ? "" : referenceIndent(text, size));
            EXPECT_EQ(unindentLines(indented, size), text);
        }
    }
}
