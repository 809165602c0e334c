// The hosted web-browser component under Wine, and the scripted stand-in the handler tests use.
// Under Wine the component never raises navigate complete or new window, so those go through
// the real event sink's Invoke with DISPPARAMS made here.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>
#include <exdispid.h>
#include <oleauto.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/fake_browser_box.h"
#include "ui/browser_box.h"
#include "ui/browser_host_win.h"

namespace {

void pumpMessages(int ms = 0) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (ms > 0) Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool pumpUntil(const std::function<bool()>& done, int ms) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (!done()) {
        if (static_cast<int>(end - GetTickCount()) <= 0) return false;
        pumpMessages();
        Sleep(5);
    }
    return true;
}

// A hidden top-level window to put boxes in.
class ParentWindow {
public:
    ParentWindow() {
        static bool registered = false;
        if (!registered) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"LumoHostTestParent";
            RegisterClassW(&wc);
            registered = true;
        }
        hwnd = CreateWindowExW(0, L"LumoHostTestParent", L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 800,
                               600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~ParentWindow() { DestroyWindow(hwnd); }
    std::uintptr_t handle() const { return reinterpret_cast<std::uintptr_t>(hwnd); }
    HWND hwnd;
};

BOOL CALLBACK collectClass(HWND hwnd, LPARAM out) {
    char name[128] = {};
    GetClassNameA(hwnd, name, sizeof name);
    reinterpret_cast<std::vector<std::string>*>(out)->push_back(name);
    return TRUE;
}

std::vector<std::string> descendantClasses(HWND hwnd) {
    std::vector<std::string> names;
    EnumChildWindows(hwnd, collectClass, reinterpret_cast<LPARAM>(&names));
    return names;
}

BOOL CALLBACK countChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND hwnd, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(hwnd, countChild, count);
    return TRUE;
}

// Every window of this thread, children included.
int threadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The window's own visibility; the test parent itself is never shown.
bool shown(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

std::unique_ptr<ui::HostedBrowser> makeHost(const ParentWindow& parent) {
    return std::make_unique<ui::HostedBrowser>(parent.hwnd);
}

struct Recorder : ui::BrowserEvents {
    std::vector<std::string> statusTexts;
    std::vector<std::string> statusTextsReadBack;  // statusText() of the box during the event
    int completes = 0, downloads = 0, newWindows = 0;
    std::optional<bool> newWindowAnswer;
    std::function<void()> onEvent;  // runs inside every event, after recording it

    void navigateComplete(ui::BrowserBox&) override {
        ++completes;
        if (onEvent) onEvent();
    }
    void statusTextChanged(ui::BrowserBox& source, const std::string& text) override {
        statusTexts.push_back(text);
        statusTextsReadBack.push_back(source.statusText());
        if (onEvent) onEvent();
    }
    std::optional<bool> newWindow(ui::BrowserBox&) override {
        ++newWindows;
        std::optional<bool> answer = newWindowAnswer;
        if (onEvent) onEvent();
        return answer;
    }
    void downloadComplete(ui::BrowserBox&) override {
        ++downloads;
        if (onEvent) onEvent();
    }
};

// Calls the sink the way the component does: arguments last first.
HRESULT raiseEvent(IDispatch* sink, DISPID id, std::vector<VARIANT> lastFirst) {
    DISPPARAMS params{};
    params.rgvarg = lastFirst.empty() ? nullptr : lastFirst.data();
    params.cArgs = static_cast<UINT>(lastFirst.size());
    return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

VARIANT bstrVariant(BSTR text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = text;
    return v;
}

VARIANT byRef(VARTYPE type, void* target) {
    VARIANT v;
    VariantInit(&v);
    v.vt = static_cast<VARTYPE>(VT_BYREF | type);
    v.byref = target;
    return v;
}

// A one-connection-at-a-time HTTP server on 127.0.0.1 that records each request head.
class LoopbackServer {
public:
    LoopbackServer() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        int length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        listen(listener_, 8);
        thread_ = std::thread([this] { serve(); });
    }
    ~LoopbackServer() {
        stopping_ = true;
        closesocket(listener_);
        thread_.join();
        WSACleanup();
    }
    int port() const { return port_; }
    std::vector<std::string> requests() {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

private:
    void serve() {
        while (!stopping_) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(listener_, &ready);
            timeval wait{0, 50000};
            if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            std::string head;
            char buffer[1024];
            while (head.find("\r\n\r\n") == std::string::npos) {
                int got = recv(client, buffer, sizeof buffer, 0);
                if (got <= 0) break;
                head.append(buffer, static_cast<size_t>(got));
            }
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(head);
            }
            const std::string body = "<html><head><title>t</title></head><body>loopback</body></html>";
            std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
            send(client, reply.data(), static_cast<int>(reply.size()), 0);
            shutdown(client, SD_BOTH);
            closesocket(client);
        }
    }

    SOCKET listener_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// <chrono> does not compile with GBK narrow literals (its micro sign has no GBK form).
double now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double millisecondsSince(double start) { return now() - start; }

}  // namespace

