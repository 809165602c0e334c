#include <gtest/gtest.h>

#include <string>

#include "tools/http/http_url.h"

TEST(HttpUrl, SplitsHostPortAndPath) {
    struct Case {
        const char* url;
        const char* host;
        int port;
        const char* path;
    } cases[] = {
        {"http://Example:81/a/b?x=1", "example", 81, "/a/b?x=1"},
        {"http://WWW.Example.COM/index.html", "www.example.com", 80, "/index.html"},
        {"HTTP://Host.Test/p", "host.test", 80, "/p"},
        {"HtTp://h:8080", "h", 8080, "/"},
        {"localhost:8080", "localhost", 8080, "/"},
        {"Host.Test/x/y", "host.test", 80, "/x/y"},
        {"http://h", "h", 80, "/"},
        {"http://h/", "h", 80, "/"},
        {"http://fanyi.baidu.com/transcontent", "fanyi.baidu.com", 80, "/transcontent"},
        {"h:81/", "h", 81, "/"},
        // Not the scheme: "https://" is cut at its first "/".
        {"https://h/x", "https", 0, "//h/x"},
        {"", "", 80, "/"},
        {"http://", "", 80, "/"},
        // Ports that are no usable number become 0, the library's default port.
        {"http://h:/x", "h", 0, "/x"},
        {"http://h:abc/x", "h", 0, "/x"},
        {"http://h:99999/x", "h", 0, "/x"},
        {"http://h:12ab/x", "h", 12, "/x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(urlHost(c.url), c.host);
        EXPECT_EQ(urlPort(c.url), c.port);
        EXPECT_EQ(urlPath(c.url), c.path);
    }
}

TEST(HttpUrl, MethodIsPostInAnyCaseOrElseGet) {
    struct Case {
        const char* given;
        const char* after;
        bool isGet;
    } cases[] = {
        {"POST", "POST", false}, {"post", "post", false}, {"PoSt", "PoSt", false}, {"GET", "GET", true},
        {"get", "GET", true},    {"PUT", "GET", true},    {"", "GET", true},       {"POST ", "GET", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        std::string method = c.given;
        EXPECT_EQ(normaliseMethod(method), c.isGet);
        EXPECT_EQ(method, c.after);
    }
}

namespace {
const std::string kAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
}

TEST(HttpUrl, CompletesMissingHeaderLinesInOrder) {
    const std::string url = "http://Host.Test:81/p?q=1";
    struct Case {
        const char* given;
        std::string expected;
    } cases[] = {
        {"", kAccept + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n"},
        {"X-A: 1\r\n", "X-A: 1\r\n" + kAccept + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n"},
        // Lower-case Referer with the blank counts; without the blank it does not.
        {"referer: http://other/\r\n", "referer: http://other/\r\n" + kAccept + "Accept-Language: zh-cn\r\n"},
        {"referer:http://other/\r\n",
         "referer:http://other/\r\n" + kAccept + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n"},
        {"ACCEPT: */*\r\naccept-language: en\r\n",
         "ACCEPT: */*\r\naccept-language: en\r\nReferer: " + url + "\r\n"},
        // Accept-Language alone does not hold "Accept: ".
        {"Accept-Language: en\r\n", "Accept-Language: en\r\n" + kAccept + "Referer: " + url + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        std::string headers = c.given;
        completeRequestHeaders(headers, url);
        EXPECT_EQ(headers, c.expected);
    }
}

TEST(HttpUrl, BodyLinesOnlyForANonEmptyBodyAndAlwaysAppended) {
    std::string headers;
    appendBodyHeaders(headers, "");
    EXPECT_EQ(headers, "");
    headers = "Content-Length: 3\r\n";
    appendBodyHeaders(headers, "a=\xD6\xD0");
    EXPECT_EQ(headers,
              "Content-Length: 3\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: 4\r\n");
}
