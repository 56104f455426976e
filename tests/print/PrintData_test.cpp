// PrintData: construction for a printer, the plot settings, the DEVMODE code conversions on
// the print data (bins, duplex, quality, paper) and conflicts resolved by the driver.
#include "WxTestApp.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"


#include <cstdlib>

namespace {

using wut::PrintData;
using wut::WindowsPrintNativeData;

const wchar_t* const kMfp = L"Office Colour MFP";
const wchar_t* const kPlotter = L"Large Format Plotter";
const wchar_t* const kMono = L"Draft Mono Printer";

short customPaper(const PrintData& data) { return WindowsPrintNativeData::GetNativeData(data)->GetCustomPaperId(); }

TEST_F(PrintDataTest, PlotSettingsStartAtTheirDefaultsAndTravelWithCopies)
{
    PrintData blank;
    EXPECT_FALSE(blank.isMergeColors());
    EXPECT_TRUE(blank.isTtfAsText());

    PrintData data(kMfp);
    data.setMergeColors(true);
    data.setTtfAsText(false);
    data.setDriverName(L"drv");
    PrintData copy(data);
    EXPECT_EQ(copy.GetPrinterName(), kMfp);
    blank = std::move(copy);
    EXPECT_TRUE(blank.isMergeColors());
    EXPECT_FALSE(blank.isTtfAsText());
    EXPECT_EQ(blank.getDriverName(), L"drv");
}

TEST_F(PrintDataTest, NamedPrinterGivesItsDriverDefaults)
{
    PrintData data(kPlotter);
    EXPECT_EQ(data.GetPrinterName(), kPlotter);
    EXPECT_EQ(data.GetOrientation(), wxLANDSCAPE);
    EXPECT_EQ(data.getDmBin(), 258);
    EXPECT_EQ(data.GetMedia(), 257);
    // Paper 300 is the driver's own: no database paper, its number kept as the custom one.
    EXPECT_EQ(data.GetPaperId(), wxPAPER_NONE);
    EXPECT_EQ(customPaper(data), 300);
    EXPECT_EQ(data.GetPrivDataLen(), 320);
}

// An empty name and eInit mean the default printer; without a default, eInit alone falls back
// to the first printer. An unknown printer, or none at all, leaves the data without settings.
TEST_F(PrintDataTest, PrinterChosenOnConstruction)
{
    EXPECT_EQ(PrintData(L"").GetPrinterName(), vspool::defaultPrinter());
    EXPECT_EQ(PrintData(PrintData::eInit).GetPrinterName(), vspool::defaultPrinter());
    vspool::setPrinters({printer(L"Zeta"), printer(L"Alpha")}, L"");
    EXPECT_EQ(PrintData(PrintData::eInit).GetPrinterName(), L"Zeta");
    EXPECT_TRUE(PrintData(L"").GetPrinterName().empty());
    const PrintData unknown(L"No Such Printer");
    EXPECT_TRUE(unknown.GetPrinterName().empty());
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(unknown)->GetDevMode(), nullptr);
    vspool::setPrinters({}, L"");
    const PrintData none(PrintData::eInit);
    EXPECT_TRUE(none.GetPrinterName().empty());
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(none)->GetDevMode(), nullptr);
}

// The code tables are tested on their own; here, that the print data uses them and that a driver
// bin is not forced into wxPrintBin.
TEST_F(PrintDataTest, DevModeCodesThroughThePrintData)
{
    PrintData data;
    data.setDmBin(300);
    EXPECT_EQ(data.GetBin(), wxPRINTBIN_USER);
    EXPECT_EQ(data.getDmBin(), 300);
    data.setDmQuality(DMRES_DRAFT);
    EXPECT_EQ(data.GetQuality(), wxPRINT_QUALITY_DRAFT);
    data.setDmDuplex(DMDUP_HORIZONTAL);
    EXPECT_EQ(data.getDmDuplex(), DMDUP_HORIZONTAL);
}

