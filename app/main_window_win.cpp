#include "app/main_window.h"

#include <cstring>

#include "resources/resource_ids.h"
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

ui::PicturePtr pic(int id) { return ui::embeddedPicture(id); }

void buttonPictures(ui::Control& c, int normalId) {
    c.setPictures(pic(normalId), pic(normalId + PICTURE_STATE_HOT), pic(normalId + PICTURE_STATE_PRESSED));
}

void designPictures(MainWindow& w) {
    w["背景图片框"].setPicture(pic(IDB_BACKGROUND_BAND));
    w["头像"].setPicture(pic(IDP_LOGO));
    const struct {
        const char* name;
        int normal;
    } buttons[] = {
        {"菜单钮", IDP_MENU_NORMAL},        {"最小化钮", IDP_MINIMISE_NORMAL},
        {"最大化钮", IDP_MAXIMISE_NORMAL},  {"关闭钮", IDP_CLOSE_NORMAL},
        {"后退按钮", IDB_BACK_NORMAL},      {"前进按钮", IDB_FORWARD_NORMAL},
        {"主页按钮", IDB_HOME_NORMAL},      {"刷新按钮", IDB_REFRESH_NORMAL},
        {"恢复按钮", IDB_REOPEN_NORMAL},    {"停止按钮", IDB_STOP_NORMAL},
        {"地址下拉按钮", IDB_ADDRESS_DROP_NORMAL}, {"搜索按钮", IDB_SEARCH_NORMAL},
        {"新建标签按钮", IDB_NEW_TAB_NORMAL}, {"源关闭标签按钮", IDP_TAB_CLOSE_NORMAL},
        {"图形按钮2", IDB_SMALL_DOWN_NORMAL},
    };
    for (auto& b : buttons) buttonPictures(w[b.name], b.normal);
    w["右下角"].setPicture(pic(IDB_SIZE_GRIP));
    w["源网页图标"].setPicture(defaultPageIcon());
    // The tab pictures are wider than the tab box; their rounded right end is kept whole.
    w["源标签框"].setFixedRightColumns(7);
    for (const char* field : {"地址输入框", "搜索框"}) w[field].setBorderColor(SKIN_COLOUR_FIELD_BORDER);
    w["标题栏"].setTextColor(RGB(0x33, 0x3B, 0x48));
}

void designPointers(MainWindow& w) {
    const struct {
        const char* name;
        LPCSTR cursor;
    } edges[] = {
        {"左边框", IDC_SIZEWE},   {"右边框", IDC_SIZEWE},   {"上边框", IDC_SIZENS},   {"下边框", IDC_SIZENS},
        {"左上角", IDC_SIZENWSE}, {"右下角", IDC_SIZENWSE}, {"右上角", IDC_SIZENESW}, {"左下角", IDC_SIZENESW},
    };
    for (auto& e : edges) w[e.name].setCursor(LoadCursorA(nullptr, e.cursor));
}

}  // namespace

MainWindow* mainWindow() { return theMainWindow; }
void setMainWindow(MainWindow* window) { theMainWindow = window; }

MainWindow::MainWindow()
    : ui::Window("LumoMainWindow", "Lumo浏览器3.0", mainWindowDesignPlace.left, mainWindowDesignPlace.top,
                 mainWindowDesignPlace.width, mainWindowDesignPlace.height) {
    setBackColor(SKIN_COLOUR_TAB_STRIP);
    for (const DesignControl& d : mainWindowDesign()) {
        ui::ControlSpec spec{kindOf(d.kind), d.name, d.place.left, d.place.top, d.place.width, d.place.height,
                             designCaption(d.name), d.visibleAtStart, keptBehind(d.name)};
        add(spec);
    }
    designPictures(*this);
    designPointers(*this);
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

ui::PicturePtr activeTabPicture() { return pic(IDB_TAB_ACTIVE); }
ui::PicturePtr inactiveTabPicture() { return pic(IDB_TAB_INACTIVE); }
ui::PicturePtr defaultPageIcon() { return pic(IDB_PAGE_ICON); }
