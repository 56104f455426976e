// Pixel copies between buffers of different channel order, alpha and row direction.
#include "davaraz/gui/ImageUtils.h"

#include <cstring>

namespace wut {
namespace ImageUtils {
namespace {

struct Layout {
    int bytes;    // per pixel
    bool alpha;   // a fourth byte
    bool blueFirst;
    int stride;   // bytes from one row to the next
};

Layout layoutOf(PixelFormat format, int width, int stride)
{
    Layout l;
    l.alpha = format == RGBA || format == BGRA;
    l.blueFirst = format == BGR || format == BGRA;
    l.bytes = l.alpha ? 4 : 3;
    l.stride = stride < 1 ? l.bytes * width : stride;
    return l;
}

// One pixel: colours in the destination's order, the source's alpha or the given one.
inline void convert(const unsigned char* s, const Layout& from, unsigned char* d, const Layout& to, unsigned char alpha)
{
    const unsigned char r = s[from.blueFirst ? 2 : 0];
    const unsigned char b = s[from.blueFirst ? 0 : 2];
    d[to.blueFirst ? 2 : 0] = r;
    d[1] = s[1];
    d[to.blueFirst ? 0 : 2] = b;
    if (to.alpha)
        d[3] = from.alpha ? s[3] : alpha;
}

void convertRow(const unsigned char* s, const Layout& from, unsigned char* d, const Layout& to, int pixels,
                unsigned char alpha)
{
    for (int k = 0; k < pixels; ++k, s += from.bytes, d += to.bytes)
        convert(s, from, d, to, alpha);
}

} // namespace

void copyPixels(int width, int height, const unsigned char* src, PixelFormat srcFormat, VerticalDir srcDir,
                unsigned char* dst, PixelFormat dstFormat, VerticalDir dstDir, unsigned char alpha, int srcStride,
                int dstStride)
{
    if (!src || !dst || width <= 0 || height <= 0)
        return;
    const Layout from = layoutOf(srcFormat, width, srcStride);
    const Layout to = layoutOf(dstFormat, width, dstStride);
    if (srcFormat == dstFormat && srcDir == dstDir && from.stride == to.stride) {
        const std::size_t rowBytes = static_cast<std::size_t>(from.bytes) * width;
        if (rowBytes == static_cast<std::size_t>(from.stride)) {
            std::memcpy(dst, src, rowBytes * height);
            return;
        }
        for (int i = 0; i < height; ++i)
            std::memcpy(dst + static_cast<std::size_t>(i) * to.stride, src + static_cast<std::size_t>(i) * from.stride,
                        rowBytes);
        return;
    }
    for (int i = 0; i < height; ++i) {
        const int j = srcDir == dstDir ? i : height - 1 - i;
        convertRow(src + static_cast<std::size_t>(i) * from.stride, from, dst + static_cast<std::size_t>(j) * to.stride,
                   to, width, alpha);
    }
}

void copySubimagePixels(int srcWidth, int srcHeight, const unsigned char* src, PixelFormat srcFormat,
                        VerticalDir srcDir, int dstWidth, int dstHeight, unsigned char* dst, PixelFormat dstFormat,
                        VerticalDir dstDir, int srcX, int srcY, int dstX, int dstY, int width, int height,
                        unsigned char alpha, int srcStride, int dstStride)
{
    if (!src || !dst || width <= 0 || height <= 0)
        return;
    const Layout from = layoutOf(srcFormat, srcWidth, srcStride);
    const Layout to = layoutOf(dstFormat, dstWidth, dstStride);
    for (int j = 0; j < height; ++j) {
        const int srcRow = srcDir == TopDown ? srcY + j : srcHeight - 1 - (srcY + j);
        const int dstRow = dstDir == TopDown ? dstY + j : dstHeight - 1 - (dstY + j);
        convertRow(src + static_cast<std::size_t>(srcRow) * from.stride + static_cast<std::size_t>(srcX) * from.bytes,
                   from, dst + static_cast<std::size_t>(dstRow) * to.stride + static_cast<std::size_t>(dstX) * to.bytes,
                   to, width, alpha);
    }
}

} // namespace ImageUtils
} // namespace wut
