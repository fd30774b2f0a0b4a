#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "clipbook/ClipLibrary.h"

namespace sj {
namespace {

std::string sampleBytes() {
    auto path = std::filesystem::path(SJ_SOURCE_DATA_DIR) / "Sample.clb";
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The shipped sample must be in the exact form the program writes, and hold one
// clip of every kind.
TEST(SampleLibrary, IsWrittenExactlyAsTheProgramWritesIt) {
    std::string bytes = sampleBytes();
    ASSERT_FALSE(bytes.empty());
    ClipLibrary list;
    list.loadFromText(bytes);
    EXPECT_EQ(list.toText(), bytes);
    EXPECT_TRUE(list.multiLine());
    EXPECT_TRUE(list.sorted());

    auto body = [&](std::string_view title) {
        int i = list.findItem(title);
        EXPECT_GE(i, 0) << title;
        return i < 0 ? std::string() : list.item(static_cast<std::size_t>(i)).body.text();
    };
    EXPECT_EQ(body("Thank you for your message."), "Thank you for your message.");
    EXPECT_NE(body("Bold (HTML)").find("^&"), std::string::npos);
    EXPECT_NE(body("Today").find("^[dddd, mmmm d, yyyy^]"), std::string::npos);
    EXPECT_NE(body("Dear").find("^?[Name]"), std::string::npos);
    EXPECT_NE(body("Priority").find("^?[Priority==Low|_Normal|High]"), std::string::npos);
    EXPECT_TRUE(list.item(static_cast<std::size_t>(list.findItem("Web page"))).isCommand());
    EXPECT_TRUE(body("Web page").starts_with("^!URL:https://"));
}

}  // namespace
}  // namespace sj