TEST(BrowserHost, HostsTheControlInItsOwnChildWindowWithTheDesignSettings) {
    ParentWindow parent;
    double start = now();
    auto box = makeHost(parent);
    std::printf("[ timing ] first hosted browser box created in %.1f ms\n", millisecondsSince(start));
    ASSERT_TRUE(box->hosted());

    HWND container = reinterpret_cast<HWND>(box->windowHandle());
    ASSERT_TRUE(IsWindow(container));
    EXPECT_EQ(GetParent(container), parent.hwnd);
    EXPECT_FALSE(shown(container)) << "a box stays hidden until shown";
    EXPECT_TRUE(FindWindowExA(container, nullptr, "Shell Embedding", nullptr));

    EXPECT_TRUE(box->silent());
    EXPECT_EQ(box->textSize(), 2);
    EXPECT_FALSE(box->offline());
    EXPECT_EQ(box->address(), "");
    EXPECT_EQ(box->statusText(), "");

    // The document view appears with the first navigation.
    Recorder events;
    box->setEvents(&events);
    box->setAddress("about:blank");
    EXPECT_TRUE(pumpUntil([&] { return events.downloads > 0; }, 10000));
    std::vector<std::string> classes = descendantClasses(container);
    std::set<std::string> present(classes.begin(), classes.end());
    EXPECT_TRUE(present.count("Shell Embedding"));
    EXPECT_TRUE(present.count("Shell DocObject View"));

    // Placing sizes the container and the control's own window with it.
    box->place(10, 20, 300, 200);
    box->show(true);
    RECT rect;
    GetWindowRect(container, &rect);
    MapWindowPoints(nullptr, parent.hwnd, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 200);
    EXPECT_TRUE(shown(container));
    HWND embedding = FindWindowExA(container, nullptr, "Shell Embedding", nullptr);
    ASSERT_TRUE(embedding);
    RECT inner;
    GetClientRect(embedding, &inner);
    EXPECT_EQ(inner.right, 300);
    EXPECT_EQ(inner.bottom, 200);
    box->show(false);
    EXPECT_FALSE(shown(container));
    box->place(0, 0, -5, -5);  // nonsense sizes collapse to nothing
    GetClientRect(container, &rect);
    EXPECT_EQ(rect.right, 0);

    HWND child = box->documentViewChild();
    std::printf("[ info   ] Shell DocObject View child: %p\n", static_cast<void*>(child));
    if (child) {
        EXPECT_TRUE(IsChild(container, child));
    }
}

TEST(BrowserHost, SettingsReadBack) {
    ParentWindow parent;
    auto box = makeHost(parent);
    ASSERT_TRUE(box->hosted());
    for (bool value : {false, true, false}) {
        box->setSilent(value);
        EXPECT_EQ(box->silent(), value);
        box->setOffline(value);
        EXPECT_EQ(box->offline(), value);
    }
    // The size is remembered; values outside the component's five sizes are ignored.
    struct Case { int set; int expected; };
    for (Case c : {Case{0, 0}, Case{4, 4}, Case{2, 2}, Case{5, 2}, Case{-1, 2}, Case{3, 3}}) {
        box->setTextSize(c.set);
        EXPECT_EQ(box->textSize(), c.expected) << "after setTextSize(" << c.set << ")";
    }
}

