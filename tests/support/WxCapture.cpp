// Log capture and in-memory translation catalogues for tests.
#include "WxCapture.h"

#include <cstdint>
#include <memory>

namespace wxtest {

LogCapture::LogCapture() : m_previous(wxLog::SetActiveTarget(this)) {}

LogCapture::~LogCapture() { wxLog::SetActiveTarget(m_previous); }

void LogCapture::DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info)
{
    m_records.push_back({level, msg.ToStdWstring(), info.filename ? info.filename : "", info.line,
                         info.func ? info.func : "", static_cast<long long>(info.timestampMS), info.threadId});
}

namespace {

void put32(std::string& out, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

class MemoryLoader : public wxTranslationsLoader {
public:
    explicit MemoryLoader(std::string mo) : m_mo(std::move(mo)) {}
    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString& lang) override
    {
        if (lang != "de")
            return nullptr;
        return wxMsgCatalog::CreateFromData(wxScopedCharBuffer::CreateNonOwned(m_mo.data(), m_mo.size()), domain);
    }
    wxArrayString GetAvailableTranslations(const wxString&) const override
    {
        wxArrayString langs;
        langs.Add("de");
        return langs;
    }

private:
    std::string m_mo;
};

} // namespace

std::string moFile(const std::map<std::string, std::string>& translations)
{
    std::map<std::string, std::string> all(translations);
    all[""] = "Content-Type: text/plain; charset=UTF-8\n";
    const std::uint32_t n = static_cast<std::uint32_t>(all.size());
    const std::uint32_t originals = 28, translated = originals + 8 * n;
    std::string out(translated + 8 * n, '\0');
    put32(out, 0, 0x950412de);
    put32(out, 8, n);
    put32(out, 12, originals);
    put32(out, 16, translated);
    // Each table holds length and offset of its strings, which follow the tables in order.
    for (const bool originalSide : {true, false}) {
        const std::uint32_t table = originalSide ? originals : translated;
        std::uint32_t i = 0;
        for (const auto& [id, text] : all) {
            const std::string& s = originalSide ? id : text;
            put32(out, table + 8 * i, static_cast<std::uint32_t>(s.size()));
            put32(out, table + 8 * i + 4, static_cast<std::uint32_t>(out.size()));
            out += s + '\0';
            ++i;
        }
    }
    return out;
}

ScopedCatalog::ScopedCatalog(const std::string& original, const std::string& translation)
{
    auto* trans = new wxTranslations;
    wxTranslations::Set(trans);
    trans->SetLoader(new MemoryLoader(moFile({{original, translation}})));
    trans->SetLanguage("de");
    m_loaded = trans->AddCatalog("davaraz");
}

ScopedCatalog::~ScopedCatalog() { wxTranslations::Set(nullptr); }

} // namespace wxtest