// Every DMPAPER number the database knows comes back unchanged, so no two table rows clash.
TEST_F(PrintDataTest, EveryKnownPaperNumberRoundTrips)
{
    int known = 0;
    for (short n = 1; n <= 255; ++n) {
        PrintData data;
        data.setDmPaperSize(n, static_cast<const wxSize*>(nullptr));
        short back = 0;
        if (data.GetPaperId() == wxPAPER_NONE)
            continue;
        ++known;
        EXPECT_EQ(customPaper(data), 0) << n;
        ASSERT_TRUE(data.getDmPaperSize(back)) << n;
        EXPECT_EQ(back, n);
    }
    EXPECT_GE(known, 110); // 1-118 less the two reserved numbers, as far as the database has them
}

// The sizes the virtual drivers report for their standard papers agree with the database
// paper the table picks (within the millimetre the truncation may cost).
TEST_F(PrintDataTest, TablePicksPapersOfTheDriversSizes)
{
    int checked = 0;
    for (const vspool::Printer& p : vspool::printers())
        for (const vspool::Paper& paper : p.papers) {
            if (paper.id >= DMPAPER_USER)
                continue;
            PrintData data;
            data.setDmPaperSize(static_cast<short>(paper.id), static_cast<const wxSize*>(nullptr));
            ASSERT_NE(data.GetPaperId(), wxPAPER_NONE) << paper.id;
            EXPECT_LE(std::abs(data.GetPaperSize().x - paper.width / 10), 1) << paper.id;
            EXPECT_LE(std::abs(data.GetPaperSize().y - paper.height / 10), 1) << paper.id;
            ++checked;
        }
    EXPECT_GT(checked, 20);
}

TEST_F(PrintDataTest, CustomPaperKeepsNumberAndSize)
{
    PrintData data;
    short dm = 1234;
    EXPECT_FALSE(data.getDmPaperSize(dm)); // no paper yet: no number
    EXPECT_EQ(dm, 1234);

    const wxSize size(500, 700);
    data.setDmPaperSize(DMPAPER_USER, &size);
    EXPECT_EQ(data.GetPaperId(), wxPAPER_NONE);
    EXPECT_EQ(data.GetPaperSize(), size);
    EXPECT_EQ(customPaper(data), DMPAPER_USER);
    WindowsPrintNativeData::GetNativeData(data)->SetCustomPaperId(0);
    ASSERT_TRUE(data.getDmPaperSize(dm));
    EXPECT_EQ(dm, DMPAPER_USER);

    // A number the database lacks, even below 256, is a custom paper too.
    data.setDmPaperSize(48, static_cast<const wxSize*>(nullptr));
    EXPECT_EQ(data.GetPaperSize(), wxSize(0, 0));
    EXPECT_EQ(customPaper(data), 48);
    // Sizes in tenths of a millimetre are rounded to millimetres.
    const POINT tenths{595, 846};
    data.setDmPaperSize(300, &tenths);
    EXPECT_EQ(data.GetPaperSize(), wxSize(60, 85));
    EXPECT_EQ(customPaper(data), 300);
    data.setDmPaperSize(DMPAPER_A4, static_cast<const POINT*>(nullptr));
    EXPECT_EQ(customPaper(data), 0);

    // A database paper without a Windows number is still a paper: number 0, not a custom size.
    data.SetPaperId(wxPAPER_A0);
    dm = 1234;
    ASSERT_TRUE(data.getDmPaperSize(dm));
    EXPECT_EQ(dm, 0);
}

// Settings the driver cannot honour come back corrected into wxPrintData.
TEST_F(PrintDataTest, DriverCorrectionsReachThePrintData)
{
    PrintData data(kMono);
    data.SetNoCopies(20);
    data.SetQuality(1234); // not a resolution of this printer
    ASSERT_TRUE(data.ResolveConflicts());
    EXPECT_EQ(data.GetNoCopies(), 9);
    EXPECT_EQ(data.GetQuality(), 300);
}

TEST_F(PrintDataTest, ForeignNativeDataResolvesTrivially)
{
    wut::unRegisterPrintFactory();
    PrintData data;
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(data), nullptr);
    EXPECT_TRUE(data.ResolveConflicts());
    short dm = 0;
    data.SetPaperId(wxPAPER_A3);
    ASSERT_TRUE(data.getDmPaperSize(dm));
    EXPECT_EQ(dm, 8);
}

} // namespace
