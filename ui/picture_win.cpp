#include "ui/picture.h"

#include <windows.h>

#include <cstring>

#include "ui/png_decode.h"

namespace ui {

namespace {

HBITMAP dibFromPixels(const DecodedPicture& picture) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        return nullptr;
    }
    std::memcpy(bits, picture.bgra.data(), picture.bgra.size());
    return bitmap;
}

HBITMAP loadBitmapResource(HINSTANCE module, int resourceId) {
    return static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION));
}

// The bytes of an RCDATA resource; they live as long as the module.
bool rcdata(HINSTANCE module, int resourceId, const std::uint8_t*& data, std::size_t& size) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (found == nullptr) return false;
    HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr) return false;
    data = static_cast<const std::uint8_t*>(LockResource(loaded));
    size = SizeofResource(module, found);
    return data != nullptr;
}

HBITMAP load(int resourceId, bool flatten, std::uint32_t background) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    if (FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(2)) != nullptr)  // RT_BITMAP
        return loadBitmapResource(module, resourceId);
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    if (!rcdata(module, resourceId, data, size)) return nullptr;
    DecodedPicture picture;
    if (!decodePng(data, size, picture)) return nullptr;
    if (flatten)
        compositeOver(picture, background);
    else
        premultiplyAlpha(picture);
    return dibFromPixels(picture);
}

}  // namespace

HBITMAP loadPicture(int resourceId) { return load(resourceId, false, 0); }

HBITMAP loadPictureOver(int resourceId, std::uint32_t background) { return load(resourceId, true, background); }

PictureSize pictureSize(HBITMAP picture) {
    BITMAP info;
    if (picture == nullptr || GetObjectA(picture, sizeof info, &info) != sizeof info) return {};
    return {info.bmWidth, info.bmHeight, info.bmBitsPixel};
}

}  // namespace ui
