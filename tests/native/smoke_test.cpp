#include <gtest/gtest.h>
#include <string>
TEST(Charset, NarrowLiteralsAreGbk) {
    std::string s = "点此搜索";
    EXPECT_EQ(s, std::string("\xB5\xE3\xB4\xCB\xCB\xD1\xCB\xF7"));
}
