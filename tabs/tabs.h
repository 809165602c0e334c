// Opening and placing tabs. A tab is five run-time copies of five hidden design controls
// of MainWindow, kept in the parallel arrays of TabSet.
#pragma once
#include <string>

class MainWindow;

// Adds a tab at the right end of the strip, makes it current and starts loading `address`.
void openTab(const std::string& address);

// Placing operations for tab n (1-based); they read favoritesBarShown when called.
void placeTabBox(int n);
void placeBrowserBox(int n);
void setTabPartsTop(int n);
void setTabPartsLeft(int n);
void setNewTabButtonTop();

// The address a new tab gets from the settings, then openTab.
void newTabAction();

// Wires the new-tab button, the menu item and the window double-click to the new-tab action.
void attachTabCreation(MainWindow& window);
