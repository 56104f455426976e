// Wrapping with wxWidgets' line breaking: words are never split, explicit breaks are kept, and
// the measured extent covers every line.
#include "GuiTestApp.h"
#include "davaraz/gui/TextWrapper.h"

#include <wx/dcmemory.h>
#include <wx/frame.h>

namespace {

using TextWrapperTest = GuiTest;

TEST_F(TextWrapperTest, WordsAreNeverSplitAndBreaksAreKept)
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxT("wrap"));
    const int word = frame->GetTextExtent(wxT("configuration")).x;
    EXPECT_EQ(wut::TextWrapper(frame, wxT("configuration"), word / 2).text(), wxT("configuration"));
    EXPECT_EQ(wut::TextWrapper(frame, wxT("plot configuration"), word + 2).text(), wxT("plot\nconfiguration"));
    EXPECT_EQ(wut::TextWrapper(frame, wxT("a\nb"), 1000).text(), wxT("a\nb"));

    wxFont big(wxFontInfo(30));
    wut::TextWrapper(frame, wxT("x"), 100, &big);
    EXPECT_EQ(frame->GetFont().GetPointSize(), 30) << "the window keeps the font it was given";
    frame->Destroy();
}

TEST_F(TextWrapperTest, WrappedStringMeasuresEveryLineInItsFont)
{
    const wut::WrappedString empty(nullptr, wxString(), 100, wxFont());
    EXPECT_TRUE(empty.empty());

    const wxFont font(wxFontInfo(14));
    const wut::WrappedString one(nullptr, wxT("Pen"), 1000, font);
    const wut::WrappedString two(nullptr, wxT("Pen\nTable"), 1000, font);
    EXPECT_EQ(two.string(), wxT("Pen\nTable"));
    EXPECT_EQ(two.font(), font);
    EXPECT_GE(two.extents().y, 2 * one.extents().y);
    EXPECT_GT(two.extents().x, one.extents().x) << "the longer line sets the width";

    const wut::WrappedString small(nullptr, wxT("Pen"), 1000, wxFont(wxFontInfo(7)));
    EXPECT_LT(small.extents().y, one.extents().y) << "measured in the given font";

    // Drawn in the stored font and colour, without a background.
    wxBitmap bmp(100, 60);
    wxMemoryDC dc(bmp);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    two.drawText(dc, wxPoint(5, 5), *wxRED);
    EXPECT_EQ(dc.GetFont(), font);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bmp.ConvertToImage();
    int red = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            red += image.GetRed(x, y) > 200 && image.GetGreen(x, y) < 100;
    EXPECT_GT(red, 10);
    EXPECT_EQ(image.GetGreen(99, 59), 255) << "no background painted";
}

} // namespace
