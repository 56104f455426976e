// Shell calls over Linux: xdg-open for documents, the XDG folders, environment expansion.
#include "platform/win32/shell.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"
#include "platform/win32/processes.h"
#include "platform/win32/wstr.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <strings.h>
#include <sys/stat.h>

extern char** environ;

namespace {

std::string home()
{
    const char* h = std::getenv("HOME");
    return h && *h ? h : "/";
}

std::string envOr(const char* name, const std::string& fallback)
{
    const char* v = std::getenv(name);
    return v && *v == '/' ? v : fallback;
}

// XDG_<KEY>_DIR from user-dirs.dirs ("$HOME/..." or an absolute path), else the default.
std::string userDir(const char* key, const char* fallback)
{
    std::ifstream dirs(envOr("XDG_CONFIG_HOME", home() + "/.config") + "/user-dirs.dirs");
    const std::string prefix = std::string("XDG_") + key + "_DIR=\"";
    for (std::string line; std::getline(dirs, line);) {
        if (line.compare(0, prefix.size(), prefix) != 0 || line.back() != '"')
            continue;
        std::string value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home() + value.substr(5);
        if (!value.empty() && value[0] == '/')
            return value;
    }
    return home() + "/" + fallback;
}

std::string folderOf(int csidl)
{
    switch (csidl) {
    case CSIDL_DESKTOP:
    case CSIDL_DESKTOPDIRECTORY: return userDir("DESKTOP", "Desktop");
    case CSIDL_PERSONAL: return userDir("DOCUMENTS", "Documents");
    case CSIDL_MYMUSIC: return userDir("MUSIC", "Music");
    case CSIDL_MYVIDEO: return userDir("VIDEOS", "Videos");
    case CSIDL_MYPICTURES: return userDir("PICTURES", "Pictures");
    case CSIDL_TEMPLATES: return userDir("TEMPLATES", "Templates");
    case CSIDL_APPDATA: return envOr("XDG_CONFIG_HOME", home() + "/.config");
    case CSIDL_LOCAL_APPDATA: return envOr("XDG_DATA_HOME", home() + "/.local/share");
    case CSIDL_INTERNET_CACHE: return envOr("XDG_CACHE_HOME", home() + "/.cache");
    case CSIDL_FONTS: return envOr("XDG_DATA_HOME", home() + "/.local/share") + "/fonts";
    case CSIDL_COMMON_APPDATA: return "/etc/xdg";
    case CSIDL_PROFILE: return home();
    default: return std::string();
    }
}

bool makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

HINSTANCE shellResult(int code) { return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(code)); }

} // namespace

HINSTANCE ShellExecuteW(HWND, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR, LPCWSTR, INT)
{
    const bool isOpen = !lpOperation || win32::equalNoCase(win32::fromUtf16(lpOperation), L"open");
    if (!lpFile || !*lpFile || !isOpen)
        return shellResult(SE_ERR_NOASSOC);
    PROCESS_INFORMATION pi{};
    if (win32::spawnProcess({"xdg-open", win32::toUtf8(win32::fromUtf16(lpFile))}, pi) != ERROR_SUCCESS)
        return shellResult(SE_ERR_ACCESSDENIED);
    DWORD code = 0;
    const bool ended = WaitForSingleObject(pi.hProcess, 5000) == WAIT_OBJECT_0;
    if (ended)
        GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // xdg-open: 0 done, 2 no such file, 3 no tool for it, 4 the action failed.
    if (!ended || code == 0)
        return shellResult(42);
    return shellResult(code == 2 ? SE_ERR_FNF : SE_ERR_NOASSOC);
}

HRESULT SHGetFolderPathW(HWND, int csidl, HANDLE, DWORD, LPWSTR pszPath)
{
    if (!pszPath)
        return E_INVALIDARG;
    pszPath[0] = 0;
    const std::string folder = folderOf(csidl & ~CSIDL_FLAG_CREATE);
    if (folder.empty())
        return E_INVALIDARG;
    if ((csidl & CSIDL_FLAG_CREATE) && !makeFolders(folder))
        return E_FAIL;
    const std::u16string path = win32::toUtf16(win32::fromUtf8(folder));
    if (path.size() >= static_cast<std::size_t>(MAX_PATH))
        return E_FAIL;
    std::memcpy(pszPath, path.c_str(), (path.size() + 1) * sizeof(WCHAR));
    return S_OK;
}

DWORD ExpandEnvironmentStringsW(LPCWSTR lpSrc, LPWSTR lpDst, DWORD nSize)
{
    const std::wstring src = lpSrc ? win32::fromUtf16(lpSrc) : L"";
    std::wstring out;
    for (std::size_t i = 0; i < src.size();) {
        const std::size_t close = src[i] == L'%' ? src.find(L'%', i + 1) : std::wstring::npos;
        if (close == std::wstring::npos || close == i + 1) {
            out += src[i++];
            continue;
        }
        const std::string name = win32::toUtf8(src.substr(i + 1, close - i - 1));
        const char* value = std::getenv(name.c_str());
        for (char** e = environ; !value && e && *e; ++e)
            if (strncasecmp(*e, name.c_str(), name.size()) == 0 && (*e)[name.size()] == '=')
                value = *e + name.size() + 1;
        if (!value) {
            out += src.substr(i, close - i); // the closing % may open the next name
            i = close;
            continue;
        }
        out += win32::fromUtf8(value);
        i = close + 1;
    }
    const std::u16string utf16 = win32::toUtf16(out);
    const DWORD needed = static_cast<DWORD>(utf16.size() + 1);
    if (lpDst && nSize >= needed)
        std::memcpy(lpDst, utf16.c_str(), needed * sizeof(WCHAR));
    return needed;
}
