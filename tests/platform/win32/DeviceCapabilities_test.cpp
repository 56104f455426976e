// DeviceCapabilitiesW: the paper lists (count query, then the list) and the scalar answers.
#include "SpoolerFixture.h"
#include "platform/win32/wstr.h"

#include <vector>

namespace {

using DeviceCapabilities = SpoolerTest;

TEST_F(DeviceCapabilities, PaperNumbersSizesAndNamesLineUp)
{
    const LPCWSTR plotter = u"Large Format Plotter";
    poison();
    const int n = DeviceCapabilitiesW(plotter, u"PLOT1:", DC_PAPERS, nullptr, nullptr);
    ASSERT_EQ(n, 17);
    EXPECT_EQ(DeviceCapabilitiesW(plotter, nullptr, DC_PAPERSIZE, nullptr, nullptr), n);
    EXPECT_EQ(DeviceCapabilitiesW(plotter, nullptr, DC_PAPERNAMES, nullptr, nullptr), n);

    std::vector<WORD> ids(n + 1, 0xFFFF);
    EXPECT_EQ(DeviceCapabilitiesW(plotter, nullptr, DC_PAPERS, reinterpret_cast<LPWSTR>(ids.data()), nullptr), n);
    std::vector<POINT> sizes(n);
    EXPECT_EQ(DeviceCapabilitiesW(plotter, nullptr, DC_PAPERSIZE, reinterpret_cast<LPWSTR>(sizes.data()), nullptr), n);
    std::vector<WCHAR> names(n * kPaperNameChars + 1, u'#');
    EXPECT_EQ(DeviceCapabilitiesW(plotter, nullptr, DC_PAPERNAMES, names.data(), nullptr), n);
    EXPECT_EQ(GetLastError(), kPoison);

    EXPECT_EQ(ids[n], 0xFFFF); // nothing written past the list
    EXPECT_EQ(names[n * kPaperNameChars], u'#');
    const std::vector<vspool::Paper> model = vspool::printers()[1].papers;
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ids[i], model[i].id);
        EXPECT_EQ(sizes[i].x, model[i].width);
        EXPECT_EQ(sizes[i].y, model[i].height);
        EXPECT_EQ(win32::fromUtf16(&names[i * kPaperNameChars], kPaperNameChars), model[i].name);
    }
    // A name of exactly 64 characters fills its field with no terminator.
    const WCHAR* full = &names[16 * kPaperNameChars];
    EXPECT_EQ(model[16].name.size(), 64u);
    EXPECT_NE(full[63], 0);
    EXPECT_EQ(full[64], u'#');
}

TEST_F(DeviceCapabilities, ScalarAnswersFollowThePrinter)
{
    struct Case {
        const char16_t* printer;
        WORD cap;
        int expected;
    };
    const Case cases[] = {
        {u"Office Colour MFP", DC_DUPLEX, 1},       {u"Large Format Plotter", DC_DUPLEX, 0},
        {u"Office Colour MFP", DC_COLORDEVICE, 1},  {u"Draft Mono Printer", DC_COLORDEVICE, 0},
        {u"Draft Mono Printer", DC_COPIES, 9},      {u"Large Format Plotter", DC_EXTRA, 320},
        {u"Large Format Plotter", DC_SIZE, 220},    {u"Large Format Plotter", DC_DRIVER, 2050},
        {u"Office Colour MFP", DC_VERSION, 0x0401}, {u"Office Colour MFP", DC_ENUMRESOLUTIONS, 3},
        {u"Draft Mono Printer", DC_MAXEXTENT, (3556 << 16) | 2159},
        {u"Draft Mono Printer", DC_MINEXTENT, (2794 << 16) | 2100},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(givesWithError([&] { return DeviceCapabilitiesW(c.printer, nullptr, c.cap, nullptr, nullptr); },
                                   c.expected, kPoison))
            << c.cap;
    }
    LONG res[6] = {};
    ASSERT_EQ(DeviceCapabilitiesW(u"Office Colour MFP", nullptr, DC_ENUMRESOLUTIONS, reinterpret_cast<LPWSTR>(res),
                                  nullptr),
              3);
    EXPECT_EQ(res[4], 1200);
    EXPECT_EQ(res[5], 1200);
    const int fields = DeviceCapabilitiesW(u"Draft Mono Printer", nullptr, DC_FIELDS, nullptr, nullptr);
    EXPECT_EQ(fields & static_cast<int>(DM_COLOR), 0);
    EXPECT_NE(fields & static_cast<int>(DM_PAPERSIZE), 0);
}

