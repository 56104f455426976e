// The CUPS backend against the test printers of the throwaway server, through the Win32 calls:
// what each device offers, the user's default printer, and jobs as the printers receive them.
#ifdef DAVARAZ_TEST_CUPS
#include "TestUtil.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/print/PrintJob.h"
#include "davaraz/print/PrintFactory.h"
#include "support/WxStart.h"
#include "support/CupsSandbox.h"
#include "platform/cups/CupsOptions.h"
#include "platform/vspool/VirtualDriver.h"
#include "platform/win32/Spooler.h"
#include "platform/win32/winspool.h"
#include "platform/win32/codepage.h"
#include "platform/win32/wstr.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

class CupsSpooler : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testutil::useCupsSandbox());
        ASSERT_TRUE(win32::spool::selectBackend("cups"));
    }
    void TearDown() override { win32::spool::selectBackend("virtual"); }

    static std::vector<WORD> words(LPCWSTR printer, WORD cap)
    {
        std::vector<WORD> out(static_cast<std::size_t>(std::max(0, DeviceCapabilitiesW(printer, nullptr, cap, nullptr, nullptr))));
        DeviceCapabilitiesW(printer, nullptr, cap, reinterpret_cast<LPWSTR>(out.data()), nullptr);
        return out;
    }

    static std::vector<BYTE> defaults(LPCWSTR printer)
    {
        HANDLE h = nullptr;
        EXPECT_TRUE(OpenPrinterW(printer, &h, nullptr));
        std::vector<BYTE> dm(static_cast<std::size_t>(DocumentPropertiesW(nullptr, h, printer, nullptr, nullptr, 0)));
        DocumentPropertiesW(nullptr, h, printer, reinterpret_cast<DEVMODEW*>(dm.data()), nullptr, DM_OUT_BUFFER);
        ClosePrinter(h);
        return dm;
    }

    // A one-page job with those settings, named for this process; what the printer recorded of it.
    static std::string printed(const std::string& printer, const std::vector<BYTE>& settings, const std::string& what)
    {
        const std::string jobName = what + " " + std::to_string(::getpid());
        const wut::JobResult job =
            wut::sendToPrinter(win32::fromUtf8(printer), reinterpret_cast<const DEVMODEW*>(settings.data()),
                               win32::fromUtf8(jobName), "%!PS\n72 72 moveto 200 200 lineto stroke showpage\n");
        EXPECT_TRUE(job) << job.where << " failed, error " << job.error;
        return job ? received(printer, jobName) : std::string();
    }

    // The attributes a test printer recorded for the job of that name, waiting up to 30 s.
    static std::string received(const std::string& printer, const std::string& jobName)
    {
        for (int i = 0; i < 300; ++i) {
            for (const auto& entry : testutil::fs::directory_iterator(testutil::cupsSpool(printer))) {
                const std::string env = testutil::readBytes(entry.path());
                if (entry.path().extension() == ".env" && env.find("IPP_JOB_NAME=" + jobName + "\n") != std::string::npos)
                    return env;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return "";
    }
};

TEST_F(CupsSpooler, EachDeviceAsItsDriverReportsIt)
{
    struct Device {
        LPCWSTR name;
        int color, duplex;
        std::vector<WORD> bins;
        short paper; // the default
    };
    const Device devices[] = {
        {u"Office_Colour", 1, 1, {7, 1, 9}, 1},
        {u"Draft_Mono", 0, 0, {7, 1, 4, 256}, 1},
        {u"Wide_Format", 1, 0, {7, 256, 257, 258, 4}, 0}, // A1: a driver paper
    };
    for (const Device& d : devices) {
        SCOPED_TRACE(win32::toUtf8(win32::fromUtf16(d.name)));
        EXPECT_EQ(DeviceCapabilitiesW(d.name, nullptr, DC_COLORDEVICE, nullptr, nullptr), d.color);
        EXPECT_EQ(DeviceCapabilitiesW(d.name, nullptr, DC_DUPLEX, nullptr, nullptr), d.duplex);
        EXPECT_EQ(words(d.name, DC_BINS), d.bins);
        const std::vector<BYTE> dm = defaults(d.name);
        ASSERT_GE(dm.size(), sizeof(DEVMODEW));
        const auto& settings = *reinterpret_cast<const DEVMODEW*>(dm.data());
        if (d.paper) {
            EXPECT_EQ(settings.dmPaperSize, d.paper);
        } else {
            EXPECT_GE(settings.dmPaperSize, 257);
            EXPECT_EQ(win32::fromUtf16(settings.dmFormName, CCHFORMNAME), L"A1") << "the printer's media default";
        }
        EXPECT_EQ(settings.dmColor, d.color ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME);
    }

    // Margins per paper and side: A4 on the office printer leaves 3.4 mm left and right,
    // 1.02 mm at the top and 11.68 mm at the bottom.
    std::vector<win32::spool::Paper> papers;
    const auto& b = win32::spool::backend();
    ASSERT_TRUE(b.papers(b.context, L"office_colour", nullptr, papers));
    const auto a4 = std::find_if(papers.begin(), papers.end(), [](const auto& p) { return p.id == DMPAPER_A4; });
    ASSERT_NE(a4, papers.end());
    EXPECT_EQ(a4->margins.left, 34);
    EXPECT_EQ(a4->margins.right, 34);
    EXPECT_EQ(a4->margins.top, 11);
    EXPECT_EQ(a4->margins.bottom, 117);
}

TEST_F(CupsSpooler, TheUsersDefaultPrinterLivesInLpoptions)
{
    const auto current = [] {
        DWORD chars = 64;
        std::vector<WCHAR> name(chars);
        return GetDefaultPrinterW(name.data(), &chars) ? win32::fromUtf16(name.data()) : std::wstring();
    };
    EXPECT_EQ(current(), L"Office_Colour") << "the server's default";
    const std::u16string asked = u"draft_mono";
    ASSERT_TRUE(SetDefaultPrinterW(asked.c_str()));
    EXPECT_EQ(current(), L"Draft_Mono");
    EXPECT_NE(testutil::readBytes(std::string(std::getenv("HOME")) + "/.cups/lpoptions").find("Default Draft_Mono"),
              std::string::npos);
    const std::u16string nobody = u"No_Such_Queue";
    EXPECT_FALSE(SetDefaultPrinterW(nobody.c_str()));
    EXPECT_EQ(current(), L"Draft_Mono");
}

// Paper and tray travel together in media-col; sides, colour and copies as options.
TEST_F(CupsSpooler, JobsArriveWithTheirSettings)
{
    struct Case {
        LPCWSTR printer;
        short paper, bin, duplex, color, copies, quality;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {u"Office_Colour", DMPAPER_A4, 1, DMDUP_VERTICAL, DMCOLOR_MONOCHROME, 2, DMRES_DRAFT,
         {"x-dimension=21000 y-dimension=29700", "media-source=main", "IPP_SIDES=two-sided-long-edge",
          "IPP_PRINT_COLOR_MODE=monochrome", "IPP_COPIES=2", "IPP_PRINT_QUALITY=draft"}},
        {u"Wide_Format", 0, 258, DMDUP_SIMPLEX, DMCOLOR_COLOR, 1, DMRES_HIGH,
         {"x-dimension=59400 y-dimension=84100", "media-source=roll-1", "IPP_PRINT_COLOR_MODE=color",
          "IPP_PRINT_QUALITY=high"}},
    };
    for (const Case& c : cases) {
        const std::string printer = win32::toUtf8(win32::fromUtf16(c.printer));
        SCOPED_TRACE(printer);
        std::vector<BYTE> bytes = defaults(c.printer);
        auto& dm = *reinterpret_cast<DEVMODEW*>(bytes.data());
        if (c.paper)
            dm.dmPaperSize = c.paper;
        dm.dmDefaultSource = c.bin;
        dm.dmDuplex = c.duplex;
        dm.dmColor = c.color;
        dm.dmCopies = c.copies;
        dm.dmPrintQuality = c.quality;
        const std::string env = printed(printer, bytes, "settings");
        ASSERT_FALSE(env.empty()) << "the job never reached the printer";
        for (const std::string& e : c.expected)
            EXPECT_NE(env.find(e), std::string::npos) << e << " in\n" << env;
    }
}

// The test sheet of a configuration goes to its printer; a landscape sheet is turned once, by
// the page itself, and the orientation option is never sent as well.
TEST_F(CupsSpooler, TheToolPrintsTheTestSheetOnTheConfigurationsPrinter)
{
    ASSERT_TRUE(wxtest::start(false));
    wut::registerPrintFactory();
    const testutil::TempDir dir;
    const testutil::ScopedEnv cups("DAVARAZ_SPOOLER", "cups");
    for (const int orientation : {1, 2}) {
        const std::string name = (orientation == 2 ? "landscape-" : "portrait-") + std::to_string(::getpid()) + ".pc3";
        std::unique_ptr<CPlotCfg3> cfg(CPlotCfg3::create(L"Office_Colour"));
        ASSERT_NE(cfg, nullptr);
        cfg->media.dmOrientation = orientation;
        ASSERT_TRUE(cfg->write(dir.path(name).wstring().c_str()));
        const testutil::ToolResult r = testutil::runTool("pc3 print '" + dir.path(name).string() + "'", dir);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out.rfind("job ", 0), 0u);
        EXPECT_NE(r.out.find(" on Office_Colour\n"), std::string::npos) << r.out;
        const std::string env = received("Office_Colour", name);
        ASSERT_FALSE(env.empty()) << "the sheet never reached the printer";
        EXPECT_EQ(env.find("ORIENTATION_REQUESTED"), std::string::npos) << env;
        std::string pdf;
        for (const auto& e : testutil::fs::directory_iterator(testutil::cupsSpool("Office_Colour")))
            if (e.path().extension() == ".pdf" && testutil::readBytes(e.path().string() + ".env") == env)
                pdf = e.path().string();
        EXPECT_EQ(testutil::pdfInfo(pdf, "Pages"), "1");
        EXPECT_EQ(testutil::pdfInfo(pdf, "Page rot"), "0");
        EXPECT_EQ(testutil::pdfInfo(pdf, "Page size"), "612 x 792 pts (letter)") << "the queue's default paper, upright";
    }
    wut::unRegisterPrintFactory();
}

