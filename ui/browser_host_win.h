// The browser box that hosts the platform's WebBrowser control in a child window of ours.
// All COM of the control lives in browser_host_win.cpp; the rest of the program sees only
// ui::BrowserBox.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/browser_box.h"

struct IDispatch;

namespace ui {

namespace detail {
class BrowserSite;
}

class HostedBrowser : public BrowserBox {
public:
    // Creates the container window as a hidden child of `parent` and activates the control
    // in it with the design settings: silent, middle text size, online. If the control
    // cannot be created the box still has its window and every operation does nothing.
    explicit HostedBrowser(HWND parent);
    ~HostedBrowser() override;
    HostedBrowser(const HostedBrowser&) = delete;
    HostedBrowser& operator=(const HostedBrowser&) = delete;

    void setAddress(const std::string& address) override;
    std::string address() const override;
    std::string title() const override;
    std::string statusText() const override;

    void setSilent(bool silent) override;
    bool silent() const override;
    void setTextSize(int size) override;
    int textSize() const override;
    void setOffline(bool offline) override;
    bool offline() const override;

    void goBack() override;
    void goForward() override;
    void goHome() override;
    void refresh() override;
    void stop() override;
    void execDocumentCommand(DocumentCommand command) override;

    std::uintptr_t windowHandle() const override;
    void place(int left, int top, int width, int height) override;
    void show(bool visible) override;

    // Whether the control was created and activated.
    bool hosted() const;
    // The first child of the control's "Shell DocObject View" window (the target of the
    // add-favourite command), or null while there is none.
    HWND documentViewChild() const;
    // The DWebBrowserEvents2 receiver connected to the control (not AddRef'd); tests call
    // its Invoke with their own DISPPARAMS.
    IDispatch* eventSink() const;

private:
    detail::BrowserSite* site_;
};

}  // namespace ui
