// ut::FileName and friends over std::filesystem and mkstemp.
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/TempFiles.h"
#include "platform/win32/codepage.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ut {

std::string toNativePath(const OdString& path)
{
    if (path.isEmpty())
        return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), path.getLength(), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, path.c_str(), path.getLength(), &out[0], n, nullptr, nullptr);
    return out;
}

OdString fromNativePath(const std::string& path)
{
    if (path.empty())
        return OdString();
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()),
                                      static_cast<wchar_t*>(nullptr), 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), &out[0], n);
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
