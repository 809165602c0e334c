#include <gtest/gtest.h>
#include <iconv.h>

#include <time.h>

#include <cstdio>
#include <string>

#include "tools/translator/translator_core.h"

namespace {

// The native stand-in for the platform's code-page conversion.
std::string gbkToUtf8(const std::string& gbk) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == (iconv_t)-1) return std::string();
    const char* src = gbk.data();
    size_t left = gbk.size();
    char out[16];
    char* dst = out;
    size_t room = sizeof out;
    iconv(cd, &src, &left, &dst, &room);
    iconv_close(cd);
    return std::string(out, dst - out);
}

// <chrono> does not build with the GBK execution character set.
double monotonicSeconds() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

const std::string kZhEn = "{\"from\":\"zh\", \"to\":\"en\"";
const std::string kEnZh = "{\"from\":\"en\", \"to\":\"zh\"";

}  // namespace

TEST(Translator, ModeIndexSetsThePairOtherIndicesKeepIt) {
    std::string pair;
    selectTranslationPair(pair, -1);
    EXPECT_EQ(pair, "");
    selectTranslationPair(pair, 1);
    EXPECT_EQ(pair, "&from=zh&to=en");
    selectTranslationPair(pair, 3);
    EXPECT_EQ(pair, "&from=zh&to=en");
    selectTranslationPair(pair, 2);
    EXPECT_EQ(pair, "&from=en&to=zh");
    selectTranslationPair(pair, 0);
    EXPECT_EQ(pair, "&from=auto&to=auto");
    EXPECT_EQ(std::string(kTranslationModes[0]), "自动检测中英文");
    EXPECT_EQ(std::string(kTranslationModes[1]), "中文-英文");
    EXPECT_EQ(std::string(kTranslationModes[2]), "英文-中文");
}

