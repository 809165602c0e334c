#include "tools/translator/translator_core.h"

#include <iconv.h>

#include <boost/regex.hpp>
#include <cerrno>
#include <exception>

std::string translationPair;

const char* const kTranslationModes[3] = {"自动检测中英文", "中文-英文", "英文-中文"};

const char kTranslateUrl[] = "http://fanyi.baidu.com/transcontent";

void selectTranslationPair(std::string& pair, int index) {
    static const char* const pairs[3] = {"&from=auto&to=auto", "&from=zh&to=en", "&from=en&to=zh"};
    if (index >= 0 && index < 3) pair = pairs[index];
}

namespace {

const char kHex[] = "0123456789ABCDEF";

void appendEscaped(std::string& out, unsigned char byte) {
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

std::string escapeSet() {
    std::string set = "`~!@#$%^&*()-_=+[{]};:'\\|,<.>/?\"\r\n";
    set += '\t';
    return set;
}

}  // namespace

std::string encodeQuery(const std::string& gbkText, const GbkToUtf8& toUtf8) {
    const std::string escapes = escapeSet();
    std::string out;
    std::string::size_type i = 0;
    while (i < gbkText.size()) {
        unsigned char byte = static_cast<unsigned char>(gbkText[i]);
        if (byte < 0x80) {
            if (escapes.find(static_cast<char>(byte)) != std::string::npos)
                appendEscaped(out, byte);
            else
                out += static_cast<char>(byte);
            i += 1;
        } else {
            // A lead byte at the very end has no trail byte: convert it on its own.
            std::string character = gbkText.substr(i, 2);
            for (char c : toUtf8(character)) appendEscaped(out, static_cast<unsigned char>(c));
            i += 2;
        }
    }
    return out;
}

namespace {

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

}  // namespace

std::string timeField(const LocalTime& now) {
    long long seconds = daysFromCivil(now.year, static_cast<unsigned>(now.month), static_cast<unsigned>(now.day)) * 86400LL +
                        now.hour * 3600LL + now.minute * 60LL + now.second - 8 * 3600LL;
    return std::to_string(seconds);
}

std::string requestBody(const std::string& encodedQuery, const std::string& seconds, const std::string& pair) {
    return "ie=utf-8&source=txt&query=" + encodedQuery + "&t=" + seconds + "555" + pair;
}

namespace {

// Length of the well-formed UTF-8 sequence at `p`, or 0 when the bytes there are not one.
size_t utf8SequenceLength(const unsigned char* p, size_t left) {
    unsigned char b = p[0];
    size_t n;
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3;
    else if (b >= 0xF0 && b <= 0xF4) n = 4;
    else return 0;
    if (left < n) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((p[k] & 0xC0) != 0x80) return 0;
    return n;
}

}  // namespace

std::string replyToGbk(const std::string& utf8Reply) {
    std::string out;
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == (iconv_t)-1) return out;
    const char* src = utf8Reply.data();
    size_t srcLeft = utf8Reply.size();
    char buffer[4096];
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        if (rc != (size_t)-1) break;
        if (errno == E2BIG) continue;
        if (errno == EINVAL) break;  // a sequence cut off by the end of the reply
        // EILSEQ: skip a character GBK lacks as a whole, a malformed byte on its own.
        size_t skip = utf8SequenceLength(reinterpret_cast<const unsigned char*>(src), srcLeft);
        if (skip == 0) skip = 1;
        src += skip;
        srcLeft -= skip;
    }
    iconv_close(cd);
    std::string::size_type nul = out.find('\0');
    if (nul != std::string::npos) out.erase(nul);
    return out;
}

namespace {

const char kZhToEn[] = "{\"from\":\"zh\", \"to\":\"en\"";
const char kEnToZh[] = "{\"from\":\"en\", \"to\":\"zh\"";

const boost::regex& dstPattern() {
    static const boost::regex re("\"dst\":\"(.*?)\"", boost::regex::icase);
    return re;
}

const boost::regex& paragraphPattern() {
    static const boost::regex re("<p>(.*?)<\\\\/p>", boost::regex::icase);
    return re;
}

// First capture of the first "dst" match; empty without one. The engine throws when a
// search grows too complex for it; that counts as no match.
std::string firstDst(const std::string& reply) {
    try {
        boost::smatch m;
        if (boost::regex_search(reply, m, dstPattern())) return m[1].str();
    } catch (const std::exception&) {
    }
    return std::string();
}

// Where the next "<p>" (letter case ignored) starts at or after `from`; npos without one.
std::string::size_type findParagraphTag(const std::string& reply, std::string::size_type from) {
    for (std::string::size_type i = from; i + 3 <= reply.size(); ++i)
        if (reply[i] == '<' && (reply[i + 1] == 'p' || reply[i + 1] == 'P') && reply[i + 2] == '>') return i;
    return std::string::npos;
}

// The third and later paragraph captures, each followed by two CR LF.
//
// A plain all-matches iteration is quadratic on a reply full of "<p>" without a closing tag:
// the engine retries from every "<p>" and each retry scans to the end (a minute for 10 MB).
// The matches are the same when each attempt is anchored at the next "<p>" and the search
// stops at the first failed attempt: ".*?" matches every character, newlines included, so if
// the earliest open paragraph finds no closing tag after it, no later one can.
std::string laterParagraphs(const std::string& reply) {
    std::string added;
    try {
        int index = 0;
        std::string::size_type pos = 0;
        boost::smatch m;
        for (;;) {
            std::string::size_type start = findParagraphTag(reply, pos);
            if (start == std::string::npos) break;
            if (!boost::regex_search(reply.begin() + start, reply.end(), m, paragraphPattern(),
                                     boost::match_continuous))
                break;
            if (++index > 2) {
                added.append(m[1].first, m[1].second);
                added += "\r\n\r\n";
            }
            pos = static_cast<std::string::size_type>(m[0].second - reply.begin());
        }
    } catch (const std::exception&) {
        return std::string();
    }
    return added;
}

}  // namespace

std::string resultLabelText(const std::string& gbkReply, const std::string& currentText) {
    std::string prefix = gbkReply.substr(0, 23);
    if (prefix == kZhToEn) return firstDst(gbkReply);
    if (prefix == kEnToZh) {
        if (findParagraphTag(gbkReply, 0) != std::string::npos) return currentText + laterParagraphs(gbkReply);
        return firstDst(gbkReply);
    }
    return currentText;
}
