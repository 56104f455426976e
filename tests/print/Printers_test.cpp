// Printers as the library sees them: enumeration order, the default printer and its scoped
// change, ports and comments, owning handles, the driver's default DEVMODEW and CPrnHelper.
#include "../platform/win32/SpoolerFixture.h"
#include "davaraz/print/ChangeDefaultPrinter.h"
#include "davaraz/print/PrinterPapers.h"
#include "davaraz/print/Printers.h"
#include "davaraz/print/PrnHelper.h"
#include "platform/win32/wstr.h"

#include <utility>

namespace {

using LibraryPrinters = SpoolerTest;
using wut::PrinterHandle;

std::vector<std::wstring> systemPrinters()
{
    OdArray<OdString> list;
    wut::getSystemPrinters(list);
    std::vector<std::wstring> names;
    for (const OdString& s : list)
        names.push_back(s.str());
    return names;
}

TEST_F(LibraryPrinters, LocalPrintersFirstAndTheDefaultWithAndWithoutFallback)
{
    EXPECT_EQ(wut::getDefaultSystemPrinter(false), L"Office Colour MFP");
    vspool::setPrinters({printer(L"Net One", true), printer(L"Local One"), printer(L"Net Two", true),
                         printer(L"Local Two")},
                        L"");
    EXPECT_EQ(systemPrinters(), (std::vector<std::wstring>{L"Local One", L"Local Two", L"Net One", L"Net Two"}));
    EXPECT_TRUE(wut::getDefaultSystemPrinter(false).isEmpty());
    EXPECT_EQ(wut::getDefaultSystemPrinter(true), L"Local One");
    // A name outside the Basic Multilingual Plane survives the UTF-16 round trip.
    vspool::setPrinters({printer(L"Plotter \U0001F5A8")}, L"Plotter \U0001F5A8");
    EXPECT_EQ(wut::getDefaultSystemPrinter(false), L"Plotter \U0001F5A8");

    vspool::setPrinters({}, L"");
    EXPECT_TRUE(systemPrinters().empty());
    EXPECT_TRUE(wut::getDefaultSystemPrinter(true).isEmpty());
}

TEST_F(LibraryPrinters, ChangeDefaultPrinterRestoresTheEarlierDefault)
{
    {
        wut::ChangeDefaultPrinter change(L"Large Format Plotter");
        EXPECT_EQ(change.oldDefaultPrinter(), L"Office Colour MFP");
        EXPECT_EQ(wut::getDefaultSystemPrinter(false), L"Large Format Plotter");
        EXPECT_TRUE(change.setDefaultPrinter(L"Draft Mono Printer"));
        EXPECT_FALSE(change.setDefaultPrinter(L"Missing Printer"));
        EXPECT_EQ(wut::getDefaultSystemPrinter(false), L"Draft Mono Printer");
    }
    EXPECT_EQ(wut::getDefaultSystemPrinter(false), L"Office Colour MFP");
    {
        // A refused change leaves the default alone and still restores it.
        wut::ChangeDefaultPrinter change(L"Missing Printer");
        EXPECT_EQ(wut::getDefaultSystemPrinter(false), L"Office Colour MFP");
    }
    EXPECT_EQ(wut::getDefaultSystemPrinter(false), L"Office Colour MFP");

    // Made without a default, the change has nothing to restore.
    vspool::setPrinters({printer(L"A"), printer(L"B")}, L"");
    {
        wut::ChangeDefaultPrinter change(L"B");
        EXPECT_TRUE(change.oldDefaultPrinter().isEmpty());
    }
    EXPECT_EQ(wut::getDefaultSystemPrinter(false), L"B");
}

TEST_F(LibraryPrinters, PortsAndComments)
{
    const PrinterHandle mono(L"Draft Mono Printer");
    EXPECT_EQ(wut::getPrinterPorts(mono), L"FILE:");
    EXPECT_EQ(wut::getPrinterComment(mono), L"Prints to a file");

    vspool::resetCounts();
    const PrinterHandle none;
    EXPECT_TRUE(wut::getPrinterPorts(none).isEmpty());
    EXPECT_TRUE(wut::getPrinterComment(none).isEmpty());
    EXPECT_EQ(vspool::counts().total(), 0u); // nothing was asked of the spooler
}

TEST_F(LibraryPrinters, HandleOpenCloseAndMove)
{
    PrinterHandle h(L"Office Colour MFP");
    ASSERT_FALSE(h.isNull());
    EXPECT_EQ(win32::openPrinterHandles(), 1u);
    EXPECT_TRUE(h.open(L"Large Format Plotter"));
    EXPECT_EQ(win32::openPrinterHandles(), 1u); // the first one was closed
    EXPECT_FALSE(h.open(L"No Such Printer"));
    EXPECT_TRUE(h.isNull());
    EXPECT_EQ(win32::openPrinterHandles(), 0u);

    PrinterHandle a(L"Draft Mono Printer");
    PrinterHandle b(std::move(a));
    PrinterHandle c(L"Office Colour MFP");
    c = std::move(b); // closes c's own printer, takes b's
    EXPECT_EQ(win32::openPrinterHandles(), 1u);
    EXPECT_EQ(win32::printerNameOfHandle(c), L"Draft Mono Printer");
}

// What getDevMode gives is recorded by the printers session's `devmode`; here, that it closes
// what it opens.
TEST_F(LibraryPrinters, DevModeOfAPrinter)
{
    EXPECT_EQ(wut::getDevMode(nullptr), nullptr);
    DEVMODEW* dm = wut::getDevMode(L"large format plotter");
    ASSERT_NE(dm, nullptr);
    wut::freeDevMode(dm);
    EXPECT_EQ(win32::openPrinterHandles(), 0u);
}

TEST_F(LibraryPrinters, PrnHelperForwardsToItsPrinter)
{
    CPrnHelper helper(L"Draft Mono Printer");
    ASSERT_TRUE(helper.isValid());
    std::wstring driver = L"stale", ports;
    SetLastError(kPoison);
    EXPECT_TRUE(helper.getPrinterDriver(driver));
    EXPECT_EQ(driver, L"Virtual Mono Text Driver");
    EXPECT_EQ(GetLastError(), 0u); // cleared after the sizing call
    EXPECT_TRUE(helper.getPorts(ports));
    EXPECT_EQ(ports, L"FILE:");

    // Moved from, or made for an unknown printer, a helper gives nothing and empties the outputs.
    CPrnHelper moved(std::move(helper));
    EXPECT_FALSE(helper.isValid());
    CPrnHelper unknown(L"No Such Printer");
    EXPECT_FALSE(unknown.isValid());
    for (CPrnHelper* h : {&helper, &unknown}) {
        driver = L"stale", ports = L"stale";
        EXPECT_FALSE(h->getPrinterDriver(driver));
        EXPECT_TRUE(driver.empty());
        EXPECT_FALSE(h->getPorts(ports));
        EXPECT_TRUE(ports.empty());
    }
}

TEST_F(LibraryPrinters, DriverChangedWhileRunningIsSeenByTheNextQuery)
{
    PrinterPapers papers(L"Office Colour MFP");
    ASSERT_TRUE(vspool::changePrinter(L"Office Colour MFP", [](vspool::Printer& p) { p.driver = L"Updated Driver"; }));
    std::wstring driver;
    EXPECT_TRUE(papers.getPrinterDriver(driver));
    EXPECT_EQ(driver, L"Updated Driver");
    EXPECT_EQ(papers.printerName(), L"Office Colour MFP");
}

} // namespace
