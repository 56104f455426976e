// ut::FileName and friends over std::filesystem and mkstemp.
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/TempFiles.h"
#include "platform/win32/codepage.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ut {

// File names are bytes. Bytes that are not UTF-8 travel as U+DC80..U+DCFF, one per byte, and
// come back as themselves, so that every name the file system holds round-trips.
std::string toNativePath(const OdString& path)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(path.getLength()));
    for (const wchar_t* p = path.c_str(); *p; ++p) {
        const std::uint32_t c = static_cast<std::uint32_t>(*p);
        if (c >= 0xDC80 && c <= 0xDCFF) {
            out += static_cast<char>(c - 0xDC00);
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x110000) {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += '?';
        }
    }
    return out;
}

OdString fromNativePath(const std::string& path)
{
    std::wstring out;
    out.reserve(path.size());
    const auto byte = [&path](std::size_t i) { return static_cast<unsigned char>(path[i]); };
    for (std::size_t i = 0; i < path.size();) {
        const unsigned char b = byte(i);
        const std::size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        std::uint32_t c = len == 1 ? b : len == 2 ? (b & 0x1Fu) : len == 3 ? (b & 0x0Fu) : (b & 0x07u);
        bool ok = len > 0 && i + len <= path.size();
        for (std::size_t k = 1; ok && k < len; ++k) {
            ok = (byte(i + k) & 0xC0) == 0x80;
            c = (c << 6) | (byte(i + k) & 0x3Fu);
        }
        // Overlong forms, surrogates and values past U+10FFFF are no UTF-8 either.
        static const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        ok = ok && c >= least[len] && !(c >= 0xD800 && c <= 0xDFFF) && c <= 0x10FFFF;
        if (ok) {
            out += static_cast<wchar_t>(c);
            i += len;
        } else {
            out += static_cast<wchar_t>(0xDC00 + b);
            ++i;
        }
    }
    return OdString(std::move(out));
}

namespace {
fs::path native(const OdString& p) { return fs::path(toNativePath(p)); }
OdString back(const fs::path& p) { return fromNativePath(p.string()); }
} // namespace

OdString FileName::getFullPath() const
{
    if (m_path.isEmpty())
        return OdString();
    std::error_code ec;
    fs::path abs = fs::absolute(native(m_path), ec);
    return ec ? m_path : back(abs.lexically_normal());
}

OdString FileName::getFullName() const { return back(native(m_path).filename()); }
OdString FileName::getName() const { return back(native(m_path).stem()); }

OdString FileName::getExt() const
{
    std::string ext = native(m_path).extension().string();
    return fromNativePath(ext.empty() ? ext : ext.substr(1));
}

OdString FileName::getPath(int flags) const
{
    OdString folder = back(native(m_path).parent_path());
    if ((flags & kPathWithSeparator) && !folder.isEmpty() && folder.str().back() != L'/')
        folder += L'/';
    return folder;
}

void FileName::setPath(const OdString& folder)
{
    m_path = back(native(folder) / native(getFullName()));
}

bool FileName::hasExt(const OdString& ext) const
{
    return getExt().iCompare(ext.c_str()) == 0;
}

bool FileName::exists(int) const
{
    std::error_code ec;
    return !m_path.isEmpty() && fs::exists(native(m_path), ec);
}

OdString FileName::createTempFileName(const OdString& prefix)
{
    std::error_code ec;
    fs::path dir = fs::temp_directory_path(ec);
    if (ec)
        return OdString();
    std::string templ = (dir / (toNativePath(prefix) + "XXXXXX")).string();
    const int fd = mkstemp(&templ[0]);
    if (fd < 0)
        return OdString();
    close(fd);
    trackTempFile(templ);
    return fromNativePath(templ);
}

std::string FileName::tempFolderProblem()
{
    const char* env = std::getenv("TMPDIR");
    const std::string dir = env && *env ? env : "/tmp";
    struct stat st;
    int error = 0;
    if (::stat(dir.c_str(), &st) != 0)
        error = errno;
    else if (!S_ISDIR(st.st_mode))
        error = ENOTDIR;
    else if (::access(dir.c_str(), W_OK | X_OK) != 0)
        error = errno;
    else if (struct statvfs fs; ::statvfs(dir.c_str(), &fs) == 0 && fs.f_bavail == 0)
        error = ENOSPC;
    return error ? "the temporary folder " + dir + ": " + std::strerror(error) : std::string();
}

bool removeFile(const OdString& path)
{
    if (path.isEmpty())
        return false;
    const std::string native = toNativePath(path);
    untrackTempFile(native);
    return ::unlink(native.c_str()) == 0;
}

void correctSlashes(OdString& path)
{
    path.replace(L'\\', L'/');
}

OdString correctSlashes(const wchar_t* path)
{
    OdString result(path);
    correctSlashes(result);
    return result;
}

} // namespace ut
