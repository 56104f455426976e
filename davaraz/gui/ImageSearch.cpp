// Finding a sub-image by its colours, and erasing it to transparency.
#include "davaraz/gui/ImageUtils.h"

#include <cstring>

namespace wut {
namespace ImageUtils {
namespace {

// Whether sub's colour rows match image at (x, y); wxImage keeps RGB rows packed, top first.
bool matchesAt(const wxImage& image, const wxImage& sub, int x, int y)
{
    const unsigned char* big = image.GetData();
    const unsigned char* small = sub.GetData();
    const std::size_t rowBytes = static_cast<std::size_t>(sub.GetWidth()) * 3;
    for (int j = 0; j < sub.GetHeight(); ++j)
        if (std::memcmp(big + (static_cast<std::size_t>(y + j) * image.GetWidth() + x) * 3,
                        small + static_cast<std::size_t>(j) * rowBytes, rowBytes) != 0)
            return false;
    return true;
}

} // namespace

bool findSubImage(wxImage& image, const wxImage& sub, int& x, int& y)
{
    if (!image.IsOk() || !sub.IsOk() || sub.GetHeight() > image.GetHeight() || sub.GetWidth() > image.GetWidth())
        return false;
    for (int row = 0; row <= image.GetHeight() - sub.GetHeight(); ++row)
        for (int col = 0; col <= image.GetWidth() - sub.GetWidth(); ++col)
            if (matchesAt(image, sub, col, row)) {
                x = col;
                y = row;
                return true;
            }
    return false;
}

bool eraseSubImage(wxImage& image, const wxImage& sub, int& x, int& y)
{
    if (!findSubImage(image, sub, x, y))
        return false;
    const wxRect place(x, y, sub.GetWidth(), sub.GetHeight());
    if (image.HasAlpha()) {
        unsigned char* alpha = image.GetAlpha();
        for (int j = place.y; j < place.GetBottom() + 1; ++j)
            std::memset(alpha + static_cast<std::size_t>(j) * image.GetWidth() + place.x, 0,
                        static_cast<std::size_t>(place.width));
    }
    unsigned char r = 0, g = 0, b = 0;
    if (image.GetOrFindMaskColour(&r, &g, &b))
        image.SetRGB(place, r, g, b);
    return true;
}

} // namespace ImageUtils
} // namespace wut
