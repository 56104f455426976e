// The wut logging functions over wxLog, with the record fields the host's log targets expect.
#include "davaraz/gui/Log.h"

#include <wx/log.h>
#include <wx/time.h>
#include <wx/translation.h>

#include <cstdarg>

namespace {

// Source file and line numbers stay fixed so that hosts filtering on them keep working.
constexpr char kSource[] = "wut_gui";

void logAt(wxLogLevel level, const char* function, int line, const wchar_t* format, va_list args)
{
    if (!format || !wxLog::IsLevelEnabled(level, wxASCII_STR(wxLOG_COMPONENT)))
        return;
    wxLogRecordInfo info(kSource, line, function, wxLOG_COMPONENT);
    info.timestampMS = wxGetUTCTimeMillis().GetValue();
#if WXWIN_COMPATIBILITY_3_0
    info.timestamp = static_cast<time_t>(info.timestampMS / 1000);
#endif
    wxLog::OnLog(level, wxString::FormatV(format, args), info);
}

} // namespace

namespace wut {

wxString translate(const wchar_t* text)
{
    if (!text)
        return wxString();
    return wxGetTranslation(wxString(text));
}

void logError(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    logAt(wxLOG_Error, "wut::logError", 207, format, args);
    va_end(args);
}

void logWarning(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    logAt(wxLOG_Warning, "wut::logWarning", 215, format, args);
    va_end(args);
}

void logMessage(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    logAt(wxLOG_Message, "wut::logMessage", 223, format, args);
    va_end(args);
}

} // namespace wut
