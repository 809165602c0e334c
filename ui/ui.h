// The window and control layer over Win32.
//
// A Window owns its Controls; a Control is one child window of a kind the program's
// design uses (picture box, picture button, label, transparent label, edit box, list box,
// combo box, button, group box, browser box). Texts are GBK byte strings everywhere above
// this layer; they are converted with code page 936 only where they cross into Win32, so
// the Chinese captions read right on any Windows whatever its ANSI code page.
//
// Component handles: a Control's address is its identity. Window::copy makes a run-time
// copy that takes over the source's kind, properties and event handlers; the handlers are
// shared, and each copy reports to them with itself as the component, so a handler tells
// copies apart by comparing addresses.
//
// Controls are destroyed late: Window::destroy hides and destroys the child window at once
// but frees the Control object only after the current message has been handled, so a
// handler may destroy the very control that raised its event.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/browser_box.h"

namespace ui {

std::wstring wide(const std::string& gbk);
std::string narrow(const std::wstring& text);

// The information message box: caption "信息：", OK only, task-modal, no owner.
void infoBox(const std::string& text);
// A question with Yes and No; true for Yes.
bool yesNoBox(const std::string& text, const std::string& caption);

// A bitmap shared by every control showing it; deleted with the last user.
class Picture {
public:
    explicit Picture(HBITMAP bitmap);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool hasAlpha() const { return alpha_; }

private:
    HBITMAP bitmap_;
    int width_ = 0, height_ = 0;
    bool alpha_ = false;
};
using PicturePtr = std::shared_ptr<Picture>;
// The embedded picture with this resource id, loaded once per run.
PicturePtr embeddedPicture(int resourceId);

enum class Kind {
    PictureBox,
    PictureButton,
    Label,
    TransparentLabel,
    EditBox,
    ListBox,
    ComboBox,
    Button,
    GroupBox,
    BrowserBox,
};

class Control;
class Window;

// Event handlers of a control, shared by the control and all its copies.
struct ControlEvents {
    std::function<void(Control&)> clicked;
    std::function<void(Control&, int x, int y)> leftButtonDown;
    std::function<void(Control&, int x, int y)> doubleClicked;
    std::function<void(Control&)> mouseEntered;
    std::function<void(Control&)> mouseLeft;
    // Edit boxes: a key went down; return true to swallow it.
    std::function<bool(Control&, int virtualKey)> keyDown;
    std::function<void(Control&)> textChanged;
    std::function<void(Control&)> focusGained;
    std::function<void(Control&)> focusLost;
    // List and combo boxes.
    std::function<void(Control&)> selectionChanged;
    std::function<void(Control&)> itemDoubleClicked;
    // Browser boxes.
    std::function<void(Control&)> navigateComplete;
    std::function<void(Control&, const std::string& text)> statusTextChanged;
    std::function<std::optional<bool>(Control&)> newWindow;
    std::function<void(Control&)> downloadComplete;
};

class Control : private BrowserEvents {
public:
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Window& window() const { return window_; }
    HWND hwnd() const { return hwnd_; }
    // The design-time control this one was copied from (itself for a design control).
    Control& source() { return source_ ? *source_ : *this; }
    ControlEvents& events() { return *events_; }

    void show(bool visible = true);
    void hide() { show(false); }
    bool visible() const { return visible_; }
    void enable(bool enabled = true);
    bool enabled() const { return enabled_; }

    int left() const { return x_; }
    int top() const { return y_; }
    int width() const { return w_; }
    int height() const { return h_; }
    void move(int left, int top, int width, int height);
    void setLeft(int left) { move(left, y_, w_, h_); }
    void setTop(int top) { move(x_, top, w_, h_); }
    void setWidth(int width) { move(x_, y_, width, h_); }
    void setHeight(int height) { move(x_, y_, w_, height); }

    void setCaption(const std::string& text);
    std::string caption() const;
    void setBackColor(COLORREF colour);
    COLORREF backColor() const { return back_; }
    void setTextColor(COLORREF colour);
    COLORREF textColor() const { return text_; }
    // Picture boxes: the picture, stretched to the box; nullptr shows only the back colour.
    void setPicture(PicturePtr picture);
    const PicturePtr& picture() const { return pictures_[0]; }
    // Picture buttons: normal, pointer over, pressed.
    void setPictures(PicturePtr normal, PicturePtr hot, PicturePtr pressed);
    const PicturePtr& pictureOf(int state) const { return pictures_[state]; }
    // Picture boxes: this many columns at the picture's right end are drawn unscaled at the
    // box's right end, the rest from the left; 0 stretches the picture to the box's width.
    void setFixedRightColumns(int columns);
    // Edit boxes: a flat one-pixel border of this colour (CLR_INVALID: the system's).
    void setBorderColor(COLORREF colour);
    // nullptr is the default arrow.
    void setCursor(HCURSOR cursor);
    HCURSOR cursor() const { return cursor_; }
    void redraw();
    void focus();

    // List and combo boxes.
    void addItem(const std::string& text);
    void clearItems();
    int itemCount() const;
    std::string itemText(int index) const;
    int selectedIndex() const;
    void setSelectedIndex(int index);

    // Browser boxes.
    BrowserBox* browser() const { return browser_.get(); }

