#include "app/main_window.h"

#include <cstring>

#include "tabs/main_layout.h"

namespace {

MainWindow* theMainWindow = nullptr;

ui::Kind kindOf(ControlKind k) {
    switch (k) {
        case ControlKind::PictureBox: return ui::Kind::PictureBox;
        case ControlKind::PictureButton: return ui::Kind::PictureButton;
        case ControlKind::Label: return ui::Kind::Label;
        case ControlKind::TransparentLabel: return ui::Kind::TransparentLabel;
        case ControlKind::EditBox: return ui::Kind::EditBox;
        case ControlKind::ListBox: return ui::Kind::ListBox;
        case ControlKind::BrowserBox: return ui::Kind::BrowserBox;
    }
    return ui::Kind::PictureBox;
}

// Controls drawn beneath the others where they overlap: the top band and the tab boxes,
// over which the caption, the buttons and the tabs' titles and icons lie.
bool keptBehind(const char* name) {
    return std::strcmp(name, "背景图片框") == 0 || std::strcmp(name, "源标签框") == 0;
}

const char* designCaption(const char* name) {
    if (std::strcmp(name, "标题栏") == 0) return " Lumo浏览器3.0";
    if (std::strcmp(name, "状态栏") == 0) return "";
    if (std::strcmp(name, "左上角") == 0 || std::strcmp(name, "右上角") == 0 || std::strcmp(name, "左下角") == 0)
        return "。";
    return "";
}

}  // namespace

MainWindow* mainWindow() { return theMainWindow; }
void setMainWindow(MainWindow* window) { theMainWindow = window; }

MainWindow::MainWindow()
    : ui::Window("LumoMainWindow", "Lumo浏览器3.0", mainWindowDesignPlace.left, mainWindowDesignPlace.top,
                 mainWindowDesignPlace.width, mainWindowDesignPlace.height) {
    setBackColor(RGB(0xF4, 0xF7, 0xFB));
    for (const DesignControl& d : mainWindowDesign()) {
        ui::ControlSpec spec{kindOf(d.kind), d.name, d.place.left, d.place.top, d.place.width, d.place.height,
                             designCaption(d.name), d.visibleAtStart, keptBehind(d.name)};
        add(spec);
    }
    menu_ = std::make_unique<ui::Menu>();
    ui::Menu& file = menu_->addSubmenu("文件");
    file.addItem(kMenuNewWindow, "新建窗口");
    view_ = &menu_->addSubmenu("查看");
    view_->addItem(kMenuFavoritesBar, "收藏栏");
    menu_->addSeparator();
    menu_->addItem(kMenuClose, "关闭");
    events().menuCommand = [this](ui::Window&, int id) {
        auto it = menuHandlers_.find(id);
        if (it != menuHandlers_.end() && it->second) it->second();
    };
}

ui::PicturePtr activeTabPicture() { return nullptr; }
ui::PicturePtr inactiveTabPicture() { return nullptr; }
ui::PicturePtr defaultPageIcon() { return nullptr; }
