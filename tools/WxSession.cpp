// Starting and stopping wxWidgets for the tool, and the stderr log target.
#include "WxSession.h"
#include "davaraz/print/PrintFactory.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>

namespace cli {
namespace {

// "davaraz: warning: text" lines instead of wxWidgets' time-stamped ones (or dialogs).
class StderrLog : public wxLog {
protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&) override
    {
        // wxWidgets' own debug and trace output (missing AFM font metrics, ...) is no news.
        if (level > wxLOG_Message)
            return;
        const char* kind = level <= wxLOG_Error ? "error: " : level == wxLOG_Warning ? "warning: " : "";
        std::fprintf(stderr, "davaraz: %s%s\n", kind, static_cast<const char*>(msg.utf8_str()));
    }
};

} // namespace

WxSession::WxSession()
{
    static char name[] = "davaraz";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    // Without an application instance wxWidgets makes a console one: no display is needed for
    // print data, paper sizes or the PostScript printer DC.
    m_started = wxEntryStart(argc, argv);
    if (!m_started) {
        const char* display = std::getenv("DISPLAY");
        if (display && *display) {
            wxApp::SetInstance(new wxApp);
            argc = 1;
            m_started = wxEntryStart(argc, argv);
        }
    }
    if (!m_started) {
        std::fprintf(stderr, "davaraz: wxWidgets cannot be started\n");
        return;
    }
    // Only now: starting replaces whatever log target was set before.
    m_log = new StderrLog;
    m_previousLog = wxLog::SetActiveTarget(m_log);
    wut::registerPrintFactory();
}

WxSession::~WxSession()
{
    if (!m_started)
        return;
    wut::unRegisterPrintFactory();
    // wxEntryCleanup deletes the active target: ours goes now, the previous one comes back.
    wxLog::SetActiveTarget(m_previousLog);
    delete m_log;
    wxEntryCleanup();
}

} // namespace cli
