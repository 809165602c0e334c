#include <utility>

#include "ui/browser_box.h"
#include "ui/browser_host_win.h"

namespace ui {

namespace {
BrowserBoxFactory& installedFactory() {
    static BrowserBoxFactory factory;
    return factory;
}
}  // namespace

// An empty factory brings back the real hosted component.
void setBrowserBoxFactory(BrowserBoxFactory factory) { installedFactory() = std::move(factory); }

std::unique_ptr<BrowserBox> createBrowserBox(std::uintptr_t parent) {
    if (const BrowserBoxFactory& factory = installedFactory()) return factory(parent);
    return std::make_unique<HostedBrowser>(reinterpret_cast<HWND>(parent));
}

}  // namespace ui
