// The shell calls of the Win32 stand-in: opening documents (xdg-open), the user's folders (the
// XDG user folders) and environment strings. Each call says what it reproduces and leaves out.
#pragma once
#include "platform/win32/handles.h"

constexpr int CSIDL_DESKTOP = 0x0000;
constexpr int CSIDL_PERSONAL = 0x0005; // Documents
constexpr int CSIDL_MYMUSIC = 0x000d;
constexpr int CSIDL_MYVIDEO = 0x000e;
constexpr int CSIDL_DESKTOPDIRECTORY = 0x0010;
constexpr int CSIDL_FONTS = 0x0014;
constexpr int CSIDL_TEMPLATES = 0x0015;
constexpr int CSIDL_APPDATA = 0x001a;
constexpr int CSIDL_LOCAL_APPDATA = 0x001c;
constexpr int CSIDL_INTERNET_CACHE = 0x0020;
constexpr int CSIDL_COMMON_APPDATA = 0x0023;
constexpr int CSIDL_MYPICTURES = 0x0027;
constexpr int CSIDL_PROFILE = 0x0028;
constexpr int CSIDL_FLAG_CREATE = 0x8000;
constexpr int MAX_PATH = 260;
using HRESULT = std::int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_ACCESSDENIED = 5;
constexpr int SE_ERR_NOASSOC = 31;

// Reproduces: the verb "open" (or none) on a document, folder or URL, handed to xdg-open, and
// its answer: a value above 32 once it opened, SE_ERR_FNF for a file that is not there,
// SE_ERR_NOASSOC when nothing can open it or another verb was asked, SE_ERR_ACCESSDENIED when
// xdg-open cannot be run. xdg-open still running after 5 seconds counts as opened (it may stay
// until the application it started ends). Leaves out: parameters, the folder, the show mode
// and the owner window (nothing here uses them).
HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters, LPCWSTR lpDirectory,
                        INT nShowCmd);

// Reproduces: the user's folders from the XDG user folders (user-dirs.dirs, then the usual
// defaults: Desktop, Documents, Music, Videos, Pictures, Templates under the home folder) and
// base folders (XDG_CONFIG_HOME for CSIDL_APPDATA, XDG_DATA_HOME for CSIDL_LOCAL_APPDATA,
// XDG_CACHE_HOME for the internet cache, ~/.local/share/fonts, /etc/xdg for common data, the
// home folder for the profile), created with CSIDL_FLAG_CREATE; E_INVALIDARG and an empty path
// for any other id. Leaves out: tokens of other users, SHGFP_TYPE_DEFAULT (the current folder
// is always given).
HRESULT SHGetFolderPathW(HWND hwnd, int csidl, HANDLE hToken, DWORD dwFlags, LPWSTR pszPath);

// Reproduces: every %NAME% of a variable that is set replaced by its value (the name's exact
// spelling first, then ignoring case), any other % text kept; the size needed in characters with
// the terminating NUL, written only when the buffer holds it. Leaves out: nothing.
DWORD ExpandEnvironmentStringsW(LPCWSTR lpSrc, LPWSTR lpDst, DWORD nSize);