TEST(BrowserHost, NavigatesToALoopbackServerAndReportsStatusTexts) {
    LoopbackServer server;
    ParentWindow parent;
    auto box = makeHost(parent);
    ASSERT_TRUE(box->hosted());
    Recorder events;
    box->setEvents(&events);

    const std::string target = "http://127.0.0.1:" + std::to_string(server.port()) + "/page.htm";
    box->setAddress(target);
    // The component reports the end of the download (then a navigation error, without an HTML engine).
    ASSERT_TRUE(pumpUntil([&] { return !server.requests().empty() && events.downloads > 0; }, 10000))
        << "requests seen: " << server.requests().size();
    EXPECT_EQ(server.requests()[0].rfind("GET /page.htm HTTP/1.", 0), 0u) << server.requests()[0];
    EXPECT_EQ(box->address(), target);

    ASSERT_FALSE(events.statusTexts.empty()) << "the component reports status texts while it navigates";
    EXPECT_EQ(events.statusTextsReadBack, events.statusTexts) << "statusText() is updated before the receiver runs";
    EXPECT_EQ(box->statusText(), events.statusTexts.back());
}

TEST(BrowserHost, OddAddressesAndCommandsWithoutADocumentDoNothingHarmful) {
    ParentWindow parent;
    auto box = makeHost(parent);
    ASSERT_TRUE(box->hosted());
    for (const char* address : {"", "about:blank", "   ", "C:\\没有这个文件.htm", "\xff\xfe\x81"}) {
        box->setAddress(address);
        pumpMessages(20);
    }
    box->goBack();
    box->goForward();
    box->refresh();
    box->stop();
    for (ui::DocumentCommand command : {ui::DocumentCommand::SaveAs, ui::DocumentCommand::Print,
                                        ui::DocumentCommand::PrintPreview, ui::DocumentCommand::PageSetup,
                                        static_cast<ui::DocumentCommand>(12345)}) {
        box->execDocumentCommand(command);
    }
    pumpMessages(50);
    EXPECT_TRUE(IsWindow(reinterpret_cast<HWND>(box->windowHandle())));
}

