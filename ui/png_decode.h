// PNG bytes to 32-bit BGRA pixels, the layout of a top-down 32-bit DIB section.
// Portable (libpng only), so the decoding and the alpha arithmetic are tested natively.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui {

struct DecodedPicture {
    int width = 0;
    int height = 0;
    // width * height pixels, top row first, 4 bytes each: blue, green, red, alpha.
    // decodePng gives straight (not premultiplied) alpha.
    std::vector<std::uint8_t> bgra;
};

// Pictures larger than this many pixels are refused: the skin's are tiny, and a hostile
// header must not make us allocate gigabytes.
constexpr std::uint64_t kMaxPngPixels = 16u * 1024u * 1024u;

// Decodes any PNG libpng reads (palette, grey, 16-bit, with or without alpha) into straight
// BGRA. Returns false, leaving `out` empty, for empty, corrupt, truncated or oversized input.
bool decodePng(const std::uint8_t* data, std::size_t size, DecodedPicture& out);

// Multiplies each colour by its alpha, rounding to nearest: the form AlphaBlend expects
// with AC_SRC_ALPHA.
void premultiplyAlpha(DecodedPicture& picture);

// Composites straight-alpha pixels over an opaque background given as a COLORREF
// (0x00BBGGRR); every pixel ends opaque (alpha 255).
void compositeOver(DecodedPicture& picture, std::uint32_t backgroundColour);

}  // namespace ui
