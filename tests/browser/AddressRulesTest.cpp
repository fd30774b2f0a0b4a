// Addresses formed from text written in a document.
#include <gtest/gtest.h>

#include "browser/AddressRules.h"

namespace sj::address {
namespace {

struct Case {
    const char* text;
    const char* address;
    bool ask;
};

TEST(AddressFromText, FollowsTheRulesForLinksHostsAndFiles) {
    const Case cases[] = {
        {"www.example.com,", "http://www.example.com", false},
        {"(http://example.com/a)", "http://example.com/a", false},
        {"HTTP://Example.COM/Path", "http://Example.COM/Path", false},
        {"FtP://host/x", "ftp://host/x", false},
        {"<a href=\"http://example.com/x\">Example site", "http://example.com/x", false},
        {"<A HREF = \"https://e.org\">", "https://e.org", false},
        {"C:\\web\\index.html", "file:///C|/web/index.html", false},
        {"/srv/www/index.htm", "file:///srv/www/index.htm", false},
        {"/srv/my site/a#1.html", "file:///srv/my%20site/a%231.html", false},
        {"readme.txt", "readme.txt", true},
        {"index.html", "file:///index.html", false},
        {"docs/page.html", "http://docs/page.html", false},
        {"example.com.", "example.com", true},  // one dot: taken for a file name
        {"a.b.c", "http://a.b.c", false},
        {"", "", true},
        {"\"\"", "", true},
        {"<a href=\"page.htm\">", "page.htm", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const FormedAddress got = fromText(c.text);
        EXPECT_EQ(got.address, c.address);
        EXPECT_EQ(got.ask, c.ask);
    }
}

TEST(AddressFromText, TextThatLooksLikeAShellCommandStaysOneAddress) {
    EXPECT_EQ(fromText("http://x/$(touch /tmp/p)").address, "http://x/$(touch /tmp/p");
    EXPECT_EQ(fromText("a;b").address, "a;b");
    EXPECT_TRUE(fromText("a;b").ask);
    EXPECT_EQ(fromText("x.y.z;rm -rf ~").address, "http://x.y.z;rm -rf ~");
}

TEST(MailFromText, KeepsOnlyMailCharactersAroundTheAt) {
    EXPECT_EQ(mailFromText("joe@example.com;"), "mailto:joe@example.com");
    EXPECT_EQ(mailFromText("first-last@example.com"), "mailto:last@example.com");
    EXPECT_EQ(mailFromText("<Mail:joe@host.org>"), "mailto:joe@host.org");
    EXPECT_EQ(mailFromText("no address here"), "");
    EXPECT_EQ(mailFromText("@"), "mailto:@");
}

TEST(FileUrl, EncodesEverythingABrowserCouldMisread) {
    EXPECT_EQ(fileUrl("/home/me/notes.htm"), "file:///home/me/notes.htm");
    EXPECT_EQ(fileUrl("/tmp/a b?c%d&e"), "file:///tmp/a%20b%3Fc%25d%26e");
    EXPECT_EQ(fileUrl("/tmp/\xC3\xA9t\xC3\xA9.htm"), "file:///tmp/%C3%A9t%C3%A9.htm");
}

}  // namespace
}  // namespace sj::address
