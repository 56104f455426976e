// Starts wxWidgets once per test process and keeps it until exit: as a console application, or
// with its GUI (which needs an X display). Whichever a process asks for first is what it gets.
#pragma once
#include <wx/app.h>
#include <wx/init.h>

#include <functional>

namespace wxtest {

// True once wxWidgets runs. gui: a wxApp (GTK started) instead of the console application
// wxWidgets makes when there is no application instance; then `prepare` runs once.
inline bool start(bool gui, const std::function<void()>& prepare = nullptr)
{
    struct State {
        bool started = false;
        ~State()
        {
            if (started)
                wxEntryCleanup();
        }
    };
    static State s;
    if (!s.started && !wxAppConsole::GetInstance()) {
        static char name[] = "davaraz_tests";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        if (gui)
            wxApp::SetInstance(new wxApp);
        s.started = wxEntryStart(argc, argv) && (!gui || wxTheApp->CallOnInit());
        if (s.started && prepare)
            prepare();
    }
    // wxTheApp is statically a wxApp in a GUI build, whatever the instance is.
    return s.started && (gui == (dynamic_cast<wxApp*>(wxAppConsole::GetInstance()) != nullptr));
}

} // namespace wxtest
