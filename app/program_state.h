// Program-wide state: created empty at program start, released at exit.
#pragma once
#include <string>
#include <vector>

namespace ui {
class Control;
}

// The open tabs: five parallel arrays of component handles, one element per tab in strip
// order, and the 1-based number of the tab in front (0 before the first tab exists).
struct TabSet {
    std::vector<ui::Control*> tabBrowsers;
    std::vector<ui::Control*> tabBoxes;
    std::vector<ui::Control*> tabCloseButtons;
    std::vector<ui::Control*> tabTitles;
    std::vector<ui::Control*> tabIcons;
    int currentTab = 0;

    int count() const { return static_cast<int>(tabBoxes.size()); }
    void clear() {
        tabBrowsers.clear();
        tabBoxes.clear();
        tabCloseButtons.clear();
        tabTitles.clear();
        tabIcons.clear();
        currentTab = 0;
    }
};

extern TabSet tabSet;
// Addresses of closed tabs, newest last.
extern std::vector<std::string> reopenList;
extern std::string searchPrefix;
extern bool favoritesBarShown;

// Back to the state of program start (also what the exit clean-up leaves).
void resetProgramState();
