// Hosting the WebBrowser control by hand, without a framework.
//
// BrowserSite is the one owner of everything COM about a box: the container window, the
// control's IOleObject and IWebBrowser2, and the connection of the event sink. It is the
// control's client site, in-place site and in-place frame. The event sink (EventSink) is a
// separate IDispatch, because the control asks its site's IDispatch for ambient properties
// and those dispids must not be mistaken for events. EventSink::Invoke -> BrowserSite::raise
// is the only place that reads DISPPARAMS, VARIANTs and BSTRs; the receiver gets GBK texts.
//
// Lifetime. HostedBrowser holds one reference to its site and reaches the control only
// through it, keeping the site alive for the length of each call. A box may be destroyed by
// the receiver of one of its own events, while the control is still inside the code that
// raises the event (Navigate raises some of its events synchronously, so this can happen
// even from inside setAddress). Closing the control there would pull it down under its own
// feet. So the site counts the events in progress; a box destroyed during one only hides its
// window and stops forwarding events, and the site is closed once the outermost event has
// returned, from a message posted to a hidden message-only window of the thread, that is
// after the control's own stack has unwound. Until a message loop runs, that close waits.
//
// The container window also ends with its parent: its WM_DESTROY closes the control while
// the control's own windows still exist. The control's window procedures are never touched.
#include "ui/browser_host_win.h"

#include <docobj.h>
#include <exdisp.h>
#include <exdispid.h>
#include <ole2.h>
#include <oleidl.h>

#include <optional>

namespace ui {
namespace detail {

namespace {

// Every text of the program is GBK.
constexpr UINT kTextCodePage = 936;
constexpr wchar_t kContainerClass[] = L"LumoBrowserBox";
constexpr wchar_t kReaperClass[] = L"LumoBrowserReaper";
constexpr UINT kCloseSite = WM_APP + 0x1B0;

std::string toGbk(const wchar_t* text, int length) {
    if (!text || length <= 0) return {};
    int size = WideCharToMultiByte(kTextCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(kTextCodePage, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

std::string toGbk(BSTR text) { return text ? toGbk(text, static_cast<int>(SysStringLen(text))) : std::string(); }

// Takes ownership of the BSTR.
std::string takeGbk(BSTR text) {
    std::string out = toGbk(text);
    SysFreeString(text);
    return out;
}

BSTR toBstr(const std::string& gbk) {
    int length = gbk.empty() ? 0
                             : MultiByteToWideChar(kTextCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(length > 0 ? length : 0));
    if (out && length > 0) MultiByteToWideChar(kTextCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), out, length);
    return out;
}

// Event arguments arrive last first: rgvarg[0] is the event's last parameter.
const VARIANT* argument(const DISPPARAMS* params, UINT fromLast) {
    if (!params || !params->rgvarg || fromLast >= params->cArgs) return nullptr;
    const VARIANT* v = &params->rgvarg[fromLast];
    if (v->vt == (VT_BYREF | VT_VARIANT)) v = v->pvarVal;
    return v;
}

std::optional<std::string> textArgument(const DISPPARAMS* params, UINT fromLast) {
    const VARIANT* v = argument(params, fromLast);
    if (!v) return std::nullopt;
    if (v->vt == VT_BSTR) return toGbk(v->bstrVal);
    if (v->vt == (VT_BYREF | VT_BSTR) && v->pbstrVal) return toGbk(*v->pbstrVal);
    return std::nullopt;
}

VARIANT_BOOL* flagArgument(const DISPPARAMS* params, UINT fromLast) {
    const VARIANT* v = argument(params, fromLast);
    return v && v->vt == (VT_BYREF | VT_BOOL) ? v->pboolVal : nullptr;
}

template <class T>
class Com {
public:
    Com() = default;
    ~Com() { if (p_) p_->Release(); }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T** out() { return &p_; }
    void** outVoid() { return reinterpret_cast<void**>(&p_); }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

LRESULT CALLBACK reaperProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK containerProc(HWND, UINT, WPARAM, LPARAM);

void registerClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSW wc{};
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpfnWndProc = containerProc;
    wc.lpszClassName = kContainerClass;
    RegisterClassW(&wc);
    wc.lpfnWndProc = reaperProc;
    wc.hCursor = nullptr;
    wc.lpszClassName = kReaperClass;
    RegisterClassW(&wc);
}

// The thread's hidden window that closes sites whose box went away during an event.
HWND reaper() {
    thread_local HWND window = nullptr;
    if (!window || !IsWindow(window)) {
        registerClasses();
        window = CreateWindowExW(0, kReaperClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    return window;
}

// The program normally initialises OLE before its first window; a box made earlier, or on
// another thread, would otherwise fail to create the control. One unbalanced OleInitialize
// per thread is harmless: the thread's end releases it.
void ensureOle() {
    thread_local bool initialised = false;
    if (!initialised) {
        OleInitialize(nullptr);
        initialised = true;
    }
}

}  // namespace

class BrowserSite;

class EventSink final : public IDispatch {
public:
    explicit EventSink(BrowserSite* site) : site_(site) {}
    void detach() { site_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

private:
    ULONG refs_ = 1;
    BrowserSite* site_;
};

class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit BrowserSite(HostedBrowser* box) : box_(box) {}

    void open(HWND parent) {
        ensureOle();
        registerClasses();
        // Without a parent the box still gets a (hidden, top-level) window of its own.
        DWORD style = (parent ? WS_CHILD : WS_POPUP) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
        hwnd_ = CreateWindowExW(0, kContainerClass, L"", style, 0, 0, 0, 0, parent, nullptr,
                                GetModuleHandleW(nullptr), this);
        if (!hwnd_) return;
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&ole_)))) {
            ole_ = nullptr;
            return;
        }
        ole_->SetClientSite(static_cast<IOleClientSite*>(this));
        RECT area;
        GetClientRect(hwnd_, &area);
        ole_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, hwnd_, &area);
        if (FAILED(ole_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&web_)))) web_ = nullptr;

