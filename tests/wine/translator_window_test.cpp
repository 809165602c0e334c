// The translator window driven through its controls against a stand-in translation service
// on 127.0.0.1:80 (the service's host name resolves to the loopback in the test namespace).
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "tests/support/raw_http_server.h"
#include "tools/translator/translator_core.h"
#include "tools/translator/translator_window.h"
#include "ui/ui.h"

using testsupport::httpResponse;
using testsupport::RawHttpServer;
using testsupport::RawHttpServerOptions;

namespace {

std::function<void()> script;

void CALLBACK runScript(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    script();
    // Whatever the script left undone, the window must go so the test can end.
    if (ui::Window* w = translatorWindow()) w->destroy();
}

// Opens the window modally and runs `body` from inside its modal loop.
void withTranslatorWindow(std::function<void(ui::Window&)> body) {
    script = [body] {
        ui::Window* w = translatorWindow();
        ASSERT_NE(w, nullptr);
        body(*w);
    };
    SetTimer(nullptr, 0, 50, runScript);
    openTranslatorWindow();
    EXPECT_EQ(translatorWindow(), nullptr);
}

void click(ui::Control& button) { SendMessageW(button.hwnd(), BM_CLICK, 0, 0); }

void chooseMode(ui::Window& w, int index) {
    ui::Control& box = w.control("组合框1");
    box.setSelectedIndex(index);
    SendMessageW(w.hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box.hwnd()));
}

std::string bodyOf(const std::string& raw) {
    size_t end = raw.find("\r\n\r\n");
    return end == std::string::npos ? std::string() : raw.substr(end + 4);
}

std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<clipboard busy>";
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

// Presses OK on the information box once it appears; reports its text and owner.
struct InfoBoxCloser {
    std::atomic<bool> seen{false};
    std::string text;
    HWND owner = nullptr;
    std::thread thread;
    InfoBoxCloser() {
        thread = std::thread([this] {
            std::wstring caption = ui::wide("信息：");
            for (int i = 0; i < 500; ++i) {
                HWND box = FindWindowW(L"#32770", caption.c_str());
                if (box && IsWindowVisible(box)) {
                    wchar_t buffer[256] = {};
                    GetDlgItemTextW(box, 0xFFFF, buffer, 256);
                    text = ui::narrow(buffer);
                    owner = GetWindow(box, GW_OWNER);
                    seen = true;
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                    return;
                }
                Sleep(20);
            }
        });
    }
    void wait() {
        if (thread.joinable()) thread.join();
    }
    ~InfoBoxCloser() { wait(); }
};

bool serviceHostIsLoopback() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    hostent* h = gethostbyname("fanyi.baidu.com");
    bool loopback = h && h->h_addrtype == AF_INET && reinterpret_cast<in_addr*>(h->h_addr_list[0])->s_addr == htonl(INADDR_LOOPBACK);
    WSACleanup();
    return loopback;
}

// Replies are UTF-8 on the wire; these are the bytes of 你好 and 世界 in it.
const std::string kNiHaoUtf8 = "\xE4\xBD\xA0\xE5\xA5\xBD";
const std::string kShiJieUtf8 = "\xE4\xB8\x96\xE7\x95\x8C";

}  // namespace

