// The wut logging functions: level, record fields, formatting, disabled levels, and messages
// translated before they are logged.
#include "davaraz/gui/Log.h"
#include "support/WxCapture.h"

#include <gtest/gtest.h>
#include <wx/thread.h>
#include <wx/time.h>

namespace {

struct LevelCase {
    const char* name;
    void (*log)(const wchar_t*, ...);
    wxLogLevel level;
    int line;
    const char* function;
};

const LevelCase kLevels[] = {
    {"error", wut::logError, wxLOG_Error, 207, "wut::logError"},
    {"warning", wut::logWarning, wxLOG_Warning, 215, "wut::logWarning"},
    {"message", wut::logMessage, wxLOG_Message, 223, "wut::logMessage"},
};

class LogLevels : public ::testing::TestWithParam<LevelCase> {
protected:
    void SetUp() override { m_oldLevel = wxLog::GetLogLevel(); }
    void TearDown() override { wxLog::SetLogLevel(m_oldLevel); }
    wxLogLevel m_oldLevel = wxLOG_Max;
};

TEST_P(LogLevels, RecordCarriesLevelSourceAndExpandedText)
{
    const LevelCase& c = GetParam();
    wxtest::LogCapture capture;
    const long long before = wxGetUTCTimeMillis().GetValue();
    c.log(L"Failed to open %ls (%d).", L"Plotter \u00e9", 42);
    const long long after = wxGetUTCTimeMillis().GetValue();

    ASSERT_EQ(capture.records().size(), 1u);
    const wxtest::CapturedRecord& r = capture.records()[0];
    EXPECT_EQ(r.level, c.level);
    EXPECT_EQ(r.text, L"Failed to open Plotter \u00e9 (42).");
    EXPECT_EQ(r.file, "wut_gui");
    EXPECT_EQ(r.line, c.line);
    EXPECT_EQ(r.function, c.function);
    EXPECT_GE(r.timestampMS, before);
    EXPECT_LE(r.timestampMS, after);
    EXPECT_EQ(r.threadId, wxThread::GetCurrentId());
}

TEST_P(LogLevels, LevelBelowTheLogLevelIsDropped)
{
    const LevelCase& c = GetParam();
    wxtest::LogCapture capture;
    wxLog::SetLogLevel(c.level - 1);
    c.log(L"dropped %d", 1);
    EXPECT_TRUE(capture.records().empty());
    wxLog::SetLogLevel(c.level);
    c.log(L"kept %d", 2);
    ASSERT_EQ(capture.records().size(), 1u);
    EXPECT_EQ(capture.records()[0].text, L"kept 2");
}

INSTANTIATE_TEST_SUITE_P(Wut, LogLevels, ::testing::ValuesIn(kLevels),
                         [](const ::testing::TestParamInfo<LevelCase>& info) { return std::string(info.param.name); });

TEST(LogTest, DisabledLoggingReachesNoTarget)
{
    wxtest::LogCapture capture;
    {
        wxLogNull quiet;
        wut::logError(L"silenced %ls", L"x");
    }
    wut::logError(L"heard %ls", L"y");
    ASSERT_EQ(capture.records().size(), 1u);
    EXPECT_EQ(capture.records()[0].text, L"heard y");
}

TEST(LogTest, TranslationComesFromTheCatalogueOrFallsBackToTheKey)
{
    EXPECT_TRUE(wut::translate(nullptr).empty());
    {
        wxtest::ScopedCatalog catalogue("Failed to open %ls.", "\xC3\x96" "ffnen von %ls fehlgeschlagen.");
        ASSERT_TRUE(catalogue.loaded());
        EXPECT_EQ(wut::translate(L"Failed to open %ls."), L"\u00d6ffnen von %ls fehlgeschlagen.");
        EXPECT_EQ(wut::translate(L"Not in the catalogue"), L"Not in the catalogue");

        wxtest::LogCapture capture;
        wut::logWarning(wut::translate(L"Failed to open %ls.").wc_str(), L"Laser 5");
        ASSERT_EQ(capture.records().size(), 1u);
        EXPECT_EQ(capture.records()[0].text, L"\u00d6ffnen von Laser 5 fehlgeschlagen.");
    }
    EXPECT_EQ(wut::translate(L"Failed to open %ls."), L"Failed to open %ls.");
}

} // namespace
