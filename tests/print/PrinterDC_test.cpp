// Printer DCs made from the library's print data: usable on this port (the PostScript DC of the
// native factory), PostScript written where the print data says, and the PostScript query.
#include "WxTestApp.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"

#include <wx/dcprint.h>
#include <wx/ffile.h>
#include <wx/mstream.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using wut::PrintData;

using PrinterDCTest = PrintDataTest;

void drawPage(wxDC& dc)
{
    ASSERT_TRUE(dc.StartDoc(wxT("davaraz test")));
    dc.StartPage();
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(10, 10, 500, 700);
    dc.DrawRectangle(100, 100, 300, 200);
    dc.EndPage();
    dc.EndDoc();
}

TEST_F(PrinterDCTest, DcReportsResolutionAndDepthAndWritesPostScriptToAFile)
{
    const std::string path = (std::string(::testing::TempDir()) + "davaraz_dc_test.ps");
    PrintData data(L"Office Colour MFP");
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetFilename(wxString::FromUTF8(path));
    data.setDmPaperSize(8, static_cast<const wxSize*>(nullptr)); // A3
    data.SetOrientation(wxLANDSCAPE);
    std::unique_ptr<wxPrinterDC> dc(data.createPrinterDC());
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(dc->IsOk());
    const wxSize mm = dc->GetSizeMM();
    EXPECT_NEAR(mm.x, 420, 1);
    EXPECT_NEAR(mm.y, 297, 1);
    drawPage(*dc);
    dc.reset();

    wxString text;
    {
        wxFFile file(wxString::FromUTF8(path), "r");
        ASSERT_TRUE(file.IsOpened());
        ASSERT_TRUE(file.ReadAll(&text));
    }
    wxRemoveFile(wxString::FromUTF8(path));
    EXPECT_TRUE(text.StartsWith(wxT("%!PS-Adobe")));
    EXPECT_TRUE(text.Contains(wxT("%%DocumentPaperSizes: A3")));
    EXPECT_TRUE(text.Contains(wxT("%%Orientation: Landscape")));
    EXPECT_TRUE(text.Contains(wxT("showpage")));
}

TEST_F(PrinterDCTest, EmptyPrinterNameTakesTheDefaultPrinterIfThereIsOne)
{
    PrintData data;
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetFilename(wxString::FromUTF8(std::string(::testing::TempDir()) + "davaraz_unused.ps"));
    EXPECT_NE(std::unique_ptr<wxPrinterDC>(data.createPrinterDC()), nullptr);
    EXPECT_EQ(data.GetPrinterName(), vspool::defaultPrinter());

    vspool::setPrinters({printer(L"Only")}, L"");
    PrintData none;
    EXPECT_EQ(none.createPrinterDC(), nullptr);
    EXPECT_FALSE(none.isPostScript());
}

// The DC's sheet is the driver's paper (the PostScript DC alone makes any paper it does not know
// A4, and every paper a little small), in device units that round to the paper's size, placed
// at the paper's own left and top margins (the bottom and left ones in landscape).
TEST_F(PrinterDCTest, SheetIsTheDriversPaperInBothOrientations)
{
    int checked = 0;
    for (const vspool::Printer& printer : vspool::printers())
        for (const vspool::Paper& paper : printer.papers)
            for (const wxPrintOrientation orientation : {wxPORTRAIT, wxLANDSCAPE}) {
                PrintData data(printer.name.c_str());
                data.setDmPaperSize(static_cast<short>(paper.id), static_cast<const wxSize*>(nullptr));
                data.SetOrientation(orientation);
                std::unique_ptr<wxPrinterDC> dc(data.createPrinterDC());
                ASSERT_NE(dc, nullptr);
                const bool turned = orientation == wxLANDSCAPE;
                const double w = turned ? paper.height : paper.width; // tenths of a millimetre
                const double h = turned ? paper.width : paper.height;
                const wxRect sheet = dc->GetPaperRect();
                const double tenthsPerUnit = 254.0 / dc->GetPPI().x;
                EXPECT_NEAR(sheet.width * tenthsPerUnit, w, tenthsPerUnit / 2) << paper.id << ' ' << turned;
                EXPECT_NEAR(sheet.height * tenthsPerUnit, h, tenthsPerUnit / 2) << paper.id << ' ' << turned;
                EXPECT_EQ(dc->GetSizeMM(), wxSize(wxRound(w / 10), wxRound(h / 10))) << paper.id;
                const double slack = 254.0 / 300 + tenthsPerUnit; // printer dots, then device units
                EXPECT_NEAR(-sheet.x * tenthsPerUnit, turned ? paper.margins.bottom : paper.margins.left, slack)
                    << paper.id << ' ' << turned;
                EXPECT_NEAR(-sheet.y * tenthsPerUnit, turned ? paper.margins.left : paper.margins.top, slack)
                    << paper.id << ' ' << turned;
                ++checked;
            }
    EXPECT_GT(checked, 60);
}

// The PostScript y axis is turned over at the sheet's height: the sheet's bottom edge is at 0.
// The stream comes from the native data, which must be the PostScript kind.
TEST_F(PrinterDCTest, BottomOfAnUnlistedSheetIsTheBottomOfThePage)
{
    PrintData data(L"Large Format Plotter");
    data.setDmPaperSize(306, static_cast<const wxSize*>(nullptr)); // 610 x 1189 mm, not in the database
    data.SetOrientation(wxPORTRAIT);
    wxMemoryOutputStream out;
    wut::WindowsPrintNativeData::GetNativeData(data)->SetOutputStream(&out);
    data.SetPrintMode(wxPRINT_MODE_STREAM);
    std::unique_ptr<wxPrinterDC> dc(data.createPrinterDC());
    ASSERT_NE(dc, nullptr);
    const wxSize size = dc->GetSize();
    ASSERT_TRUE(dc->StartDoc(wxT("davaraz test")));
    dc->StartPage();
    dc->DrawLine(0, size.y, size.x, size.y);
    dc->EndPage();
    dc->EndDoc();
    dc.reset();
    const std::string ps(static_cast<const char*>(out.GetOutputStreamBuffer()->GetBufferStart()), out.GetLength());
    double x0 = -1, y0 = -1, x1 = -1, y1 = -1;
    const std::size_t at = ps.rfind("newpath\n");
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(std::sscanf(ps.c_str() + at + 8, "%lf %lf moveto\n%lf %lf lineto", &x0, &y0, &x1, &y1), 4);
    EXPECT_NEAR(y0, 0, 0.1);
    EXPECT_NEAR(y1, 0, 0.1);
    EXPECT_NEAR(x1, 6100 / 254.0 * 72, 0.1); // the sheet's width in points
}

TEST_F(PrinterDCTest, PostScriptDriversIdentifyThemselves)
{
    EXPECT_TRUE(PrintData(L"Office Colour MFP").isPostScript());
    EXPECT_FALSE(PrintData(L"Large Format Plotter").isPostScript());
}

} // namespace
