#include "ui/picture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "resources/resource_ids.h"

namespace {

struct Expected {
    int id;
    int width, height, bitsPerPixel;
};

// Every picture resource with the size and depth its control is designed for.
const Expected kPictures[] = {
    {IDB_TAB_ACTIVE, 214, 28, 24},        {IDB_TAB_INACTIVE, 214, 28, 24},
    {IDB_PAGE_ICON, 16, 16, 24},          {IDB_BACKGROUND_BAND, 5, 88, 24},
    {IDB_SIZE_GRIP, 16, 16, 32},          {IDP_LOGO, 44, 44, 32},
    {IDP_PAGE_ICON, 16, 16, 32},
};

struct ButtonSet {
    int normalId;
    int width, height, bitsPerPixel;
};

const ButtonSet kButtons[] = {
    {IDB_BACK_NORMAL, 27, 31, 24},    {IDB_FORWARD_NORMAL, 27, 31, 24},  {IDB_HOME_NORMAL, 27, 31, 24},
    {IDB_REFRESH_NORMAL, 27, 31, 24}, {IDB_REOPEN_NORMAL, 27, 31, 24},   {IDB_STOP_NORMAL, 23, 29, 24},
    {IDB_ADDRESS_DROP_NORMAL, 25, 29, 24}, {IDB_SEARCH_NORMAL, 33, 29, 24}, {IDB_NEW_TAB_NORMAL, 28, 29, 24},
    {IDB_TAB_CLOSE_NORMAL, 22, 22, 24}, {IDB_SMALL_DOWN_NORMAL, 17, 17, 24},
    {IDP_MINIMISE_NORMAL, 36, 22, 32}, {IDP_CLOSE_NORMAL, 44, 22, 32},   {IDP_MENU_NORMAL, 36, 22, 32},
    {IDP_MAXIMISE_NORMAL, 33, 22, 32}, {IDP_RESTORE_NORMAL, 33, 22, 32}, {IDP_TAB_CLOSE_NORMAL, 22, 22, 32},
};

void expectPicture(int id, int width, int height, int bitsPerPixel) {
    HBITMAP picture = ui::loadPicture(id);
    ASSERT_NE(picture, nullptr) << "resource " << id;
    ui::PictureSize size = ui::pictureSize(picture);
    EXPECT_EQ(size.width, width) << "resource " << id;
    EXPECT_EQ(size.height, height) << "resource " << id;
    EXPECT_EQ(size.bitsPerPixel, bitsPerPixel) << "resource " << id;
    DIBSECTION dib;
    EXPECT_EQ(GetObjectA(picture, sizeof dib, &dib), int(sizeof dib)) << "resource " << id << " is no DIB section";
    DeleteObject(picture);
}

// Pixel (x, y) of a 32-bit top-down DIB section as 0xAARRGGBB.
std::uint32_t pixelAt(HBITMAP picture, int x, int y) {
    DIBSECTION dib;
    if (GetObjectA(picture, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 32) return 0xDEADBEEF;
    const auto* row = static_cast<const std::uint8_t*>(dib.dsBm.bmBits) + std::size_t(y) * dib.dsBm.bmWidthBytes;
    std::uint32_t value;
    std::memcpy(&value, row + 4 * x, 4);
    return value;
}

}  // namespace

TEST(Picture, EveryResourceLoadsAtItsSizeAndDepth) {
    for (const auto& p : kPictures) expectPicture(p.id, p.width, p.height, p.bitsPerPixel);
    for (const auto& b : kButtons)
        for (int state : {0, PICTURE_STATE_HOT, PICTURE_STATE_PRESSED})
            expectPicture(b.normalId + state, b.width, b.height, b.bitsPerPixel);
}

TEST(Picture, ButtonStatesDiffer) {
    // A hot or pressed picture that looks like the normal one would leave the user guessing.
    for (const auto& b : kButtons) {
        HBITMAP pics[3];
        for (int s = 0; s < 3; ++s) pics[s] = ui::loadPictureOver(b.normalId + s, 0xFFFFFF);
        ASSERT_TRUE(pics[0] && pics[1] && pics[2]) << b.normalId;
        HDC dcs[3];
        HGDIOBJ olds[3];
        for (int s = 0; s < 3; ++s) {
            dcs[s] = CreateCompatibleDC(nullptr);
            olds[s] = SelectObject(dcs[s], pics[s]);
        }
        int differing[3] = {};
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x) {
                COLORREF c[3];
                for (int s = 0; s < 3; ++s) c[s] = GetPixel(dcs[s], x, y);
                differing[0] += c[0] != c[1];
                differing[1] += c[0] != c[2];
                differing[2] += c[1] != c[2];
            }
        for (int s = 0; s < 3; ++s) {
            SelectObject(dcs[s], olds[s]);
            DeleteDC(dcs[s]);
        }
        for (int k = 0; k < 3; ++k) EXPECT_GT(differing[k], 10) << "button " << b.normalId << " pair " << k;
        for (auto p : pics) DeleteObject(p);
    }
}

