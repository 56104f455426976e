// Printer DCs made from the library's print data: usable on this port (the PostScript DC of the
// native factory), PostScript written where the print data says, and the PostScript query.
#include "WxTestApp.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"

#include <wx/dcprint.h>
#include <wx/ffile.h>
#include <wx/mstream.h>

#include <memory>

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
    EXPECT_GT(dc->GetResolution(), 0);
    EXPECT_GE(dc->GetDepth(), 1);
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
    EXPECT_TRUE(text.Contains(wxT("lineto")));
    EXPECT_TRUE(text.Contains(wxT("showpage")));
}

// The stream mode reads its stream from the native data: ours must be the PostScript kind.
TEST_F(PrinterDCTest, StreamModeUsesTheNativeDataStream)
{
    PrintData data(L"Office Colour MFP");
    wxMemoryOutputStream out;
    wut::WindowsPrintNativeData::GetNativeData(data)->SetOutputStream(&out);
    data.SetPrintMode(wxPRINT_MODE_STREAM);
    std::unique_ptr<wxPrinterDC> dc(data.createPrinterDC());
    ASSERT_NE(dc, nullptr);
    drawPage(*dc);
    dc.reset();
    EXPECT_GT(out.GetLength(), 100);
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

TEST_F(PrinterDCTest, PostScriptDriversIdentifyThemselves)
{
    EXPECT_TRUE(PrintData(L"Office Colour MFP").isPostScript());
    EXPECT_FALSE(PrintData(L"Large Format Plotter").isPostScript());
}

} // namespace
