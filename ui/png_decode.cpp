#include "ui/png_decode.h"

#include <png.h>

#include <cstring>

namespace ui {

namespace {

// Rounded a * b / 255 for bytes, exact for all inputs.
std::uint8_t mul255(unsigned a, unsigned b) {
    unsigned t = a * b + 128;
    return static_cast<std::uint8_t>((t + (t >> 8)) >> 8);
}

}  // namespace

bool decodePng(const std::uint8_t* data, std::size_t size, DecodedPicture& out) {
    out = DecodedPicture{};
    if (data == nullptr || size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;

    // The simplified API reports every libpng error through its return value; it never
    // longjmps into our frames.
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) {
        png_image_free(&image);
        return false;
    }
    const std::uint64_t pixels = std::uint64_t(image.width) * image.height;
    if (image.width == 0 || image.height == 0 || pixels > kMaxPngPixels) {
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint8_t> buffer(PNG_IMAGE_SIZE(image));
    const bool ok = png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr) != 0;
    png_image_free(&image);
    if (!ok) return false;

    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.bgra = std::move(buffer);
    return true;
}

void premultiplyAlpha(DecodedPicture& picture) {
    auto& p = picture.bgra;
    for (std::size_t i = 0; i + 3 < p.size(); i += 4) {
        const unsigned a = p[i + 3];
        p[i] = mul255(p[i], a);
        p[i + 1] = mul255(p[i + 1], a);
        p[i + 2] = mul255(p[i + 2], a);
    }
}

void compositeOver(DecodedPicture& picture, std::uint32_t backgroundColour) {
    const unsigned bgRed = backgroundColour & 0xFF;
    const unsigned bgGreen = (backgroundColour >> 8) & 0xFF;
    const unsigned bgBlue = (backgroundColour >> 16) & 0xFF;
    auto& p = picture.bgra;
    for (std::size_t i = 0; i + 3 < p.size(); i += 4) {
        const unsigned a = p[i + 3];
        p[i] = static_cast<std::uint8_t>(mul255(p[i], a) + mul255(bgBlue, 255 - a));
        p[i + 1] = static_cast<std::uint8_t>(mul255(p[i + 1], a) + mul255(bgGreen, 255 - a));
        p[i + 2] = static_cast<std::uint8_t>(mul255(p[i + 2], a) + mul255(bgRed, 255 - a));
        p[i + 3] = 255;
    }
}

}  // namespace ui
