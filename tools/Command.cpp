// Shared helpers of the tool's commands: messages and UTF-8 conversions.
#include "Command.h"
#include "platform/win32/codepage.h"

#include <cstdio>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>

namespace cli {

int fail(const std::string& file, const std::string& message)
{
    std::fprintf(stderr, "davaraz: %s: %s\n", file.c_str(), message.c_str());
    return kFailed;
}

int usageError(const std::string& message)
{
    std::fprintf(stderr, "davaraz: %s\n", message.c_str());
    return kUsage;
}

int refuseInputAsOutput(const std::string& input, const std::string& output)
{
    struct stat in;
    struct stat out;
    if (::stat(input.c_str(), &in) == 0 && ::stat(output.c_str(), &out) == 0 && in.st_dev == out.st_dev &&
        in.st_ino == out.st_ino)
        return fail(output, "is the input " + input + "; nothing written (choose another output)");
    return kOk;
}

bool hasExtension(const std::string& path, const char* extension)
{
    const std::size_t n = std::strlen(extension);
    return path.size() > n && strcasecmp(path.c_str() + path.size() - n, extension) == 0 && path[path.size() - n - 1] != '/';
}

std::wstring widen(const std::string& utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                      static_cast<wchar_t*>(nullptr), 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

std::string narrow(const std::wstring& wide)
{
    if (wide.empty())
        return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
    return out;
}

} // namespace cli
