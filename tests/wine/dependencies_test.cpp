// Proves that each third-party library is linked into the Windows build and works there.
#include <gtest/gtest.h>
#include <iconv.h>
#include <png.h>

#include <boost/regex.hpp>
#include <cstring>
#include <string>
#include <vector>

TEST(Dependencies, LibpngRoundTripsAPicture) {
    const int w = 3, h = 2;
    png_image out;
    std::memset(&out, 0, sizeof out);
    out.version = PNG_IMAGE_VERSION;
    out.width = w;
    out.height = h;
    out.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> pixels(w * h * 4);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>(i * 7);
    png_alloc_size_t size = 0;
    ASSERT_TRUE(png_image_write_to_memory(&out, nullptr, &size, 0, pixels.data(), 0, nullptr));
    std::vector<unsigned char> file(size);
    ASSERT_TRUE(png_image_write_to_memory(&out, file.data(), &size, 0, pixels.data(), 0, nullptr));
    ASSERT_EQ(std::memcmp(file.data(), "\x89PNG", 4), 0);

    png_image in;
    std::memset(&in, 0, sizeof in);
    in.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&in, file.data(), size));
    in.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> back(PNG_IMAGE_SIZE(in));
    ASSERT_TRUE(png_image_finish_read(&in, nullptr, back.data(), 0, nullptr));
    EXPECT_EQ(back, pixels);
}

TEST(Dependencies, BoostRegexCaseInsensitiveShortestMatch) {
    boost::regex re("\"dst\":\"(.*?)\"", boost::regex::icase);
    std::string reply = "{\"DST\":\"hello\",\"dst\":\"world\"}";
    boost::smatch m;
    ASSERT_TRUE(boost::regex_search(reply, m, re));
    EXPECT_EQ(m[1].str(), "hello");
}

TEST(Dependencies, IconvConvertsUtf8ToGbk) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    ASSERT_NE(cd, (iconv_t)-1);
    std::string in = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文 in UTF-8
    char out[16] = {};
    const char* src = in.data();
    size_t srcLeft = in.size();
    char* dst = out;
    size_t dstLeft = sizeof out;
    ASSERT_NE(iconv(cd, &src, &srcLeft, &dst, &dstLeft), (size_t)-1);
    iconv_close(cd);
    EXPECT_EQ(std::string(out, dst - out), "中文");
    EXPECT_EQ(std::string(out, dst - out), std::string("\xD6\xD0\xCE\xC4"));
}
