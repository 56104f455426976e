// What every spooler backend must answer alike, asked through the Win32-shaped calls only: the
// size query then the fetch, one byte or character short refused, the last error set exactly
// where the call fails, and a driver whose answers agree with one another. Each backend joins
// by adding its name (and a set-up that gives it printers) to kBackends.
#include "LastError.h"
#include "support/CupsSandbox.h"
#include "platform/vspool/VirtualSpooler.h"
#include "platform/win32/Spooler.h"
#include "platform/win32/gdi.h"
#include "platform/win32/winspool.h"
#include "platform/win32/codepage.h"
#include "platform/win32/wstr.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const kBackends[] = {
    "virtual",
#ifdef DAVARAZ_TEST_CUPS
    "cups",
#endif
};

class Conformance : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (std::string(GetParam()) == "virtual") {
            ASSERT_TRUE(vspool::loadText(vspool::embeddedDescription(), "embedded"));
        } else {
            ASSERT_TRUE(testutil::useCupsSandbox());
        }
        ASSERT_TRUE(win32::spool::selectBackend(GetParam()));
    }
    void TearDown() override
    {
        EXPECT_EQ(win32::openPrinterHandles(), 0u);
        EXPECT_EQ(win32::openDeviceContexts(), 0u);
        win32::spool::selectBackend("virtual");
    }

    // Every printer, local ones and connections, by a level-4 enumeration.
    static std::vector<std::u16string> printers()
    {
        const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
        DWORD needed = 0, returned = 0;
        EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &returned);
        std::vector<BYTE> buf(needed);
        std::vector<std::u16string> names;
        if (EnumPrintersW(flags, nullptr, 4, buf.data(), needed, &needed, &returned))
            for (DWORD i = 0; i < returned; ++i)
                names.push_back(reinterpret_cast<const PRINTER_INFO_4W*>(buf.data())[i].pPrinterName);
        return names;
    }
};

TEST_P(Conformance, EnumerationAndTheDefaultPrinter)
{
    for (const DWORD level : {2u, 4u, 5u}) {
        SCOPED_TRACE(level);
        DWORD returned = 0;
        fetch([&](BYTE* buf, DWORD size, DWORD* needed) {
            return EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, level, buf, size, needed,
                                 &returned) != FALSE;
        });
    }
    const std::vector<std::u16string> all = printers();
    ASSERT_FALSE(all.empty());

    DWORD chars = 0;
    ASSERT_TRUE(givesWithError([&] { return GetDefaultPrinterW(nullptr, &chars); }, FALSE, ERROR_INSUFFICIENT_BUFFER));
    std::vector<WCHAR> name(chars);
    DWORD shortBy1 = chars - 1;
    EXPECT_TRUE(givesWithError([&] { return GetDefaultPrinterW(name.data(), &shortBy1); }, FALSE,
                               ERROR_INSUFFICIENT_BUFFER));
    EXPECT_TRUE(givesWithError([&] { return GetDefaultPrinterW(name.data(), &chars); }, TRUE, kPoison));
    EXPECT_NE(std::find(all.begin(), all.end(), std::u16string(name.data())), all.end()) << "the default is listed";
}

TEST_P(Conformance, EachPrintersRecordsAndDriverAgree)
{
    for (const std::u16string& printer : printers()) {
        SCOPED_TRACE(win32::toUtf8(win32::fromUtf16(printer.c_str())));
        HANDLE h = nullptr;
        ASSERT_TRUE(givesWithError([&] { return OpenPrinterW(printer.c_str(), &h, nullptr); }, TRUE, kPoison));
        for (const DWORD level : {2u, 4u, 5u})
            fetch([&](BYTE* buf, DWORD size, DWORD* needed) { return GetPrinterW(h, level, buf, size, needed) != FALSE; });
        fetch([&](BYTE* buf, DWORD size, DWORD* needed) {
            return GetPrinterDriverW(h, nullptr, 1, buf, size, needed) != FALSE;
        });

        // The driver's DEVMODE: its size query, the defaults, and its own settings merged back.
        const LONG size = DocumentPropertiesW(nullptr, h, printer.c_str(), nullptr, nullptr, 0);
        ASSERT_GE(size, static_cast<LONG>(offsetof(DEVMODEW, dmFields) + sizeof(DWORD)));
        std::vector<BYTE> dm(static_cast<std::size_t>(size));
        auto* devMode = reinterpret_cast<DEVMODEW*>(dm.data());
        ASSERT_TRUE(givesWithError(
            [&] { return DocumentPropertiesW(nullptr, h, printer.c_str(), devMode, nullptr, DM_OUT_BUFFER); }, IDOK,
            kPoison));
        EXPECT_EQ(devMode->dmSize + devMode->dmDriverExtra, size);
        std::vector<BYTE> merged(dm.size());
        EXPECT_TRUE(givesWithError(
            [&] {
                return DocumentPropertiesW(nullptr, h, printer.c_str(), reinterpret_cast<DEVMODEW*>(merged.data()),
                                           devMode, DM_OUT_BUFFER | DM_IN_BUFFER);
            },
            IDOK, kPoison));
        EXPECT_EQ(merged, dm) << "the driver's own settings come back unchanged";

        // Capabilities: lists of one length, the default paper and tray among them.
        const auto count = [&](WORD cap) { return DeviceCapabilitiesW(printer.c_str(), nullptr, cap, nullptr, devMode); };
        const int papers = count(DC_PAPERS);
        ASSERT_GT(papers, 0);
        EXPECT_EQ(count(DC_PAPERSIZE), papers);
        EXPECT_EQ(count(DC_PAPERNAMES), papers);
        EXPECT_EQ(count(DC_BINNAMES), count(DC_BINS));
        EXPECT_GT(count(DC_ENUMRESOLUTIONS), 0);
        std::vector<WORD> ids(static_cast<std::size_t>(papers));
        DeviceCapabilitiesW(printer.c_str(), nullptr, DC_PAPERS, reinterpret_cast<LPWSTR>(ids.data()), devMode);
        EXPECT_NE(std::find(ids.begin(), ids.end(), static_cast<WORD>(devMode->dmPaperSize)), ids.end());
        std::vector<WORD> bins(static_cast<std::size_t>(std::max(count(DC_BINS), 0)));
        DeviceCapabilitiesW(printer.c_str(), nullptr, DC_BINS, reinterpret_cast<LPWSTR>(bins.data()), devMode);
        if (!bins.empty()) {
            EXPECT_NE(std::find(bins.begin(), bins.end(), static_cast<WORD>(devMode->dmDefaultSource)), bins.end());
        }

        // A device context on those settings: its resolution and a printable origin on the sheet.
        HDC dc = CreateDCW(nullptr, printer.c_str(), nullptr, devMode);
        ASSERT_NE(dc, nullptr);
        const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
        EXPECT_GT(dpiX, 0);
        EXPECT_GT(dpiY, 0);
        EXPECT_GE(GetDeviceCaps(dc, PHYSICALOFFSETX), 0);
        EXPECT_LT(GetDeviceCaps(dc, PHYSICALOFFSETX), devMode->dmPaperWidth * dpiX / 254);
        EXPECT_GE(GetDeviceCaps(dc, PHYSICALOFFSETY), 0);
        EXPECT_LT(GetDeviceCaps(dc, PHYSICALOFFSETY), devMode->dmPaperLength * dpiY / 254);
        DeleteDC(dc);
        ClosePrinter(h);
    }
}