        Com<IConnectionPointContainer> points;
        if (SUCCEEDED(ole_->QueryInterface(IID_IConnectionPointContainer, points.outVoid())) &&
            SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, &point_))) {
            sink_ = new EventSink(this);
            if (FAILED(point_->Advise(sink_, &cookie_))) cookie_ = 0;
        }
        // The design settings of every browser box: silent, middle text size, online.
        setSilent(true);
        setOffline(false);
    }

    // The box is going away; the site closes now or, inside an event, when it is over.
    void detach() {
        box_ = nullptr;
        if (eventDepth_ > 0) {
            closePending_ = true;
            if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
        } else {
            close();
        }
    }

    void close() {
        if (closed_) return;
        closed_ = true;
        box_ = nullptr;
        if (sink_) sink_->detach();
        if (point_) {
            if (cookie_) point_->Unadvise(cookie_);
            point_->Release();
            point_ = nullptr;
        }
        if (sink_) {
            sink_->Release();
            sink_ = nullptr;
        }
        if (web_) {
            web_->Release();
            web_ = nullptr;
        }
        if (ole_) {
            Com<IOleInPlaceObject> inPlace;
            if (SUCCEEDED(ole_->QueryInterface(IID_IOleInPlaceObject, inPlace.outVoid()))) inPlace->InPlaceDeactivate();
            ole_->Close(OLECLOSE_NOSAVE);
            ole_->SetClientSite(nullptr);
            ole_->Release();
            ole_ = nullptr;
        }
        if (hwnd_ && !windowDying_) {
            HWND window = hwnd_;
            hwnd_ = nullptr;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            DestroyWindow(window);
        }
    }

    // The container is being destroyed with its parent.
    void containerDestroying() {
        windowDying_ = true;
        if (eventDepth_ > 0) closePending_ = true;
        else close();
    }
    void containerGone() { hwnd_ = nullptr; }

    void raise(DISPID id, DISPPARAMS* params);

    void beginEvent() { ++eventDepth_; }
    void endEvent() {
        if (--eventDepth_ > 0 || !closePending_) return;
        closePending_ = false;
        // The message is handled on this thread, so taking its reference after posting is safe.
        if (PostMessageW(reaper(), kCloseSite, 0, reinterpret_cast<LPARAM>(this))) AddRef();
        else close();  // no thread window to defer to: closing now is still better than a leak
    }

    // Uses of the control. Each failure is the component's to have; none is reported.
    void navigate(const std::string& address) {
        if (!web_) return;
        BSTR target = toBstr(address);
        VARIANT none;
        VariantInit(&none);
        web_->Navigate(target, &none, &none, &none, &none);
        SysFreeString(target);
    }
    std::string locationUrl() const {
        BSTR text = nullptr;
        if (!web_ || FAILED(web_->get_LocationURL(&text))) return {};
        return takeGbk(text);
    }
    std::string locationName() const {
        BSTR text = nullptr;
        if (!web_ || FAILED(web_->get_LocationName(&text))) return {};
        return takeGbk(text);
    }
    const std::string& statusText() const { return statusText_; }

    void setSilent(bool silent) {
        silent_ = silent;
        if (web_) web_->put_Silent(silent ? VARIANT_TRUE : VARIANT_FALSE);
    }
    bool silent() const {
        VARIANT_BOOL value;
        if (web_ && SUCCEEDED(web_->get_Silent(&value))) return value != VARIANT_FALSE;
        return silent_;
    }
    void setOffline(bool offline) {
        offline_ = offline;
        if (web_) web_->put_Offline(offline ? VARIANT_TRUE : VARIANT_FALSE);
    }
    bool offline() const {
        VARIANT_BOOL value;
        if (web_ && SUCCEEDED(web_->get_Offline(&value))) return value != VARIANT_FALSE;
        return offline_;
    }
    // The component's zoom cannot be read back reliably, so the box remembers the size.
    void setTextSize(int size) {
        if (size < 0 || size > 4) return;
        textSize_ = size;
        applyTextSize();
    }
    int textSize() const { return textSize_; }

    void goBack() { if (web_) web_->GoBack(); }
    void goForward() { if (web_) web_->GoForward(); }
    void goHome() { if (web_) web_->GoHome(); }
    void refresh() { if (web_) web_->Refresh(); }
    void stop() { if (web_) web_->Stop(); }
    void execDocumentCommand(DocumentCommand command) {
        Com<IDispatch> document;
        if (!web_ || FAILED(web_->get_Document(document.out())) || !document) return;
        Com<IOleCommandTarget> target;
        if (FAILED(document->QueryInterface(IID_IOleCommandTarget, target.outVoid()))) return;
        target->Exec(nullptr, static_cast<DWORD>(command), OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
    }

    HWND window() const { return hwnd_; }
    bool hosted() const { return web_ != nullptr; }
    IDispatch* sink() const { return sink_; }

    void place(int left, int top, int width, int height) {
        if (hwnd_) MoveWindow(hwnd_, left, top, width > 0 ? width : 0, height > 0 ? height : 0, TRUE);
    }
    void show(bool visible) {
        if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    }
    void fitControl() {
        if (!ole_ || !hwnd_) return;
        RECT area;
        GetClientRect(hwnd_, &area);
        Com<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(ole_->QueryInterface(IID_IOleInPlaceObject, inPlace.outVoid()))) inPlace->SetObjectRects(&area, &area);
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) *out = static_cast<IOleInPlaceFrame*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, for both the in-place site and the frame
    STDMETHODIMP GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = hwnd_;
        return hwnd_ ? S_OK : E_FAIL;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = static_cast<IOleInPlaceFrame*>(this);
            AddRef();
        }
        if (document) *document = nullptr;
        RECT area{};
        if (hwnd_) GetClientRect(hwnd_, &area);
        if (position) *position = area;
        if (clip) *clip = area;
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = hwnd_ ? GetAncestor(hwnd_, GA_ROOT) : nullptr;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow, IOleInPlaceFrame: no menus, tool space or accelerators of ours.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    ~BrowserSite() { close(); }

    void applyTextSize() {
        if (!web_) return;
        VARIANT size;
        VariantInit(&size);
        size.vt = VT_I4;
        size.lVal = textSize_;
        web_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &size, nullptr);
    }

    ULONG refs_ = 1;
    HostedBrowser* box_;
    HWND hwnd_ = nullptr;
    IOleObject* ole_ = nullptr;
    IWebBrowser2* web_ = nullptr;
    IConnectionPoint* point_ = nullptr;
    EventSink* sink_ = nullptr;
    DWORD cookie_ = 0;
    int eventDepth_ = 0;
    bool closePending_ = false;
    bool closed_ = false;
    bool windowDying_ = false;
    std::string statusText_;
    bool silent_ = true;
    bool offline_ = false;
    int textSize_ = 2;
};

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
    BrowserSite* site = site_;
    if (!site) return S_OK;
    site->AddRef();
    site->beginEvent();
    site->raise(id, params);
    site->endEvent();
    site->Release();
    return S_OK;
}

