// Sub-images found and erased, text wrapped and drawn inside its box, overlays, the raw pixels
// of a bitmap resource and the image types the host reads.
#include "GuiTestApp.h"
#include "TestUtil.h"
#include "davaraz/gui/ImageUtils.h"

#include <wx/dcmemory.h>
#include <wx/filesys.h>
#include <wx/xrc/xmlres.h>

#include <string>

namespace {

using namespace wut::ImageUtils;
using ImageUtilsTest = GuiTest;

// A w x h image of one colour, with (x, y) painted in another.
wxImage imageWithDot(int w, int h, const wxColour& dot, int x, int y)
{
    wxImage image(w, h);
    image.SetRGB(wxRect(0, 0, w, h), 10, 20, 30);
    image.SetRGB(x, y, dot.Red(), dot.Green(), dot.Blue());
    return image;
}

TEST(SubImage, FoundTopRowFirstThenLeftmostAlphaIgnored)
{
    wxImage image = imageWithDot(5, 4, *wxRED, 3, 1);
    image.SetRGB(1, 2, 255, 0, 0); // the same colour lower down
    image.SetRGB(4, 1, 255, 0, 0); // and right of the first
    wxImage sub = imageWithDot(1, 1, *wxRED, 0, 0);
    sub.InitAlpha();
    sub.SetAlpha(0, 0, 3);
    int x = -1, y = -1;
    ASSERT_TRUE(findSubImage(image, sub, x, y));
    EXPECT_EQ(wxPoint(x, y), wxPoint(3, 1));

    // A two-pixel sub-image must match both pixels; one wider or taller than the image never does.
    wxImage pair(2, 1);
    pair.SetRGB(0, 0, 255, 0, 0);
    pair.SetRGB(1, 0, 255, 0, 0);
    ASSERT_TRUE(findSubImage(image, pair, x, y));
    EXPECT_EQ(wxPoint(x, y), wxPoint(3, 1));
    EXPECT_FALSE(findSubImage(image, wxImage(6, 1), x, y));
    EXPECT_FALSE(findSubImage(image, wxImage(1, 5), x, y));
    EXPECT_FALSE(findSubImage(image, imageWithDot(1, 1, *wxGREEN, 0, 0), x, y));
}

TEST(SubImage, ErasedToAlphaZeroAndToTheMaskColour)
{
    const wxImage sub = imageWithDot(2, 2, *wxRED, 0, 0);
    wxImage alpha = imageWithDot(4, 4, *wxBLUE, 0, 0);
    alpha.Paste(sub, 2, 1);
    alpha.InitAlpha();
    int x = -1, y = -1;
    ASSERT_TRUE(eraseSubImage(alpha, sub, x, y));
    EXPECT_EQ(wxPoint(x, y), wxPoint(2, 1));
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(alpha.GetAlpha(i, j), i >= 2 && j >= 1 && j <= 2 ? 0 : 255) << i << ',' << j;

    wxImage masked = imageWithDot(4, 4, *wxBLUE, 0, 0);
    masked.Paste(sub, 1, 2);
    masked.SetMaskColour(0, 255, 0);
    ASSERT_TRUE(eraseSubImage(masked, sub, x, y));
    EXPECT_EQ(wxPoint(x, y), wxPoint(1, 2));
    EXPECT_EQ(wxColour(masked.GetRed(2, 3), masked.GetGreen(2, 3), masked.GetBlue(2, 3)), *wxGREEN);
    EXPECT_EQ(wxColour(masked.GetRed(0, 0), masked.GetGreen(0, 0), masked.GetBlue(0, 0)), *wxBLUE);
    EXPECT_FALSE(eraseSubImage(masked, sub, x, y)) << "gone once erased";
}

TEST_F(ImageUtilsTest, WrapBreaksEachWideLineOnceFromItsMiddle)
{
    wxBitmap bmp(200, 50);
    wxMemoryDC dc(bmp);
    const wxRect narrow(0, 0, 1, 50);
    EXPECT_EQ(wrapText(wxT("ab cd"), narrow, dc), wxT("ab\r\ncd"));
    EXPECT_EQ(wrapText(wxT("a b"), narrow, dc), wxT("a b")) << "three characters are never broken";
    EXPECT_EQ(wrapText(wxT("one two three four"), narrow, dc), wxT("one two three\r\nfour"));
    EXPECT_EQ(wrapText(wxT("ab cd\rabcdef\r\nx y z w"), narrow, dc), wxT("ab\r\ncd\r\nabcdef\r\nx y\r\nz w"));
    EXPECT_EQ(wrapText(wxT("ab cd"), wxRect(0, 0, 1000, 50), dc), wxT("ab cd")) << "fits";
}

// Whether any pixel of the rectangle differs from white.
bool inked(const wxImage& image, const wxRect& r)
{
    for (int y = r.y; y <= r.GetBottom(); ++y)
        for (int x = r.x; x <= r.GetRight(); ++x)
            if (image.GetRed(x, y) != 255 || image.GetGreen(x, y) != 255 || image.GetBlue(x, y) != 255)
                return true;
    return false;
}

TEST_F(ImageUtilsTest, TextIsDrawnOnlyInsideItsBox)
{
    for (const bool highQuality : {false, true}) {
        wxBitmap bmp(120, 60);
        {
            wxMemoryDC dc(bmp);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
        }
        drawText(bmp, wxT("Plot styles and pens of the office"), 40, 20, eFontHeading, eColorDark, highQuality);
        const wxImage image = bmp.ConvertToImage();
        EXPECT_FALSE(inked(image, wxRect(0, 0, 120, 20))) << highQuality;
        EXPECT_FALSE(inked(image, wxRect(0, 0, 40, 60))) << highQuality;
        EXPECT_TRUE(inked(image, wxRect(40, 20, 80, 40))) << highQuality;
        EXPECT_EQ(bmp.HasAlpha(), highQuality) << "the anti-aliased form gives the bitmap alpha";
    }
}

TEST_F(ImageUtilsTest, OverlaysAtTheCornerAndOnTop)
{
    wxImage red(20, 20);
    red.SetRGB(wxRect(0, 0, 20, 20), 255, 0, 0);
    wxImage blue(4, 4);
    blue.SetRGB(wxRect(0, 0, 4, 4), 0, 0, 255);
    const wxImage result = wut::drawOnBitmap(wxBitmap(red), wxBitmap(blue), wxSize(2, 3)).ConvertToImage();
    ASSERT_EQ(result.GetSize(), wxSize(20, 20));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inOverlay = x >= 14 && x < 18 && y >= 13 && y < 17;
            EXPECT_EQ(result.GetBlue(x, y), inOverlay ? 255 : 0) << x << ',' << y;
        }

