// The skinned frame of MainWindow.
#pragma once
#include <windows.h>

// Sees every message of MainWindow first; Ctrl plus one wheel notch scrolls the tab strip
// sideways. Every message is passed on to the previous procedure.
LRESULT CALLBACK frameWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
// The procedure frameWindowProc passes messages on to; set when it is installed.
extern WNDPROC framePreviousProc;
