// Starts wxWidgets once per test process and keeps it until exit, always without GUI: print
// data, the paper database and the PostScript printer DC need no display. Trying the GUI first
// and falling back to the console when the display cannot be opened leaves GTK half-started,
// and its next call aborts the process.
#pragma once
#include "../platform/win32/SpoolerFixture.h"
#include "davaraz/print/PrintFactory.h"

#include "support/WxStart.h"

// Spooler checks plus wxWidgets running and the library's print factory installed.
class PrintDataTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        SpoolerTest::SetUp();
        ASSERT_TRUE(wxtest::start(false));
        wut::registerPrintFactory();
    }
    void TearDown() override
    {
        wut::unRegisterPrintFactory();
        SpoolerTest::TearDown();
    }
};
