#pragma once
// How far one wheel message moves the tab strip: 50 pixels per single notch with Ctrl and
// nothing else held; 0 for anything else (two notches at once, high-resolution wheels,
// other keys or buttons).
int tabStripShift(int wheelDistance, unsigned keyState);
