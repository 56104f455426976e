// Whole-file reads through one descriptor: opened without blocking, checked, then read.
#include "platform/tvutils/ReadFile.h"
#include "platform/tvutils/Fd.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace ut {
namespace {

FileRead failed(int error, std::string why = std::string()) { return {error, why.empty() ? std::strerror(error) : why}; }

// A descriptor of path when it is a regular file; problem says why not otherwise.
int openRegular(const std::string& path, FileRead& problem, struct stat& st)
{
    // O_NONBLOCK: opening a FIFO without a writer returns at once instead of waiting for one.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd)
        problem = failed(errno);
    else if (::fstat(fd.get(), &st) != 0)
        problem = failed(errno);
    else if (S_ISDIR(st.st_mode))
        problem = failed(EISDIR, "is a folder");
    else if (!S_ISREG(st.st_mode))
        problem = failed(0, "is not a regular file (a pipe, a socket or a device)");
    else if (::fcntl(fd.get(), F_SETFL, 0) != 0) // back to blocking reads
        problem = failed(errno);
    else
        problem = FileRead();
    if (!problem)
        return -1;
    const int kept = fd.get();
    fd.release();
    return kept;
}

} // namespace

std::FILE* openRegularFile(const std::string& path, FileRead& problem)
{
    struct stat st;
    Fd fd(openRegular(path, problem, st));
    if (!fd)
        return nullptr;
    std::FILE* f = ::fdopen(fd.get(), "rb");
    if (!f)
        problem = failed(errno);
    else
        fd.release();
    return f;
}

FileRead readRegularFile(const std::string& path, std::uint64_t maxBytes, std::string& out)
{
    out.clear();
    FileRead problem;
    struct stat st;
    const Fd fd(openRegular(path, problem, st));
    if (!fd)
        return problem;
    const std::string tooLarge = "is larger than " + std::to_string(maxBytes) + " bytes";
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return failed(EFBIG, tooLarge);
    out.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n == 0)
            return {};
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(errno);
        if (out.size() + static_cast<std::uint64_t>(n) > maxBytes)
            return failed(EFBIG, tooLarge);
        out.append(buf, static_cast<std::size_t>(n));
    }
}

} // namespace ut
