#include "ui/png_decode.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::uint8_t> encode(int w, int h, png_uint_32 format, const std::vector<std::uint8_t>& pixels) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = w;
    image.height = h;
    image.format = format;
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr));
    std::vector<std::uint8_t> file(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, file.data(), &size, 0, pixels.data(), 0, nullptr));
    file.resize(size);
    return file;
}

// A 3 x 2 RGBA picture: opaque, half- and fully transparent pixels of distinct colours.
const std::vector<std::uint8_t> kRgba = {
    255, 0, 0, 255,   0, 255, 0, 128,   0, 0, 255, 0,
    10, 20, 30, 255,  200, 100, 50, 64, 255, 255, 255, 255,
};

std::vector<std::uint8_t> rgbaToBgra(const std::vector<std::uint8_t>& rgba) {
    std::vector<std::uint8_t> out(rgba);
    for (size_t i = 0; i < out.size(); i += 4) std::swap(out[i], out[i + 2]);
    return out;
}

}  // namespace

TEST(PngDecode, RgbaBecomesTopDownStraightBgra) {
    auto file = encode(3, 2, PNG_FORMAT_RGBA, kRgba);
    ui::DecodedPicture picture;
    ASSERT_TRUE(ui::decodePng(file.data(), file.size(), picture));
    EXPECT_EQ(picture.width, 3);
    EXPECT_EQ(picture.height, 2);
    EXPECT_EQ(picture.bgra, rgbaToBgra(kRgba));
}

TEST(PngDecode, OpaqueAndGreyFormatsGainAlpha) {
    // RGB without alpha: every pixel opaque.
    auto rgb = encode(2, 1, PNG_FORMAT_RGB, {1, 2, 3, 250, 251, 252});
    ui::DecodedPicture picture;
    ASSERT_TRUE(ui::decodePng(rgb.data(), rgb.size(), picture));
    EXPECT_EQ(picture.bgra, (std::vector<std::uint8_t>{3, 2, 1, 255, 252, 251, 250, 255}));

    // Grey with alpha: grey spread over the three channels, alpha kept.
    auto ga = encode(2, 1, PNG_FORMAT_GA, {0x40, 0xFF, 0xC0, 0x20});
    ASSERT_TRUE(ui::decodePng(ga.data(), ga.size(), picture));
    EXPECT_EQ(picture.bgra, (std::vector<std::uint8_t>{0x40, 0x40, 0x40, 0xFF, 0xC0, 0xC0, 0xC0, 0x20}));
}

TEST(PngDecode, BadInputFailsCleanly) {
    auto good = encode(3, 2, PNG_FORMAT_RGBA, kRgba);
    ui::DecodedPicture picture;
    EXPECT_FALSE(ui::decodePng(nullptr, 0, picture));
    EXPECT_FALSE(ui::decodePng(good.data(), 0, picture));
    const std::string notPng = "GIF89a not a png at all";
    EXPECT_FALSE(ui::decodePng(reinterpret_cast<const std::uint8_t*>(notPng.data()), notPng.size(), picture));

    // Every truncation, including inside the signature, the header and the pixel data.
    // (The last bytes are the IEND chunk, which libpng does not need.)
    for (size_t n = 0; n + 12 < good.size(); ++n) {
        ASSERT_FALSE(ui::decodePng(good.data(), n, picture)) << "length " << n;
        EXPECT_TRUE(picture.bgra.empty());
    }
    // A flipped byte anywhere after the signature is caught by a CRC or by zlib, or at worst
    // changes pixels: it must never crash or overrun (the sanitizer build watches that).
    for (size_t i = 8; i < good.size(); ++i) {
        auto bad = good;
        bad[i] ^= 0x5A;
        if (ui::decodePng(bad.data(), bad.size(), picture)) {
            EXPECT_EQ(picture.bgra.size(), size_t(picture.width) * picture.height * 4);
        }
    }
}

