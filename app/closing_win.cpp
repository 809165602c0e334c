#include "app/closing.h"

#include <string>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/settings_file.h"
#include "app/settings_rules.h"

void saveOpenPages() {
    using namespace settings;
    int n = tabSet.count();
    for (int i = 1; i <= n; ++i) {
        writeSetting(section::恢复页面, key::恢复页面总数, std::to_string(n));
        ui::BrowserBox* b = tabSet.tabBrowsers[i - 1]->browser();
        writeSetting(section::恢复页面, std::to_string(i), b ? b->address() : std::string());
    }
}

void attachClosing(MainWindow& window) {
    window.events().willBeDestroyed = [](ui::Window&) {
        saveOpenPages();
        PostQuitMessage(0);
    };
}