TEST(Translator, EncodeQueryEscapesExactlyTheSetAndUtf8OfChinese) {
    struct Case {
        std::string in;
        std::string out;
    } cases[] = {
        {"a b,中", "a b%2C%E4%B8%AD"},
        {"\t", "%09"},
        {"x\r\ny", "x%0D%0Ay"},
        {"-_.", "%2D%5F%2E"},
        {"", ""},
        {"AZaz09 ", "AZaz09 "},
        {std::string("\x01\x1F\x7F", 3), std::string("\x01\x1F\x7F", 3)},
        {"中文", "%E4%B8%AD%E6%96%87"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(encodeQuery(c.in, gbkToUtf8), c.out);
    }
    // Every printable ASCII character that is neither letter, digit nor space is escaped.
    for (int b = 0x20; b < 0x7F; ++b) {
        std::string one(1, static_cast<char>(b));
        bool plain = b == ' ' || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
        char hex[4];
        snprintf(hex, sizeof hex, "%%%02X", b);
        EXPECT_EQ(encodeQuery(one, gbkToUtf8), plain ? one : std::string(hex)) << b;
    }
}

TEST(Translator, EncodeQueryHandlesALeadByteAtTheEnd) {
    std::string seen;
    auto spy = [&](const std::string& ch) {
        seen = ch;
        return std::string("?");
    };
    EXPECT_EQ(encodeQuery("a\xD6", spy), "a%3F");
    EXPECT_EQ(seen, "\xD6");
}

TEST(Translator, BodyJoinsFieldsWithTheTimeAndThePair) {
    EXPECT_EQ(requestBody("a b%2C", "1700000000", ""), "ie=utf-8&source=txt&query=a b%2C&t=1700000000555");
    EXPECT_EQ(requestBody("", "5", "&from=zh&to=en"), "ie=utf-8&source=txt&query=&t=5555&from=zh&to=en");
}

TEST(Translator, TimeFieldCountsFrom1970At8) {
    EXPECT_EQ(timeField({1970, 1, 1, 8, 0, 0}), "0");
    EXPECT_EQ(timeField({1970, 1, 1, 0, 0, 0}), "-28800");
    EXPECT_EQ(timeField({1970, 1, 2, 8, 0, 1}), "86401");
    EXPECT_EQ(timeField({2023, 11, 15, 6, 13, 20}), "1700000000");
    EXPECT_EQ(timeField({2024, 3, 1, 8, 0, 0}), "1709251200");  // after a leap day
}

TEST(Translator, ReplyConvertsUtf8ToGbkAndSurvivesBadBytes) {
    EXPECT_EQ(replyToGbk("\xE4\xB8\xAD\xE6\x96\x87 ok"), "中文 ok");
    EXPECT_EQ(replyToGbk(""), "");
    // Malformed bytes are dropped one by one; a character GBK lacks is dropped whole.
    EXPECT_EQ(replyToGbk("a\xFF\xC0" "b\x80" "c"), "abc");
    EXPECT_EQ(replyToGbk("a\xF0\x9F\x98\x80" "b"), "ab");  // an emoji
    EXPECT_EQ(replyToGbk("a\xE4\xB8"), "a");                // cut off at the end
    EXPECT_EQ(replyToGbk(std::string("ab\0cd", 5)), "ab");
    // Longer than the conversion buffer.
    std::string big;
    for (int i = 0; i < 5000; ++i) big += "\xE4\xB8\xAD";
    std::string gbk;
    for (int i = 0; i < 5000; ++i) gbk += "中";
    EXPECT_EQ(replyToGbk(big), gbk);
}

TEST(Translator, ReplyParsingByDirectionPrefix) {
    struct Case {
        const char* what;
        std::string reply;
        std::string before;
        std::string after;
    } cases[] = {
        {"zh-en takes the first dst", kZhEn + ", \"data\":[{\"dst\":\"Hello\",\"src\":\"x\"},{\"dst\":\"Two\"}]}", "old",
         "Hello"},
        {"case of the key is ignored", kZhEn + "\"DST\":\"Up\"", "old", "Up"},
        {"shortest capture", kZhEn + "\"dst\":\"\",\"dst\":\"b\"", "old", ""},
        {"zh-en without dst empties", kZhEn + ", \"data\":[]}", "old", ""},
        {"escapes are shown unchanged", kZhEn + "\"dst\":\"a\\u4e2d\\/b\\\"c\"", "old", "a\\u4e2d\\/b\\"},
        {"en-zh without <p> takes dst", kEnZh + ",\"data\":[{\"dst\":\"中文\"}]", "old", "中文"},
        {"en-zh with <p> but two matches adds nothing",
         kEnZh + "<p>one<\\/p><P>two<\\/p>\"dst\":\"ignored\"", "old", "old"},
        {"en-zh third and later paragraphs are appended",
         kEnZh + "<p>1<\\/p><p>2<\\/p><p>三<\\/p>x<P>four<\\/P>", "old", "old三\r\n\r\nfour\r\n\r\n"},
        {"a closing tag without the backslash does not close", kEnZh + "<p>1</p><p>2</p><p>3</p>", "old", "old"},
        {"prefix is case-sensitive", "{\"FROM\":\"zh\", \"to\":\"en\" \"dst\":\"x\"", "old", "old"},
        {"no blank after the comma is another prefix", "{\"from\":\"zh\",\"to\":\"en\" \"dst\":\"x\"", "old", "old"},
        {"empty reply", "", "old", "old"},
        {"truncated prefix", kZhEn.substr(0, 22), "old", "old"},
        {"bare prefix", kZhEn, "old", ""},
        {"an error page", "<html>502 Bad Gateway</html>", "old", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(resultLabelText(c.reply, c.before), c.after);
    }
}

TEST(Translator, SecondParagraphTranslationAppendsBelowTheFirst) {
    std::string reply = kEnZh + "<p>a<\\/p><p>b<\\/p><p>c<\\/p>";
    std::string label = resultLabelText(replyToGbk(reply), "");
    label = resultLabelText(replyToGbk(reply), label);
    EXPECT_EQ(label, "c\r\n\r\nc\r\n\r\n");
}

TEST(Translator, HostileRepliesEndQuicklyWithoutACrash) {
    const size_t big = 10 * 1024 * 1024;
    auto repeat = [&](const std::string& prefix, const std::string& unit) {
        std::string s = prefix;
        while (s.size() < big) s += unit;
        return s;
    };
    struct Case {
        const char* what;
        std::string reply;
    } cases[] = {
        {"open paragraphs", repeat(kEnZh, "<p>")},
        {"open paragraphs with text", repeat(kEnZh, "<p>xxxxxxxx")},
        {"many closed paragraphs", repeat(kEnZh, "<p>ab<\\/p>")},
        {"open dst", repeat(kZhEn + "\"dst\":\"", "x")},
        {"repeated dst keys", repeat(kZhEn, "\"dst\":")},
        {"newlines", repeat(kEnZh + "<p>", "\n")},
        {"paragraphs across lines", repeat(kEnZh, "<p>a\r\nb<\\/p>\n")},
        {"invalid utf-8", repeat(kEnZh, "\xFF\xFE<p>\xC0")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        double start = monotonicSeconds();
        std::string label = resultLabelText(replyToGbk(c.reply), "old");
        double secs = monotonicSeconds() - start;
        EXPECT_LT(secs, 10.0);
        RecordProperty(c.what, std::to_string(secs));
        printf("  %-28s %.3f s, label %zu bytes\n", c.what, secs, label.size());
    }
}