TEST(PngDecode, RefusesHugeDimensions) {
    auto file = encode(3, 2, PNG_FORMAT_RGBA, kRgba);
    // IHDR width and height sit at bytes 16..23; declare 65536 x 65536 and fix the CRC.
    const std::uint8_t huge[8] = {0, 1, 0, 0, 0, 1, 0, 0};
    std::memcpy(&file[16], huge, 8);
    const png_uint_32 crc = png_uint_32(crc32(crc32(0, nullptr, 0), &file[12], 17));
    const std::uint8_t crcBytes[4] = {std::uint8_t(crc >> 24), std::uint8_t(crc >> 16), std::uint8_t(crc >> 8),
                                      std::uint8_t(crc)};
    std::memcpy(&file[29], crcBytes, 4);
    ui::DecodedPicture picture;
    EXPECT_FALSE(ui::decodePng(file.data(), file.size(), picture));
}

TEST(PngDecode, PremultiplyAndCompositeRoundToNearest) {
    struct Case {
        std::uint8_t colour, alpha, background, premultiplied, composited;
    } cases[] = {
        {255, 255, 0, 255, 255},  // opaque keeps its colour
        {255, 0, 77, 0, 77},      // transparent shows the background
        {255, 128, 0, 128, 128},
        {200, 64, 255, 50, 241},  // 200*64/255 = 50.2; + 255*191/255 = 191
        {1, 127, 0, 0, 0},        // 0.498 rounds down
        {1, 128, 0, 1, 1},        // 0.502 rounds up
    };
    for (const auto& c : cases) {
        ui::DecodedPicture p{1, 1, {c.colour, c.colour, c.colour, c.alpha}};
        ui::DecodedPicture q = p;
        ui::premultiplyAlpha(p);
        EXPECT_EQ(p.bgra, (std::vector<std::uint8_t>{c.premultiplied, c.premultiplied, c.premultiplied, c.alpha}))
            << int(c.colour) << "/" << int(c.alpha);
        const std::uint32_t grey = c.background * 0x010101u;
        ui::compositeOver(q, grey);
        EXPECT_EQ(q.bgra, (std::vector<std::uint8_t>{c.composited, c.composited, c.composited, 255}))
            << int(c.colour) << "/" << int(c.alpha) << " over " << int(c.background);
    }
    // The background's channels land in the right places: COLORREF is 0x00BBGGRR, pixels BGRA.
    ui::DecodedPicture clear{1, 1, {0, 0, 0, 0}};
    ui::compositeOver(clear, 0x00C06000);
    EXPECT_EQ(clear.bgra, (std::vector<std::uint8_t>{0xC0, 0x60, 0x00, 255}));
}

// The skin's PNGs are written by our own encoder in draw_skin.py: each must decode, at the
// size its control expects.
TEST(PngDecode, SkinPicturesDecodeAtTheirSizes) {
    const auto skin = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "resources" / "skin";
    const std::map<std::string, std::pair<int, int>> sizes = {
        {"logo", {44, 44}},     {"page_icon", {16, 16}}, {"minimise", {36, 22}}, {"close", {44, 22}},
        {"menu", {36, 22}},     {"maximise", {33, 22}},  {"restore", {33, 22}},  {"tab_close", {22, 22}},
    };
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(skin)) {
        if (entry.path().extension() != ".png") continue;
        std::string stem = entry.path().stem().string();
        for (const char* state : {"_normal", "_hot", "_pressed"})
            if (stem.size() > std::strlen(state) && stem.ends_with(state)) stem.resize(stem.size() - std::strlen(state));
        auto expected = sizes.find(stem);
        ASSERT_NE(expected, sizes.end()) << entry.path();
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ui::DecodedPicture picture;
        ASSERT_TRUE(ui::decodePng(bytes.data(), bytes.size(), picture)) << entry.path();
        EXPECT_EQ(picture.width, expected->second.first) << entry.path();
        EXPECT_EQ(picture.height, expected->second.second) << entry.path();
        ++checked;
    }
    EXPECT_EQ(checked, 2 + 6 * 3);
}
