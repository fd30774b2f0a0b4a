// The link or file name at the caret, looked for only around it.
#include <gtest/gtest.h>

#include <string>

#include "browser/FileAtCaret.h"
#include "browser/LinkHistory.h"
#include "browser/TextAroundCaret.h"

namespace sj {
namespace {

std::string linkAt(std::string_view text, std::size_t start, std::size_t end) {
    TextAroundCaret around(text, 0, start, end);
    return std::string(around.textOf(around.linkSpan()));
}

std::string nameAt(std::string_view text, std::size_t start, std::size_t end) {
    TextAroundCaret around(text, 0, start, end);
    return std::string(around.textOf(around.fileNameSpan()));
}

TEST(TextAroundCaret, LinkWideningStopsAtDelimitersAndTheLine) {
    const std::string text = "see <a href=\"http://e.com/x\">here</a>\r\nnext";
    const std::size_t e = text.find("e.com");
    EXPECT_EQ(linkAt(text, e, e + 1), "http://e.com/x");
    EXPECT_EQ(linkAt(text, 0, 3), "see");
    EXPECT_EQ(linkAt(text, text.find("next"), text.find("next")), "next");
    // A selection running into the next line stays on the line of its start.
    EXPECT_EQ(linkAt(text, text.find("here"), text.size()), "here</a");
}

TEST(TextAroundCaret, MailAddressesAreAskedWhenShort) {
    const std::string text = "write to joe.bloggs@example.com; thanks";
    TextAroundCaret around(text, 0, text.find("example"), text.find("example") + 7);
    EXPECT_EQ(around.linkAddress().address, "mailto:joe.bloggs@example.com");
    EXPECT_FALSE(around.linkAddress().ask);
    TextAroundCaret shortMail("a@b", 0, 1, 1);
    EXPECT_EQ(shortMail.linkAddress().address, "mailto:a@b");
    EXPECT_TRUE(shortMail.linkAddress().ask);
}

TEST(TextAroundCaret, FileNamesTakeTheWholeNameAroundTheCaret) {
    const std::string text = "see (/etc/hosts) and notes.txt\r\n[b.txt]";
    EXPECT_EQ(nameAt(text, text.find("hosts"), text.find("hosts")), "/etc/hosts");
    EXPECT_EQ(nameAt(text, text.find("notes") + 3, text.find("notes") + 3), "notes.txt");
    EXPECT_EQ(nameAt(text, text.find("\r\n"), text.find("\r\n")), "notes.txt");  // just typed
    EXPECT_EQ(nameAt(text, text.find("b.txt"), text.find("b.txt") + 1), "b.txt");
    EXPECT_EQ(nameAt(text, 3, 3), "see");
    EXPECT_EQ(nameAt("a  b", 2, 2), "");
}

TEST(TextAroundCaret, LooksOnlyAtTheStretchAroundTheSelection) {
    const std::size_t length = 20'000'000;
    const TextSpan stretch = TextAroundCaret::stretchFor(length, 10'000'000, 10'000'000);
    EXPECT_EQ(stretch.length(), 2 * TextAroundCaret::kReach);
    EXPECT_EQ(TextAroundCaret::stretchFor(100, 5, 50), (TextSpan{0, 100}));

    // The stretch stands in for the document: positions stay document positions.
    const std::string piece = "xx http://a.b/c yy";
    TextAroundCaret around(piece, 1000, 1005, 1005);
    EXPECT_EQ(around.linkSpan(), (TextSpan{1003, 1015}));
    EXPECT_EQ(around.linkAddress().address, "http://a.b/c");
}

TEST(FileAtCaret, RelativeNamesLieInTheDocumentsDirectory) {
    const auto exists = [](const std::string& n) { return n == "/docs/readme.txt" || n == "/docs/sub/a"; };
    FileAtCaret files("/docs/letter.txt", "txt", exists);
    EXPECT_EQ(files.resolve("readme.txt").name, "/docs/readme.txt");
    EXPECT_TRUE(files.resolve("readme.txt").exists);
    EXPECT_EQ(files.resolve("readme").name, "/docs/readme.txt");  // the default extension
    EXPECT_EQ(files.resolve("sub/a").name, "/docs/sub/a");
    EXPECT_TRUE(files.resolve("sub/a").exists);
    EXPECT_FALSE(files.resolve("missing.txt").exists);
    EXPECT_EQ(files.resolve("/etc/../docs/x").name, "/docs/x");
    EXPECT_EQ(files.completeTyped("new.txt"), "/docs/new.txt");
    EXPECT_EQ(files.completeTyped("/tmp/new.txt"), "/tmp/new.txt");
}

TEST(LinkHistory, OpenedAddressesGoToTheEndOnceInAnyCase) {
    LinkHistory history;
    history.addOpened("http://a");
    history.addOpened("http://b");
    history.addOpened("HTTP://A");
    history.addOpened("");
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"http://a", "http://b"}));
}

}  // namespace
}  // namespace sj
