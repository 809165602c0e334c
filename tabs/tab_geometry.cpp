#include "tabs/tab_geometry.h"

#include <climits>
#include <cmath>

int truncateCoordinate(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);  // conversion truncates toward zero
}

namespace {
int bandShift(bool favoritesBarShown) { return favoritesBarShown ? 0 : -favoritesBarHeight; }
}  // namespace

int tabBoxTop(bool shown) { return 88 + bandShift(shown); }
int tabTitleTop(bool shown) { return 96 + bandShift(shown); }
int tabIconTop(bool shown) { return 95 + bandShift(shown); }
int tabCloseButtonTop(bool shown) { return 92 + bandShift(shown); }
int newTabButtonTop(bool shown) { return 88 + bandShift(shown); }
int browserBoxTop(bool shown) { return 116 + bandShift(shown); }

ControlRect tabBoxRect(int n, bool shown) {
    const double left = static_cast<double>(n) * tabPitch - tabPitch + 4;
    return {truncateCoordinate(left), tabBoxTop(shown), tabBoxWidth, tabBoxHeight};
}

ControlRect browserBoxRect(int w, int h, bool shown) {
    const double height = shown ? h - 142.0 : h - 142.0 + favoritesBarHeight;
    return {1, browserBoxTop(shown), truncateCoordinate(w - 2.0), truncateCoordinate(height)};
}

int tabTitleLeft(int boxLeft) { return truncateCoordinate(boxLeft + 24.0); }
int tabTitleWidth(int boxWidth) { return truncateCoordinate(boxWidth - 50.0); }
int tabIconLeft(int boxLeft) { return truncateCoordinate(boxLeft + 4.0); }
int tabCloseButtonLeft(int boxLeft, int boxWidth) { return truncateCoordinate(static_cast<double>(boxLeft) + boxWidth - 24); }
int newTabButtonLeft(int boxLeft, int boxWidth) { return truncateCoordinate(static_cast<double>(boxLeft) + boxWidth + 2); }

TabPartsPlace tabPartsPlace(int boxLeft, int boxWidth, bool shown) {
    return {.titleLeft = tabTitleLeft(boxLeft),
            .titleTop = tabTitleTop(shown),
            .titleWidth = tabTitleWidth(boxWidth),
            .iconLeft = tabIconLeft(boxLeft),
            .iconTop = tabIconTop(shown),
            .closeLeft = tabCloseButtonLeft(boxLeft, boxWidth),
            .closeTop = tabCloseButtonTop(shown),
            .newTabLeft = newTabButtonLeft(boxLeft, boxWidth),
            .newTabTop = newTabButtonTop(shown)};
}

bool doubleClickOpensTab(double x, int newTabLeft) {
    return x - (static_cast<double>(newTabLeft) + newTabButtonSize) >= -1e-7;
}
