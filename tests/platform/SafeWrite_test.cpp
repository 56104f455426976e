// The safe replacement of a file: refused where opening would fail, written through links,
// the user's mode, links and folders kept, the old content surviving a failed write.
#include "TestUtil.h"
#include "platform/tvutils/SafeWrite.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using testutil::readBytes;
using testutil::writeBytes;

constexpr uid_t kNobody = 65534;

// Runs fn in a child process, as an unprivileged user when the tests run as root (whose writes
// no permission stops); fn's result is the child's exit code.
int asUser(const std::function<int()>& fn)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(99);
        ::_exit(fn());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

mode_t modeOf(const fs::path& p)
{
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st.st_mode;
}

class SafeWrite : public ::testing::Test {
protected:
    // A folder any user may write in, with the file "f" holding "old".
    SafeWrite()
    {
        fs::permissions(m_dir.path(""), fs::perms::all);
        writeBytes(file(), "old");
    }
    fs::path file() const { return m_dir.path("f"); }
    static int replace(const fs::path& p, std::string_view bytes = "new") { return ut::replaceFile(p.string(), {bytes}); }
    bool onlyTheFileIsLeft() const { return m_dir.entryCount() == 2; } // "f" and TMPDIR's "tmp"

    testutil::TempDir m_dir;
};

TEST_F(SafeWrite, RefusedWhereOpeningForWritingWouldFail)
{
    ::chmod(file().c_str(), 0444);
    EXPECT_EQ(asUser([&] { return replace(file()); }), EACCES);
    EXPECT_EQ(readBytes(file()), "old");
    EXPECT_TRUE(onlyTheFileIsLeft());
}

TEST_F(SafeWrite, KeepsModeOwnerAndGroup)
{
    ::chmod(file().c_str(), 0640);
    ASSERT_EQ(::chown(file().c_str(), kNobody, kNobody), ::geteuid() == 0 ? 0 : -1);
    struct stat before {};
    ::stat(file().c_str(), &before);
    EXPECT_EQ(replace(file()), 0);
    struct stat after {};
    ::stat(file().c_str(), &after);
    EXPECT_EQ(readBytes(file()), "new");
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_TRUE(onlyTheFileIsLeft());
}

TEST_F(SafeWrite, WritesThroughLinksAndKeepsThem)
{
    const fs::path real = m_dir.path("sub/real");
    fs::create_directories(real.parent_path());
    writeBytes(real, "old");
    fs::create_symlink("sub/real", m_dir.path("link"));
    fs::create_symlink("link", m_dir.path("link2")); // a chain
    EXPECT_EQ(replace(m_dir.path("link2")), 0);
    EXPECT_TRUE(S_ISLNK(modeOf(m_dir.path("link2"))));
    EXPECT_EQ(readBytes(real), "new");

    fs::create_hard_link(real, m_dir.path("hard"));
    EXPECT_EQ(replace(m_dir.path("hard"), "newer"), 0);
    EXPECT_EQ(readBytes(real), "newer");
    EXPECT_EQ(fs::hard_link_count(real), 2u);

    fs::create_symlink("nowhere/yet", m_dir.path("dangling"));
    EXPECT_EQ(replace(m_dir.path("dangling")), ENOENT); // the folder it names does not exist
}

TEST_F(SafeWrite, WritableFileInAFolderThatTakesNoSibling)
{
    const fs::path folder = m_dir.path("locked");
    fs::create_directory(folder);
    writeBytes(folder / "f", "old");
    ASSERT_EQ(::chown((folder / "f").c_str(), kNobody, kNobody), ::geteuid() == 0 ? 0 : -1);
    ::chmod(folder.c_str(), 0555);
    EXPECT_EQ(asUser([&] { return replace(folder / "f"); }), 0);
    EXPECT_EQ(readBytes(folder / "f"), "new");
    ::chmod(folder.c_str(), 0755);
}

// A write cut short (here by the file-size limit) leaves the old content and no sibling, on
// both roads: sibling and rename, and in place.
TEST_F(SafeWrite, FailedWritesLeaveTheOldContent)
{
    ::chmod(file().c_str(), 0666);
    for (bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "in place" : "sibling");
        if (linked)
            fs::create_hard_link(file(), m_dir.path("hard"));
        const int err = asUser([&] {
            const rlimit limit{10, 10};
            ::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &limit);
            return replace(file(), std::string(100, 'x'));
        });
        EXPECT_EQ(err, EFBIG);
        EXPECT_EQ(readBytes(file()), "old");
    }
    EXPECT_EQ(m_dir.entryCount(), 3u) << "no sibling left";
}

TEST_F(SafeWrite, ASiblingLeftByAKilledWriterGoesAndLongNamesFit)
{
    writeBytes(ut::siblingOf(file().string()), "half");
    EXPECT_EQ(replace(file()), 0);
    EXPECT_EQ(readBytes(file()), "new");
    EXPECT_TRUE(onlyTheFileIsLeft());

    const fs::path longName = m_dir.path(std::string(255, 'n'));
    EXPECT_EQ(replace(longName), 0);
    EXPECT_EQ(readBytes(longName), "new");
}

} // namespace
