#include "app/program_state.h"

TabSet tabSet;
std::vector<std::string> reopenList;
std::string searchPrefix;
bool favoritesBarShown = false;

void resetProgramState() {
    tabSet.clear();
    reopenList.clear();
    searchPrefix.clear();
    favoritesBarShown = false;
}
