#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace {

using Args = std::vector<std::string>;

struct SplitCase {
    const char* what;
    std::string line;
    Args expected;
};

class CommandLineSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineSplit, GivesTheArguments) {
    EXPECT_EQ(splitCommandLine(GetParam().line), GetParam().expected) << GetParam().what;
}

// "\xB1\x20" is not real GBK, but a lead byte must carry whatever byte follows it.
INSTANTIATE_TEST_SUITE_P(
    CommandLine, CommandLineSplit,
    testing::Values(
        SplitCase{"empty line", "", {}},
        SplitCase{"only blanks and controls", " \t\r\n\x01\x7F ", {}},
        SplitCase{"blank separated", "http://a.cn/ b.htm", {"http://a.cn/", "b.htm"}},
        SplitCase{"tab and runs of blanks", "\t a\t\t b  ", {"a", "b"}},
        SplitCase{"control characters separate", "a\x01" "b\x1F" "c\x7F" "d", {"a", "b", "c", "d"}},
        SplitCase{"quoted path with blanks", "\"C:\\My Pages\\a b.htm\" x", {"C:\\My Pages\\a b.htm", "x"}},
        SplitCase{"quoted keeps controls", "\"a\tb\"", {"a\tb"}},
        SplitCase{"unbalanced quote takes the rest", "x \"C:\\a b", {"x", "C:\\a b"}},
        SplitCase{"lone quote", "\"", {""}},
        SplitCase{"empty quoted argument kept", "a \"\" b", {"a", "", "b"}},
        SplitCase{"quote ends an unquoted argument", "ab\"c d\"e", {"ab", "c d", "e"}},
        SplitCase{"argument right after closing quote", "\"a\"\"b\"", {"a", "b"}},
        SplitCase{"GBK text", "百度 \"新建 页面\"", {"百度", "新建 页面"}},
        SplitCase{"trail byte blank kept", "\xB1\x20x y", {"\xB1\x20x", "y"}},
        SplitCase{"trail byte quote kept unquoted", "\xB1\"x y", {"\xB1\"x", "y"}},
        SplitCase{"trail byte quote kept quoted", "\"\xB1\"x\" y", {"\xB1\"x", "y"}},
        SplitCase{"trail byte control kept", "\xB1\tx", {"\xB1\tx"}},
        SplitCase{"lead byte last", "a \xB1", {"a", "\xB1"}},
        SplitCase{"lead byte last quoted", "\"\xB1", {"\xB1"}}));

TEST(CommandLineSplitLong, VeryLongArgumentsStayWhole) {
    const std::string longArg(100000, 'x');
    const std::string gbk = [] {
        std::string s;
        for (int i = 0; i < 30000; ++i) s += "\xB0\x22";
        return s;
    }();
    EXPECT_EQ(splitCommandLine(longArg + " \"" + longArg + " y\""), (Args{longArg, longArg + " y"}));
    EXPECT_EQ(splitCommandLine(gbk + " z"), (Args{gbk, "z"}));
}

TEST(CommandLineSplitLeadByte, UsesTheGivenLeadByteTest) {
    // Single-byte code page: 0xB1 is a character of its own, so the quote after it counts.
    auto noLeadBytes = +[](unsigned char) { return false; };
    EXPECT_EQ(splitCommandLine("\xB1\"x y\"", noLeadBytes), (Args{"\xB1", "x y"}));
    EXPECT_TRUE(isGbkLeadByte(0x81));
    EXPECT_TRUE(isGbkLeadByte(0xFE));
    EXPECT_FALSE(isGbkLeadByte(0x80));
    EXPECT_FALSE(isGbkLeadByte(0xFF));
}

TEST(CommandLineProgram, StripsTheExecutablePath) {
    struct Case {
        std::string line, rest;
    } cases[] = {
        {"\"C:\\Program Files\\lumo.exe\" http://a.cn/", "http://a.cn/"},
        {"\"C:\\Program Files\\lumo.exe\"", ""},
        {"C:\\lumo\\lumo.exe  \"a b\" c", "\"a b\" c"},
        {"lumo.exe\ta", "a"},
        {"lumo.exe", ""},
        {"", ""},
        {"  lumo.exe x", "x"},
        {"\"C:\\浏览\\lumo.exe\" x", "x"},
        {"\"C:\\unclosed path x", ""},
        {"\"C:\\\xB1\"\\lumo.exe\" x", "x"},  // a trail byte 0x22 does not close the quoted path
    };
    for (const Case& c : cases) EXPECT_EQ(argumentsAfterProgram(c.line), c.rest) << c.line;
}

}  // namespace
