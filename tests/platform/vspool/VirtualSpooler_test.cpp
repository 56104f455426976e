// The virtual spooler: what a failed description load leaves, printers changing while running,
// jobs, path ports and the choice of backend.
#include "platform/win32/SpoolerFixture.h"

#include "TestUtil.h"
#include "davaraz/print/PrintJob.h"
#include "platform/win32/Spooler.h"
#include "platform/win32/codepage.h"

#include <string>
#include <vector>

namespace {

using VirtualSpooler = SpoolerTest;


// What each rule of a description says is recorded by the descriptions session; here the state a
// failed load leaves: no printers, no default, one message that the next good load clears, and
// nothing on stderr (the library leaves it to its host).
TEST_F(VirtualSpooler, AFailedLoadLeavesNoPrintersAndOneMessage)
{
    testutil::TempDir dir;
    const std::string path = dir.path("printers.json").string();
    testutil::writeBytes(path, R"({"printers": [{"name": "P", "driver": "D", "port": "X:", "papers": []}]})");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(vspool::loadFile(path));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(vspool::printers().empty());
    EXPECT_TRUE(vspool::defaultPrinter().empty());
    EXPECT_EQ(vspool::lastMessage(),
              "davaraz: printer description " + path + ": printers[0]: 'papers' must be a non-empty list");
    ASSERT_TRUE(vspool::loadText(vspool::embeddedDescription(), "embedded"));
    EXPECT_TRUE(vspool::lastMessage().empty());
    EXPECT_EQ(vspool::printers().size(), 5u);
}

TEST_F(VirtualSpooler, PrintersChangeWhileRunning)
{
    vspool::Printer extra = printer(L"Extra");
    vspool::addPrinter(extra);
    EXPECT_EQ(vspool::printers().size(), 6u);
    // Renaming the default printer keeps it the default.
    ASSERT_TRUE(vspool::changePrinter(L"office colour mfp", [](vspool::Printer& p) { p.name = L"Renamed"; }));
    EXPECT_EQ(vspool::defaultPrinter(), L"Renamed");
    // Removing it leaves no default.
    EXPECT_TRUE(vspool::removePrinter(L"Renamed"));
    EXPECT_TRUE(vspool::defaultPrinter().empty());
    EXPECT_FALSE(vspool::removePrinter(L"Renamed"));
    EXPECT_FALSE(vspool::changePrinter(L"Renamed", [](vspool::Printer&) {}));
}

// What a virtual printer received: the bytes, the document's name and the settings the handle
// was opened with; a job left open when the handle closes is dropped.
TEST_F(VirtualSpooler, JobsKeepWhatThePrinterReceived)
{
    std::vector<BYTE> settings(static_cast<std::size_t>(
        DocumentPropertiesW(nullptr, nullptr, u"Large Format Plotter", nullptr, nullptr, 0)));
    auto* dm = reinterpret_cast<DEVMODEW*>(settings.data());
    ASSERT_EQ(DocumentPropertiesW(nullptr, nullptr, u"Large Format Plotter", dm, nullptr, DM_OUT_BUFFER), IDOK);
    dm->dmCopies = 3;
    PRINTER_DEFAULTSW defaults{nullptr, dm, 0};
    std::u16string document = u"Plan";
    DOC_INFO_1W doc{&document[0], nullptr, nullptr};
    const std::size_t before = vspool::jobs().size();
    for (const bool end : {true, false}) {
        HANDLE h = nullptr;
        ASSERT_TRUE(OpenPrinterW(u"large format plotter", &h, end ? &defaults : nullptr));
        ASSERT_NE(StartDocPrinterW(h, 1, reinterpret_cast<LPBYTE>(&doc)), 0u);
        char data[] = "HP-GL";
        DWORD written = 0;
        ASSERT_TRUE(WritePrinter(h, data, 5, &written));
        if (end) {
            ASSERT_TRUE(EndDocPrinter(h));
        }
        ClosePrinter(h);
    }
    const std::vector<vspool::Job> jobs = vspool::jobs();
    ASSERT_EQ(jobs.size(), before + 2);
    const vspool::Job& done = jobs[before];
    EXPECT_EQ(done.document, L"Plan");
    EXPECT_EQ(done.settings, settings);
    EXPECT_EQ(done.state, vspool::Job::State::Queued);
    EXPECT_TRUE(jobs[before + 1].settings.empty()) << "the driver's defaults";
    EXPECT_EQ(jobs[before + 1].state, vspool::Job::State::Aborted);
    // A port that is no path: the printer's folder of the spool folder.
    EXPECT_EQ(done.file.rfind(vspool::spoolFolder() + "/Large Format Plotter/", 0), 0u) << done.file;
    EXPECT_EQ(testutil::readBytes(done.file), "HP-GL");
    EXPECT_TRUE(jobs[before + 1].file.empty());
}

// A port that is a path is the file the job goes to, whole or not at all.
TEST_F(VirtualSpooler, APathPortIsTheJobsFile)
{
    const testutil::TempDir dir;
    testutil::writeBytes(dir.path("file"), "");
    for (const bool writable : {true, false}) {
        const std::string port = dir.path(writable ? "plotter.prn" : "file/plotter.prn").string();
        ASSERT_TRUE(vspool::changePrinter(L"Large Format Plotter", [&](vspool::Printer& p) { p.port = win32::fromUtf8(port); }));
        const wut::JobResult r = wut::sendToPrinter(L"Large Format Plotter", nullptr, L"Plan", "HP-GL;PG;");
        if (writable) {
            EXPECT_NE(r.job, 0u);
            EXPECT_EQ(testutil::readBytes(port), "HP-GL;PG;");
        } else {
            EXPECT_EQ(r.job, 0u);
            EXPECT_EQ(r.where, "EndDocPrinter");
            EXPECT_EQ(vspool::jobs().back().state, vspool::Job::State::Aborted);
        }
    }
}

// "auto" takes the most preferred backend that can serve and has printers; names are the
// registered ones; an explicit name that cannot serve is refused.
TEST_F(VirtualSpooler, AutoPrefersAServerWithPrintersAndUnknownNamesAreRefused)
{
    static bool serverUp = false, hasPrinters = false;
    static win32::spool::Backend server = vspool::backend();
    server.name = "test-server";
    server.preference = 50; // above every real backend, whatever this machine runs
    server.available = [](void*, std::string& why) {
        why = "test server down";
        return serverUp;
    };
    server.listPrinters = [](void* ctx, std::vector<win32::spool::PrinterEntry>& out) {
        const bool listed = vspool::backend().listPrinters(ctx, out);
        if (!hasPrinters)
            out.clear();
        return listed;
    };
    win32::spool::registerBackend(&server);

    const auto autoChoice = [] {
        EXPECT_TRUE(win32::spool::selectBackend("auto"));
        return std::string(win32::spool::backend().name);
    };
    EXPECT_NE(autoChoice(), "test-server") << "down";
    EXPECT_FALSE(win32::spool::selectBackend("test-server"));
    serverUp = true;
    EXPECT_NE(autoChoice(), "test-server") << "up without printers";
    EXPECT_TRUE(win32::spool::selectBackend("test-server")) << "named, it serves without printers";
    hasPrinters = true;
    EXPECT_EQ(autoChoice(), "test-server");
    EXPECT_FALSE(win32::spool::selectBackend("no-such-backend"));
    EXPECT_STREQ(win32::spool::backend().name, "test-server") << "a refused name changes nothing";
    const std::vector<std::string> names = win32::spool::choices();
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[1], "test-server") << "after auto, the most preferred first";
    EXPECT_EQ(names.back(), "virtual");
    serverUp = false;
    ASSERT_TRUE(win32::spool::selectBackend("virtual"));
}

} // namespace
