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
    EXPECT_EQ(win32::fromUtf16(d.dmFormName), L"ISO A1 (594.00 x 841.00 MM)");
    EXPECT_EQ(d.dmFields & DM_DUPLEX, 0u); // no duplex unit
    EXPECT_EQ(d.dmFields & (DM_PAPERSIZE | DM_COLOR | DM_FORMNAME), DM_PAPERSIZE | DM_COLOR | DM_FORMNAME);
    const std::vector<BYTE> priv = vspool::privateData(vspool::printers()[1]);
    EXPECT_EQ(std::memcmp(devModePrivate(&d), priv.data(), priv.size()), 0);
}

// The driver's defaults of `printer` with `set` applied and only `fields` flagged, after the
// driver has validated them.
template <class Set>
std::vector<BYTE> validated(const wchar_t* printer, DWORD fields, Set set)
{
    Opened p(printer);
    std::vector<BYTE> buf = defaults(p);
    dm(buf).dmFields = fields;
    set(dm(buf));
    merge(p, buf);
    return buf;
}

const wchar_t* const kMfp = L"Office Colour MFP";
const wchar_t* const kMono = L"Draft Mono Printer";

TEST_F(DocumentProperties, DriverTakesOrCorrectsOneMember)
{
    const struct {
        const wchar_t* printer;
        DWORD field;
        short DEVMODEW::*member;
        short in, out;
    } cases[] = {
        {kMono, DM_PAPERSIZE, &DEVMODEW::dmPaperSize, 8, 9}, // an unlisted paper: the default
        {kMono, DM_COPIES, &DEVMODEW::dmCopies, 50, 9},      // copies clamped to the driver's range
        {kMfp, DM_COPIES, &DEVMODEW::dmCopies, -3, 1},
        {kMono, DM_COLOR, &DEVMODEW::dmColor, DMCOLOR_COLOR, DMCOLOR_MONOCHROME},
        {L"Large Format Plotter", DM_DUPLEX, &DEVMODEW::dmDuplex, DMDUP_VERTICAL, DMDUP_SIMPLEX}, // no duplex unit
        {kMfp, DM_DUPLEX, &DEVMODEW::dmDuplex, DMDUP_HORIZONTAL, DMDUP_HORIZONTAL},
        {kMfp, DM_PRINTQUALITY, &DEVMODEW::dmPrintQuality, 720, 600}, // unsupported: the default
        {L"Studio Photo Printer", DM_DEFAULTSOURCE, &DEVMODEW::dmDefaultSource, 4, 4},
        {L"Studio Photo Printer", DM_DEFAULTSOURCE, &DEVMODEW::dmDefaultSource, 2, 1}, // no such tray
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        std::vector<BYTE> buf = validated(c.printer, c.field, [&](DEVMODEW& d) { d.*c.member = c.in; });
        EXPECT_EQ(dm(buf).*c.member, c.out);
    }
    // Pages per sheet: 1 to 16, anything else is one.
    for (const DWORD nup : {16u, 17u}) {
        std::vector<BYTE> buf = validated(kMfp, DM_NUP, [&](DEVMODEW& d) { d.dmNup = nup; });
        EXPECT_EQ(dm(buf).dmNup, nup == 16 ? 16u : 1u);
    }
}

