// Spooler fixture for paper queries: starts and ends every test with an empty paper cache, so
// that what one test asked of the drivers does not answer the next.
#pragma once
#include "WxTestApp.h"
#include "davaraz/print/PaperSizeCache.h"
#include "platform/od/OdArray.h"

#include <string>
#include <vector>

class PaperTest : public PrintDataTest {
protected:
    void SetUp() override
    {
        PrintDataTest::SetUp();
        wut::onPrinterSettingsChanged(OdString());
        vspool::resetCounts();
    }
    void TearDown() override
    {
        wut::onPrinterSettingsChanged(OdString());
        PrintDataTest::TearDown();
    }

    static unsigned driverQueries() { return vspool::counts().deviceCapabilities; }

    // The papers a printer of the virtual spooler has, as the driver should report them.
    static std::vector<vspool::Paper> papersOf(const std::wstring& name)
    {
        for (const vspool::Printer& p : vspool::printers())
            if (p.name == name)
                return p.papers;
        ADD_FAILURE() << "no printer " << std::string(name.begin(), name.end());
        return {};
    }
};
