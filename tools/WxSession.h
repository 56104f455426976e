// wxWidgets started for the commands that need print data, with the library's log messages
// going to stderr as plain lines; everything is undone when the session ends.
#pragma once

class wxLog;

namespace cli {

class WxSession {
public:
    // Starts without GUI; only when that fails and DISPLAY is set, with GUI.
    WxSession();
    ~WxSession();
    WxSession(const WxSession&) = delete;
    WxSession& operator=(const WxSession&) = delete;

    bool started() const { return m_started; }

private:
    bool m_started = false;
    wxLog* m_log = nullptr;
    wxLog* m_previousLog = nullptr;
};

} // namespace cli
