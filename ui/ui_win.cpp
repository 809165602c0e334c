#include "ui/ui.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "ui/picture.h"

namespace ui {

namespace {

constexpr UINT kCollectGarbage = WM_APP + 0x100;
constexpr wchar_t kControlClass[] = L"LumoControl";

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

void registerControlClass(WNDPROC proc) {
    static bool done = false;
    if (done) return;
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kControlClass;
    RegisterClassW(&wc);
    done = true;
}

bool ownDrawn(Kind k) {
    return k == Kind::PictureBox || k == Kind::PictureButton || k == Kind::Label || k == Kind::TransparentLabel;
}

void drawPicture(HDC dc, const Picture& pic, const RECT& dst, int srcX, int srcY, int srcW, int srcH) {
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, pic.bitmap());
    if (pic.hasAlpha()) {
        BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, mem, srcX, srcY, srcW, srcH, bf);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, mem, srcX, srcY, srcW, srcH,
                   SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
}

// A 32-bit picture counts as see-through only when some pixel is less than opaque and the
// alpha channel is used at all (a BMP with every alpha 0 is an opaque picture).
bool usesAlpha(HBITMAP bitmap, const DIBSECTION& ds) {
    if (ds.dsBm.bmBitsPixel != 32 || !ds.dsBm.bmBits) return false;
    const auto* px = static_cast<const unsigned char*>(ds.dsBm.bmBits);
    size_t n = static_cast<size_t>(ds.dsBm.bmWidth) * std::abs(ds.dsBm.bmHeight);
    bool anyNonZero = false, anyPartial = false;
    for (size_t i = 0; i < n; ++i) {
        unsigned char a = px[i * 4 + 3];
        if (a) anyNonZero = true;
        if (a != 255) anyPartial = true;
    }
    (void)bitmap;
    return anyNonZero && anyPartial;
}

}  // namespace

std::wstring wide(const std::string& gbk) {
    if (gbk.empty()) return {};
    int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), n);
    return out;
}

std::string narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

namespace {
std::string windowText(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring buf(n + 1, L'\0');
    n = GetWindowTextW(hwnd, buf.data(), n + 1);
    buf.resize(n > 0 ? n : 0);
    return narrow(buf);
}
}  // namespace

void infoBox(const std::string& text) {
    MessageBoxW(nullptr, wide(text).c_str(), wide("信息：").c_str(), MB_OK | MB_TASKMODAL);
}

bool yesNoBox(const std::string& text, const std::string& caption) {
    return MessageBoxW(nullptr, wide(text).c_str(), wide(caption).c_str(), MB_YESNO | MB_TASKMODAL) == IDYES;
}

HFONT uiFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSW m{};
        m.cbSize = sizeof m;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
        LOGFONTW lf = m.lfMessageFont;
        lf.lfHeight = -12;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = CLEARTYPE_QUALITY;
        wcscpy(lf.lfFaceName, L"Microsoft YaHei");
        return CreateFontIndirectW(&lf);
    }();
    return font;
}

// ---- Picture ----

Picture::Picture(HBITMAP bitmap) : bitmap_(bitmap) {
    DIBSECTION ds{};
    if (bitmap && GetObjectW(bitmap, sizeof ds, &ds) >= static_cast<int>(sizeof(BITMAP))) {
        width_ = ds.dsBm.bmWidth;
        height_ = std::abs(ds.dsBm.bmHeight);
        alpha_ = usesAlpha(bitmap, ds);
    }
}

Picture::~Picture() {
    if (bitmap_) DeleteObject(bitmap_);
}

PicturePtr embeddedPicture(int resourceId) {
    static std::map<int, PicturePtr> cache;
    auto it = cache.find(resourceId);
    if (it != cache.end()) return it->second;
    HBITMAP bmp = loadPicture(resourceId);
    PicturePtr pic = bmp ? std::make_shared<Picture>(bmp) : nullptr;
    cache[resourceId] = pic;
    return pic;
}

