#include "app/InstanceMessage.h"

#include <gtest/gtest.h>

namespace sj {
namespace {

TEST(InstanceMessageTest, RoundTripKeepsLongAndOddArgumentsWhole) {
    InstanceMessage msg;
    msg.workingDirectory = "/home/u/dir with blanks";
    msg.arguments = {"/R",
                     std::string(5000, 'x') + ".txt",
                     "",
                     "with \"quotes\"",
                     std::string("nul\0byte", 8),
                     "\xC3\xA9t\xC3\xA9.txt"};
    const std::string wire = msg.encode();
    EXPECT_EQ(InstanceMessage::frameSize(wire), wire.size());
    const auto back = InstanceMessage::decode(wire);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, msg);

    const auto empty = InstanceMessage::decode(InstanceMessage{"/", {}}.encode());
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->arguments.empty());
}

TEST(InstanceMessageTest, PartialAndHostileInput) {
    const std::string wire = InstanceMessage{"/w", {"a", "b"}}.encode();
    std::string error;
    // Header still arriving: wait, no error.
    EXPECT_FALSE(InstanceMessage::frameSize(wire.substr(0, 5), &error).has_value());
    EXPECT_TRUE(error.empty());
    EXPECT_FALSE(InstanceMessage::decode(wire.substr(0, wire.size() - 1), &error).has_value());
    EXPECT_EQ(error, "The message is incomplete.");

    EXPECT_FALSE(InstanceMessage::frameSize("HTTP/1.1", &error).has_value());
    EXPECT_EQ(error, "The message is not from this program.");

    std::string huge = wire;
    huge[4] = '\x7F';
    EXPECT_FALSE(InstanceMessage::frameSize(huge, &error).has_value());
    EXPECT_EQ(error, "The message is too long.");

    // A string length pointing past the end, and a count larger than the data.
    std::string badLength = wire;
    badLength[15] = '\x40';
    EXPECT_FALSE(InstanceMessage::decode(badLength, &error).has_value());
    EXPECT_EQ(error, "The message is damaged.");
    std::string badCount = wire;
    badCount[8] = '\x10';
    EXPECT_FALSE(InstanceMessage::decode(badCount, &error).has_value());
    EXPECT_EQ(error, "The message is damaged.");
}

}  // namespace
}  // namespace sj
