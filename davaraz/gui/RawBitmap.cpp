// The pixels of an XRC bitmap resource in the layout of a Windows DIB, and the image file
// types the host reads.
#include "davaraz/gui/ImageUtils.h"

#include <wx/rawbmp.h>
#include <wx/xrc/xmlres.h>

#include <string>
#include <vector>

namespace wut {
namespace {

// The last resource asked for, its bitmap and the copy of its pixels handed out.
struct RawCache {
    std::wstring name;
    bool loaded = false;
    wxBitmap bitmap;
    std::vector<unsigned char> pixels;
};

RawCache& rawCache()
{
    static RawCache* cache = new RawCache; // kept to the end: bitmaps must not outlive the toolkit
    return *cache;
}

// Rows bottom first, blue-green-red(-alpha), rows padded to 4 bytes. wxGTK's raw access hands
// out its own pixel buffer and may convert it back when access closes, so the pixels are copied.
template <class PixelData, bool Alpha>
bool copyDib(wxBitmap& bitmap, std::vector<unsigned char>& out)
{
    const int bytes = Alpha ? 4 : 3;
    PixelData data(bitmap);
    if (!data)
        return false;
    const int width = bitmap.GetWidth();
    const int height = bitmap.GetHeight();
    const std::size_t stride = (static_cast<std::size_t>(width) * bytes + 3) & ~std::size_t(3);
    out.assign(stride * height, 0);
    typename PixelData::Iterator row(data);
    for (int y = 0; y < height; ++y, row.OffsetY(data, 1)) {
        typename PixelData::Iterator p = row;
        unsigned char* d = out.data() + stride * (height - 1 - y);
        for (int x = 0; x < width; ++x, ++p, d += bytes) {
            d[0] = p.Blue();
            d[1] = p.Green();
            d[2] = p.Red();
            if constexpr (Alpha)
                d[3] = p.Alpha();
        }
    }
    return true;
}

} // namespace

bool getRawBitmap(unsigned char*& pixels, const wchar_t* resourceName)
{
    RawCache& cache = rawCache();
    const std::wstring name = resourceName ? resourceName : L"";
    if (!cache.loaded || name != cache.name) {
        cache.name = name;
        cache.loaded = true;
        cache.bitmap = wxXmlResource::Get()->LoadBitmap(wxString(name));
        cache.pixels.clear();
    }
    if (!cache.bitmap.IsOk())
        return false;
    if (cache.pixels.empty()) {
        const int depth = cache.bitmap.GetDepth();
        bool ok = false;
        if (depth == 32)
            ok = copyDib<wxAlphaPixelData, true>(cache.bitmap, cache.pixels);
        else if (depth == 24)
            ok = copyDib<wxNativePixelData, false>(cache.bitmap, cache.pixels);
        if (!ok)
            return false;
    }
    pixels = cache.pixels.data();
    return true;
}

bool isSupportedImageType(const wchar_t* extension)
{
    static const wxString kTypes = wxT("bmp;jpg;jpeg;pcx;png;gif;tga;tif;jp2;j2k;ecw;sid;mti;");
    if (!extension || !*extension) // ";" alone would match
        return false;
    return kTypes.find((wxString(extension) + wxT(";")).Lower()) != wxString::npos;
}

} // namespace wut
