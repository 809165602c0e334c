// A scripted stand-in for the hosted web-browser component. It keeps the properties it is
// given, records every call, and lets a test raise the events the real component under Wine
// never raises (navigate complete, new window) with the address, title and status text of
// its choice. No COM and no window: handler tests can make hundreds of these cheaply.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/browser_box.h"

namespace fakes {

class FakeBrowserBox : public ui::BrowserBox {
public:
    explicit FakeBrowserBox(std::uintptr_t parent = 0);
    ~FakeBrowserBox() override;

    void setAddress(const std::string& address) override;
    std::string address() const override { return address_; }
    std::string title() const override { return title_; }
    std::string statusText() const override { return statusText_; }
    void setSilent(bool silent) override;
    bool silent() const override { return silent_; }
    void setTextSize(int size) override;
    int textSize() const override { return textSize_; }
    void setOffline(bool offline) override;
    bool offline() const override { return offline_; }
    void goBack() override;
    void goForward() override;
    void goHome() override;
    void refresh() override;
    void stop() override;
    void execDocumentCommand(ui::DocumentCommand command) override;
    std::uintptr_t windowHandle() const override { return handle_; }
    void place(int left, int top, int width, int height) override;
    void show(bool visible) override;

    // Raising an event first updates what address(), title() and statusText() read, as the
    // real component does, then calls the receiver. The receiver may destroy the box: nothing
    // touches it after the call.
    void raiseNavigateComplete(const std::string& address, const std::string& title);
    void raiseStatusTextChanged(const std::string& text);
    std::optional<bool> raiseNewWindow(const std::string& statusText);
    void raiseDownloadComplete();

    // Scripted state, for tests that need a box in a given condition without raising events.
    void setTitle(const std::string& title) { title_ = title; }
    void setStatusText(const std::string& text) { statusText_ = text; }
    void setWindowHandle(std::uintptr_t handle) { handle_ = handle; }

    // Every call made on the box, one line each, oldest first: "setAddress <address>",
    // "setSilent 1", "setTextSize 2", "setOffline 0", "goBack", "goForward", "goHome",
    // "refresh", "stop", "exec <OLECMDID>", "place <l>,<t>,<w>,<h>", "show 1".
    const std::vector<std::string>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    // How often a call whose line starts with `prefix` was made.
    int count(const std::string& prefix) const;

    std::uintptr_t parent() const { return parent_; }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool visible() const { return visible_; }

    // The stand-ins alive right now, in creation order, so that a test reaches the boxes that
    // the code under test made through the factory.
    static const std::vector<FakeBrowserBox*>& living();

private:
    std::uintptr_t parent_ = 0;
    std::uintptr_t handle_ = 0;
    std::string address_, title_, statusText_;
    // The settings of the design-time browser box: silent, middle text size, online.
    bool silent_ = true;
    int textSize_ = 2;
    bool offline_ = false;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = false;
    std::vector<std::string> calls_;
};

// A factory for ui::setBrowserBoxFactory that makes stand-ins.
inline ui::BrowserBoxFactory fakeBrowserBoxFactory() {
    return [](std::uintptr_t parent) -> std::unique_ptr<ui::BrowserBox> {
        return std::make_unique<FakeBrowserBox>(parent);
    };
}

}  // namespace fakes