// A raw job on the default printer: started, fed and ended; the calls out of turn refused.
TEST_P(Conformance, RawJobs)
{
    DWORD chars = 0;
    GetDefaultPrinterW(nullptr, &chars);
    std::vector<WCHAR> name(chars);
    ASSERT_TRUE(GetDefaultPrinterW(name.data(), &chars));
    HANDLE h = nullptr;
    ASSERT_TRUE(OpenPrinterW(name.data(), &h, nullptr));
    std::u16string document = u"Sheet \u00e9", raw = u"RAW", emf = u"NT EMF 1.008";
    DOC_INFO_1W doc{&document[0], nullptr, &raw[0]};
    const auto start = [&] { return StartDocPrinterW(h, 1, reinterpret_cast<LPBYTE>(&doc)); };
    char bytes[] = "%!PS\nshowpage\n";
    DWORD written = 7;
    const auto write = [&] { return WritePrinter(h, bytes, sizeof bytes - 1, &written); };

    EXPECT_TRUE(givesWithError(write, FALSE, ERROR_SPL_NO_STARTDOC));
    EXPECT_TRUE(givesWithError([&] { return EndDocPrinter(h); }, FALSE, ERROR_SPL_NO_STARTDOC));
    EXPECT_TRUE(givesWithError([&] { return StartDocPrinterW(h, 2, reinterpret_cast<LPBYTE>(&doc)); }, 0u,
                               ERROR_INVALID_LEVEL));
    doc.pDatatype = &emf[0];
    EXPECT_TRUE(givesWithError(start, 0u, ERROR_INVALID_DATATYPE));
    doc.pDatatype = nullptr;
    const DWORD job = start();
    EXPECT_NE(job, 0u);
    EXPECT_TRUE(givesWithError(start, 0u, ERROR_INVALID_PRINTER_STATE)) << "one job at a time";
    EXPECT_TRUE(givesWithError([&] { return StartPagePrinter(h); }, TRUE, kPoison));
    EXPECT_TRUE(givesWithError(write, TRUE, kPoison));
    EXPECT_EQ(written, sizeof bytes - 1);
    EXPECT_TRUE(givesWithError([&] { return EndPagePrinter(h); }, TRUE, kPoison));
    EXPECT_TRUE(givesWithError([&] { return EndDocPrinter(h); }, TRUE, kPoison));
    EXPECT_NE(start(), job) << "the next job is another";
    EXPECT_TRUE(givesWithError([&] { return AbortPrinter(h); }, TRUE, kPoison));
    EXPECT_TRUE(givesWithError([&] { return AbortPrinter(h); }, FALSE, ERROR_SPL_NO_STARTDOC));
    ClosePrinter(h);
}

TEST_P(Conformance, UnknownPrintersAreRefusedAlike)
{
    const std::u16string nobody = u"No Such Printer Of davaraz";
    HANDLE h = nullptr;
    EXPECT_TRUE(givesWithError([&] { return OpenPrinterW(nobody.c_str(), &h, nullptr); }, FALSE,
                               ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(givesWithError([&] { return DeviceCapabilitiesW(nobody.c_str(), nullptr, DC_PAPERS, nullptr, nullptr); },
                               -1, ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(givesWithError([&] { return CreateDCW(nullptr, nobody.c_str(), nullptr, nullptr); }, nullptr,
                               ERROR_INVALID_PRINTER_NAME));
}

INSTANTIATE_TEST_SUITE_P(Backends, Conformance, ::testing::ValuesIn(kBackends),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
