// Child processes that end, are cancelled or cannot start; documents, URLs and mail handed to
// the desktop's tools (replaced on PATH by recording scripts); the user's folders; environment
// strings.
#include "support/WxStart.h"

#include <gtest/gtest.h>
#include "TestUtil.h"
#include "support/FakeTool.h"
#include "davaraz/os/OsShell.h"
#include "platform/win32/processes.h"
#include "platform/win32/shell.h"

#include <wx/utils.h>

#include <chrono>
#include <string>
#include <sys/stat.h>

namespace {

using testutil::TempDir;

// Cancels once it has been asked `after` times.
class CancelAfter : public wut::OsShell {
public:
    explicit CancelAfter(int after) : m_left(after) {}
    mutable int asked = 0;

protected:
    bool isCanceled() const override { return ++asked > m_left; }

private:
    int m_left;
};

// Whether the process runs (a collected or never-started one does not; a zombie counts as ended).
bool running(const std::string& pid)
{
    const std::string stat = testutil::readBytes("/proc/" + pid + "/stat");
    const std::size_t close = stat.rfind(')');
    return close != std::string::npos && stat.size() > close + 2 && stat[close + 2] != 'Z';
}

TEST(OsShell, CommandsEndOrAreCancelledAndNothingKeepsRunning)
{
    const TempDir dir;
    const std::wstring done = dir.path("done").wstring();
    wut::OsShell shell;
    EXPECT_EQ(shell.executeCommand(L"title", (L"sh -c \"sleep 0.6; echo ok > '" + done + L"'\"").c_str(), 0), 0u);
    EXPECT_EQ(testutil::readBytes(done), "ok\n") << "waited for the end";

    const std::wstring pidFile = dir.path("pid").wstring();
    const std::wstring sleeper = L"sh -c \"echo $$ > '" + pidFile + L"'; exec sleep 30\"";
    for (const int after : {0, 2}) {
        CancelAfter cancel(after);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(cancel.executeCommand(nullptr, sleeper.c_str(), wut::OsShell::eHidden), 0u);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(cancel.asked, after + 1);
        const std::string pid = testutil::readBytes(pidFile);
        if (after > 0) { // the child had time to say who it is
            ASSERT_FALSE(pid.empty());
            EXPECT_FALSE(running(pid.substr(0, pid.size() - 1))) << "cancelled means ended";
        }
    }
}

TEST(OsShell, StartFailuresAreTheSystemsErrors)
{
    const TempDir dir;
    testutil::writeBytes(dir.path("plain"), "#!/bin/sh\nexit 0\n");
    ::chmod(dir.path("plain").c_str(), 0644);
    wut::OsShell shell;
    const std::pair<std::wstring, unsigned long> cases[] = {
        {L"no-such-program-davaraz --x", 2},
        {dir.path("missing").wstring(), 2},
        {L"\"" + dir.path("plain").wstring() + L"\" a", 5},
        {L"", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell.executeCommand(nullptr, c.first.c_str(), 0), c.second) << std::string(c.first.begin(), c.first.end());
    EXPECT_EQ(shell.executeCommand(nullptr, nullptr, 0), 2u);
}

TEST(OsShell, CommandLinesSplitAsWindowsSplitsThem)
{
    const std::pair<std::wstring, std::vector<std::wstring>> cases[] = {
        {L"  a  b\tc ", {L"a", L"b", L"c"}},
        {L"\"a b\" c", {L"a b", L"c"}},
        {L"a\\\\b \\\"x\\\" \"q\\\\\"", {L"a\\\\b", L"\"x\"", L"q\\"}},
        {L"\"say \"\"hi\"\"\"", {L"say \"hi\""}},
        {L"ab\"c d\"e", {L"abc de"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(win32::splitCommandLine(c.first), c.second);
}

TEST(OsShell, DocumentsGoToXdgOpen)
{
    const TempDir dir;
    const testutil::FakeTool xdgOpen(dir, "xdg-open");
    EXPECT_TRUE(wut::LaunchDefaultApplication(OdString(L"/plans/Floor \"2\" \u00e9.pdf")));
    EXPECT_EQ(xdgOpen.args(), "/plans/Floor \"2\" \xC3\xA9.pdf\n");

    const std::pair<const char*, std::intptr_t> answers[] = {{"0", 42}, {"2", SE_ERR_FNF}, {"3", SE_ERR_NOASSOC}};
    for (const auto& a : answers) {
        const testutil::ScopedEnv code("FAKE_EXIT", a.first);
        EXPECT_EQ(reinterpret_cast<std::intptr_t>(ShellExecuteW(nullptr, u"OPEN", u"x.pdf", nullptr, nullptr, 1)),
                  a.second) << a.first;
    }
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(ShellExecuteW(nullptr, u"print", u"x.pdf", nullptr, nullptr, 1)),
              SE_ERR_NOASSOC);
}

TEST(OsShell, ProgramsAndUrlsThroughWxWidgets)
{
    ASSERT_TRUE(wxtest::start(false));
    EXPECT_EQ(wut::winExecute(OdString(L"sh -c 'exit 7'"), wxEXEC_SYNC), 7);
    EXPECT_EQ(wut::winExecute(OdString(L"no-such-program-davaraz"), wxEXEC_SYNC), -1);

    const TempDir dir;
    const testutil::FakeTool xdgOpen(dir, "xdg-open");
    EXPECT_TRUE(wut::LaunchDefaultBrowser(OdString(L"https://example.org/pens?x=1"), false));
    EXPECT_EQ(xdgOpen.args(), "https://example.org/pens?x=1\n");
}

TEST(OsShell, UserFoldersFromXdg)
{
    const TempDir dir;
    const std::string home = dir.path("home").string();
    testutil::fs::create_directories(dir.path("home/.config"));
    testutil::writeBytes(dir.path("home/.config/user-dirs.dirs"), "# written by xdg-user-dirs-update\n"
                                                                  "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n"
                                                                  "XDG_PICTURES_DIR=\"/srv/pictures\"\n");
    const testutil::ScopedEnv h("HOME", home.c_str());
    const testutil::ScopedEnv c("XDG_CONFIG_HOME", nullptr);
    const testutil::ScopedEnv d("XDG_DATA_HOME", nullptr);
    const std::pair<unsigned long, std::string> cases[] = {
        {CSIDL_PERSONAL, home + "/Docs"},     {CSIDL_MYPICTURES, "/srv/pictures"},
        {CSIDL_DESKTOP, home + "/Desktop"},   {CSIDL_APPDATA, home + "/.config"},
        {CSIDL_LOCAL_APPDATA, home + "/.local/share"}, {CSIDL_PROFILE, home},
        {0x7777, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wut::folderPathByCSIDL(c.first, 0), OdString(std::wstring(c.second.begin(), c.second.end()).c_str()))
            << c.first;
    EXPECT_FALSE(testutil::fs::exists(home + "/Docs"));
    EXPECT_EQ(wut::folderPathByCSIDL(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, 0).isEmpty(), false);
    EXPECT_TRUE(testutil::fs::is_directory(home + "/Docs"));
}

TEST(OsShell, EnvironmentStringsExpand)
{
    const testutil::ScopedEnv a("DAVARAZ_PEN", "P\xC3\xA9n");
    wchar_t out[64] = {L'#'};
    const wchar_t* source = L"%DAVARAZ_PEN%/%davaraz_pen% %NOPE% 100% %%";
    const std::wstring want = L"P\u00e9n/P\u00e9n %NOPE% 100% %%";
    EXPECT_EQ(wut::expandEnvironmentStrings(source, nullptr, 0), want.size() + 1);
    EXPECT_EQ(wut::expandEnvironmentStrings(source, out, 5), want.size() + 1);
    EXPECT_EQ(out[0], L'#') << "nothing written into a buffer too small";
    EXPECT_EQ(wut::expandEnvironmentStrings(source, out, 64), want.size() + 1);
    EXPECT_EQ(std::wstring(out), want);
}

} // namespace
