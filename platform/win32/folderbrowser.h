// The shell's folder browser of the Win32 stand-in, over the GTK folder chooser. Each call says
// what of the real call it reproduces and what it leaves out.
#pragma once
#include "platform/win32/winuser.h"

using USHORT = unsigned short;

// An item list as the shell hands it out: SHITEMIDs, each `cb` bytes long counting `cb`
// itself, ended by one whose cb is 0. The stand-in's items hold one entry: the UTF-8 path.
struct SHITEMID {
    USHORT cb;
    BYTE abID[1];
};
struct ITEMIDLIST {
    SHITEMID mkid;
};
using PIDLIST_ABSOLUTE = ITEMIDLIST*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST*;
using LPITEMIDLIST = ITEMIDLIST*;

using BFFCALLBACK = int (*)(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

struct BROWSEINFOW {
    HWND hwndOwner;
    PCIDLIST_ABSOLUTE pidlRoot;
    LPWSTR pszDisplayName;
    LPCWSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
};

constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BIF_NEWDIALOGSTYLE = 0x0040;
constexpr UINT BIF_NONEWFOLDERBUTTON = 0x0200;
// Callback messages.
constexpr UINT BFFM_INITIALIZED = 1;
constexpr UINT BFFM_SELCHANGED = 2;
// Messages to the dialog.
constexpr UINT BFFM_ENABLEOK = WM_USER + 101;
constexpr UINT BFFM_SETSELECTIONW = WM_USER + 103;
constexpr UINT BFFM_SETOKTEXT = WM_USER + 105;
constexpr int GPFIDL_DEFAULT = 0;

// Reproduces: a modal folder chooser owned by hwndOwner (made transient for it and the owner
// disabled while it is open), the title as text above the folders, a button for a new folder
// only with BIF_NEWDIALOGSTYLE and without BIF_NONEWFOLDERBUTTON, the callback with
// BFFM_INITIALIZED before the dialog shows and BFFM_SELCHANGED (the item of the selected
// folder, valid during the call) each time the selected folder changes; the dialog takes
// WM_SETTEXT (SetWindowTextW), BFFM_SETSELECTIONW (a path when wParam is TRUE, else an item),
// BFFM_ENABLEOK and BFFM_SETOKTEXT; the chosen folder's item (free it with CoTaskMemFree) and
// its name in pszDisplayName, or null when cancelled. Leaves out: pidlRoot (the whole file
// system is shown), other BIF_ flags (only local folders are offered either way), the status
// text and the image index. Null without an X display.
PIDLIST_ABSOLUTE SHBrowseForFolderW(BROWSEINFOW* lpbi);

// Reproduces: the path of an item made by SHBrowseForFolderW, written when it fits cchPath
// characters with the terminating NUL; FALSE otherwise (and for a null item). Leaves out:
// the GPFIDL_ options (the path is always the file system's).
BOOL SHGetPathFromIDListEx(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath, DWORD cchPath, int uOpts);
// As SHGetPathFromIDListEx with a buffer of MAX_PATH (260) characters, as the real call assumes.
BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath);

// Frees what the shell calls allocated; null is allowed.
void CoTaskMemFree(void* pv);

namespace win32 {
// An item holding the path (UTF-8), freed with CoTaskMemFree.
PIDLIST_ABSOLUTE itemFromPath(const std::string& path);
// The path an item holds; empty for null or a malformed item.
std::string pathFromItem(PCIDLIST_ABSOLUTE pidl);
} // namespace win32
