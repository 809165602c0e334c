// MainWindow: the browser's one main window, with every design control at its design place.
// Behaviour is attached by the subsystems (start-up, tabs, frame, browsing).
#pragma once
#include <functional>
#include <map>
#include <memory>

#include "ui/ui.h"

// Commands of the browser menu.
enum MenuCommand : int {
    kMenuNewWindow = 1001,  // 新建窗口
    kMenuFavoritesBar = 1101,  // 收藏栏
    kMenuClose = 1901,  // 关闭
};

class MainWindow : public ui::Window {
public:
    MainWindow();
    ui::Control& operator[](const char* name) { return control(name); }
    ui::Menu& browserMenu() { return *menu_; }
    ui::Menu& viewMenu() { return *view_; }
    // Runs `handler` when the browser menu's command `id` is chosen.
    void onMenu(int id, std::function<void()> handler) { menuHandlers_[id] = std::move(handler); }

private:
    std::unique_ptr<ui::Menu> menu_;
    ui::Menu* view_ = nullptr;
    std::map<int, std::function<void()>> menuHandlers_;
};

// The one main window of the run; nullptr before it is made and after it is gone.
MainWindow* mainWindow();
void setMainWindow(MainWindow* window);

// Picture resources shared by the subsystems.
ui::PicturePtr activeTabPicture();
ui::PicturePtr inactiveTabPicture();
ui::PicturePtr defaultPageIcon();
