// The translator tool's window: opened from the browser menu as a modal dialog without an
// owner; returns when the window closes.
#pragma once

namespace ui {
class Window;
}

void openTranslatorWindow();

// The translator window while openTranslatorWindow runs, nullptr otherwise. Lets tests reach
// its controls by their design names.
ui::Window* translatorWindow();