// The receiver may destroy the box (and with it every reference but ours to this site):
// nothing here touches the box after calling the receiver.
void BrowserSite::raise(DISPID id, DISPPARAMS* params) {
    HostedBrowser* box = box_;
    switch (id) {
    case DISPID_STATUSTEXTCHANGE: {
        std::optional<std::string> text = textArgument(params, 0);
        if (!text) return;
        statusText_ = *text;
        if (BrowserEvents* receiver = box ? box->events() : nullptr) receiver->statusTextChanged(*box, *text);
        return;
    }
    case DISPID_NAVIGATECOMPLETE2:
        if (BrowserEvents* receiver = box ? box->events() : nullptr) receiver->navigateComplete(*box);
        return;
    case DISPID_NEWWINDOW2: {
        VARIANT_BOOL* cancel = flagArgument(params, 0);
        BrowserEvents* receiver = box ? box->events() : nullptr;
        std::optional<bool> allow = receiver ? receiver->newWindow(*box) : std::nullopt;
        if (allow && !*allow && cancel) *cancel = VARIANT_TRUE;
        return;
    }
    case DISPID_DOWNLOADCOMPLETE:
        if (BrowserEvents* receiver = box ? box->events() : nullptr) receiver->downloadComplete(*box);
        return;
    case DISPID_DOCUMENTCOMPLETE:
        // A new document starts at the component's own size; keep the chosen one.
        if (box && textSize_ != 2) applyTextSize();
        return;
    default:
        return;
    }
}