// A printers file's trays, resolutions and per-paper margins, as the driver calls report them.
TEST_F(DeviceCapabilities, TraysResolutionsAndMarginsOfADescription)
{
    ASSERT_TRUE(vspool::loadText(R"json({"printers": [{"name": "Trays", "driver": "D", "port": "P",
        "resolutions": [[300, 300], [600, 1200]],
        "bins": [{"id": 1, "name": "Upper tray"}, {"id": 260, "name": "Bypass tray (manual fed)"}],
        "papers": [{"id": 9, "name": "A4", "width": 2100, "height": 2970,
                    "margins": {"left": 40, "top": 50, "right": 60, "bottom": 70}},
                   {"id": 8, "name": "A3", "width": 2970, "height": 4200}],
        "defaults": {"default_source": 260}}]})json",
                                 "test"))
        << vspool::lastMessage();
    const LPCWSTR trays = u"Trays";
    WORD bins[3] = {0, 0, 0xFFFF};
    ASSERT_EQ(DeviceCapabilitiesW(trays, nullptr, DC_BINS, reinterpret_cast<LPWSTR>(bins), nullptr), 2);
    EXPECT_EQ(std::vector<WORD>(bins, bins + 3), (std::vector<WORD>{1, 260, 0xFFFF}));
    std::vector<WCHAR> names(2 * kBinNameChars + 1, u'#');
    ASSERT_EQ(DeviceCapabilitiesW(trays, nullptr, DC_BINNAMES, names.data(), nullptr), 2);
    EXPECT_EQ(win32::fromUtf16(&names[0], kBinNameChars), L"Upper tray");
    EXPECT_EQ(win32::fromUtf16(&names[kBinNameChars], kBinNameChars), L"Bypass tray (manual fed)");
    EXPECT_EQ(names[2 * kBinNameChars], u'#') << "a full name has no terminator";
    LONG res[4] = {};
    ASSERT_EQ(DeviceCapabilitiesW(trays, nullptr, DC_ENUMRESOLUTIONS, reinterpret_cast<LPWSTR>(res), nullptr), 2);
    EXPECT_EQ(std::vector<LONG>(res, res + 4), (std::vector<LONG>{300, 300, 600, 1200}));

    // Offsets in dots of the settings' resolution: 4 mm left and 5 mm top of A4; turned a
    // quarter for landscape (the sheet's bottom and left edges); the printer's 4.2 mm for A3.
    const struct {
        short paper, orientation;
        int x, y;
    } cases[] = {{9, DMORIENT_PORTRAIT, 94, 236}, {9, DMORIENT_LANDSCAPE, 165, 189}, {8, DMORIENT_PORTRAIT, 99, 198}};
    for (const auto& c : cases) {
        DEVMODEW dm{};
        dm.dmSize = sizeof dm;
        dm.dmFields = DM_PAPERSIZE | DM_ORIENTATION | DM_PRINTQUALITY | DM_YRESOLUTION | DM_DEFAULTSOURCE;
        dm.dmPaperSize = c.paper;
        dm.dmOrientation = c.orientation;
        dm.dmPrintQuality = 600;
        dm.dmYResolution = 1200;
        dm.dmDefaultSource = 2; // not a tray of this printer: the driver keeps its default
        HDC dc = CreateDCW(nullptr, trays, nullptr, &dm);
        ASSERT_NE(dc, nullptr);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), c.x) << c.paper << " " << c.orientation;
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), c.y) << c.paper << " " << c.orientation;
        DeleteDC(dc);
    }
}

TEST_F(DeviceCapabilities, UnknownPrinterAndUnsupportedCapability)
{
    const auto ask = [](const char16_t* printer, WORD cap) {
        return [=] { return DeviceCapabilitiesW(printer, nullptr, cap, nullptr, nullptr); };
    };
    EXPECT_TRUE(givesWithError(ask(u"No Such Printer", DC_PAPERS), -1, ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(givesWithError(ask(nullptr, DC_PAPERS), -1, ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(givesWithError(ask(u"Office Colour MFP", 14 /* DC_FILEDEPENDENCIES */), -1, ERROR_NOT_SUPPORTED));
}

TEST_F(DeviceCapabilities, QueriesAreCountedAndPaperChangesShowAtOnce)
{
    EXPECT_EQ(DeviceCapabilitiesW(u"Draft Mono Printer", nullptr, DC_PAPERS, nullptr, nullptr), 3);
    ASSERT_TRUE(vspool::changePrinter(L"Draft Mono Printer", [](vspool::Printer& p) {
        p.papers.push_back({8, L"A3", 2970, 4200, {}});
    }));
    EXPECT_EQ(DeviceCapabilitiesW(u"Draft Mono Printer", nullptr, DC_PAPERS, nullptr, nullptr), 4);
    EXPECT_EQ(DeviceCapabilitiesW(u"Draft Mono Printer", nullptr, DC_COPIES, nullptr, nullptr), 9);
    EXPECT_EQ(vspool::counts().deviceCapabilities, 3u);
    EXPECT_EQ(vspool::counts().documentProperties, 0u);
}

} // namespace
