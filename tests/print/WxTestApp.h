// Starts wxWidgets once per test process and keeps it until exit, always without GUI: print
// data, the paper database and the PostScript printer DC need no display. Trying the GUI first
// and falling back to the console when the display cannot be opened leaves GTK half-started,
// and its next call aborts the process.
#pragma once
#include "../platform/win32/SpoolerFixture.h"
#include "davaraz/print/PrintFactory.h"

#include <wx/init.h>

namespace wxtest {

struct State {
    bool started = false;
    ~State()
    {
        if (started)
            wxEntryCleanup();
    }
};

// True once wxWidgets runs: without an application instance it makes a console one.
inline bool start()
{
    static State s;
    if (!s.started) {
        static char name[] = "davaraz_tests";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        s.started = wxEntryStart(argc, argv);
    }
    return s.started;
}

} // namespace wxtest

// Spooler checks plus wxWidgets running and the library's print factory installed.
class PrintDataTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        SpoolerTest::SetUp();
        ASSERT_TRUE(wxtest::start());
        wut::registerPrintFactory();
    }
    void TearDown() override
    {
        wut::unRegisterPrintFactory();
        SpoolerTest::TearDown();
    }
};
