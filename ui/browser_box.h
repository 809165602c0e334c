// What the program uses of the embedded web-browser component, as plain C++ with GBK texts.
// The real implementation hosts the WebBrowser control (ui/browser_host_win.cpp); handler
// tests use a scripted stand-in, because the component under Wine never raises some events.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ui {

class BrowserBox;

// Receiver of a browser box's events. Called on the GUI thread, with the box that raised
// the event, after the component has updated what address(), title() and statusText() read.
struct BrowserEvents {
    virtual ~BrowserEvents() = default;
    virtual void navigateComplete(BrowserBox& source) {}
    virtual void statusTextChanged(BrowserBox& source, const std::string& text) {}
    // A page asks for a new window. Return false to refuse the component's own window;
    // std::nullopt lets the component open it.
    virtual std::optional<bool> newWindow(BrowserBox& source) { return std::nullopt; }
    virtual void downloadComplete(BrowserBox& source) {}
};

// Document commands (the component's OLECMDID values).
enum class DocumentCommand { SaveAs = 4, Print = 6, PrintPreview = 7, PageSetup = 8 };

class BrowserBox {
public:
    virtual ~BrowserBox() = default;

    // Starts navigating to the address, used unchanged (may be empty or a file path).
    virtual void setAddress(const std::string& address) = 0;
    virtual std::string address() const = 0;
    virtual std::string title() const = 0;
    virtual std::string statusText() const = 0;

    virtual void setSilent(bool silent) = 0;
    virtual bool silent() const = 0;
    // 0 (smallest) to 4 (largest); 2 is the middle size.
    virtual void setTextSize(int size) = 0;
    virtual int textSize() const = 0;
    virtual void setOffline(bool offline) = 0;
    virtual bool offline() const = 0;

    // Fire and forget: results and failures are ignored.
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void goHome() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;
    virtual void execDocumentCommand(DocumentCommand command) = 0;

    // The box's own window, as a pointer-sized value (an HWND on Windows), or 0.
    virtual std::uintptr_t windowHandle() const = 0;
    // Geometry and visibility, in the parent's client pixels.
    virtual void place(int left, int top, int width, int height) = 0;
    virtual void show(bool visible) = 0;

    // Where events go; the box does not own the receiver.
    void setEvents(BrowserEvents* events) { events_ = events; }
    BrowserEvents* events() const { return events_; }

private:
    BrowserEvents* events_ = nullptr;
};

// Creates the browser boxes of the program. The default makes real hosted components;
// tests install a factory of stand-ins. `parent` is the parent window handle.
using BrowserBoxFactory = std::function<std::unique_ptr<BrowserBox>(std::uintptr_t parent)>;
void setBrowserBoxFactory(BrowserBoxFactory factory);
std::unique_ptr<BrowserBox> createBrowserBox(std::uintptr_t parent);

}  // namespace ui
