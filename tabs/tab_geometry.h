// Where the controls of the tab strip and the browser boxes go, in MainWindow client pixels.
//
// Tab n's box sits at a pitch of 201 pixels (200 of box and a gap of 1). The title, icon,
// close button and the new-tab button are placed from the tab box's left and width as they
// are at that moment (the strip may have been shifted sideways), so those functions take the
// box's place rather than n. The favourites-bar band, when shown, pushes everything 24 down.
// Coordinates are computed in double precision and truncated toward zero.
#pragma once

struct ControlRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ControlRect&) const = default;
};

// Truncates toward zero; values outside the int range are clamped, not undefined.
int truncateCoordinate(double value);

inline constexpr int tabPitch = 201;
inline constexpr int tabBoxWidth = 200;
inline constexpr int tabBoxHeight = 28;
inline constexpr int tabIconSize = 16;
inline constexpr int tabCloseButtonSize = 22;
inline constexpr int newTabButtonSize = 28;
inline constexpr int favoritesBarHeight = 24;

int tabBoxTop(bool favoritesBarShown);
int tabTitleTop(bool favoritesBarShown);
int tabIconTop(bool favoritesBarShown);
int tabCloseButtonTop(bool favoritesBarShown);
int newTabButtonTop(bool favoritesBarShown);
int browserBoxTop(bool favoritesBarShown);

// Tab box n (n from 1): left n × 201 − 201 + 4, 200 × 28.
ControlRect tabBoxRect(int n, bool favoritesBarShown);
// Every tab's browser box: 1, top, W − 2, the height down to the status label.
ControlRect browserBoxRect(int windowWidth, int windowHeight, bool favoritesBarShown);

int tabTitleLeft(int tabBoxLeft);
int tabTitleWidth(int tabBoxWidth);
int tabIconLeft(int tabBoxLeft);
int tabCloseButtonLeft(int tabBoxLeft, int tabBoxWidth);
int newTabButtonLeft(int tabBoxLeft, int tabBoxWidth);  // from the last tab's box

// The tab's small controls (and the new-tab button, if this is the last tab) for a tab box
// at the given left and width. The title's height is that of 标题栏 and is not set here.
struct TabPartsPlace {
    int titleLeft, titleTop, titleWidth;
    int iconLeft, iconTop;
    int closeLeft, closeTop;
    int newTabLeft, newTabTop;
};
TabPartsPlace tabPartsPlace(int tabBoxLeft, int tabBoxWidth, bool favoritesBarShown);

// A double-click on the window's own background opens a tab when it lies at or right of
// the new-tab button's right edge.
bool doubleClickOpensTab(double x, int newTabButtonLeft);
