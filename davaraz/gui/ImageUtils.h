// Pixel-level helpers over raw buffers, wxWidgets images and bitmaps: copies between channel
// orders and row directions, finding and erasing a sub-image, overlays and text on bitmaps.
#pragma once
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>

namespace wut {
namespace ImageUtils {

enum PixelFormat {
    RGB = 0,  // three bytes: red, green, blue
    RGBA = 1, // four bytes: red, green, blue, alpha
    BGR = 2,  // three bytes: blue, green, red
    BGRA = 3, // four bytes: blue, green, red, alpha
};

enum VerticalDir {
    BottomUp = 0, // the first row in memory is the bottom row of the picture
    TopDown = 1,  // the first row in memory is the top row
};

// Text roles of drawText: an 11-point bold heading, 8-point small print.
enum EFont { eFontHeading = 0, eFontSmall = 1 };
// Text colours of drawText: dark grey (40, 40, 40), mid grey (110, 110, 110), white.
enum EColor { eColorDark = 0, eColorMid = 1, eColorWhite = 2 };

// Copies a whole picture, converting channel order, alpha and row direction. A missing alpha
// is filled with alpha. A stride below 1 means rows packed without padding.
void copyPixels(int width, int height, const unsigned char* src, PixelFormat srcFormat, VerticalDir srcDir,
                unsigned char* dst, PixelFormat dstFormat, VerticalDir dstDir, unsigned char alpha = 255,
                int srcStride = 0, int dstStride = 0);
// Copies the width x height rectangle at (srcX, srcY) of the source to (dstX, dstY) of the
// destination, both counted from the picture's top-left; the caller keeps it inside both.
void copySubimagePixels(int srcWidth, int srcHeight, const unsigned char* src, PixelFormat srcFormat,
                        VerticalDir srcDir, int dstWidth, int dstHeight, unsigned char* dst, PixelFormat dstFormat,
                        VerticalDir dstDir, int srcX, int srcY, int dstX, int dstY, int width, int height,
                        unsigned char alpha = 255, int srcStride = 0, int dstStride = 0);

// The first place (top row first, then leftmost) where sub's colours appear in image, alpha
// ignored; false when there is none.
bool findSubImage(wxImage& image, const wxImage& sub, int& x, int& y);
// Finds sub and makes its place transparent: alpha 0 and, for an image with a mask colour,
// that colour. False when sub is not there.
bool eraseSubImage(wxImage& image, const wxImage& sub, int& x, int& y);

// Draws overlay at the top-left of target.
void drawOnTop(wxBitmap& target, const wxBitmap& overlay);

// Breaks each line wider than rect once, at the first blank from its middle on; line ends in
// the result are "\r\n".
wxString wrapText(const wxString& text, const wxRect& rect, wxDC& dc);
// Draws text in the box from (x, y) to the bitmap's bottom-right corner, wrapped when wider.
void drawText(wxBitmap& bmp, const wxString& text, int x, int y, const wxFont& font, const wxColour& colour);
// The same, anti-aliased; a bitmap without alpha gains it first.
void drawTextHighQuality(wxBitmap& bmp, const wxString& text, int x, int y, const wxFont& font,
                         const wxColour& colour);
void drawText(wxBitmap& bmp, const wxString& text, int x, int y, EFont font, EColor colour, bool highQuality);

} // namespace ImageUtils

// A copy of base with overlay drawn margin away from its bottom-right corner.
wxBitmap drawOnBitmap(const wxBitmap& base, const wxBitmap& overlay, const wxSize& margin);

// The pixels of the XRC bitmap resource: rows bottom first, each pixel blue, green, red (and
// alpha, straight, for a 32-bit bitmap), each row padded to a multiple of 4 bytes (the layout of
// a Windows DIB; copyPixels reads it as BGR or BGRA, BottomUp, with that stride). The memory is
// the library's copy, valid until a call with another name. False for a resource that does
// not load or a depth other than 24 or 32.
bool getRawBitmap(unsigned char*& pixels, const wchar_t* resourceName);

// Whether the file extension (without the dot, any case) names an image type the host reads.
bool isSupportedImageType(const wchar_t* extension);

} // namespace wut
