#include <gtest/gtest.h>

#include "texttools/HtmlEntities.h"
#include "texttools/HtmlStrip.h"

using namespace sj;

TEST(StripHtml, BreaksNeedRoomLeftByTheMarkup) {
    EXPECT_EQ(stripHtmlTags("Hello<P>World"), "HelloWorld");
    EXPECT_EQ(stripHtmlTags("Hello<BR>World"), "Hello\r\nWorld");
    EXPECT_EQ(stripHtmlTags("Hello<p >World"), "Hello\r\nWorld");
    EXPECT_EQ(stripHtmlTags("Hello<P></P>World"), "HelloWorld");  // a closing P asks for nothing
    EXPECT_EQ(stripHtmlTags("Hello<BR><P>World"), "Hello\r\n\r\nWorld");
    EXPECT_EQ(stripHtmlTags("<H1>Title</H1><P>Body text"), "Title\r\n\r\nBody text");
    // No break before the first text; a break tag after a break only tops up to its count.
    EXPECT_EQ(stripHtmlTags("<P><BR>text<BR><BR><P>more"), "text\r\n\r\nmore");
    // Spaces before a break are removed.
    EXPECT_EQ(stripHtmlTags("one   <br>two"), "one\r\ntwo");
}

TEST(StripHtml, SourceLineBreaksJoinWords) {
    EXPECT_EQ(stripHtmlTags("one\r\ntwo"), "one two");
    EXPECT_EQ(stripHtmlTags("well-\r\nknown"), "well-known");
    EXPECT_EQ(stripHtmlTags("one\r\n\r\n\r\ntwo"), "one two");
    EXPECT_EQ(stripHtmlTags("one\ntwo\rthree"), "one two three");
    EXPECT_EQ(stripHtmlTags("  lead\r\n    indented  inside\r\n"), "lead indented  inside ");
    EXPECT_EQ(stripHtmlTags("\r\n\r\n  text"), "text");
    EXPECT_EQ(stripHtmlTags("line<BR>\r\n  next"), "line\r\nnext");
}

TEST(StripHtml, TablesAndTagNames) {
    EXPECT_EQ(stripHtmlTags("<TR><TD>a</TD><TD>b</TD></TR>"), "a\tb\t\r\n");
    EXPECT_EQ(stripHtmlTags("<table><tr><th>h</th></tr></table>"), "h\t\r\n");
    EXPECT_EQ(stripHtmlTags("go <A HREF=\"x.htm\">there</A> now"), "go there now");
    // A ">" inside a quoted attribute ends the tag early.
    EXPECT_EQ(stripHtmlTags("<IMG ALT=\"a>b\">c"), "b\">c");
    EXPECT_EQ(stripHtmlTags("x<!-- note -->y"), "xy");
    EXPECT_EQ(stripHtmlTags("a<br/>b<BR\r\nclass=x>c"), "a\r\nb\r\nc");
    EXPECT_EQ(htmlTagBreaks("H8"), 2);
    EXPECT_EQ(htmlTagBreaks("H9"), 0);
    EXPECT_EQ(htmlTagBreaks("H10"), 0);
    EXPECT_EQ(htmlTagBreaks("/UL"), 1);
    EXPECT_EQ(htmlTagBreaks("UL"), 0);
    EXPECT_EQ(htmlTagBreaks("/BLOCKQUOTE"), 1);
    EXPECT_EQ(htmlTagBreaks("/P"), 0);
    // A "<" with no ">" after it is text, not a tag eating the rest.
    EXPECT_EQ(stripHtmlTags("a < b and c"), "a < b and c");
}

TEST(StripHtml, Entities) {
    EXPECT_EQ(stripHtmlTags("&eacute;&Eacute;&EACUTE;"), "\xC3\xA9\xC3\x89\xC3\x89");
    EXPECT_EQ(stripHtmlTags("&#65;&nbsp;AT&T"), "A AT&T");
    EXPECT_EQ(stripHtmlTags("&lt;b&gt; &amp; &quot;q&QUOT;"), "<b> & \"q\"");
    EXPECT_EQ(stripHtmlTags("&copy; &reg; &trade; &#150; &#8364;"),
              "\xC2\xA9 \xC2\xAE \xE2\x84\xA2 \xE2\x80\x93 \xE2\x82\xAC");
    EXPECT_EQ(stripHtmlTags("&AElig;&aelig;&ETH;&eth;&THORN;&thorn;&szlig;&yuml;"),
              "\xC3\x86\xC3\xA6\xC3\x90\xC3\xB0\xC3\x9E\xC3\xBE\xC3\x9F\xC3\xBF");
    // A known accent on a letter without such a form gives the letter.
    EXPECT_EQ(stripHtmlTags("&Bacute; &qcedil;"), "B q");
    // Ends at a space or the end of the text without a semicolon.
    EXPECT_EQ(stripHtmlTags("&lt &gt"), "< >");
    EXPECT_EQ(stripHtmlTags("&#0; &#; &#12x; &bogus; &"), "&#0; &#; &#12x; &bogus; &");
    EXPECT_EQ(stripHtmlTags("&" + std::string(300, 'a') + ";"), "&" + std::string(300, 'a') + ";");
    EXPECT_EQ(decodeHtmlEntity("#x41"), U'A');
    EXPECT_FALSE(decodeHtmlEntity("#55296"));  // a surrogate
}

