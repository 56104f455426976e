// PrintDlgW in return-default mode (what it hands over, who owns it) and ExtEscape's
// PostScript identification on printer device contexts.
#include "SpoolerFixture.h"
#include "platform/win32/commdlg.h"
#include "platform/win32/wstr.h"

#include <cstring>

namespace {

using PrintDialog = SpoolerTest;
using Escape = SpoolerTest;

PRINTDLGW returnDefault()
{
    PRINTDLGW pd;
    std::memset(&pd, 0, sizeof pd);
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    return pd;
}

TEST_F(PrintDialog, ReturnDefaultHandsOverDevModeAndDevNames)
{
    ASSERT_TRUE(SetDefaultPrinterW(u"Large Format Plotter"));
    PRINTDLGW pd = returnDefault();
    ASSERT_TRUE(PrintDlgW(&pd));
    ASSERT_NE(pd.hDevNames, nullptr);
    EXPECT_EQ(pd.hDC, nullptr);
    EXPECT_EQ(GlobalSize(pd.hDevMode), 220u + 320u);
    EXPECT_EQ(GlobalFlags(pd.hDevMode) & GMEM_LOCKCOUNT, 0u); // handed over unlocked

    const auto* dn = static_cast<const DEVNAMES*>(GlobalLock(pd.hDevNames));
    const auto* chars = reinterpret_cast<const WCHAR*>(dn);
    EXPECT_EQ(win32::fromUtf16(chars + dn->wDriverOffset), L"winspool");
    EXPECT_EQ(win32::fromUtf16(chars + dn->wDeviceOffset), L"Large Format Plotter");
    EXPECT_EQ(win32::fromUtf16(chars + dn->wOutputOffset), L"PLOT1:");
    EXPECT_EQ(dn->wDefault, DN_DEFAULTPRN);
    GlobalUnlock(pd.hDevNames);
    EXPECT_EQ(GlobalFree(pd.hDevMode), nullptr);
    EXPECT_EQ(GlobalFree(pd.hDevNames), nullptr);

    // Asked for, a device context comes too; the fixture sees that all three are released.
    pd = returnDefault();
    pd.Flags |= PD_RETURNDC;
    ASSERT_TRUE(PrintDlgW(&pd));
    ASSERT_NE(pd.hDC, nullptr);
    EXPECT_TRUE(DeleteDC(pd.hDC));
    GlobalFree(pd.hDevMode);
    GlobalFree(pd.hDevNames);
}

TEST_F(PrintDialog, FailuresAreReportedThroughCommDlgExtendedError)
{
    vspool::setPrinters({printer(L"Lonely")}, L"");
    PRINTDLGW pd = returnDefault();
    EXPECT_FALSE(PrintDlgW(&pd));
    EXPECT_EQ(CommDlgExtendedError(), PDERR_NODEFAULTPRN);
    EXPECT_EQ(pd.hDevMode, nullptr);

    vspool::setPrinters({printer(L"Lonely")}, L"Lonely");
    pd = returnDefault();
    pd.lStructSize = 136;
    EXPECT_FALSE(PrintDlgW(&pd));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);

    pd = returnDefault();
    int fake = 0;
    pd.hDevNames = &fake;
    EXPECT_FALSE(PrintDlgW(&pd));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_INITIALIZATION);
    EXPECT_EQ(pd.hDevMode, nullptr);

    pd = returnDefault();
    pd.Flags = 0; // the dialog itself: as if cancelled
    EXPECT_FALSE(PrintDlgW(&pd));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

int queryEscape(HDC dc, DWORD escape)
{
    return ExtEscape(dc, QUERYESCSUPPORT, sizeof escape, reinterpret_cast<LPCSTR>(&escape), 0, nullptr);
}

TEST_F(Escape, PostScriptIdentifyOnlyOnPostScriptDrivers)
{
    HDC ps = CreateDCW(u"winspool", u"Office Colour MFP", nullptr, nullptr);
    HDC plain = CreateDCW(nullptr, u"Large Format Plotter", nullptr, nullptr);
    ASSERT_NE(ps, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_TRUE(givesWithError([&] { return queryEscape(ps, POSTSCRIPT_IDENTIFY) > 0; }, true, kPoison));
    EXPECT_TRUE(givesWithError([&] { return queryEscape(plain, POSTSCRIPT_IDENTIFY); }, 0, kPoison));
    EXPECT_TRUE(givesWithError([&] { return queryEscape(plain, QUERYESCSUPPORT) > 0; }, true, kPoison));

    const WORD shortInput = POSTSCRIPT_IDENTIFY;
    const auto shortQuery = [&] {
        return ExtEscape(ps, QUERYESCSUPPORT, sizeof shortInput, reinterpret_cast<LPCSTR>(&shortInput), 0, nullptr);
    };
    EXPECT_TRUE(givesWithError(shortQuery, -1, ERROR_INVALID_PARAMETER));

    EXPECT_TRUE(DeleteDC(ps));
    EXPECT_TRUE(DeleteDC(plain));
    EXPECT_TRUE(givesWithError([&] { return queryEscape(ps, POSTSCRIPT_IDENTIFY); }, -1, ERROR_INVALID_HANDLE));
    EXPECT_TRUE(givesWithError([&] { return DeleteDC(ps); }, FALSE, ERROR_INVALID_HANDLE));
    EXPECT_TRUE(givesWithError([] { return CreateDCW(u"winspool", u"Nobody", nullptr, nullptr); }, nullptr,
                               ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(givesWithError([] { return CreateDCW(u"DISPLAY", nullptr, nullptr, nullptr); }, nullptr,
                               ERROR_NOT_SUPPORTED));
}

TEST_F(Escape, DeviceCapsGiveResolutionAndPrintableOffsetOfTheSettings)
{
    ASSERT_TRUE(vspool::changePrinter(L"Large Format Plotter", [](vspool::Printer& p) {
        for (vspool::Paper& paper : p.papers)
            paper.margins = {127, 127, 127, 127};
    }));
    DEVMODEW dm{};
    dm.dmSize = sizeof dm;
    dm.dmFields = DM_PRINTQUALITY | DM_YRESOLUTION;
    const struct {
        short quality, yResolution;
        int dpiX, dpiY;
    } cases[] = {{300, 300, 300, 300}, {600, 0, 600, 600}, {DMRES_HIGH, 0, 0, 0}};
    for (const auto& c : cases) {
        dm.dmPrintQuality = c.quality;
        dm.dmYResolution = c.yResolution;
        HDC dc = CreateDCW(nullptr, u"Large Format Plotter", nullptr, &dm);
        ASSERT_NE(dc, nullptr);
        const int x = GetDeviceCaps(dc, LOGPIXELSX);
        const int y = GetDeviceCaps(dc, LOGPIXELSY);
        if (c.dpiX) { // a symbolic quality is whatever the driver makes of it
            EXPECT_EQ(x, c.dpiX);
            EXPECT_EQ(y, c.dpiY);
        }
        ASSERT_GT(x, 0);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), x / 2); // 12.7 mm is half an inch
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), y / 2);
        EXPECT_EQ(GetDeviceCaps(dc, 0), 0);
        EXPECT_TRUE(DeleteDC(dc));
        EXPECT_TRUE(givesWithError([&] { return GetDeviceCaps(dc, LOGPIXELSX); }, 0, kPoison));
    }
}

} // namespace
