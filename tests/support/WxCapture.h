// Test helpers over wxWidgets: a log target that keeps every record, and a translation
// catalogue built in memory and installed while the object lives.
#pragma once
#include <wx/log.h>
#include <wx/translation.h>

#include <map>
#include <string>
#include <vector>

namespace wxtest {

struct CapturedRecord {
    wxLogLevel level;
    std::wstring text;
    std::string file;
    int line;
    std::string function;
    long long timestampMS;
    wxThreadIdType threadId;
};

// Installed as the active log target on construction; the previous target comes back on
// destruction.
class LogCapture : public wxLog {
public:
    LogCapture();
    ~LogCapture() override;
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<CapturedRecord>& records() const { return m_records; }

protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override;

private:
    wxLog* m_previous;
    std::vector<CapturedRecord> m_records;
};

// The bytes of a GNU message catalogue (.mo, UTF-8) holding the given translations.
std::string moFile(const std::map<std::string, std::string>& translations);

// Installs a translations object for language "de" with one catalogue holding the translation
// of one text (both UTF-8); the process has no translations again afterwards.
class ScopedCatalog {
public:
    ScopedCatalog(const std::string& original, const std::string& translation);
    ~ScopedCatalog();
    ScopedCatalog(const ScopedCatalog&) = delete;
    ScopedCatalog& operator=(const ScopedCatalog&) = delete;
    bool loaded() const { return m_loaded; }

private:
    bool m_loaded = false;
};

} // namespace wxtest