TEST(Picture, PngKeepsPremultipliedAlphaOrFlattensOverBackground) {
    HBITMAP premultiplied = ui::loadPicture(IDP_LOGO);
    HBITMAP onGreen = ui::loadPictureOver(IDP_LOGO, RGB(0, 255, 0));
    ASSERT_NE(premultiplied, nullptr);
    ASSERT_NE(onGreen, nullptr);

    // The corner of the round emblem is transparent; its centre is opaque.
    EXPECT_EQ(pixelAt(premultiplied, 0, 0), 0u);
    EXPECT_EQ(pixelAt(onGreen, 0, 0), 0xFF00FF00u);
    EXPECT_EQ(pixelAt(premultiplied, 22, 30) >> 24, 0xFFu);
    EXPECT_EQ(pixelAt(onGreen, 22, 30), pixelAt(premultiplied, 22, 30));

    // AlphaBlend of the premultiplied picture onto green gives what loadPictureOver made,
    // also along the anti-aliased rim.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 44;
    info.bmiHeader.biHeight = -44;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(target, nullptr);
    for (int i = 0; i < 44 * 44; ++i) static_cast<std::uint32_t*>(bits)[i] = 0x0000FF00;
    HDC dst = CreateCompatibleDC(nullptr);
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ oldDst = SelectObject(dst, target);
    HGDIOBJ oldSrc = SelectObject(src, premultiplied);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(dst, 0, 0, 44, 44, src, 0, 0, 44, 44, blend));
    SelectObject(dst, oldDst);
    SelectObject(src, oldSrc);
    DeleteDC(dst);
    DeleteDC(src);
    GdiFlush();
    int partial = 0;
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < 44; ++x) {
            const std::uint32_t a = pixelAt(premultiplied, x, y) >> 24;
            if (a == 0 || a == 255) continue;
            ++partial;
            const std::uint32_t blended = pixelAt(target, x, y), flat = pixelAt(onGreen, x, y);
            for (int shift : {0, 8, 16})
                EXPECT_LE(std::abs(int((blended >> shift) & 0xFF) - int((flat >> shift) & 0xFF)), 2)
                    << x << "," << y;
        }
    EXPECT_GT(partial, 20);  // the rim really is anti-aliased
    DeleteObject(target);
    DeleteObject(premultiplied);
    DeleteObject(onGreen);
}

TEST(Picture, BmpIgnoresBackgroundAndUnknownIdsFail) {
    HBITMAP grip = ui::loadPictureOver(IDB_SIZE_GRIP, RGB(255, 0, 0));
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(pixelAt(grip, 0, 0) & 0xFFFFFF, 0xFFFFFFu);  // white ground, untouched
    DeleteObject(grip);
    EXPECT_EQ(ui::loadPicture(9999), nullptr);
    EXPECT_EQ(ui::loadPictureOver(9999, 0), nullptr);
    EXPECT_EQ(ui::pictureSize(nullptr).width, 0);
}

TEST(Picture, IconAndToolCursorLoad) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int size : {16, 32}) {
        HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO ii;
        ASSERT_TRUE(GetIconInfo(icon, &ii));
        BITMAP bm;
        GetObjectA(ii.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, size);
        DeleteObject(ii.hbmColor);
        DeleteObject(ii.hbmMask);
        DestroyIcon(icon);
    }
    HCURSOR cursor = LoadCursorA(module, MAKEINTRESOURCEA(IDC_SCREENSHOT_TOOL));
    ASSERT_NE(cursor, nullptr);
    ICONINFO ii;
    ASSERT_TRUE(GetIconInfo(cursor, &ii));
    EXPECT_FALSE(ii.fIcon);
    EXPECT_EQ(ii.xHotspot, 0u);
    EXPECT_EQ(ii.yHotspot, 0u);
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
}