TEST(BrowserHost, SinkTranslatesEventsIntoReceiverCalls) {
    ParentWindow parent;
    auto box = makeHost(parent);
    ASSERT_TRUE(box->hosted());
    IDispatch* sink = box->eventSink();
    ASSERT_TRUE(sink);
    Recorder events;
    box->setEvents(&events);

    // Status text: UTF-16 from the component, GBK bytes for the receiver and statusText().
    BSTR chinese = SysAllocString(L"完成 正在打开网页 http://127.0.0.1/");
    EXPECT_EQ(raiseEvent(sink, DISPID_STATUSTEXTCHANGE, {bstrVariant(chinese)}), S_OK);
    SysFreeString(chinese);
    ASSERT_EQ(events.statusTexts.size(), 1u);
    EXPECT_EQ(events.statusTexts[0], "完成 正在打开网页 http://127.0.0.1/");
    EXPECT_EQ(box->statusText(), "完成 正在打开网页 http://127.0.0.1/");
    EXPECT_EQ(events.statusTextsReadBack[0], events.statusTexts[0]);
    EXPECT_EQ(raiseEvent(sink, DISPID_STATUSTEXTCHANGE, {bstrVariant(nullptr)}), S_OK);  // a null BSTR is empty
    EXPECT_EQ(box->statusText(), "");

    // Navigate complete: (pDisp, URL).
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = SysAllocString(L"http://127.0.0.1/x");
    VARIANT dispatch;
    VariantInit(&dispatch);
    dispatch.vt = VT_DISPATCH;
    dispatch.pdispVal = nullptr;
    raiseEvent(sink, DISPID_NAVIGATECOMPLETE2, {byRef(VT_VARIANT, &url), dispatch});
    VariantClear(&url);
    EXPECT_EQ(events.completes, 1);

    raiseEvent(sink, DISPID_DOWNLOADCOMPLETE, {});
    EXPECT_EQ(events.downloads, 1);

    // New window: (ppDisp, Cancel). Only a refusal sets Cancel.
    struct Case { std::optional<bool> answer; VARIANT_BOOL expected; };
    for (Case c : {Case{false, VARIANT_TRUE}, Case{std::nullopt, VARIANT_FALSE}, Case{true, VARIANT_FALSE}}) {
        events.newWindowAnswer = c.answer;
        IDispatch* window = nullptr;
        VARIANT_BOOL cancel = VARIANT_FALSE;
        raiseEvent(sink, DISPID_NEWWINDOW2, {byRef(VT_BOOL, &cancel), byRef(VT_DISPATCH, &window)});
        EXPECT_EQ(cancel, c.expected) << "answer " << (c.answer ? (*c.answer ? "true" : "false") : "none");
    }
    EXPECT_EQ(events.newWindows, 3);

    // Other events, and malformed arguments, reach no receiver and break nothing.
    int before = events.completes + events.downloads + static_cast<int>(events.statusTexts.size());
    raiseEvent(sink, DISPID_BEFORENAVIGATE2, {});
    raiseEvent(sink, DISPID_TITLECHANGE, {bstrVariant(nullptr)});
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_I4;
    raiseEvent(sink, DISPID_STATUSTEXTCHANGE, {number});
    raiseEvent(sink, DISPID_STATUSTEXTCHANGE, {});
    EXPECT_EQ(sink->Invoke(DISPID_STATUSTEXTCHANGE, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(events.completes + events.downloads + static_cast<int>(events.statusTexts.size()), before);
    events.newWindowAnswer = false;
    raiseEvent(sink, DISPID_NEWWINDOW2, {number});  // no Cancel to set: the receiver is asked all the same
    EXPECT_EQ(events.newWindows, 4);

    // Without a receiver events are dropped.
    box->setEvents(nullptr);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    IDispatch* window = nullptr;
    raiseEvent(sink, DISPID_NEWWINDOW2, {byRef(VT_BOOL, &cancel), byRef(VT_DISPATCH, &window)});
    EXPECT_EQ(cancel, VARIANT_FALSE);
}

TEST(BrowserHost, ABoxDestroyedInsideItsOwnEventDoesNotCrash) {
    LoopbackServer server;
    ParentWindow parent;
    pumpMessages();
    const int windowsBefore = threadWindowCount();

    // Inside a real navigation: the component is still raising its events when the box goes.
    {
        std::unique_ptr<ui::BrowserBox> box = makeHost(parent);
        Recorder events;
        events.onEvent = [&] { box.reset(); };
        box->setEvents(&events);
        box->setAddress("http://127.0.0.1:" + std::to_string(server.port()) + "/gone.htm");
        EXPECT_TRUE(pumpUntil([&] { return box == nullptr; }, 10000));
        pumpMessages(300);
        EXPECT_EQ(events.statusTexts.size() + static_cast<size_t>(events.downloads), 1u)
            << "a destroyed box raises no further events";
    }

    // Inside made-up events, for each kind of event.
    for (DISPID id : {DISPID_NAVIGATECOMPLETE2, DISPID_NEWWINDOW2, DISPID_STATUSTEXTCHANGE, DISPID_DOWNLOADCOMPLETE}) {
        std::unique_ptr<ui::BrowserBox> box = makeHost(parent);
        IDispatch* sink = static_cast<ui::HostedBrowser*>(box.get())->eventSink();
        sink->AddRef();
        HWND container = reinterpret_cast<HWND>(box->windowHandle());
        bool openDuringEvent = false;
        Recorder events;
        events.newWindowAnswer = false;
        events.onEvent = [&] {
            box.reset();
            pumpMessages();  // handlers let messages run; the control must stay open all the same
            openDuringEvent = IsWindow(container) && !shown(container);
        };
        box->setEvents(&events);
        BSTR text = SysAllocString(L"x");
        VARIANT_BOOL cancel = VARIANT_FALSE;
        IDispatch* window = nullptr;
        std::vector<VARIANT> args;
        if (id == DISPID_NEWWINDOW2) args = {byRef(VT_BOOL, &cancel), byRef(VT_DISPATCH, &window)};
        if (id == DISPID_STATUSTEXTCHANGE) args = {bstrVariant(text)};
        raiseEvent(sink, id, args);
        SysFreeString(text);
        EXPECT_EQ(box, nullptr) << "event " << id;
        if (id == DISPID_NEWWINDOW2) {
            EXPECT_EQ(cancel, VARIANT_TRUE);
        }
        raiseEvent(sink, DISPID_DOWNLOADCOMPLETE, {});  // the component may still call a detached sink
        EXPECT_TRUE(openDuringEvent) << "the control was closed while raising event " << id;
        pumpMessages(50);
        EXPECT_FALSE(IsWindow(container)) << "closed once the event is over";
        sink->Release();
    }
    pumpMessages(200);
    EXPECT_EQ(threadWindowCount(), windowsBefore) << "deferred closes left windows behind";
}

TEST(BrowserHost, ParentDestroyedBeforeTheBoxIsHarmless) {
    std::unique_ptr<ui::BrowserBox> box;
    {
        ParentWindow parent;
        box = makeHost(parent);
        ASSERT_TRUE(IsWindow(reinterpret_cast<HWND>(box->windowHandle())));
    }
    EXPECT_EQ(box->windowHandle(), 0u);
    box->setAddress("about:blank");
    box->place(0, 0, 10, 10);
    box->show(true);
    EXPECT_EQ(box->address(), "");
    box.reset();
    pumpMessages(50);
}

TEST(BrowserHost, ThirtyBoxesComeAndGoWithoutLeakingWindows) {
    ParentWindow parent;
    makeHost(parent).reset();  // one-time windows of the component and of the host
    pumpMessages(50);
    const int before = threadWindowCount();

    std::vector<std::unique_ptr<ui::BrowserBox>> boxes;
    double start = now();
    for (int i = 0; i < 30; ++i) boxes.push_back(ui::createBrowserBox(parent.handle()));
    double total = millisecondsSince(start);
    std::printf("[ timing ] 30 hosted browser boxes created in %.1f ms, %.1f ms each\n", total, total / 30);
    for (auto& box : boxes) {
        ASSERT_NE(dynamic_cast<ui::HostedBrowser*>(box.get()), nullptr) << "the default factory hosts the control";
        box->setAddress("about:blank");
    }
    EXPECT_GT(threadWindowCount(), before + 30);
    boxes.clear();
    pumpMessages(100);
    EXPECT_EQ(threadWindowCount(), before);
}

TEST(FakeBrowserBox, StandsInThroughTheFactoryAndRaisesScriptedEvents) {
    ui::setBrowserBoxFactory(fakes::fakeBrowserBoxFactory());
    std::unique_ptr<ui::BrowserBox> made = ui::createBrowserBox(77);
    ui::setBrowserBoxFactory(nullptr);
    auto* fake = dynamic_cast<fakes::FakeBrowserBox*>(made.get());
    ASSERT_NE(fake, nullptr);
    ASSERT_EQ(fakes::FakeBrowserBox::living().size(), 1u);
    EXPECT_EQ(fakes::FakeBrowserBox::living()[0], fake);
    EXPECT_EQ(fake->parent(), 77u);
    EXPECT_TRUE(fake->silent());
    EXPECT_EQ(fake->textSize(), 2);
    EXPECT_FALSE(fake->offline());

    fake->setAddress("about:blank");
    EXPECT_EQ(fake->address(), "about:blank");
    fake->place(1, 116, 319, 204);
    fake->show(true);
    fake->goBack();
    fake->execDocumentCommand(ui::DocumentCommand::Print);
    fake->setOffline(true);
    EXPECT_EQ(fake->calls(), (std::vector<std::string>{"setAddress about:blank", "place 1,116,319,204", "show 1",
                                                       "goBack", "exec 6", "setOffline 1"}));
    EXPECT_EQ(fake->count("set"), 2);
    EXPECT_EQ(fake->top(), 116);
    EXPECT_TRUE(fake->visible());
    EXPECT_TRUE(fake->offline());

    Recorder events;
    fake->setEvents(&events);
    fake->raiseNavigateComplete("http://127.0.0.1/a", "标题");
    EXPECT_EQ(events.completes, 1);
    EXPECT_EQ(fake->address(), "http://127.0.0.1/a");
    EXPECT_EQ(fake->title(), "标题");
    fake->raiseStatusTextChanged("完成");
    EXPECT_EQ(events.statusTextsReadBack, std::vector<std::string>{"完成"});
    events.newWindowAnswer = false;
    EXPECT_EQ(fake->raiseNewWindow("http://127.0.0.1/new"), std::optional<bool>(false));
    EXPECT_EQ(fake->statusText(), "http://127.0.0.1/new");
    fake->raiseDownloadComplete();
    EXPECT_EQ(events.downloads, 1);

    // A receiver may destroy the stand-in from inside its event, as with the real box.
    events.onEvent = [&] { made.reset(); };
    fake->raiseStatusTextChanged("x");
    EXPECT_EQ(made, nullptr);
    EXPECT_TRUE(fakes::FakeBrowserBox::living().empty());

    // An empty factory brings back the hosted component.
    ParentWindow parent;
    std::unique_ptr<ui::BrowserBox> real = ui::createBrowserBox(parent.handle());
    EXPECT_NE(dynamic_cast<ui::HostedBrowser*>(real.get()), nullptr);
}
