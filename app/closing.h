// The end of a run: the open pages are saved for the next start.
#pragma once
class MainWindow;
// Writes the addresses of the open tabs to the settings file, in tab order.
void saveOpenPages();
void attachClosing(MainWindow& window);
