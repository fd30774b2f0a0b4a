// Where the editor puts each character, against Qt's own layout of the same text
// in the same font. The editor measures simple text by adding up advances it
// keeps per font and character, lays out only the changed end of a long line
// again, and draws a long line from near its visible part: each must land
// exactly where a full layout by Qt would, or characters are drawn over each
// other.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QTextLayout>

#include <random>
#include <string>
#include <vector>

#include "document/ui/EditorView.h"

namespace sj {
namespace {

using Base = QsciScintillaBase;

// The byte offsets where characters start in UTF-8 text, and its end.
std::vector<int> characterStarts(const std::string& utf8) {
    std::vector<int> starts;
    for (int i = 0; i < static_cast<int>(utf8.size()); ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) starts.push_back(i);
    starts.push_back(static_cast<int>(utf8.size()));
    return starts;
}

class TextPositionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.resize(900, 200);
        editor.show();
        QApplication::processEvents();
    }

    void useFont(const char* family, double points) {
        font = QFont(QString::fromLatin1(family));
        font.setPointSizeF(points);
        editor.setFont(font);
#ifdef SJ_EDITOR_COMPONENT_PATCHED
        // The editor lays its fonts out without kerning.
        font.setKerning(false);
#endif
    }

    long x(int pos) {
        return editor.SendScintilla(Base::SCI_POINTXFROMPOSITION, 0, static_cast<long>(pos));
    }

    // Every character boundary of a text without tabs, shown alone on the
    // first line, sits where Qt's layout of the whole text puts it. The
    // editor reports whole pixels, so Qt's positions are cut the same way.
    void expectQtPositions(const std::string& utf8) {
        editor.loadText(utf8);
        const QString text = QString::fromStdString(utf8);
        QTextLayout layout(text, font, editor.viewport());
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        const long origin = x(0);
        int unit = 0;
        for (int start : characterStarts(utf8)) {
            const long expected = origin + static_cast<long>(line.cursorToX(unit));
            ASSERT_EQ(x(start), expected) << font.family().toStdString() << " " << font.pointSizeF()
                                          << "pt, byte " << start << " of \"" << utf8 << "\"";
            if (start < static_cast<int>(utf8.size()))
                unit += static_cast<unsigned char>(utf8[start]) >= 0xF0 ? 2 : 1;
        }
    }

    EditorView editor;
    QFont font;
};

// Kerned pairs, would-be ligatures, Latin-1 and Latin Extended letters, and
// every other script beside them: Arabic and Hebrew (right to left, joined),
// CJK, combining marks, characters outside the Basic Multilingual Plane and a
// soft hyphen. The mixed texts must fall back to Qt's layout as a whole.
const char* const kSamples[] = {
    "AVATAR To Wa Yo LT P. F, \"quoted\" 'single'",
    "office fluff affix -> => != === <= ::",
    "Caf\xC3\xA9 na\xC3\xAFve \xC3\x9F\xC3\xB8\xC3\xA5 \xC2\xA0nbsp \xC2\xBF\xC2\xA1 \xC3\x86\xC3\x98",
    "\xC5\x81\xC3\xB3"
    "d\xC5\xBA \xC7\x85 \xC9\x90\xC9\x91 \xCA\xB0\xCB\x86",
    "abc \xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7 def",
    "shalom \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D 123",
    "kanji \xE6\xBC\xA2\xE5\xAD\x97 kana \xE3\x81\x8B\xE3\x81\xAA",
    "e\xCC\x81 a\xCC\x8A o\xCC\x88\xCC\x81 plain",
    "smile \xF0\x9F\x98\x80 and \xF0\x9D\x90\x80 math",
    "soft\xC2\xADhyphen",
};

TEST_F(TextPositionsTest, CharactersSitWhereQtLaysThemOut) {
    for (const char* family : {"DejaVu Sans Mono", "DejaVu Sans", "DejaVu Serif"}) {
        for (double points : {10.0, 37.5}) {
            useFont(family, points);
            for (const char* sample : kSamples) expectQtPositions(sample);
        }
    }
}

TEST_F(TextPositionsTest, ManySimpleTextsInAProportionalFont) {
    // Letters that kern or join in many fonts, with Latin-1 and Latin
    // Extended ones among them.
    const std::vector<std::string> pieces = {"A", "V",        "W",        "T",        "o",        "y", "f",
                                             "i", "l",        ".",        ",",        " ",        "r", "L",
                                             "P", "\xC3\xA9", "\xC3\x85", "\xC5\x93", "\xC5\xBF", "1"};
    std::mt19937 random(15);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 40);
    for (double points : {11.0, 29.0}) {
        useFont("DejaVu Sans", points);
        for (int n = 0; n < 120; ++n) {
            std::string text;
            for (int k = length(random); k > 0; --k) text += pieces[pick(random)];
            expectQtPositions(text);
        }
    }
}

TEST_F(TextPositionsTest, TabsKeepTheTextAroundThemInPlace) {
    useFont("DejaVu Sans", 12);
    const std::string text = "To\tWa\xD7\xA9\xD7\x9C\tfi e\xCC\x81\tend";
    editor.loadText(text);
    long previousStart = x(0);
    std::size_t from = 0;
    // Each piece between tabs is laid out by Qt from where its tab ended.
    while (from <= text.size()) {
        const std::size_t tab = std::min(text.find('\t', from), text.size());
        const std::string piece = text.substr(from, tab - from);
        QTextLayout layout(QString::fromStdString(piece), font, editor.viewport());
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        const long origin = x(static_cast<int>(from));
        EXPECT_GE(origin, previousStart);
        int unit = 0;
        for (int start : characterStarts(piece)) {
            // Positions inside a piece are whole pixels from a start that is
            // itself a tab stop, so cut both the same way.
            EXPECT_NEAR(x(static_cast<int>(from) + start), origin + line.cursorToX(unit), 1.0)
                << "byte " << from + start;
            if (start < static_cast<int>(piece.size())) ++unit;
        }
        previousStart = origin;
        from = tab + 1;
    }
}

// A long line edited in the middle and at its end, then laid out afresh (a
// font change measures everything again): the positions kept from before the
// edit and those measured after it agree with the fresh layout everywhere.
TEST_F(TextPositionsTest, AnEditedLongLineMatchesAFreshLayout) {
    useFont("DejaVu Sans", 10);
    std::string text;
    for (int n = 0; text.size() < 300'000; ++n)
        text += "{\"id\":" + std::to_string(n) +
                ",\"name\":\"Caf\xC3\xA9 \xD7\xA9\xD7\x9C\",\"tags\":[\"AV\",\"To\"]},";
    editor.loadText(text);
    const int length = static_cast<int>(text.size());
    const std::vector<int> probes = {0, 1, 777, 150'000, 150'001, 150'009, 220'000, length - 1, length};
    for (int p : probes) x(p);  // laid out before the edits

    editor.setCaret(150'000);
    QTest::keyClicks(&editor, QStringLiteral("WAV"));
    editor.replaceSelection("\xD7\xA9");
    editor.caretToEnd();
    QTest::keyClicks(&editor, QStringLiteral("To"));
    QApplication::processEvents();
    std::vector<long> edited;
    std::vector<int> after = probes;
    after.push_back(length + 5 + 2);
    for (int& p : after) {
        if (p > 150'000) p += 5;
        edited.push_back(x(p) - x(0));
    }

    editor.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(edited[i], x(after[i]) - x(0)) << "byte " << after[i];
}

}  // namespace
}  // namespace sj
