// httpRequest against a loopback stand-in that records the raw request bytes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "tests/support/raw_http_server.h"
#include "tools/http/http_request.h"

using testsupport::httpResponse;
using testsupport::RawHttpServer;
using testsupport::RawHttpServerOptions;

namespace {

const std::string kAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";

std::string visible(const std::string& bytes) {
    std::string out;
    for (char c : bytes) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n\n";
        else out += c;
    }
    return out;
}

// The request split into the header block (through the blank line) and the body.
struct Wire {
    std::string head, body;
};
Wire split(const std::string& raw) {
    size_t end = raw.find("\r\n\r\n");
    if (end == std::string::npos) return {raw, ""};
    return {raw.substr(0, end + 4), raw.substr(end + 4)};
}

// The lines the platform library puts after the request line of its own accord.
std::string libraryLines(int port) {
    return "Host: 127.0.0.1:" + std::to_string(port) +
           "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
}

RawHttpServerOptions answering(const std::string& response) {
    RawHttpServerOptions o;
    o.response = response;
    return o;
}

int ticks;
LRESULT CALLBACK tickingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_TIMER) ++ticks;
    return DefWindowProcA(h, m, w, l);
}

bool inside, handledInside;
LRESULT CALLBACK postedProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_APP + 7) handledInside = inside;
    return DefWindowProcA(h, m, w, l);
}

}  // namespace

