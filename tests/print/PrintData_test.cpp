// PrintData: construction for a printer, the plot settings, the DEVMODE code conversions on
// the print data (bins, duplex, quality, paper) and conflicts resolved by the driver.
#include "WxTestApp.h"
#include "davaraz/print/DmPaperIds.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/WindowsPrintNativeData.h"

#include <wx/paper.h>

#include <cstdlib>

namespace {

using wut::PrintData;
using wut::WindowsPrintNativeData;

const wchar_t* const kMfp = L"Office Colour MFP";
const wchar_t* const kPlotter = L"Large Format Plotter";
const wchar_t* const kMono = L"Draft Mono Printer";

short customPaper(const PrintData& data) { return WindowsPrintNativeData::GetNativeData(data)->GetCustomPaperId(); }

TEST_F(PrintDataTest, DefaultsBeforeAnyPrinter)
{
    PrintData data;
    EXPECT_FALSE(data.isMergeColors());
    EXPECT_TRUE(data.isTtfAsText());
    EXPECT_TRUE(data.getDriverName().empty());
    EXPECT_TRUE(data.GetPrinterName().empty());
    ASSERT_NE(WindowsPrintNativeData::GetNativeData(data), nullptr);
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(data)->GetDevMode(), nullptr);
}

TEST_F(PrintDataTest, CopiesCarryThePlotSettings)
{
    PrintData data(kMfp);
    data.setMergeColors(true);
    data.setTtfAsText(false);
    data.setDriverName(L"drv");
    PrintData copy(data);
    EXPECT_TRUE(copy.isMergeColors());
    EXPECT_FALSE(copy.isTtfAsText());
    EXPECT_EQ(copy.getDriverName(), L"drv");
    EXPECT_EQ(copy.GetPrinterName(), kMfp);
    PrintData assigned;
    assigned = std::move(copy);
    EXPECT_TRUE(assigned.isMergeColors());
    EXPECT_EQ(assigned.getDriverName(), L"drv");
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

TEST_F(PrintDataTest, EmptyNameAndInitMeanTheDefaultPrinter)
{
    EXPECT_EQ(PrintData(L"").GetPrinterName(), vspool::defaultPrinter());
    EXPECT_EQ(PrintData(PrintData::eInit).GetPrinterName(), vspool::defaultPrinter());
}

TEST_F(PrintDataTest, InitFallsBackToTheFirstPrinter)
{
    vspool::setPrinters({printer(L"Zeta"), printer(L"Alpha")}, L"");
    EXPECT_EQ(PrintData(PrintData::eInit).GetPrinterName(), L"Zeta");
    EXPECT_TRUE(PrintData(L"").GetPrinterName().empty());
}

TEST_F(PrintDataTest, WithoutPrintersTheDataStaysDefault)
{
    vspool::setPrinters({}, L"");
    PrintData data(PrintData::eInit);
    EXPECT_TRUE(data.GetPrinterName().empty());
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(data)->GetDevMode(), nullptr);
    PrintData unknown(L"No Such Printer");
    EXPECT_TRUE(unknown.GetPrinterName().empty());
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(unknown)->GetDevMode(), nullptr);
}

TEST_F(PrintDataTest, BinQualityAndDuplexThroughThePrintData)
{
    PrintData data;
    data.setDmBin(14);
    EXPECT_EQ(data.GetBin(), wxPRINTBIN_CASSETTE);
    EXPECT_EQ(data.getDmBin(), 14);
    data.setDmBin(256);
    EXPECT_EQ(data.GetBin(), wxPRINTBIN_USER);
    EXPECT_EQ(data.getDmBin(), 256);
    data.setDmBin(-1);
    EXPECT_EQ(data.GetBin(), wxPRINTBIN_DEFAULT);
    EXPECT_EQ(data.getDmBin(), 242);

    data.setDmQuality(600);
    EXPECT_EQ(data.GetQuality(), 600);
    data.setDmQuality(DMRES_DRAFT);
    EXPECT_EQ(data.GetQuality(), wxPRINT_QUALITY_DRAFT);
    EXPECT_EQ(data.getDmQuality(), DMRES_DRAFT);

    data.setDmDuplex(DMDUP_HORIZONTAL);
    EXPECT_EQ(data.GetDuplex(), wxDUPLEX_HORIZONTAL);
    EXPECT_EQ(data.getDmDuplex(), DMDUP_HORIZONTAL);
    data.setDmDuplex(DMDUP_SIMPLEX);
    EXPECT_EQ(data.GetDuplex(), wxDUPLEX_SIMPLEX);
}