TEST(TranslatorWindow, ControlsAndTexts) {
    withTranslatorWindow([](ui::Window& w) {
        EXPECT_EQ(w.caption(), "Lumo翻译机");
        RECT r;
        GetWindowRect(w.hwnd(), &r);
        EXPECT_EQ(r.left, 50);
        EXPECT_EQ(r.top, 50);
        EXPECT_EQ(GetWindow(w.hwnd(), GW_OWNER), nullptr);
        struct Expect {
            const char* name;
            int left, top, width, height;
            const char* text;
        } table[] = {
            {"透明标签1", 9, 8, 136, 24, "请输入欲翻译的内容："},
            {"编辑框1", 9, 32, 328, 192, ""},
            {"透明标签2", 9, 232, 80, 24, "翻译方式："},
            {"按钮3", 225, 232, 112, 24, "翻译"},
            {"分组框1", 8, 264, 328, 240, "翻译结果："},
            {"透明标签3", 17, 282, 312, 216, ""},
            {"按钮1", 9, 509, 152, 32, "复制结果"},
            {"按钮2", 184, 509, 152, 32, "退出翻译机"},
        };
        for (const Expect& e : table) {
            SCOPED_TRACE(e.name);
            ui::Control& c = w.control(e.name);
            EXPECT_EQ(c.caption(), e.text);
            EXPECT_EQ(c.left(), e.left);
            EXPECT_EQ(c.top(), e.top);
            EXPECT_EQ(c.width(), e.width);
            EXPECT_EQ(c.height(), e.height);
        }
        ui::Control& mode = w.control("组合框1");
        ASSERT_EQ(mode.itemCount(), 3);
        EXPECT_EQ(mode.itemText(0), "自动检测中英文");
        EXPECT_EQ(mode.itemText(1), "中文-英文");
        EXPECT_EQ(mode.itemText(2), "英文-中文");
        click(w.control("按钮2"));
        EXPECT_FALSE(w.alive());
    });
}

TEST(TranslatorWindow, TranslatesThroughTheServiceAndCopiesTheResult) {
    if (!serviceHostIsLoopback()) GTEST_SKIP() << "the service host does not resolve to 127.0.0.1 here";
    RawHttpServerOptions o;
    o.port = 80;
    o.response = httpResponse(200, "OK", "{\"from\":\"zh\", \"to\":\"en\", \"data\":[{\"dst\":\"Hello, world\",\"src\":\"" +
                                             kNiHaoUtf8 + "\"}]}");
    RawHttpServer server(o);
    if (!server.listening()) GTEST_SKIP() << "port 80 is not free";
    translationPair.clear();

    withTranslatorWindow([&](ui::Window& w) {
        ui::Control& result = w.control("透明标签3");
        w.control("编辑框1").setCaption("a b,中");

        // No mode chosen yet: the body ends with the time field.
        SYSTEMTIME t;
        GetLocalTime(&t);
        long long before = std::stoll(timeField({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond}));
        click(w.control("按钮3"));
        EXPECT_EQ(result.caption(), "Hello, world");
        ASSERT_EQ(server.requestCount(), 1u);
        std::string raw = server.lastRequest();
        EXPECT_EQ(raw.rfind("POST /transcontent HTTP/1.1\r\nHost: fanyi.baidu.com\r\n", 0), 0u) << raw;
        EXPECT_NE(raw.find("\r\nReferer: http://fanyi.baidu.com/transcontent\r\nAccept-Language: zh-cn\r\n"
                           "Content-Type: application/x-www-form-urlencoded\r\n"),
                  std::string::npos)
            << raw;
        std::string body = bodyOf(raw);
        const std::string head = "ie=utf-8&source=txt&query=a b%2C%E4%B8%AD&t=";
        ASSERT_EQ(body.rfind(head, 0), 0u) << body;
        ASSERT_GT(body.size(), head.size() + 3);
        EXPECT_EQ(body.substr(body.size() - 3), "555");
        long long sent = std::stoll(body.substr(head.size(), body.size() - head.size() - 3));
        EXPECT_GE(sent, before);
        EXPECT_LE(sent, before + 5);

        // Chinese to English, with a reply that lacks "dst": the label empties.
        chooseMode(w, 1);
        EXPECT_EQ(translationPair, "&from=zh&to=en");
        server.setResponse(httpResponse(200, "OK", "{\"from\":\"zh\", \"to\":\"en\", \"error\":1}"));
        click(w.control("按钮3"));
        EXPECT_EQ(result.caption(), "");
        std::string lastBody = bodyOf(server.lastRequest());
        EXPECT_EQ(lastBody.substr(lastBody.size() - 17), "555&from=zh&to=en");

        // English to Chinese paragraphs: the third and later are appended, twice over.
        chooseMode(w, 2);
        EXPECT_EQ(translationPair, "&from=en&to=zh");
        result.setCaption("x");
        server.setResponse(httpResponse(200, "OK", "{\"from\":\"en\", \"to\":\"zh\", \"html\":\"<p>a<\\/p><p>b<\\/p><p>" +
                                                       kNiHaoUtf8 + "<\\/p><P>" + kShiJieUtf8 + "<\\/p>\"}"));
        click(w.control("按钮3"));
        click(w.control("按钮3"));
        EXPECT_EQ(result.caption(), "x你好\r\n\r\n世界\r\n\r\n你好\r\n\r\n世界\r\n\r\n");

        // An error page matches neither direction: the label keeps its text.
        server.setResponse(httpResponse(502, "Bad Gateway", "<html>bad</html>"));
        click(w.control("按钮3"));
        EXPECT_EQ(result.caption(), "x你好\r\n\r\n世界\r\n\r\n你好\r\n\r\n世界\r\n\r\n");
        EXPECT_EQ(server.requestCount(), 5u);

        {
            InfoBoxCloser closer;
            click(w.control("按钮1"));
            closer.wait();
            EXPECT_TRUE(closer.seen);
            EXPECT_EQ(closer.text, "复制翻译结果成功!");
            EXPECT_EQ(closer.owner, nullptr);
        }
        EXPECT_EQ(clipboardText(), "x你好\r\n\r\n世界\r\n\r\n你好\r\n\r\n世界\r\n\r\n");
        click(w.control("按钮2"));
    });

    // The chosen mode outlives the window and shows when it reopens; an empty result copies
    // as empty text.
    withTranslatorWindow([&](ui::Window& w) {
        EXPECT_EQ(translationPair, "&from=en&to=zh");
        EXPECT_EQ(w.control("组合框1").selectedIndex(), 2);
        EXPECT_EQ(w.control("透明标签3").caption(), "");
        {
            InfoBoxCloser closer;
            click(w.control("按钮1"));
        }
        EXPECT_EQ(clipboardText(), "");
        w.close();
    });
}