    // Pictures a picture button shows: 0 normal, 1 pointer over, 2 pressed.
    int buttonState() const { return state_; }

private:
    friend class Window;
    Control(Window& window, Kind kind, std::string name, Control* source);
    void create(HWND parent);
    void applyGeometry();
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    void paint(HDC dc);
    void paintUnderlay(HDC dc, const RECT& area);
    void drawBox(HDC dc, int offX, int offY);
    static LRESULT CALLBACK controlProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK nativeSubclassProc(HWND, UINT, WPARAM, LPARAM);

    // BrowserEvents
    void navigateComplete(BrowserBox&) override;
    void statusTextChanged(BrowserBox&, const std::string& text) override;
    std::optional<bool> newWindow(BrowserBox&) override;
    void downloadComplete(BrowserBox&) override;

    Window& window_;
    Kind kind_;
    std::string name_;
    Control* source_;
    std::shared_ptr<ControlEvents> events_;
    HWND hwnd_ = nullptr;
    WNDPROC nativeProc_ = nullptr;
    std::unique_ptr<BrowserBox> browser_;
    int x_ = 0, y_ = 0, w_ = 0, h_ = 0;
    bool visible_ = true, enabled_ = true;
    bool behind_ = false;  // kept below the other controls (backgrounds, tab boxes)
    bool multiline_ = false;
    std::string caption_;
    COLORREF back_ = RGB(255, 255, 255);
    COLORREF text_ = RGB(0, 0, 0);
    bool backSet_ = false;
    HBRUSH backBrush_ = nullptr;
    PicturePtr pictures_[3];
    HCURSOR cursor_ = nullptr;
    int fixedRight_ = 0;
    COLORREF border_ = CLR_INVALID;
    int state_ = 0;
    bool tracking_ = false;
    bool pressed_ = false;
    std::vector<std::string> pendingItems_;
};

// Properties of a control at creation; what is not given keeps the kind's default.
struct ControlSpec {
    Kind kind;
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;
    bool visible = true;
    bool behind = false;        // stays below overlapping controls
    Control* container = nullptr;  // a group box the position is relative to
    bool multiline = false;        // edit boxes take line breaks; labels wrap their text
};

// Window-level handlers.
struct WindowEvents {
    // Runs once before the window is first shown.
    std::function<void(Window&)> created;
    std::function<void(Window&)> sizeChanged;
    // A double-click on the window itself (not on a control), client pixels.
    std::function<void(Window&, int x, int y)> doubleClicked;
    // The platform asks the window to close; false refuses. Unset allows.
    std::function<bool(Window&)> closeRequested;
    std::function<void(Window&)> willBeDestroyed;
    // A menu command of the window's popup menus.
    std::function<void(Window&, int commandId)> menuCommand;
};

enum class WindowStyle { Borderless, Dialog };

class Window {
public:
    Window(std::string className, std::string name, int left, int top, int width, int height,
           WindowStyle style = WindowStyle::Borderless);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    const std::string& name() const { return name_; }
    WindowEvents& events() { return events_; }

    // Creates the window (running `created`), without showing it.
    void load();
    void show(int how = SW_SHOW);
    void hide();
    // Runs a modal loop until the window is destroyed.
    void runModal();
    void close();    // asks, as the platform's close request does
    void destroy();  // destroys without asking
    bool alive() const { return hwnd_ != nullptr; }

    void setCaption(const std::string& text);
    std::string caption() const;
    void setBackColor(COLORREF colour);
    COLORREF backColor() const { return back_; }
    RECT outerRect() const;
    void moveTo(int left, int top, int width, int height);
    int width() const;
    int height() const;

    Control& add(const ControlSpec& spec);
    // The design control of that name; throws std::out_of_range when there is none.
    Control& control(const std::string& name);
    Control* find(HWND hwnd);
    Control& copy(Control& source);
    void destroy(Control& control);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Replaces the window procedure by `proc` and returns the previous one, which `proc`
    // must pass every message on to (CallWindowProc).
    WNDPROC subclass(WNDPROC proc);

    static Window* fromHandle(HWND hwnd);

protected:
    virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp, bool& handled);

private:
    friend class Control;
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void raisePages();
    void collectGarbage();

    std::string className_;
    std::string name_;
    int x_, y_, w_, h_;
    WindowStyle style_;
    HWND hwnd_ = nullptr;
    COLORREF back_ = RGB(255, 255, 255);
    HBRUSH backBrush_ = nullptr;
    WindowEvents events_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::string, Control*> byName_;
    std::vector<std::unique_ptr<Control>> graveyard_;
    bool modal_ = false;
};

// A popup menu with checkable items. Command ids are the program's own.
class Menu {
public:
    Menu();
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    HMENU handle() const { return menu_; }
    void addItem(int commandId, const std::string& text);
    void addSeparator();
    Menu& addSubmenu(const std::string& text);
    void setChecked(int commandId, bool checked);
    bool checked(int commandId) const;
    // Shows the menu at a screen point and sends the chosen command to `owner`.
    void popup(Window& owner, int x, int y);

private:
    HMENU menu_;
    std::vector<std::unique_ptr<Menu>> submenus_;
};

// The font every control uses.
HFONT uiFont();

}  // namespace ui
