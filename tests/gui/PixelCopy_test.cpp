// Pixel copies between every pair of layouts (channel order, alpha, row direction, padded or
// packed rows), whole pictures and rectangles at the edges.
#include "davaraz/gui/ImageUtils.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using namespace wut::ImageUtils;
using Rgba = std::array<unsigned char, 4>;

struct Layout {
    PixelFormat format;
    VerticalDir dir;
    int padding; // bytes after each row; 0 with stride 0 (packed)
};

int bytesOf(PixelFormat f) { return f == RGBA || f == BGRA ? 4 : 3; }
int strideOf(const Layout& l, int width) { return bytesOf(l.format) * width + l.padding; }

// The test's own picture layout, written out independently of the library.
std::size_t offsetOf(const Layout& l, int width, int height, int x, int y)
{
    const int row = l.dir == TopDown ? y : height - 1 - y;
    return static_cast<std::size_t>(row) * strideOf(l, width) + static_cast<std::size_t>(x) * bytesOf(l.format);
}

std::vector<unsigned char> encode(const std::vector<Rgba>& picture, int width, int height, const Layout& l)
{
    std::vector<unsigned char> buf(static_cast<std::size_t>(strideOf(l, width)) * height, 0xEE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba& p = picture[static_cast<std::size_t>(y) * width + x];
            unsigned char* d = &buf[offsetOf(l, width, height, x, y)];
            const bool bgr = l.format == BGR || l.format == BGRA;
            d[0] = bgr ? p[2] : p[0];
            d[1] = p[1];
            d[2] = bgr ? p[0] : p[2];
            if (bytesOf(l.format) == 4)
                d[3] = p[3];
        }
    return buf;
}

Rgba decode(const std::vector<unsigned char>& buf, int width, int height, const Layout& l, int x, int y)
{
    const unsigned char* s = &buf[offsetOf(l, width, height, x, y)];
    const bool bgr = l.format == BGR || l.format == BGRA;
    return {bgr ? s[2] : s[0], s[1], bgr ? s[0] : s[2], bytesOf(l.format) == 4 ? s[3] : static_cast<unsigned char>(0)};
}

std::vector<Layout> allLayouts()
{
    std::vector<Layout> all;
    for (PixelFormat f : {RGB, RGBA, BGR, BGRA})
        for (VerticalDir d : {BottomUp, TopDown})
            for (int padding : {0, 3})
                all.push_back({f, d, padding});
    return all;
}

const int kW = 3, kH = 2;
const std::vector<Rgba> kPicture = {{1, 2, 3, 4},    {5, 6, 7, 8},    {9, 10, 11, 12},
                                    {13, 14, 15, 16}, {17, 18, 19, 20}, {21, 22, 23, 24}};

TEST(PixelCopy, EveryLayoutToEveryLayout)
{
    const unsigned char alpha = 200;
    for (const Layout& from : allLayouts())
        for (const Layout& to : allLayouts()) {
            const std::vector<unsigned char> src = encode(kPicture, kW, kH, from);
            std::vector<unsigned char> dst(static_cast<std::size_t>(strideOf(to, kW)) * kH, 0xEE);
            copyPixels(kW, kH, src.data(), from.format, from.dir, dst.data(), to.format, to.dir, alpha,
                       from.padding ? strideOf(from, kW) : 0, to.padding ? strideOf(to, kW) : 0);
            const bool srcAlpha = bytesOf(from.format) == 4, dstAlpha = bytesOf(to.format) == 4;
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x) {
                    Rgba want = kPicture[static_cast<std::size_t>(y) * kW + x];
                    want[3] = !dstAlpha ? 0 : srcAlpha ? want[3] : alpha;
                    EXPECT_EQ(decode(dst, kW, kH, to, x, y), want)
                        << from.format << from.dir << from.padding << " -> " << to.format << to.dir << to.padding
                        << " at " << x << ',' << y;
                }
            // Row padding is not the picture's: it is left as it was.
            if (to.padding) {
                EXPECT_EQ(dst[static_cast<std::size_t>(strideOf(to, kW)) - 1], 0xEE);
            }
        }
}

TEST(PixelCopy, RectanglesAtTheEdgesOfBothPictures)
{
    // The bottom-right 2 x 1 of the source to the top-left of a 2 x 2 destination and back to its
    // bottom-right, in layouts of opposite directions.
    for (const Layout& from : allLayouts())
        for (const Layout& to : {Layout{BGRA, BottomUp, 0}, Layout{RGB, TopDown, 3}}) {
            const std::vector<unsigned char> src = encode(kPicture, kW, kH, from);
            std::vector<Rgba> blank(4, Rgba{0, 0, 0, 0});
            std::vector<unsigned char> dst = encode(blank, 2, 2, to);
            const int srcStride = from.padding ? strideOf(from, kW) : 0, dstStride = to.padding ? strideOf(to, 2) : 0;
            copySubimagePixels(kW, kH, src.data(), from.format, from.dir, 2, 2, dst.data(), to.format, to.dir, 1, 1,
                               0, 0, 2, 1, 7, srcStride, dstStride);
            copySubimagePixels(kW, kH, src.data(), from.format, from.dir, 2, 2, dst.data(), to.format, to.dir, 0, 0,
                               1, 1, 1, 1, 7, srcStride, dstStride);
            const bool a = bytesOf(to.format) == 4;
            const auto px = [&](Rgba p) {
                p[3] = !a ? 0 : bytesOf(from.format) == 4 ? p[3] : 7;
                return p;
            };
            EXPECT_EQ(decode(dst, 2, 2, to, 0, 0), px(kPicture[4])) << from.format << from.dir;
            EXPECT_EQ(decode(dst, 2, 2, to, 1, 0), px(kPicture[5])) << from.format << from.dir;
            EXPECT_EQ(decode(dst, 2, 2, to, 0, 1), Rgba{}) << "untouched";
            EXPECT_EQ(decode(dst, 2, 2, to, 1, 1), px(kPicture[0])) << from.format << from.dir;
        }
}

TEST(PixelCopy, NullBuffersAreIgnored)
{
    std::vector<unsigned char> dst(18, 0xEE);
    copyPixels(kW, kH, nullptr, RGB, TopDown, dst.data(), RGB, TopDown);
    copySubimagePixels(kW, kH, nullptr, RGB, TopDown, kW, kH, dst.data(), RGB, TopDown, 0, 0, 0, 0, 1, 1);
    EXPECT_EQ(dst, std::vector<unsigned char>(18, 0xEE));
}

} // namespace