namespace {
int ticks = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }
}  // namespace

// Replies no service would send: the window survives them, stays responsive while they
// arrive, and prints how long each took.
TEST(TranslatorWindow, HostileRepliesNeitherCrashNorFreezeTheWindow) {
    if (!serviceHostIsLoopback()) GTEST_SKIP() << "the service host does not resolve to 127.0.0.1 here";
    const size_t tenMb = 10u << 20;
    std::string paragraphs = "{\"from\":\"en\", \"to\":\"zh\", \"html\":\"";
    while (paragraphs.size() < tenMb) paragraphs += "<p>ab<\\/p>";
    std::string unclosed = "{\"from\":\"zh\", \"to\":\"en\", \"dst\":\"" + std::string(tenMb, 'a');
    std::string openParagraphs = "{\"from\":\"en\", \"to\":\"zh\", ";
    while (openParagraphs.size() < tenMb) openParagraphs += "<p>x";
    std::string invalid = "{\"from\":\"zh\", \"to\":\"en\", \"dst\":\"";
    for (size_t i = 0; invalid.size() < tenMb; ++i) invalid += static_cast<char>(0x80 + i % 0x7F);
    invalid += "\"";
    struct Case {
        const char* name;
        std::string body;
    } cases[] = {
        {"10 MB of closed paragraphs", paragraphs},
        {"10 MB after an unclosed dst field", unclosed},
        {"10 MB of unclosed paragraphs", openParagraphs},
        {"10 MB of invalid UTF-8", invalid},
    };
    RawHttpServerOptions o;
    o.port = 80;
    RawHttpServer server(o);
    if (!server.listening()) GTEST_SKIP() << "port 80 is not free";
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.setResponse(httpResponse(200, "OK", c.body));
        DWORD took = 0;
        int ticked = 0;
        bool alive = false;
        withTranslatorWindow([&](ui::Window& w) {
            ticks = 0;
            UINT_PTR t = SetTimer(nullptr, 0, 20, countTick);
            DWORD start = GetTickCount();
            click(w.control("按钮3"));
            took = GetTickCount() - start;
            KillTimer(nullptr, t);
            ticked = ticks;
            alive = IsWindow(w.hwnd()) && w.control("透明标签3").caption().size() < tenMb;
            UpdateWindow(w.hwnd());
        });
        EXPECT_TRUE(alive);
        std::printf("    %s: %lu ms, timer ran %d times meanwhile\n", c.name, took, ticked);
    }
}