    wxBitmap target{red};
    drawOnTop(target, wxBitmap(blue));
    const wxImage top = target.ConvertToImage();
    EXPECT_EQ(top.GetBlue(3, 3), 255);
    EXPECT_EQ(top.GetBlue(4, 4), 0);
}

TEST_F(ImageUtilsTest, RawBitmapIsBottomUpBgrWithRowsOfFourBytes)
{
    const testutil::TempDir dir;
    wxImage image(3, 2);
    image.SetRGB(wxRect(0, 0, 3, 2), 1, 2, 3);
    image.SetRGB(2, 0, 200, 100, 50); // top-right
    ASSERT_TRUE(image.SaveFile(dir.path("dot.png").string(), wxBITMAP_TYPE_PNG));
    wxImage withAlpha(image);
    withAlpha.InitAlpha();
    withAlpha.SetAlpha(0, 1, 77); // bottom-left
    ASSERT_TRUE(withAlpha.SaveFile(dir.path("alpha.png").string(), wxBITMAP_TYPE_PNG));
    const std::string xrc = "<?xml version=\"1.0\"?><resource>"
                            "<object class=\"wxBitmap\" name=\"dot\">" + dir.path("dot.png").string() + "</object>"
                            "<object class=\"wxBitmap\" name=\"alpha\">" + dir.path("alpha.png").string() +
                            "</object></resource>";
    testutil::writeBytes(dir.path("res.xrc"), xrc);
    wxXmlResource::Get()->InitAllHandlers();
    ASSERT_TRUE(wxXmlResource::Get()->Load(dir.path("res.xrc").string()));

    unsigned char* pixels = nullptr;
    ASSERT_TRUE(wut::getRawBitmap(pixels, L"dot"));
    // 3 pixels x 3 bytes, padded to 12; the top row second.
    EXPECT_EQ(pixels[0], 3);
    EXPECT_EQ(pixels[12 + 6], 50);
    EXPECT_EQ(pixels[12 + 8], 200);
    unsigned char* again = nullptr;
    ASSERT_TRUE(wut::getRawBitmap(again, L"dot"));
    EXPECT_EQ(again, pixels) << "the same resource is served from the cache";

    ASSERT_TRUE(wut::getRawBitmap(pixels, L"alpha"));
    EXPECT_EQ(pixels[3], 77) << "bottom-left first, four bytes a pixel";
    EXPECT_EQ(pixels[4 * 3 + 4 * 2], 50);
    EXPECT_FALSE(wut::getRawBitmap(pixels, L"no such bitmap"));
    wxXmlResource::Get()->Unload(dir.path("res.xrc").string());
}

TEST(ImageTypes, ExtensionsTheHostReads)
{
    const std::pair<const wchar_t*, bool> cases[] = {{L"png", true}, {L"PNG", true}, {L"jpeg", true},
                                                     {L"peg", true}, {L"mti", true},  {L"pn", false},
                                                     {L"svg", false}, {L"", false},   {nullptr, false}};
    for (const auto& c : cases)
        EXPECT_EQ(wut::isSupportedImageType(c.first), c.second) << (c.first ? c.first : L"(null)");
}

} // namespace
