// Choosing a folder with the shell's folder browser, scrolled to the folder given at first.
#include "davaraz/gui/Log.h"
#include "davaraz/gui/WindowHelpers.h"
#include "platform/tvutils/FileName.h"
#include "platform/win32/folderbrowser.h"
#include "platform/win32/wstr.h"

#include <vector>

namespace wut {

namespace {

// What the callback needs while the dialog is open. The initial folder outlives its last use:
// a message posted with it may still be on its way.
struct FolderDialogSetUp {
    std::u16string caption;
    std::u16string initialFolder;
    bool selectAgain = false; // the initial folder is selected once more at the next change
} g_setUp;

int browseCallback(HWND hwnd, UINT msg, LPARAM, LPARAM)
{
    if (msg == BFFM_INITIALIZED) {
        SetWindowTextW(hwnd, g_setUp.caption.c_str());
        g_setUp.selectAgain = !g_setUp.initialFolder.empty();
        if (g_setUp.selectAgain)
            SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(g_setUp.initialFolder.c_str()));
    } else if (msg == BFFM_SELCHANGED && g_setUp.selectAgain) {
        // Once more after the dialog settled, so that the tree scrolls to it.
        g_setUp.selectAgain = false;
        PostMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(g_setUp.initialFolder.c_str()));
    }
    return 0;
}

// Trailing slashes go; the root keeps its one. Back slashes are separators only where they
// were made slashes (the initial folder); in a chosen path they belong to a folder's name.
OdString withoutTrailingSlashes(const OdString& path)
{
    std::wstring s(path.c_str());
    while (s.size() > 1 && s.back() == L'/')
        s.pop_back();
    return OdString(s);
}

} // namespace

OdString selectFolderDlg(const wchar_t* caption, const wchar_t* initialFolder, const wchar_t* prompt,
                         bool allowNewFolder)
{
    g_setUp.caption = win32::toUtf16(caption && *caption ? std::wstring(caption)
                                                          : translate(L"Select Folder").ToStdWstring());
    g_setUp.initialFolder =
        win32::toUtf16(withoutTrailingSlashes(ut::correctSlashes(initialFolder ? initialFolder : L"")).c_str());
    const std::u16string text = win32::toUtf16(prompt);
    BROWSEINFOW info{};
    info.hwndOwner = GetActiveWindow();
    info.lpszTitle = text.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | (allowNewFolder ? 0 : BIF_NONEWFOLDERBUTTON);
    info.lpfn = browseCallback;
    const PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    if (!item)
        return OdString();
    std::vector<WCHAR> path(4096);
    const bool converted = SHGetPathFromIDListEx(item, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT);
    CoTaskMemFree(item);
    return converted ? withoutTrailingSlashes(OdString(win32::fromUtf16(path.data()))) : OdString();
}

} // namespace wut
