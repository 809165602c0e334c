// Loading the skin's embedded pictures (resources/resource_ids.h) as GDI bitmaps.
//
// BMP pictures (BITMAP resources) come back as DIB sections in their stored depth, 24 or 32
// bits per pixel. PNG pictures (RCDATA resources) come back as 32-bit top-down DIB sections:
// loadPicture keeps their transparency, premultiplied, ready for AlphaBlend with
// AC_SRC_ALPHA; loadPictureOver flattens them onto a background colour, for controls that
// just BitBlt their picture. Every result is the caller's to DeleteObject.
#pragma once
#include <cstdint>

struct HBITMAP__;
typedef HBITMAP__* HBITMAP;

namespace ui {

// nullptr when the resource is missing or cannot be decoded.
HBITMAP loadPicture(int resourceId);

// As loadPicture, but a PNG is composited over `background` (COLORREF, 0x00BBGGRR) and every
// pixel is opaque. BMP pictures are opaque already and load as with loadPicture.
HBITMAP loadPictureOver(int resourceId, std::uint32_t background);

struct PictureSize {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// The size and depth of a bitmap; all zero for nullptr or a handle that is no bitmap.
PictureSize pictureSize(HBITMAP picture);

}  // namespace ui