// ---- Control ----

Control::Control(Window& window, Kind kind, std::string name, Control* source)
    : window_(window), kind_(kind), name_(std::move(name)), source_(source) {
    events_ = source ? source->events_ : std::make_shared<ControlEvents>();
}

Control::~Control() {
    if (browser_) browser_->setEvents(nullptr);
    browser_.reset();
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    if (backBrush_) DeleteObject(backBrush_);
}

void Control::create(HWND parent) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
    std::wstring text = wide(caption_);
    const wchar_t* cls = kControlClass;
    DWORD ex = 0;
    switch (kind_) {
        case Kind::EditBox:
            cls = L"EDIT";
            style |= WS_TABSTOP | WS_BORDER |
                     (multiline_ ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL : ES_AUTOHSCROLL);
            ex = 0;
            break;
        case Kind::ListBox:
            cls = L"LISTBOX";
            style |= LBS_NOTIFY | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT;
            break;
        case Kind::ComboBox:
            cls = L"COMBOBOX";
            style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
            break;
        case Kind::Button:
            cls = L"BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case Kind::GroupBox:
            cls = L"BUTTON";
            style |= BS_GROUPBOX;
            break;
        case Kind::BrowserBox:
            break;
        default:
            registerControlClass(controlProc);
            break;
    }
    if (kind_ == Kind::BrowserBox) {
        browser_ = createBrowserBox(reinterpret_cast<std::uintptr_t>(parent));
        if (browser_) {
            browser_->setEvents(this);
            hwnd_ = reinterpret_cast<HWND>(browser_->windowHandle());
            browser_->place(x_, y_, w_, h_);
            browser_->show(visible_);
        }
        return;
    }
    int h = kind_ == Kind::ComboBox ? std::max(h_, 200) : h_;
    hwnd_ = CreateWindowExW(ex, cls, text.c_str(), style, x_, y_, w_, h, parent, nullptr, instance(), this);
    if (!hwnd_) return;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont()), FALSE);
    if (!ownDrawn(kind_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        nativeProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nativeSubclassProc)));
    }
    if (kind_ == Kind::EditBox) SendMessageW(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(4, 4));
    for (auto& item : pendingItems_) addItem(item);
    pendingItems_.clear();
    SetWindowPos(hwnd_, behind_ ? HWND_BOTTOM : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!behind_) window_.raisePages();
}

