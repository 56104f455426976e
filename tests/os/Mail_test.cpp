// sendByMail through the stand-in's mail module to xdg-email (a recording script on PATH here):
// what the mail client is given, and the three statuses.
#include "TestUtil.h"
#include "support/FakeTool.h"
#include "davaraz/os/Mail.h"
#include "platform/win32/registry.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

using testutil::TempDir;

class MailTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::writeBytes(m_dir.path("Floor plan \xC3\xA9.pdf"), "%PDF");
    }
    ut::FileName attachment() const
    {
        return ut::FileName(ut::fromNativePath(m_dir.path("Floor plan \xC3\xA9.pdf").string()));
    }

    TempDir m_dir;
    testutil::FakeTool m_xdgEmail{m_dir, "xdg-email"};
};

TEST_F(MailTest, TheFileGoesAsAttachmentWithItsNameAsSubject)
{
    // The subject travels in the ANSI code page: é is in 1252.
    ASSERT_EQ(wut::sendByMail(attachment(), nullptr), wut::eMailSent);
    EXPECT_EQ(m_xdgEmail.args(), "--subject\nFloor plan \xC3\xA9.pdf\n--body\n \n--attach\n" +
                                            m_dir.path("Floor plan \xC3\xA9.pdf").string() + "\n");
    const std::pair<const char*, wut::EMailStatus> answers[] = {{"4", wut::eMailFailed}, {"3", wut::eMailFailed},
                                                                {"0", wut::eMailSent}};
    for (const auto& a : answers) {
        const testutil::ScopedEnv code("FAKE_EXIT", a.first);
        EXPECT_EQ(wut::sendByMail(attachment(), nullptr), a.second) << a.first;
    }
}

TEST_F(MailTest, UnderWineThereIsNoMailServiceAndNothingIsLoaded)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Wine\\Wine\\Config", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              0);
    RegCloseKey(key);
    EXPECT_EQ(wut::sendByMail(attachment(), nullptr), wut::eMailUnavailable);
    EXPECT_EQ(dlopen("libdavaraz_mapi.so", RTLD_NOLOAD | RTLD_NOW), nullptr) << "the mail module was not loaded";
    EXPECT_FALSE(m_xdgEmail.called());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Wine\\Wine\\Config");
}

} // namespace
