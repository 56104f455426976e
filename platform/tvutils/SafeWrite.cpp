// The one safe-write path: sibling-and-rename, or an in-place rewrite that can be undone.
#include "platform/tvutils/SafeWrite.h"
#include "platform/tvutils/Fd.h"
#include "platform/tvutils/TempFiles.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ut {
namespace {

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at (which need not exist); empty with errno ELOOP.
std::string followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = ::readlink(path.c_str(), &link[0], link.size());
        if (n < 0)
            return path;
        link.resize(static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    errno = ELOOP;
    return std::string();
}

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t w = ::write(fd, bytes.data(), bytes.size());
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return w < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<std::size_t>(w));
    }
    return 0;
}

int writePieces(int fd, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        if (const int err = writeAll(fd, piece))
            return err;
    return 0;
}

// Creates the target's sibling, locked for as long as it is open. A sibling that nobody holds
// locked was left by a killed writer and goes; one that is held belongs to a writer at work,
// whose rename is waited for.
int createSibling(const std::string& sibling, mode_t mode, Fd& fd)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        fd.reset(::open(sibling.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (fd) {
            ::flock(fd.get(), LOCK_EX);
            return 0;
        }
        if (errno != EEXIST)
            return errno;
        Fd other(::open(sibling.c_str(), O_RDWR | O_CLOEXEC));
        if (!other)
            continue; // renamed or removed meanwhile
        if (::flock(other.get(), LOCK_EX | LOCK_NB) != 0) {
            ::flock(other.get(), LOCK_EX); // wait for the writer at work
            continue;
        }
        // Unlocked: left by a killed writer, unless it has been renamed into place meanwhile.
        struct stat held;
        struct stat named;
        if (::fstat(other.get(), &held) == 0 && ::stat(sibling.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino)
            ::unlink(sibling.c_str());
    }
    return EEXIST;
}

void syncFolder(const std::string& folder)
{
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir)
        ::fsync(dir.get());
}

// Rewrites an existing file where it is; on failure its old content is written back.
int rewriteInPlace(const std::string& path, std::initializer_list<std::string_view> pieces)
{
    std::string old;
    {
        Fd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        char buf[65536];
        for (ssize_t n; in && (n = ::read(in.get(), buf, sizeof buf)) > 0;)
            old.append(buf, static_cast<std::size_t>(n));
    }
    Fd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (!fd)
        return errno;
    int err = ::ftruncate(fd.get(), 0) == 0 ? 0 : errno;
    if (!err)
        err = writePieces(fd.get(), pieces);
    if (!err && ::fsync(fd.get()) != 0)
        err = errno;
    if (err) {
        // Best effort: the old bytes back.
        if (::ftruncate(fd.get(), 0) == 0 && ::lseek(fd.get(), 0, SEEK_SET) == 0 && writeAll(fd.get(), old) == 0)
            ::fsync(fd.get());
        return err;
    }
    return fd.close();
}

} // namespace

std::string siblingOf(const std::string& target)
{
    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a: short and stable across runs
    for (unsigned char c : name)
        hash = (hash ^ c) * 1099511628211ull;
    char text[40];
    std::snprintf(text, sizeof text, ".~%016llx.tmp", static_cast<unsigned long long>(hash));
    return slash == std::string::npos ? std::string(text) : target.substr(0, slash + 1) + text;
}

int replaceFile(const std::string& target, std::initializer_list<std::string_view> pieces)
{
    const std::string path = followLinks(target);
    if (path.empty())
        return errno;
    struct stat st;
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        Fd fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
        if (!fd)
            return errno;
        const int err = writePieces(fd.get(), pieces);
        const int closed = fd.close();
        return err ? err : closed;
    }
    if (exists) {
        Fd probe(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
        if (!probe)
            return errno;
        if (st.st_nlink > 1)
            return rewriteInPlace(path, pieces);
    }

    const std::string sibling = siblingOf(path);
    Fd fd;
    if (const int err = createSibling(sibling, exists ? 0600 : 0666, fd)) {
        if (exists && (err == EACCES || err == EPERM || err == EROFS))
            return rewriteInPlace(path, pieces);
        return err;
    }
    trackTempFile(sibling);
    int err = 0;
    if (exists) {
        // Owner and group first: changing them can clear the set-id bits the mode then restores.
        if (::fchown(fd.get(), st.st_uid, st.st_gid) != 0)
            static_cast<void>(::fchown(fd.get(), static_cast<uid_t>(-1), st.st_gid));
        if (::fchmod(fd.get(), st.st_mode & 07777) != 0)
            err = errno;
    }
    if (!err)
        err = writePieces(fd.get(), pieces);
    if (!err && ::fsync(fd.get()) != 0)
        err = errno;
    if (!err && ::rename(sibling.c_str(), path.c_str()) != 0)
        err = errno;
    untrackTempFile(sibling);
    if (err) {
        ::unlink(sibling.c_str());
        return err;
    }
    // The lock goes with the descriptor, after the rename: a writer waiting for this sibling
    // then finds the name free.
    err = fd.close();
    syncFolder(folderOf(path));
    return err;
}

} // namespace ut
