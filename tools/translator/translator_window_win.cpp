// TranslatorWindow: moves texts between its controls and the translator core, and sends the
// request. The reply is awaited inside httpRequest, which dispatches window messages while it
// reads, so a handler here can be re-entered (a second 翻译 click) or the window can be closed
// before the reply is in; the reply is then applied to whatever the label shows at that moment,
// or dropped when the window is gone.
#include "tools/translator/translator_window.h"

#include <windows.h>

#include <string>

#include "tools/http/http_request.h"
#include "tools/translator/translator_core.h"
#include "ui/ui.h"

namespace {

ui::Window* openWindow = nullptr;

// One GBK character to UTF-8 through UTF-16 with the platform's code-page functions.
std::string platformGbkToUtf8(const std::string& gbk) {
    wchar_t wide[4];
    int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide, 4);
    if (n <= 0) return std::string();
    char utf8[16];
    int m = WideCharToMultiByte(CP_UTF8, 0, wide, n, utf8, sizeof utf8, nullptr, nullptr);
    return m > 0 ? std::string(utf8, m) : std::string();
}

std::string secondsNow() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return timeField({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond});
}

void putTextOnClipboard(const std::string& text) {
    // Silent by design: a clipboard held by another program leaves it as it was.
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    std::string::size_type length = text.find('\0');
    if (length == std::string::npos) length = text.size();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length + 1);
    if (memory) {
        char* bytes = static_cast<char*>(GlobalLock(memory));
        memcpy(bytes, text.data(), length);
        bytes[length] = '\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

void translate(ui::Window& window) {
    std::string encoded = encodeQuery(window.control("编辑框1").caption(), platformGbkToUtf8);
    std::string body = requestBody(encoded, secondsNow(), translationPair);
    std::string method = "POST";
    std::string reply = httpRequest(kTranslateUrl, &method, nullptr, nullptr, &body);
    if (!window.alive()) return;  // closed while the reply was on its way
    ui::Control& result = window.control("透明标签3");
    std::string shown = resultLabelText(replyToGbk(reply), result.caption());
    if (shown != result.caption()) result.setCaption(shown);
}

}  // namespace

ui::Window* translatorWindow() { return openWindow; }

void openTranslatorWindow() {
    ui::Window window("LumoTranslatorWindow", "Lumo翻译机", 50, 50, 348, 570, ui::WindowStyle::Dialog);
    using ui::Kind;
    window.add({Kind::TransparentLabel, "透明标签1", 9, 8, 136, 24, "请输入欲翻译的内容："});
    ui::ControlSpec inputSpec{Kind::EditBox, "编辑框1", 9, 32, 328, 192, ""};
    inputSpec.multiline = true;
    window.add(inputSpec);
    window.add({Kind::TransparentLabel, "透明标签2", 9, 232, 80, 24, "翻译方式："});
    ui::Control& mode = window.add({Kind::ComboBox, "组合框1", 73, 232, 144, 20, ""});
    ui::Control& translateButton = window.add({Kind::Button, "按钮3", 225, 232, 112, 24, "翻译"});
    ui::Control& group = window.add({Kind::GroupBox, "分组框1", 8, 264, 328, 240, "翻译结果："});
    ui::ControlSpec resultSpec{Kind::TransparentLabel, "透明标签3", 9, 18, 312, 216, ""};
    resultSpec.container = &group;
    resultSpec.multiline = true;
    ui::Control& result = window.add(resultSpec);
    ui::Control& copyButton = window.add({Kind::Button, "按钮1", 9, 509, 152, 32, "复制结果"});
    ui::Control& closeButton = window.add({Kind::Button, "按钮2", 184, 509, 152, 32, "退出翻译机"});

    for (const char* text : kTranslationModes) mode.addItem(text);

    window.events().created = [&](ui::Window&) {
        // The box shows the mode that the next request will carry; none before the first choice.
        for (int i = 0; i < 3; ++i) {
            std::string pair;
            selectTranslationPair(pair, i);
            if (pair == translationPair) mode.setSelectedIndex(i);
        }
    };
    mode.events().selectionChanged = [](ui::Control& box) { selectTranslationPair(translationPair, box.selectedIndex()); };
    translateButton.events().clicked = [&](ui::Control&) { translate(window); };
    copyButton.events().clicked = [&](ui::Control&) {
        putTextOnClipboard(result.caption());
        ui::infoBox("复制翻译结果成功!");
    };
    closeButton.events().clicked = [&](ui::Control&) { window.destroy(); };

    ui::Window* outer = openWindow;
    openWindow = &window;
    window.runModal();
    openWindow = outer;
}
