// Starts wxWidgets once per test process and keeps it until exit: with a GUI application when
// a display is there, else without GUI (the paper database and printing classes need none).
#pragma once
#include "../platform/win32/SpoolerFixture.h"
#include "davaraz/print/PrintFactory.h"

#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>

namespace wxtest {

struct State {
    bool started = false;
    bool gui = false;
    ~State()
    {
        if (started)
            wxEntryCleanup();
    }
};

inline State& state()
{
    static State s;
    return s;
}

// True once wxWidgets runs; the GUI is used whenever DISPLAY is set.
inline bool start()
{
    State& s = state();
    if (s.started)
        return true;
    static char name[] = "davaraz_tests";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    const char* display = std::getenv("DISPLAY");
    if (display && *display) {
        wxApp::SetInstance(new wxApp);
        s.gui = wxEntryStart(argc, argv);
        s.started = s.gui;
        if (s.gui)
            return true;
    }
    // Without GUI wxWidgets makes a console application of its own.
    s.started = wxEntryStart(argc, argv);
    return s.started;
}

inline bool gui() { return start() && state().gui; }

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
