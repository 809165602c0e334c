#include "tests/support/fake_browser_box.h"

#include <algorithm>

namespace fakes {

namespace {
std::vector<FakeBrowserBox*>& registry() {
    static std::vector<FakeBrowserBox*> boxes;
    return boxes;
}
}  // namespace

FakeBrowserBox::FakeBrowserBox(std::uintptr_t parent) : parent_(parent) { registry().push_back(this); }

FakeBrowserBox::~FakeBrowserBox() {
    auto& boxes = registry();
    boxes.erase(std::remove(boxes.begin(), boxes.end(), this), boxes.end());
}

const std::vector<FakeBrowserBox*>& FakeBrowserBox::living() { return registry(); }

int FakeBrowserBox::count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [&](const std::string& call) {
        return call.compare(0, prefix.size(), prefix) == 0;
    }));
}

// Like the real component, the target address reads back at once, before any page loads.
void FakeBrowserBox::setAddress(const std::string& address) {
    calls_.push_back("setAddress " + address);
    address_ = address;
}

void FakeBrowserBox::setSilent(bool silent) {
    calls_.push_back(std::string("setSilent ") + (silent ? "1" : "0"));
    silent_ = silent;
}

void FakeBrowserBox::setTextSize(int size) {
    calls_.push_back("setTextSize " + std::to_string(size));
    textSize_ = size;
}

void FakeBrowserBox::setOffline(bool offline) {
    calls_.push_back(std::string("setOffline ") + (offline ? "1" : "0"));
    offline_ = offline;
}

void FakeBrowserBox::goBack() { calls_.push_back("goBack"); }
void FakeBrowserBox::goForward() { calls_.push_back("goForward"); }
void FakeBrowserBox::goHome() { calls_.push_back("goHome"); }
void FakeBrowserBox::refresh() { calls_.push_back("refresh"); }
void FakeBrowserBox::stop() { calls_.push_back("stop"); }

void FakeBrowserBox::execDocumentCommand(ui::DocumentCommand command) {
    calls_.push_back("exec " + std::to_string(static_cast<int>(command)));
}

void FakeBrowserBox::place(int left, int top, int width, int height) {
    calls_.push_back("place " + std::to_string(left) + "," + std::to_string(top) + "," +
                     std::to_string(width) + "," + std::to_string(height));
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void FakeBrowserBox::show(bool visible) {
    calls_.push_back(std::string("show ") + (visible ? "1" : "0"));
    visible_ = visible;
}

void FakeBrowserBox::raiseNavigateComplete(const std::string& address, const std::string& title) {
    address_ = address;
    title_ = title;
    if (ui::BrowserEvents* receiver = events()) receiver->navigateComplete(*this);
}

void FakeBrowserBox::raiseStatusTextChanged(const std::string& text) {
    statusText_ = text;
    if (ui::BrowserEvents* receiver = events()) receiver->statusTextChanged(*this, text);
}

std::optional<bool> FakeBrowserBox::raiseNewWindow(const std::string& statusText) {
    statusText_ = statusText;
    if (ui::BrowserEvents* receiver = events()) return receiver->newWindow(*this);
    return std::nullopt;
}

void FakeBrowserBox::raiseDownloadComplete() {
    if (ui::BrowserEvents* receiver = events()) receiver->downloadComplete(*this);
}

}  // namespace fakes