TEST_F(DocumentProperties, DriverCompletesPapersFormsAndResolutions)
{
    // A listed paper is taken with its size and form name.
    std::vector<BYTE> buf = validated(kMfp, DM_PAPERSIZE, [](DEVMODEW& d) { d.dmPaperSize = 8; });
    EXPECT_EQ(dm(buf).dmPaperWidth, 2970);
    EXPECT_EQ(win32::fromUtf16(dm(buf).dmFormName), L"A3");
    // A known form name selects its paper; an unknown one is cleared.
    buf = validated(kMfp, DM_FORMNAME, [](DEVMODEW& d) { win32::copyToField(d.dmFormName, CCHFORMNAME, u"letter"); });
    EXPECT_EQ(dm(buf).dmPaperSize, 1);
    EXPECT_EQ(win32::fromUtf16(dm(buf).dmFormName), L"Letter");
    buf = validated(kMfp, DM_FORMNAME,
                    [](DEVMODEW& d) { win32::copyToField(d.dmFormName, CCHFORMNAME, u"Poster 70x100"); });
    EXPECT_EQ(dm(buf).dmFields & DM_FORMNAME, 0u);
    EXPECT_EQ(dm(buf).dmPaperSize, 9);
    // A supported resolution brings its Y resolution.
    buf = validated(kMfp, DM_PRINTQUALITY, [](DEVMODEW& d) { d.dmPrintQuality = 1200; });
    EXPECT_EQ(dm(buf).dmYResolution, 1200);
    // Members not flagged in dmFields are not read.
    buf = validated(kMfp, DM_ORIENTATION, [](DEVMODEW& d) {
        d.dmOrientation = DMORIENT_LANDSCAPE;
        d.dmCopies = 5;
    });
    EXPECT_EQ(dm(buf).dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(dm(buf).dmCopies, 1);
}

TEST_F(DocumentProperties, StalePrivateBytesAreRepairedAndValidOnesKept)
{
    Opened p(kMfp);
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

    // Private bytes that are valid for the current driver come back unchanged, unless they are
    // announced at another length.
    std::vector<BYTE> current = buf;
    merge(p, buf);
    EXPECT_EQ(buf, current);
    vspool::Printer driver;
    ASSERT_TRUE(vspool::changePrinter(L"Office Colour MFP", [&](vspool::Printer& pr) { driver = pr; }));
    devModePrivate(&dm(buf))[10] ^= 0xFF;
    vspool::sealPrivate(driver, devModePrivate(&dm(buf)));
    current = buf;
    dm(buf).dmDriverExtra = static_cast<WORD>(driver.privateBytes - 1);
    merge(p, buf);
    EXPECT_NE(std::vector<BYTE>(buf.begin() + 220, buf.end()), std::vector<BYTE>(current.begin() + 220, current.end()));
}

// Settings of another shape: private bytes of another length are replaced by the driver's, and
// an older, shorter public part is read only up to its dmSize.
TEST_F(DocumentProperties, InputOfAnotherShapeIsReadAsFarAsItGoes)
{
    Opened p(L"Office Colour MFP");
    std::vector<BYTE> in(220 + 8, 0xAB), out(220 + 64);
    std::memset(in.data(), 0, 220);
    dm(in).dmSize = 220;
    dm(in).dmDriverExtra = 8;
    dm(in).dmFields = DM_COPIES;
    dm(in).dmCopies = 3;
    const auto mergeInto = [&] {
        return DocumentPropertiesW(nullptr, p.h, p.name.c_str(), &dm(out), &dm(in), DM_IN_BUFFER | DM_OUT_BUFFER);
    };
    ASSERT_EQ(mergeInto(), IDOK);
    EXPECT_EQ(dm(out).dmCopies, 3);
    EXPECT_EQ(dm(out).dmDriverExtra, 64);
    EXPECT_EQ(std::vector<BYTE>(out.begin() + 220, out.end()), vspool::privateData(vspool::printers()[0]));

    dm(in).dmSize = offsetof(DEVMODEW, dmFormName); // a version without form name and later members
    dm(in).dmDriverExtra = 0;
    dm(in).dmFields = DM_COPIES | DM_MEDIATYPE;
    dm(in).dmCopies = 2;
    dm(in).dmMediaType = 77;
    ASSERT_EQ(mergeInto(), IDOK);
    EXPECT_EQ(dm(out).dmCopies, 2);
    EXPECT_EQ(dm(out).dmMediaType, 0u);
}

TEST_F(DocumentProperties, FailuresReturnMinusOneWithTheirError)
{
    Opened p(kMfp);
    int bogus = 0;
    std::vector<BYTE> tiny(300, 0);
    dm(tiny).dmSize = 40; // shorter than any DEVMODE ever was
    const auto call = [&](HANDLE h, LPCWSTR name, DEVMODEW* out, DWORD mode) {
        return [=] { return DocumentPropertiesW(nullptr, h, name, out, out, mode); };
    };
    EXPECT_TRUE(givesWithError(call(nullptr, u"No Such Printer", nullptr, 0), -1, ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(givesWithError(call(&bogus, p.name.c_str(), nullptr, 0), -1, ERROR_INVALID_HANDLE));
    EXPECT_TRUE(givesWithError(call(p.h, p.name.c_str(), nullptr, DM_OUT_BUFFER), -1, ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(givesWithError(call(p.h, p.name.c_str(), &dm(tiny), DM_IN_BUFFER | DM_OUT_BUFFER), -1,
                               ERROR_INVALID_PARAMETER));
}

// Nothing is cached below the library: every call asks the driver and sees run-time changes.
TEST_F(DocumentProperties, EveryCallIsADriverQueryAndSeesChangedDefaults)
{
    Opened p(L"Office Colour MFP");
    vspool::resetCounts();
    std::vector<BYTE> buf = defaults(p);
    merge(p, buf);
    EXPECT_EQ(vspool::counts().documentProperties, 3u);
    ASSERT_TRUE(vspool::changePrinter(L"Office Colour MFP", [](vspool::Printer& pr) { pr.defaults.copies = 4; }));
    EXPECT_EQ(dm(buf = defaults(p)).dmCopies, 4);
}

} // namespace