// The plotter's roll takes custom sizes from 210 x 148 mm to 914.4 mm by 15 m (as far as a
// DEVMODE's short reaches); a size outside, or on a printer without a range, is refused.
TEST_F(CupsSpooler, CustomSizesWithinTheRange)
{
    const auto extent = [](LPCWSTR printer, WORD cap) {
        const int packed = DeviceCapabilitiesW(printer, nullptr, cap, nullptr, nullptr);
        return std::make_pair(packed & 0xFFFF, (packed >> 16) & 0xFFFF);
    };
    EXPECT_EQ(extent(u"Wide_Format", DC_MINEXTENT), std::make_pair(2100, 1480));
    EXPECT_EQ(extent(u"Wide_Format", DC_MAXEXTENT), std::make_pair(9144, 32767));
    EXPECT_EQ(extent(u"Office_Colour", DC_MAXEXTENT), std::make_pair(2159, 3556)) << "its largest paper";

    const auto custom = [this](LPCWSTR printer, short width, short length) {
        std::vector<BYTE> in = defaults(printer), out(in.size());
        auto& dm = *reinterpret_cast<DEVMODEW*>(in.data());
        dm.dmFields |= DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH;
        dm.dmPaperSize = DMPAPER_USER;
        dm.dmPaperWidth = width;
        dm.dmPaperLength = length;
        EXPECT_EQ(DocumentPropertiesW(nullptr, nullptr, printer, reinterpret_cast<DEVMODEW*>(out.data()), &dm,
                                      DM_OUT_BUFFER | DM_IN_BUFFER),
                  IDOK);
        return out;
    };
    const std::vector<BYTE> poster = custom(u"Wide_Format", 5000, 7000);
    const auto& dm = *reinterpret_cast<const DEVMODEW*>(poster.data());
    EXPECT_EQ(dm.dmPaperSize, DMPAPER_USER);
    EXPECT_EQ(dm.dmPaperWidth, 5000);
    EXPECT_EQ(dm.dmPaperLength, 7000);
    EXPECT_NE(reinterpret_cast<const DEVMODEW*>(custom(u"Wide_Format", 9200, 7000).data())->dmPaperSize, DMPAPER_USER);
    EXPECT_NE(reinterpret_cast<const DEVMODEW*>(custom(u"Office_Colour", 2000, 2000).data())->dmPaperSize, DMPAPER_USER);

    const std::string env = printed("Wide_Format", poster, "poster");
    EXPECT_NE(env.find("media-size={x-dimension=49"), std::string::npos) << env;
    EXPECT_NE(env.find(" y-dimension=69"), std::string::npos) << "500 x 700 mm, give or take a point: " << env;
}

