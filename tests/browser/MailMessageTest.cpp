#include <gtest/gtest.h>

#include "browser/MailMessage.h"

using namespace sj::mail;

TEST(MailMessage, BodyIsPercentEncodedWholeAndUnchanged) {
    // Every byte that could end or split the address is escaped: & ? # = % + and line breaks.
    EXPECT_EQ(mailtoAddress("a&b?c#d=e%f+g h\r\n\xC3\xA9"),
              "mailto:?body=a%26b%3Fc%23d%3De%25f%2Bg%20h%0D%0A%C3%A9");
    EXPECT_EQ(mailtoAddress(""), "mailto:?body=");
}

TEST(MailMessage, LongBodiesDoNotFitAnAddress) {
    EXPECT_TRUE(fitsInMailto(std::string(1000, 'x')));
    EXPECT_FALSE(fitsInMailto(std::string(kMaxMailtoLength, 'x')));
    EXPECT_FALSE(fitsInMailto(std::string(3000, '\n')));  // escaping triples the length
}
