// DocumentPropertiesW: size query, the driver's defaults, and the merge in which the driver
// validates and corrects the settings it is handed.
#include "SpoolerFixture.h"
#include "platform/win32/wstr.h"

#include <cstring>
#include <vector>

namespace {

using DocumentProperties = SpoolerTest;

struct Opened {
    explicit Opened(const wchar_t* name) : name(win32::toUtf16(name)) { OpenPrinterW(this->name.c_str(), &h, nullptr); }
    ~Opened() { ClosePrinter(h); }
    std::u16string name;
    HANDLE h = nullptr;
};

// The driver's defaults of an open printer, through the size query and DM_OUT_BUFFER.
std::vector<BYTE> defaults(const Opened& p)
{
    SetLastError(kPoison);
    const LONG size = DocumentPropertiesW(nullptr, p.h, p.name.c_str(), nullptr, nullptr, 0);
    EXPECT_GT(size, 0);
    std::vector<BYTE> buf(static_cast<std::size_t>(size > 0 ? size : 0), 0xCC);
    EXPECT_EQ(DocumentPropertiesW(nullptr, p.h, p.name.c_str(), reinterpret_cast<DEVMODEW*>(buf.data()), nullptr,
                                  DM_OUT_BUFFER),
              IDOK);
    EXPECT_EQ(GetLastError(), kPoison);
    return buf;
}

DEVMODEW& dm(std::vector<BYTE>& buf) { return *reinterpret_cast<DEVMODEW*>(buf.data()); }

// Merges buf into the driver's defaults in place, as ResolveConflicts does.
void merge(const Opened& p, std::vector<BYTE>& buf)
{
    SetLastError(kPoison);
    EXPECT_EQ(DocumentPropertiesW(nullptr, p.h, p.name.c_str(), &dm(buf), &dm(buf), DM_IN_BUFFER | DM_OUT_BUFFER),
              IDOK);
    EXPECT_EQ(GetLastError(), kPoison);
}

TEST_F(DocumentProperties, SizeCountsPublicPartAndPrivateBytes)
{
    Opened plotter(L"Large Format Plotter"), mono(L"Draft Mono Printer");
    poison();
    EXPECT_EQ(DocumentPropertiesW(nullptr, plotter.h, plotter.name.c_str(), nullptr, nullptr, 0), 220 + 320);
    EXPECT_EQ(DocumentPropertiesW(nullptr, mono.h, mono.name.c_str(), nullptr, nullptr, 0), 220);
    // Without a handle the device name is enough.
    EXPECT_EQ(DocumentPropertiesW(nullptr, nullptr, u"large format plotter", nullptr, nullptr, 0), 540);
    EXPECT_EQ(GetLastError(), kPoison);
}

TEST_F(DocumentProperties, OutBufferGivesTheDriversDefaults)
{
    Opened p(L"Large Format Plotter");
    std::vector<BYTE> buf = defaults(p);
    const DEVMODEW& d = dm(buf);
    EXPECT_EQ(win32::fromUtf16(d.dmDeviceName), L"Large Format Plotter");
    EXPECT_EQ(d.dmSpecVersion, DM_SPECVERSION);
    EXPECT_EQ(d.dmSize, 220);
    EXPECT_EQ(d.dmDriverExtra, 320);
    EXPECT_EQ(d.dmPaperSize, 300);
    EXPECT_EQ(win32::fromUtf16(d.dmFormName), L"ISO A1 (594.00 x 841.00 MM)");
    EXPECT_EQ(d.dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(d.dmFields & DM_DUPLEX, 0u); // no duplex unit
    EXPECT_EQ(d.dmFields & (DM_PAPERSIZE | DM_COLOR | DM_FORMNAME), DM_PAPERSIZE | DM_COLOR | DM_FORMNAME);
    const std::vector<BYTE> priv = vspool::privateData(vspool::printers()[1]);
    EXPECT_EQ(std::memcmp(devModePrivate(&d), priv.data(), priv.size()), 0);
}

TEST_F(DocumentProperties, DriverValidatesWhatItIsHanded)
{
    struct Case {
        const wchar_t* printer;
        DWORD fields;
        void (*set)(DEVMODEW&);
        void (*check)(const DEVMODEW&);
    };
    const Case cases[] = {
        // a listed paper is taken, with its size and form name
        {L"Office Colour MFP", DM_PAPERSIZE, [](DEVMODEW& d) { d.dmPaperSize = 8; },
         [](const DEVMODEW& d) {
             EXPECT_EQ(d.dmPaperSize, 8);
             EXPECT_EQ(d.dmPaperWidth, 2970);
             EXPECT_EQ(win32::fromUtf16(d.dmFormName), L"A3");
         }},
        // an unlisted paper falls back to the default
        {L"Draft Mono Printer", DM_PAPERSIZE, [](DEVMODEW& d) { d.dmPaperSize = 8; },
         [](const DEVMODEW& d) { EXPECT_EQ(d.dmPaperSize, 9); }},
        // copies are clamped to the driver's range
        {L"Draft Mono Printer", DM_COPIES, [](DEVMODEW& d) { d.dmCopies = 50; },
         [](const DEVMODEW& d) { EXPECT_EQ(d.dmCopies, 9); }},
        {L"Office Colour MFP", DM_COPIES, [](DEVMODEW& d) { d.dmCopies = -3; },
         [](const DEVMODEW& d) { EXPECT_EQ(d.dmCopies, 1); }},
        // colour on a monochrome printer becomes monochrome
        {L"Draft Mono Printer", DM_COLOR, [](DEVMODEW& d) { d.dmColor = DMCOLOR_COLOR; },
         [](const DEVMODEW& d) { EXPECT_EQ(d.dmColor, DMCOLOR_MONOCHROME); }},
        // duplex without a duplex unit stays simplex; with one it is taken
        {L"Large Format Plotter", DM_DUPLEX, [](DEVMODEW& d) { d.dmDuplex = DMDUP_VERTICAL; },
         [](const DEVMODEW& d) { EXPECT_EQ(d.dmDuplex, DMDUP_SIMPLEX); }},
        {L"Office Colour MFP", DM_DUPLEX, [](DEVMODEW& d) { d.dmDuplex = DMDUP_HORIZONTAL; },
         [](const DEVMODEW& d) { EXPECT_EQ(d.dmDuplex, DMDUP_HORIZONTAL); }},
        // a known form name selects its paper; an unknown one is cleared
        {L"Office Colour MFP", DM_FORMNAME,
         [](DEVMODEW& d) { win32::copyToField(d.dmFormName, CCHFORMNAME, u"letter"); },
         [](const DEVMODEW& d) {
             EXPECT_EQ(d.dmPaperSize, 1);
             EXPECT_EQ(win32::fromUtf16(d.dmFormName), L"Letter");
         }},
        {L"Office Colour MFP", DM_FORMNAME,
         [](DEVMODEW& d) { win32::copyToField(d.dmFormName, CCHFORMNAME, u"Poster 70x100"); },
         [](const DEVMODEW& d) {
             EXPECT_EQ(d.dmFormName[0], 0);
             EXPECT_EQ(d.dmFields & DM_FORMNAME, 0u);
             EXPECT_EQ(d.dmPaperSize, 9);
         }},
        // an unsupported resolution keeps the default; a supported one brings its Y resolution
        {L"Office Colour MFP", DM_PRINTQUALITY, [](DEVMODEW& d) { d.dmPrintQuality = 720; },
         [](const DEVMODEW& d) { EXPECT_EQ(d.dmPrintQuality, 600); }},
        {L"Office Colour MFP", DM_PRINTQUALITY, [](DEVMODEW& d) { d.dmPrintQuality = 1200; },
         [](const DEVMODEW& d) {
             EXPECT_EQ(d.dmPrintQuality, 1200);
             EXPECT_EQ(d.dmYResolution, 1200);
         }},
        // members not flagged in dmFields are not read
        {L"Office Colour MFP", DM_ORIENTATION,
         [](DEVMODEW& d) {
             d.dmOrientation = DMORIENT_LANDSCAPE;
             d.dmCopies = 5;
         },
         [](const DEVMODEW& d) {
             EXPECT_EQ(d.dmOrientation, DMORIENT_LANDSCAPE);
             EXPECT_EQ(d.dmCopies, 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printer);
        Opened p(c.printer);
        std::vector<BYTE> buf = defaults(p);
        dm(buf).dmFields = c.fields;
        c.set(dm(buf));
        merge(p, buf);
        c.check(dm(buf));
    }
}

TEST_F(DocumentProperties, StalePrivateBytesAreRepairedAndValidOnesKept)
{
    Opened p(L"Office Colour MFP");
    std::vector<BYTE> buf = defaults(p);
    const std::vector<BYTE> good(buf.begin() + 220, buf.end());

    devModePrivate(&dm(buf))[10] ^= 0xFF; // checksum no longer matches
    merge(p, buf);
    EXPECT_EQ(std::vector<BYTE>(buf.begin() + 220, buf.end()), good);

    // A driver update changes the version: settings saved before it are stale.
    ASSERT_TRUE(vspool::changePrinter(L"Office Colour MFP", [](vspool::Printer& pr) { pr.privateVersion = 4; }));
    merge(p, buf);
    EXPECT_NE(std::vector<BYTE>(buf.begin() + 220, buf.end()), good);
    EXPECT_EQ(devModePrivate(&dm(buf))[0], 4);

    // Private bytes that are valid for the current driver come back unchanged.
    std::vector<BYTE> current = buf;
    merge(p, buf);
    EXPECT_EQ(buf, current);
}

TEST_F(DocumentProperties, PrivateBytesOfAnotherLengthAreReplaced)
{
    Opened p(L"Office Colour MFP");
    std::vector<BYTE> in(220 + 8, 0xAB);
    std::memset(in.data(), 0, 220);
    dm(in).dmSize = 220;
    dm(in).dmDriverExtra = 8;
    dm(in).dmFields = DM_COPIES;
    dm(in).dmCopies = 3;
    std::vector<BYTE> out(220 + 64);
    ASSERT_EQ(DocumentPropertiesW(nullptr, p.h, p.name.c_str(), &dm(out), &dm(in), DM_IN_BUFFER | DM_OUT_BUFFER), IDOK);
    EXPECT_EQ(dm(out).dmCopies, 3);
    EXPECT_EQ(dm(out).dmDriverExtra, 64);
    EXPECT_EQ(std::vector<BYTE>(out.begin() + 220, out.end()), vspool::privateData(vspool::printers()[0]));
}

TEST_F(DocumentProperties, AShorterOldDevModeIsReadOnlyUpToItsSize)
{
    Opened p(L"Office Colour MFP");
    std::vector<BYTE> in(220, 0);
    dm(in).dmSize = offsetof(DEVMODEW, dmFormName); // a version without form name and later members
    dm(in).dmFields = DM_COPIES | DM_MEDIATYPE;
    dm(in).dmCopies = 2;
    dm(in).dmMediaType = 77;
    std::vector<BYTE> out(284);
    ASSERT_EQ(DocumentPropertiesW(nullptr, p.h, p.name.c_str(), &dm(out), &dm(in), DM_IN_BUFFER | DM_OUT_BUFFER), IDOK);
    EXPECT_EQ(dm(out).dmCopies, 2);
    EXPECT_EQ(dm(out).dmMediaType, 0u);
    EXPECT_EQ(dm(out).dmSize, 220);
}

TEST_F(DocumentProperties, FailuresReturnMinusOneWithTheirError)
{
    Opened p(L"Office Colour MFP");
    poison();
    EXPECT_EQ(DocumentPropertiesW(nullptr, nullptr, u"No Such Printer", nullptr, nullptr, 0), -1);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
    int bogus = 0;
    poison();
    EXPECT_EQ(DocumentPropertiesW(nullptr, &bogus, u"Office Colour MFP", nullptr, nullptr, 0), -1);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    poison();
    EXPECT_EQ(DocumentPropertiesW(nullptr, p.h, p.name.c_str(), nullptr, nullptr, DM_OUT_BUFFER), -1);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    std::vector<BYTE> tiny(300, 0);
    dm(tiny).dmSize = 40;
    poison();
    EXPECT_EQ(DocumentPropertiesW(nullptr, p.h, p.name.c_str(), &dm(tiny), &dm(tiny), DM_IN_BUFFER | DM_OUT_BUFFER), -1);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(DocumentProperties, EveryCallIsADriverQuery)
{
    Opened p(L"Office Colour MFP");
    vspool::resetCounts();
    std::vector<BYTE> buf = defaults(p);
    merge(p, buf);
    EXPECT_EQ(vspool::counts().documentProperties, 3u);
    EXPECT_EQ(vspool::counts().deviceCapabilities, 0u);
}

TEST_F(DocumentProperties, DefaultsChangedAtRunTimeAreReportedAtOnce)
{
    ASSERT_TRUE(vspool::changePrinter(L"Office Colour MFP", [](vspool::Printer& pr) {
        pr.defaults.paper = 1;
        pr.defaults.copies = 4;
        pr.driverVersion = 0x0700;
    }));
    Opened p(L"Office Colour MFP");
    std::vector<BYTE> buf = defaults(p);
    EXPECT_EQ(dm(buf).dmPaperSize, 1);
    EXPECT_EQ(dm(buf).dmCopies, 4);
    EXPECT_EQ(dm(buf).dmDriverVersion, 0x0700);
}

} // namespace