TEST(StripHtml, VerbatimKeepsLayout) {
    EXPECT_EQ(stripHtmlTags("x<PRE>  a  &lt;\r\n   b</PRE>after"), "x\r\n  a  <\r\n   b\r\nafter");
    EXPECT_EQ(stripHtmlTags("<XMP>\r\n k</XMP>\r\n y"), "\r\n k y");  // XMP is no block tag
    EXPECT_EQ(stripHtmlTags("<PRE>code\r\n</PRE>next"), "code\r\nnext");
}

TEST(StripHtml, NonAsciiAndLongInput) {
    EXPECT_EQ(stripHtmlTags("<b>\xC3\xA9t\xC3\xA9</b> \xE4\xB8\xAD<BR>x"),
              "\xC3\xA9t\xC3\xA9 \xE4\xB8\xAD\r\nx");
    std::string big;
    for (int i = 0; i < 20000; ++i) big += "<p>word &amp; word</p>\r\n";
    const std::string out = stripHtmlTags(big);
    EXPECT_EQ(out.find('<'), std::string::npos);
    EXPECT_EQ(out.substr(0, 19), "word & word\r\n\r\nword");
    const std::string longLine(1 << 20, 'z');
    EXPECT_EQ(stripHtmlTags(longLine), longLine);
    EXPECT_EQ(stripHtmlTags(""), "");
}

TEST(stripHtmlInSelection, ScopeAndWordWrap) {
    const std::string text = "a<BR>b";
    auto r = stripHtmlInSelection(text, 0, 0, false);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->switchWordWrapOn);
    EXPECT_EQ(r->change.start, 0u);
    EXPECT_EQ(r->change.length, text.size());
    EXPECT_EQ(r->change.replacement, "a\r\nb");
    EXPECT_EQ(r->change.selLength, 4u);
    r = stripHtmlInSelection(text, 0, text.size(), true);
    EXPECT_FALSE(r->switchWordWrapOn);
    r = stripHtmlInSelection(text, 1, 4, false);  // a selection short of the whole text
    EXPECT_FALSE(r->switchWordWrapOn);
    EXPECT_EQ(r->change.replacement, "");
    EXPECT_EQ(r->change.selStart, 1u);
    EXPECT_FALSE(stripHtmlInSelection("", 0, 0, false));
}

TEST(CharactersToHtml, EntityTable) {
    EXPECT_EQ(charactersToHtml("caf\xC3\xA9"), "caf&eacute;");
    EXPECT_EQ(charactersToHtml("\xC3\x86\xC3\x90\xC3\x9E\xC3\x9F\xC3\xBF"),
              "&AElig;&ETH;&THORN;&szlig;&yuml;");
    EXPECT_EQ(charactersToHtml("\xC2\xA9\xC2\xAE\xE2\x84\xA2"), "&copy;&reg;&trade;");
    EXPECT_EQ(charactersToHtml("\xC3\x97\xC3\xB7\xC2\xA0\xC2\xBF"), "&#215;&#247;&#160;&#191;");
    EXPECT_EQ(charactersToHtml("\xE2\x82\xAC\xE2\x80\x93\xE4\xB8\xAD\xF0\x9F\x98\x80"),
              "&#8364;&#8211;&#20013;&#128512;");
    EXPECT_EQ(charactersToHtml("a\xFF"
                               "b"),
              "a\xFF"
              "b");
    // Round trip through Strip HTML Tags for every Latin-1 letter and sign.
    for (char32_t c = 0xA0; c <= 0xFF; ++c) {
        std::string one;
        one.push_back(static_cast<char>(0xC0 | (c >> 6)));
        one.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        const std::string expected = c == 0xA0 ? " " : one;  // &#160; reads back as a no-break space
        EXPECT_EQ(stripHtmlTags("x" + charactersToHtml(one)), "x" + (c == 0xA0 ? one : expected)) << int(c);
    }
}

TEST(htmlEncodeSelection, ScopeAndUnchangedText) {
    auto c = htmlEncodeSelection("plain", 0, 0);
    EXPECT_FALSE(c.replaces);
    EXPECT_EQ(c.selStart, 0u);
    EXPECT_EQ(c.selLength, 5u);
    c = htmlEncodeSelection("plain", 1, 2);
    EXPECT_FALSE(c.replaces);
    EXPECT_EQ(c.selStart, 1u);
    EXPECT_EQ(c.selLength, 2u);
    c = htmlEncodeSelection("x caf\xC3\xA9 y", 2, 5);
    EXPECT_TRUE(c.replaces);
    EXPECT_EQ(c.start, 2u);
    EXPECT_EQ(c.length, 5u);
    EXPECT_EQ(c.replacement, "caf&eacute;");
    EXPECT_EQ(c.selLength, 11u);
}