// The page in front lies above everything it overlaps, such as the lower part of a tab's
// title label; a see-through label cannot show a page beneath it.
void Window::raisePages() {
    for (auto& c : controls_)
        if (c->kind_ == Kind::BrowserBox && c->visible_ && c->hwnd_)
            SetWindowPos(c->hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::show(bool visible) {
    // Hiding what is hidden costs a round trip per control; openTab does it for every tab.
    if (visible == visible_ && !visible && hwnd_) return;
    visible_ = visible;
    if (browser_) {
        browser_->show(visible);
    } else if (hwnd_) {
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    }
    // A page brought to the front, and a drop-down list opened over it, go on top.
    if (visible && hwnd_ && (kind_ == Kind::BrowserBox || kind_ == Kind::ListBox))
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::enable(bool enabled) {
    enabled_ = enabled;
    if (hwnd_ && !browser_) EnableWindow(hwnd_, enabled);
    redraw();
}

void Control::move(int left, int top, int width, int height) {
    x_ = left;
    y_ = top;
    w_ = std::max(width, 0);
    h_ = std::max(height, 0);
    applyGeometry();
}

void Control::applyGeometry() {
    if (browser_) {
        browser_->place(x_, y_, w_, h_);
    } else if (hwnd_) {
        int h = kind_ == Kind::ComboBox ? std::max(h_, 200) : h_;
        SetWindowPos(hwnd_, nullptr, x_, y_, w_, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Control::setCaption(const std::string& text) {
    caption_ = text;
    if (hwnd_ && !browser_) SetWindowTextW(hwnd_, wide(text).c_str());
    if (ownDrawn(kind_)) redraw();
}

std::string Control::caption() const {
    if (!hwnd_ || browser_ || ownDrawn(kind_)) return caption_;
    return windowText(hwnd_);
}

void Control::setBackColor(COLORREF colour) {
    back_ = colour;
    backSet_ = true;
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(colour);
    redraw();
}

void Control::setTextColor(COLORREF colour) {
    text_ = colour;
    redraw();
}

void Control::setPicture(PicturePtr picture) {
    if (picture == pictures_[0]) return;
    pictures_[0] = std::move(picture);
    redraw();
}

void Control::setPictures(PicturePtr normal, PicturePtr hot, PicturePtr pressed) {
    pictures_[0] = std::move(normal);
    pictures_[1] = std::move(hot);
    pictures_[2] = std::move(pressed);
    redraw();
}

void Control::setCursor(HCURSOR cursor) { cursor_ = cursor; }

void Control::setFixedRightColumns(int columns) {
    fixedRight_ = columns;
    redraw();
}

void Control::setBorderColor(COLORREF colour) {
    border_ = colour;
    if (hwnd_) SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::redraw() {
    if (hwnd_ && !browser_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::focus() {
    if (hwnd_) SetFocus(hwnd_);
}

void Control::addItem(const std::string& text) {
    if (!hwnd_) {
        pendingItems_.push_back(text);
        return;
    }
    UINT msg = kind_ == Kind::ComboBox ? CB_ADDSTRING : LB_ADDSTRING;
    SendMessageW(hwnd_, msg, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void Control::clearItems() {
    pendingItems_.clear();
    if (hwnd_) SendMessageW(hwnd_, kind_ == Kind::ComboBox ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
}

int Control::itemCount() const {
    if (!hwnd_) return static_cast<int>(pendingItems_.size());
    return static_cast<int>(SendMessageW(hwnd_, kind_ == Kind::ComboBox ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

std::string Control::itemText(int index) const {
    if (!hwnd_) return index >= 0 && index < static_cast<int>(pendingItems_.size()) ? pendingItems_[index] : "";
    bool combo = kind_ == Kind::ComboBox;
    LRESULT n = SendMessageW(hwnd_, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
    if (n < 0) return {};
    std::wstring buf(n + 1, L'\0');
    n = SendMessageW(hwnd_, combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(buf.data()));
    buf.resize(n < 0 ? 0 : n);
    return narrow(buf);
}

int Control::selectedIndex() const {
    if (!hwnd_) return -1;
    return static_cast<int>(SendMessageW(hwnd_, kind_ == Kind::ComboBox ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void Control::setSelectedIndex(int index) {
    if (hwnd_) SendMessageW(hwnd_, kind_ == Kind::ComboBox ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
}

void Control::navigateComplete(BrowserBox&) {
    if (events_->navigateComplete) events_->navigateComplete(*this);
}
void Control::statusTextChanged(BrowserBox&, const std::string& text) {
    if (events_->statusTextChanged) events_->statusTextChanged(*this, text);
}
std::optional<bool> Control::newWindow(BrowserBox&) {
    if (events_->newWindow) return events_->newWindow(*this);
    return std::nullopt;
}
void Control::downloadComplete(BrowserBox&) {
    if (events_->downloadComplete) events_->downloadComplete(*this);
}

// Draws what lies under a see-through control: the window's background and the controls
// kept behind (background band, tab boxes) where this one covers them.
void Control::paintUnderlay(HDC dc, const RECT& area) {
    HBRUSH bg = CreateSolidBrush(window_.back_);
    FillRect(dc, &area, bg);
    DeleteObject(bg);
    for (auto& other : window_.controls_) {
        Control& c = *other;
        if (&c == this || !c.behind_ || !c.visible_ || c.kind_ != Kind::PictureBox || !c.hwnd_) continue;
        RECT mine{x_, y_, x_ + w_, y_ + h_};
        RECT theirs{c.x_, c.y_, c.x_ + c.w_, c.y_ + c.h_};
        RECT both;
        if (!IntersectRect(&both, &mine, &theirs)) continue;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, both.left - x_, both.top - y_, both.right - x_, both.bottom - y_);
        c.drawBox(dc, c.x_ - x_, c.y_ - y_);
        RestoreDC(dc, saved);
    }
}

// A picture box's content at an offset: the back colour, then the picture at its own height
// (what does not fit is cut off) and fitted to the box's width: stretched, or, with fixed
// right columns, its left part and its right end drawn unscaled so rounded ends survive.
void Control::drawBox(HDC dc, int offX, int offY) {
    RECT rc{offX, offY, offX + w_, offY + h_};
    const Picture* pic = pictures_[0].get();
    if (backSet_ || !pic) {
        HBRUSH b = CreateSolidBrush(back_);
        FillRect(dc, &rc, b);
        DeleteObject(b);
    }
    if (!pic) return;
    int ph = pic->height();
    if (fixedRight_ > 0 && pic->width() > fixedRight_ && w_ > fixedRight_) {
        int leftW = std::min(w_ - fixedRight_, pic->width() - fixedRight_);
        drawPicture(dc, *pic, RECT{offX, offY, offX + leftW, offY + ph}, 0, 0, leftW, ph);
        drawPicture(dc, *pic, RECT{offX + w_ - fixedRight_, offY, offX + w_, offY + ph}, pic->width() - fixedRight_, 0,
                    fixedRight_, ph);
    } else {
        drawPicture(dc, *pic, RECT{offX, offY, offX + w_, offY + ph}, 0, 0, pic->width(), ph);
    }
}

void Control::paint(HDC target) {
    RECT rc{0, 0, w_, h_};
    // Composed off screen and copied in one transfer, so nothing flickers.
    HDC dc = CreateCompatibleDC(target);
    HBITMAP buf = CreateCompatibleBitmap(target, std::max(w_, 1), std::max(h_, 1));
    HGDIOBJ oldBuf = SelectObject(dc, buf);
    switch (kind_) {
        case Kind::PictureBox:
            if (pictures_[0] && pictures_[0]->hasAlpha() && !backSet_) paintUnderlay(dc, rc);
            drawBox(dc, 0, 0);
            break;
        case Kind::PictureButton: {
            // Drawn unscaled: a picture larger than its button is cut off, not squeezed.
            paintUnderlay(dc, rc);
            const PicturePtr& pic = pictures_[state_] ? pictures_[state_] : pictures_[0];
            if (pic) drawPicture(dc, *pic, RECT{0, 0, pic->width(), pic->height()}, 0, 0, pic->width(), pic->height());
            break;
        }
        case Kind::Label:
        case Kind::TransparentLabel: {
            if (kind_ == Kind::Label) {
                HBRUSH b = CreateSolidBrush(back_);
                FillRect(dc, &rc, b);
                DeleteObject(b);
            } else {
                paintUnderlay(dc, rc);
            }
            HGDIOBJ oldFont = SelectObject(dc, uiFont());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, text_);
            std::wstring t = wide(caption_);
            RECT tr = rc;
            // Labels centre their line; see-through labels (the caption, tab titles) keep it
            // at their top, where it lines up with the window buttons and the tab's icon.
            UINT align = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
            if (multiline_) {
                align = DT_TOP | DT_WORDBREAK | DT_EDITCONTROL;
            } else if (kind_ == Kind::Label) {
                tr.left += 4;
            } else {
                tr.top += 2;
                align = DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS;
            }
            DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &tr, DT_LEFT | align | DT_NOPREFIX);
            SelectObject(dc, oldFont);
            break;
        }
        default:
            break;
    }
    BitBlt(target, 0, 0, w_, h_, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBuf);
    DeleteObject(buf);
    DeleteDC(dc);
}

LRESULT Control::handle(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    handled = true;
    ControlEvents& ev = *events_;
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            paint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            // A disabled transparent label lets the mouse through to what lies beneath,
            // so clicking a tab's title selects the tab.
            if (kind_ == Kind::TransparentLabel && !enabled_) return HTTRANSPARENT;
            handled = false;
            return 0;
        case WM_SETCURSOR:
            if (cursor_ && LOWORD(lp) == HTCLIENT) {
                SetCursor(cursor_);
                return TRUE;
            }
            handled = false;
            return 0;
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd_, 0};
                TrackMouseEvent(&t);
                tracking_ = true;
                if (kind_ == Kind::PictureButton) {
                    state_ = pressed_ ? 2 : 1;
                    redraw();
                }
                if (ev.mouseEntered) ev.mouseEntered(*this);
            }
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (kind_ == Kind::PictureButton) {
                state_ = 0;
                redraw();
            }
            if (ev.mouseLeft) ev.mouseLeft(*this);
            return 0;
        case WM_LBUTTONDOWN: {
            if (kind_ == Kind::PictureButton) {
                pressed_ = true;
                state_ = 2;
                SetCapture(hwnd_);
                redraw();
            }
            if (ev.leftButtonDown) ev.leftButtonDown(*this, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return 0;
        }
        case WM_LBUTTONUP: {
            if (kind_ == Kind::PictureButton && pressed_) {
                pressed_ = false;
                ReleaseCapture();
                POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                bool inside = p.x >= 0 && p.y >= 0 && p.x < w_ && p.y < h_;
                state_ = inside ? 1 : 0;
                redraw();
                if (inside && ev.clicked) ev.clicked(*this);
            } else if (kind_ != Kind::PictureButton && ev.clicked) {
                ev.clicked(*this);
            }
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            if (ev.doubleClicked) {
                ev.doubleClicked(*this, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            } else if (kind_ == Kind::PictureButton) {
                // A quick second click on a button is a second click, not a double-click.
                return handle(WM_LBUTTONDOWN, wp, lp, handled);
            }
            return 0;
        case WM_CAPTURECHANGED:
            if (pressed_ && reinterpret_cast<HWND>(lp) != hwnd_) {
                pressed_ = false;
                state_ = 0;
                redraw();
            }
            return 0;
        default:
            handled = false;
            return 0;
    }
}

LRESULT CALLBACK Control::controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        reinterpret_cast<Control*>(cs->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg != WM_NCDESTROY) {
        bool handled = false;
        LRESULT r = self->handle(msg, wp, lp, handled);
        if (handled) return r;
    }
    if (msg == WM_NCDESTROY && self) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Platform controls (edit, list, combo, button) keep their own procedure; this one only
// reports keys and passes every message on.
LRESULT CALLBACK Control::nativeSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    WNDPROC next = self->nativeProc_;
    if (msg == WM_KEYDOWN && self->events_->keyDown) {
        if (self->events_->keyDown(*self, static_cast<int>(wp))) return 0;
    }
    if (msg == WM_ERASEBKGND && self->kind_ == Kind::GroupBox) {
        // A group box draws only its frame and caption; its inside is the window's ground.
        RECT rc;
        GetClientRect(hwnd, &rc);
        HBRUSH b = CreateSolidBrush(self->window_.back_);
        FillRect(reinterpret_cast<HDC>(wp), &rc, b);
        DeleteObject(b);
        return 1;
    }
    if (msg == WM_NCPAINT && self->border_ != CLR_INVALID) {
        // A flat border of our colour instead of the system's.
        HDC dc = GetWindowDC(hwnd);
        RECT r;
        GetWindowRect(hwnd, &r);
        OffsetRect(&r, -r.left, -r.top);
        HBRUSH b = CreateSolidBrush(self->border_);
        FrameRect(dc, &r, b);
        DeleteObject(b);
        ReleaseDC(hwnd, dc);
        return 0;
    }
    if (msg == WM_CHAR && self->kind_ == Kind::EditBox && !self->multiline_ && (wp == '\r' || wp == '\n')) {
        return 0;  // no beep for Enter in a one-line box
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return CallWindowProcW(next, hwnd, msg, wp, lp);
}

// ---- Window ----

namespace {
std::map<HWND, Window*>& windowsByHandle() {
    static std::map<HWND, Window*> m;
    return m;
}
}  // namespace

Window::Window(std::string className, std::string name, int left, int top, int width, int height, WindowStyle style)
    : className_(std::move(className)), name_(std::move(name)), x_(left), y_(top), w_(width), h_(height), style_(style) {}

Window::~Window() {
    if (hwnd_) DestroyWindow(hwnd_);
    controls_.clear();
    graveyard_.clear();
    if (backBrush_) DeleteObject(backBrush_);
}

Window* Window::fromHandle(HWND hwnd) {
    auto it = windowsByHandle().find(hwnd);
    return it == windowsByHandle().end() ? nullptr : it->second;
}

void Window::load() {
    if (hwnd_) return;
    std::wstring cls = wide(className_);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance(), cls.c_str(), &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = windowProc;
        wc.hInstance = instance();
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(instance(), MAKEINTRESOURCEW(1));
        wc.lpszClassName = cls.c_str();
        RegisterClassExW(&wc);
    }
    DWORD styleBits = style_ == WindowStyle::Borderless
                          ? (WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX)
                          : (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    RECT r{x_, y_, x_ + w_, y_ + h_};
    if (style_ == WindowStyle::Dialog) {
        // The design size is the client area's.
        AdjustWindowRectEx(&r, styleBits, FALSE, 0);
        r = RECT{x_, y_, x_ + (r.right - r.left), y_ + (r.bottom - r.top)};
    }
    hwnd_ = CreateWindowExW(0, cls.c_str(), wide(name_).c_str(), styleBits, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, nullptr, nullptr, instance(), this);
    if (!hwnd_) return;
    for (auto& c : controls_) c->create(hwnd_);
    if (events_.created) events_.created(*this);
}

void Window::show(int how) {
    load();
    if (hwnd_) {
        ShowWindow(hwnd_, how);
        UpdateWindow(hwnd_);
    }
}

void Window::hide() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void Window::runModal() {
    show();
    modal_ = true;
    MSG m;
    while (hwnd_ && GetMessageW(&m, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(hwnd_, &m)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    if (hwnd_ && m.message == WM_QUIT) PostQuitMessage(static_cast<int>(m.wParam));
    modal_ = false;
}

void Window::close() {
    if (hwnd_) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Window::destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Window::setCaption(const std::string& text) {
    name_ = text;
    if (hwnd_) SetWindowTextW(hwnd_, wide(text).c_str());
}

std::string Window::caption() const {
    if (!hwnd_) return name_;
    return windowText(hwnd_);
}

void Window::setBackColor(COLORREF colour) {
    back_ = colour;
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(colour);
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

RECT Window::outerRect() const {
    RECT r{x_, y_, x_ + w_, y_ + h_};
    if (hwnd_) GetWindowRect(hwnd_, &r);
    return r;
}

void Window::moveTo(int left, int top, int width, int height) {
    x_ = left;
    y_ = top;
    w_ = width;
    h_ = height;
    if (hwnd_) SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::width() const {
    RECT r = outerRect();
    return r.right - r.left;
}

int Window::height() const {
    RECT r = outerRect();
    return r.bottom - r.top;
}

Control& Window::add(const ControlSpec& spec) {
    std::unique_ptr<Control> c(new Control(*this, spec.kind, spec.name, nullptr));
    c->x_ = spec.left + (spec.container ? spec.container->x_ : 0);
    c->y_ = spec.top + (spec.container ? spec.container->y_ : 0);
    c->w_ = spec.width;
    c->h_ = spec.height;
    c->caption_ = spec.caption;
    c->visible_ = spec.visible;
    c->behind_ = spec.behind;
    c->multiline_ = spec.multiline;
    if (spec.kind == Kind::Label || spec.kind == Kind::TransparentLabel) c->back_ = back_;
    Control& ref = *c;
    controls_.push_back(std::move(c));
    if (!spec.name.empty()) byName_[spec.name] = &ref;
    if (hwnd_) ref.create(hwnd_);
    return ref;
}

Control& Window::control(const std::string& name) {
    auto it = byName_.find(name);
    if (it == byName_.end()) throw std::out_of_range("no control " + name);
    return *it->second;
}

Control* Window::find(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (auto& c : controls_)
        if (c->hwnd_ == hwnd) return c.get();
    return nullptr;
}

Control& Window::copy(Control& src) {
    Control& root = src.source();
    std::unique_ptr<Control> c(new Control(*this, src.kind_, src.name_, &root));
    c->x_ = src.x_;
    c->y_ = src.y_;
    c->w_ = src.w_;
    c->h_ = src.h_;
    c->visible_ = src.visible_;
    c->enabled_ = src.enabled_;
    c->behind_ = src.behind_;
    c->multiline_ = src.multiline_;
    c->caption_ = src.caption();
    c->back_ = src.back_;
    c->backSet_ = src.backSet_;
    if (src.backSet_) c->backBrush_ = CreateSolidBrush(src.back_);
    c->text_ = src.text_;
    for (int i = 0; i < 3; ++i) c->pictures_[i] = src.pictures_[i];
    c->cursor_ = src.cursor_;
    c->fixedRight_ = src.fixedRight_;
    c->border_ = src.border_;
    for (int i = 0; i < src.itemCount(); ++i) c->pendingItems_.push_back(src.itemText(i));
    Control& ref = *c;
    controls_.push_back(std::move(c));
    if (hwnd_) {
        ref.create(hwnd_);
        if (ref.browser_ && src.browser_) {
            ref.browser_->setSilent(src.browser_->silent());
            ref.browser_->setTextSize(src.browser_->textSize());
            ref.browser_->setOffline(src.browser_->offline());
        }
    }
    return ref;
}

void Window::destroy(Control& control) {
    auto it = std::find_if(controls_.begin(), controls_.end(), [&](auto& p) { return p.get() == &control; });
    if (it == controls_.end()) return;
    std::unique_ptr<Control> dead = std::move(*it);
    controls_.erase(it);
    for (auto b = byName_.begin(); b != byName_.end(); ++b)
        if (b->second == &control) {
            byName_.erase(b);
            break;
        }
    dead->show(false);
    graveyard_.push_back(std::move(dead));
    if (hwnd_) PostMessageW(hwnd_, kCollectGarbage, 0, 0);
}

void Window::collectGarbage() { graveyard_.clear(); }

WNDPROC Window::subclass(WNDPROC proc) {
    if (!hwnd_) return nullptr;
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

LRESULT Window::handle(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT Window::dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    bool handled = false;
    LRESULT r = handle(msg, wp, lp, handled);
    if (handled) return r;
    switch (msg) {
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED && events_.sizeChanged) events_.sizeChanged(*this);
            return 0;
        case WM_LBUTTONDBLCLK:
            if (events_.doubleClicked) events_.doubleClicked(*this, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return 0;
        case WM_CLOSE:
            if (events_.closeRequested && !events_.closeRequested(*this)) return 0;
            DestroyWindow(hwnd_);
            return 0;
        case WM_ERASEBKGND: {
            RECT rc;
            GetClientRect(hwnd_, &rc);
            HBRUSH b = CreateSolidBrush(back_);
            FillRect(reinterpret_cast<HDC>(wp), &rc, b);
            DeleteObject(b);
            return 1;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            Control* c = find(reinterpret_cast<HWND>(lp));
            if (c) {
                HDC dc = reinterpret_cast<HDC>(wp);
                SetTextColor(dc, c->text_);
                SetBkColor(dc, c->backSet_ ? c->back_ : (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) ? back_ : RGB(255, 255, 255));
                if (c->backSet_) return reinterpret_cast<LRESULT>(c->backBrush_);
                if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
                    if (!backBrush_) backBrush_ = CreateSolidBrush(back_);
                    return reinterpret_cast<LRESULT>(backBrush_);
                }
                return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
            }
            break;
        }
        case WM_COMMAND: {
            HWND from = reinterpret_cast<HWND>(lp);
            if (!from) {
                if (HIWORD(wp) == 0 && events_.menuCommand) events_.menuCommand(*this, LOWORD(wp));
                return 0;
            }
            Control* c = find(from);
            if (!c) break;
            ControlEvents& ev = c->events();
            switch (HIWORD(wp)) {
                case BN_CLICKED:
                    if ((c->kind_ == Kind::Button) && ev.clicked) ev.clicked(*c);
                    break;
                case EN_CHANGE:
                    if (c->kind_ == Kind::EditBox && ev.textChanged) ev.textChanged(*c);
                    break;
                case EN_SETFOCUS:
                    if (c->kind_ == Kind::EditBox && ev.focusGained) ev.focusGained(*c);
                    break;
                case EN_KILLFOCUS:
                    if (c->kind_ == Kind::EditBox && ev.focusLost) ev.focusLost(*c);
                    break;
                case LBN_SELCHANGE:  // == CBN_SELCHANGE
                    if ((c->kind_ == Kind::ListBox || c->kind_ == Kind::ComboBox) && ev.selectionChanged)
                        ev.selectionChanged(*c);
                    break;
                case LBN_DBLCLK:
                    if (c->kind_ == Kind::ListBox && ev.itemDoubleClicked) ev.itemDoubleClicked(*c);
                    break;
                default:
                    break;
            }
            return 0;
        }
        case WM_DESTROY:
            if (events_.willBeDestroyed) events_.willBeDestroyed(*this);
            return 0;
        case kCollectGarbage:
            collectGarbage();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = reinterpret_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        windowsByHandle()[hwnd] = self;
    }
    Window* self = fromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
        windowsByHandle().erase(hwnd);
        self->hwnd_ = nullptr;
        for (auto& c : self->controls_) c->hwnd_ = nullptr;
        return r;
    }
    return self->dispatch(msg, wp, lp);
}

// ---- Menu ----

Menu::Menu() : menu_(CreatePopupMenu()) {}

Menu::~Menu() {
    // Submenus are destroyed with their parent menu.
    for (auto& s : submenus_) s->menu_ = nullptr;
    if (menu_) DestroyMenu(menu_);
}

void Menu::addItem(int commandId, const std::string& text) {
    AppendMenuW(menu_, MF_STRING, commandId, wide(text).c_str());
}

void Menu::addSeparator() { AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr); }

Menu& Menu::addSubmenu(const std::string& text) {
    submenus_.push_back(std::make_unique<Menu>());
    Menu& sub = *submenus_.back();
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(sub.menu_), wide(text).c_str());
    return sub;
}

void Menu::setChecked(int commandId, bool checked) {
    CheckMenuItem(menu_, commandId, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Menu::checked(int commandId) const {
    UINT s = GetMenuState(menu_, commandId, MF_BYCOMMAND);
    return s != static_cast<UINT>(-1) && (s & MF_CHECKED);
}

void Menu::popup(Window& owner, int x, int y) {
    if (!owner.hwnd()) return;
    SetForegroundWindow(owner.hwnd());
    TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, x, y, 0, owner.hwnd(), nullptr);
    PostMessageW(owner.hwnd(), WM_NULL, 0, 0);
}

}  // namespace ui
