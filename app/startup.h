// From process start to the running message loop.
#pragma once
#include <string>

class MainWindow;

// MainWindow's created handler: hooks, first pages, default-browser check, search engine, skin.
void mainWindowCreated(MainWindow& window);
// The command text the default-browser registration writes: "<exe path> %1".
std::string defaultBrowserCommand();
// True when HKCR\mhtmlfile\shell\e\command holds exactly defaultBrowserCommand().
bool registeredAsDefaultBrowser();