// The options without a DEVMODE member live in the private bytes; another printer's bytes, or
// a value this printer does not take, are repaired by the merge; a job carries them.
TEST_F(CupsSpooler, TheDriversOwnOptionsAreCheckedAndSent)
{
    using cupsspool::DriverOptions;
    // Writes options into a DEVMODE's private bytes as the driver of `printer` would.
    const auto withOptions = [](std::vector<BYTE> bytes, const std::string& printer, const DriverOptions& o) {
        auto& dm = *reinterpret_cast<DEVMODEW*>(bytes.data());
        const std::vector<BYTE> payload = cupsspool::encodeOptions(printer, o);
        std::copy(payload.begin(), payload.end(), devModePrivate(&dm) + vspool::kPrivateHeader);
        vspool::Printer driver;
        driver.privateBytes = dm.dmDriverExtra;
        driver.privateVersion = cupsspool::kOptionsVersion;
        vspool::sealPrivate(driver, devModePrivate(&dm));
        return bytes;
    };
    const auto mergedOptions = [](LPCWSTR printer, const std::vector<BYTE>& in) {
        std::vector<BYTE> out(static_cast<std::size_t>(DocumentPropertiesW(nullptr, nullptr, printer, nullptr, nullptr, 0)));
        EXPECT_EQ(DocumentPropertiesW(nullptr, nullptr, printer, reinterpret_cast<DEVMODEW*>(out.data()),
                                      reinterpret_cast<const DEVMODEW*>(in.data()), DM_OUT_BUFFER | DM_IN_BUFFER),
                  IDOK);
        const auto& dm = *reinterpret_cast<const DEVMODEW*>(out.data());
        DriverOptions o;
        EXPECT_TRUE(cupsspool::decodeOptions(win32::toUtf8(win32::fromUtf16(printer)),
                                             devModePrivate(&dm) + vspool::kPrivateHeader, cupsspool::kOptionsPayload, o));
        return o;
    };
    const std::vector<BYTE> office = defaults(u"Office_Colour");
    const DriverOptions mine{4, 3, true, "", "face-up"};
    EXPECT_TRUE(mergedOptions(u"Office_Colour", withOptions(office, "Office_Colour", mine)) == mine);
    DriverOptions odd = mine;
    odd.numberUp = 3;
    EXPECT_EQ(mergedOptions(u"Office_Colour", withOptions(office, "Office_Colour", odd)).numberUp, 1);
    EXPECT_EQ(mergedOptions(u"Office_Colour", withOptions(office, "Office_Colour", odd)).outputBin, "face-up");
    const DriverOptions mono = mergedOptions(u"Draft_Mono", withOptions(office, "Office_Colour", mine));
    EXPECT_EQ(mono.numberUp, 1) << "another printer's bytes give way to the defaults";
    EXPECT_EQ(mono.outputBin, "face-down");
    EXPECT_FALSE(mono.borderless);

    // A borderless paper travels as a media-col without margins; the output bin as an option.
    std::vector<win32::spool::Paper> papers;
    const auto& b = win32::spool::backend();
    ASSERT_TRUE(b.papers(b.context, L"Office_Colour", nullptr, papers));
    const auto photo = std::find_if(papers.begin(), papers.end(), [](const auto& p) { return p.name == L"Index 4x6 (Borderless)"; });
    ASSERT_NE(photo, papers.end());
    std::vector<BYTE> settings = withOptions(office, "Office_Colour", mine);
    reinterpret_cast<DEVMODEW*>(settings.data())->dmPaperSize = static_cast<short>(photo->id);
    const std::string env = printed("Office_Colour", settings, "borderless");
    EXPECT_NE(env.find("{media-size={x-dimension=10160 y-dimension=15240} media-bottom-margin=0 media-left-margin=0 "
                       "media-right-margin=0"),
              std::string::npos)
        << env;
    EXPECT_NE(env.find("IPP_OUTPUT_BIN=face-up"), std::string::npos) << env;
}

// Where no server answers: the printers session.
TEST_F(CupsSpooler, TheToolTakesCupsWhenItHasQueues)
{
    testutil::TempDir dir;
    testutil::ScopedEnv automatic("DAVARAZ_SPOOLER", nullptr);
    const testutil::ToolResult r = testutil::runTool("printers", dir);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Wide_Format"), std::string::npos) << r.out;
}

} // namespace
#endif