namespace {
// A hidden window whose procedure runs only when someone dispatches its messages.
HWND hiddenWindow(const char* className, WNDPROC proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowA(className, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}
}  // namespace

TEST(HttpRequest, GetSendsTheCompletedHeadersAndReturnsTheBody) {
    RawHttpServer server(answering(httpResponse(200, "OK", "hello")));
    ASSERT_TRUE(server.listening());
    std::string url = "127.0.0.1:" + std::to_string(server.port()) + "/a/b?x=1";
    std::string method = "put";
    std::string headers = "X-One: 1\r\nreferer: http://before/\r\n";
    std::string body = "ignored";
    std::string responseHeaders;
    std::string result = httpRequest(url, &method, nullptr, &headers, &body, &responseHeaders);

    EXPECT_EQ(result, "hello");
    EXPECT_EQ(method, "GET");
    EXPECT_EQ(headers, "X-One: 1\r\nreferer: http://before/\r\n" + kAccept + "Accept-Language: zh-cn\r\n");
    EXPECT_NE(responseHeaders.find("HTTP/1.1 200 OK\r\n"), std::string::npos) << responseHeaders;
    EXPECT_NE(responseHeaders.find("Content-Length: 5\r\n"), std::string::npos) << responseHeaders;

    ASSERT_EQ(server.requestCount(), 1u);
    std::string raw = server.lastRequest();
    Wire wire = split(raw);
    // The library puts its Host and User-Agent lines first; ours follow in order.
    EXPECT_EQ(wire.head, "GET /a/b?x=1 HTTP/1.1\r\n" + libraryLines(server.port()) + "X-One: 1\r\nreferer: http://before/\r\n" +
                             kAccept + "Accept-Language: zh-cn\r\n\r\n")
        << visible(raw);
    EXPECT_EQ(wire.body, "");
}

TEST(HttpRequest, PostInAnyCaseSendsTheBodyWithFormHeaders) {
    RawHttpServer server(answering(httpResponse(200, "OK", "posted")));
    ASSERT_TRUE(server.listening());
    std::string url = "HTTP://127.0.0.1:" + std::to_string(server.port()) + "/transcontent";
    std::string method = "post";
    std::string headers;
    std::string body = "ie=utf-8&query=%E4%B8%AD \xD6\xD0";
    EXPECT_EQ(httpRequest(url, &method, nullptr, &headers, &body), "posted");
    EXPECT_EQ(method, "post");
    std::string expectedHeaders = kAccept + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n" +
                                  "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                                  std::to_string(body.size()) + "\r\n";
    EXPECT_EQ(headers, expectedHeaders);

    std::string raw = server.lastRequest();
    Wire wire = split(raw);
    EXPECT_EQ(wire.head, "post /transcontent HTTP/1.1\r\n" + libraryLines(server.port()) + expectedHeaders + "\r\n")
        << visible(raw);
    EXPECT_EQ(wire.body, body);
}

TEST(HttpRequest, PostWithEmptyBodyHasNoBodyLinesAndAbsentParametersWork) {
    RawHttpServer server(answering(httpResponse(200, "OK", "x")));
    ASSERT_TRUE(server.listening());
    std::string url = server.url("/e");
    std::string method = "POST";
    std::string headers;
    EXPECT_EQ(httpRequest(url, &method, nullptr, &headers), "x");
    std::string expected = kAccept + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n";
    EXPECT_EQ(headers, expected);
    Wire wire = split(server.lastRequest());
    // The library announces the empty body itself ("Content-Length: 0" after Host); the
    // routine adds neither line.
    EXPECT_EQ(wire.head, "POST /e HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port()) +
                             "\r\nContent-Length: 0\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n" +
                             expected + "\r\n")
        << visible(wire.head);
    EXPECT_EQ(wire.head.find("Content-Type"), std::string::npos);
    EXPECT_EQ(wire.body, "");

    // Nothing but the URL: a GET with the default lines.
    EXPECT_EQ(httpRequest(url), "x");
    wire = split(server.lastRequest());
    EXPECT_EQ(wire.head, "GET /e HTTP/1.1\r\n" + libraryLines(server.port()) + expected + "\r\n") << visible(wire.head);
}

TEST(HttpRequest, LongBodyArrivesWholeInOrderWhileMessagesArePumped) {
    std::string body;
    for (int i = 0; i < 3000; ++i) body += static_cast<char>(i * 7 % 251 + 1);
    body += std::string("\0\xD6\xD0", 3);  // NUL and GBK bytes pass untouched
    RawHttpServerOptions o = answering(httpResponse(200, "OK", body));
    o.pieceBytes = 700;
    o.pieceDelayMs = 150;
    RawHttpServer server(o);
    ASSERT_TRUE(server.listening());

    // A window whose timer ticks only when someone dispatches its messages.
    ticks = 0;
    HWND window = hiddenWindow("HttpRequestTestPump", tickingProc);
    ASSERT_TRUE(window);
    SetTimer(window, 1, 30, nullptr);

    DWORD start = GetTickCount();
    std::string result = httpRequest(server.url("/big"));
    DWORD took = GetTickCount() - start;
    KillTimer(window, 1);
    DestroyWindow(window);

    EXPECT_EQ(result.size(), body.size());
    EXPECT_TRUE(result == body);
    EXPECT_GE(took, 500u);
    EXPECT_GT(ticks, 0) << "no messages were dispatched during the read";
    printf("3003 bytes in %lu ms, %d timer ticks handled inside\n", took, ticks);
}

TEST(HttpRequest, ErrorStatusBodyIsReturned) {
    RawHttpServer server(answering(httpResponse(404, "Not Found", "<h1>missing</h1>")));
    ASSERT_TRUE(server.listening());
    std::string responseHeaders;
    EXPECT_EQ(httpRequest(server.url("/nope"), nullptr, nullptr, nullptr, nullptr, &responseHeaders),
              "<h1>missing</h1>");
    EXPECT_EQ(responseHeaders.rfind("HTTP/1.1 404 Not Found\r\n", 0), 0u) << responseHeaders;

    // An oversized header block does not overrun the 1024-byte buffer.
    std::string big = "X-Big: " + std::string(3000, 'b') + "\r\n";
    server.setResponse(httpResponse(500, "Oops", "err", big));
    EXPECT_EQ(httpRequest(server.url("/"), nullptr, nullptr, nullptr, nullptr, &responseHeaders), "err");
    EXPECT_LT(responseHeaders.size(), 1024u);
}

TEST(HttpRequest, NothingListeningGivesAnEmptyResult) {
    int port;
    {
        RawHttpServer probe;
        port = probe.port();
    }
    DWORD start = GetTickCount();
    EXPECT_EQ(httpRequest("http://127.0.0.1:" + std::to_string(port) + "/"), "");
    EXPECT_LT(GetTickCount() - start, 10000u);
}

// Slow by nature: waits out the 18-second time-out once.
TEST(HttpRequest, SilentServerTimesOutEmptyAndMessagesRunMeanwhile) {
    RawHttpServerOptions o;
    o.neverAnswer = true;
    RawHttpServer server(o);
    ASSERT_TRUE(server.listening());

    inside = false;
    handledInside = false;
    HWND window = hiddenWindow("HttpRequestTestSilent", postedProc);
    ASSERT_TRUE(window);
    std::thread poster([window] {
        Sleep(1000);
        PostMessageA(window, WM_APP + 7, 0, 0);
    });

    DWORD start = GetTickCount();
    inside = true;
    std::string result = httpRequest(server.url("/silent"));
    inside = false;
    DWORD took = GetTickCount() - start;
    poster.join();
    DestroyWindow(window);

    EXPECT_EQ(result, "");
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_GE(took, 17000u);
    EXPECT_LT(took, 60000u);
    EXPECT_TRUE(handledInside) << "the posted message was not dispatched inside the request";
    printf("silent server: empty after %lu ms\n", took);
}