// The trap the paper table exists for: on this port the database has no DMPAPER numbers.
TEST_F(PrintDataTest, PaperDatabaseOfThisPortHasNoPlatformIds)
{
    ASSERT_NE(wxThePrintPaperDatabase, nullptr);
    const wxPrintPaperType* a4 = wxThePrintPaperDatabase->FindPaperType(wxPAPER_A4);
    ASSERT_NE(a4, nullptr);
    if (a4->GetPlatformId() != 0)
        GTEST_SKIP() << "this wxWidgets port stores DMPAPER numbers itself";
    EXPECT_EQ(wxThePrintPaperDatabase->FindPaperTypeByPlatformId(DMPAPER_A4), nullptr);
    EXPECT_EQ(wut::findPaperTypeByDmPaper(DMPAPER_A4), a4);
}

TEST_F(PrintDataTest, StandardPaperByNumber)
{
    PrintData data;
    data.setDmPaperSize(DMPAPER_A4, static_cast<const wxSize*>(nullptr));
    EXPECT_EQ(data.GetPaperId(), wxPAPER_A4);
    EXPECT_EQ(data.GetPaperSize(), wxSize(210, 297));
    EXPECT_EQ(customPaper(data), 0);
    short dm = 0;
    ASSERT_TRUE(data.getDmPaperSize(dm));
    EXPECT_EQ(dm, DMPAPER_A4);
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
    const wxSize size(500, 700);
    data.setDmPaperSize(DMPAPER_USER, &size);
    EXPECT_EQ(data.GetPaperId(), wxPAPER_NONE);
    EXPECT_EQ(data.GetPaperSize(), size);
    EXPECT_EQ(customPaper(data), DMPAPER_USER);
    short dm = 0;
    ASSERT_TRUE(data.getDmPaperSize(dm));
    EXPECT_EQ(dm, DMPAPER_USER);

    WindowsPrintNativeData::GetNativeData(data)->SetCustomPaperId(0);
    ASSERT_TRUE(data.getDmPaperSize(dm));
    EXPECT_EQ(dm, DMPAPER_USER);

    // A number the database lacks, even below 256, is a custom paper too.
    data.setDmPaperSize(48, static_cast<const wxSize*>(nullptr));
    EXPECT_EQ(data.GetPaperSize(), wxSize(0, 0));
    EXPECT_EQ(customPaper(data), 48);
}

TEST_F(PrintDataTest, PaperSizeInTenthsRoundsToMillimetres)
{
    PrintData data;
    const POINT tenths{595, 846};
    data.setDmPaperSize(300, &tenths);
    EXPECT_EQ(data.GetPaperSize(), wxSize(60, 85));
    EXPECT_EQ(customPaper(data), 300);
    data.setDmPaperSize(DMPAPER_A4, static_cast<const POINT*>(nullptr));
    EXPECT_EQ(data.GetPaperId(), wxPAPER_A4);
}

TEST_F(PrintDataTest, NoPaperGivesNoNumber)
{
    PrintData data;
    short dm = 1234;
    EXPECT_FALSE(data.getDmPaperSize(dm));
    EXPECT_EQ(dm, 1234);
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
    EXPECT_GT(vspool::counts().documentProperties, 0u);
}

TEST_F(PrintDataTest, ResolveConflictsFailsForAVanishedPrinter)
{
    PrintData data(kMfp);
    ASSERT_TRUE(vspool::removePrinter(kMfp));
    data.SetNoCopies(3);
    EXPECT_FALSE(data.ResolveConflicts());
    HGLOBAL dm = WindowsPrintNativeData::GetNativeData(data)->GetDevMode();
    EXPECT_EQ(GlobalFlags(dm) & GMEM_LOCKCOUNT, 0u);
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
