// MainWindow follows its size; the favourites-bar band is shown or hidden.
#pragma once
class MainWindow;
void layoutMainWindow();
void toggleFavoritesBar();
void attachLayout(MainWindow& window);