namespace {

LRESULT CALLBACK containerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* site = reinterpret_cast<BrowserSite*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_SIZE:
        if (site) site->fitControl();
        break;
    case WM_DESTROY:
        if (site) site->containerDestroying();
        break;
    case WM_NCDESTROY:
        if (site) site->containerGone();
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK reaperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCloseSite) {
        auto* site = reinterpret_cast<BrowserSite*>(lParam);
        site->close();
        site->Release();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Keep {
    explicit Keep(BrowserSite* site) : site(site) { site->AddRef(); }
    ~Keep() { site->Release(); }
    BrowserSite* operator->() const { return site; }
    BrowserSite* site;
};

BOOL CALLBACK findDocumentView(HWND hwnd, LPARAM found) {
    wchar_t name[64];
    if (GetClassNameW(hwnd, name, 64) && lstrcmpW(name, L"Shell DocObject View") == 0) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace
}  // namespace detail

// Every use goes through a Keep: an event raised inside the call may destroy this box, and
// then nothing may touch it afterwards; the kept site stays valid until the call returns.
using detail::Keep;

HostedBrowser::HostedBrowser(HWND parent) : site_(new detail::BrowserSite(this)) { site_->open(parent); }

HostedBrowser::~HostedBrowser() {
    site_->detach();
    site_->Release();
}

void HostedBrowser::setAddress(const std::string& address) { Keep(site_)->navigate(address); }
std::string HostedBrowser::address() const { return Keep(site_)->locationUrl(); }
std::string HostedBrowser::title() const { return Keep(site_)->locationName(); }
std::string HostedBrowser::statusText() const { return site_->statusText(); }
void HostedBrowser::setSilent(bool silent) { Keep(site_)->setSilent(silent); }
bool HostedBrowser::silent() const { return Keep(site_)->silent(); }
void HostedBrowser::setTextSize(int size) { Keep(site_)->setTextSize(size); }
int HostedBrowser::textSize() const { return site_->textSize(); }
void HostedBrowser::setOffline(bool offline) { Keep(site_)->setOffline(offline); }
bool HostedBrowser::offline() const { return Keep(site_)->offline(); }
void HostedBrowser::goBack() { Keep(site_)->goBack(); }
void HostedBrowser::goForward() { Keep(site_)->goForward(); }
void HostedBrowser::goHome() { Keep(site_)->goHome(); }
void HostedBrowser::refresh() { Keep(site_)->refresh(); }
void HostedBrowser::stop() { Keep(site_)->stop(); }
void HostedBrowser::execDocumentCommand(DocumentCommand command) { Keep(site_)->execDocumentCommand(command); }
std::uintptr_t HostedBrowser::windowHandle() const { return reinterpret_cast<std::uintptr_t>(site_->window()); }
void HostedBrowser::place(int left, int top, int width, int height) { Keep(site_)->place(left, top, width, height); }
void HostedBrowser::show(bool visible) { Keep(site_)->show(visible); }
bool HostedBrowser::hosted() const { return site_->hosted(); }
IDispatch* HostedBrowser::eventSink() const { return site_->sink(); }

HWND HostedBrowser::documentViewChild() const {
    HWND window = site_->window();
    if (!window) return nullptr;
    HWND view = nullptr;
    EnumChildWindows(window, detail::findDocumentView, reinterpret_cast<LPARAM>(&view));
    return view ? GetWindow(view, GW_CHILD) : nullptr;
}

}  // namespace ui
