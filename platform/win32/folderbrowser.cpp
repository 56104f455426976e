// The folder browser over GTK's folder chooser, run modally in GTK's main loop (wxWidgets' own
// on GTK), so that the application's windows keep painting while it is open.
#include "platform/win32/folderbrowser.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"
#include "platform/win32/shell.h"
#include "platform/win32/wstr.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// One open browser: its widgets, the caller's request and what the callback was last told.
struct Browser {
    GtkWidget* dialog = nullptr;
    GtkWidget* ok = nullptr;
    HWND hwnd = nullptr;
    const BROWSEINFOW* info = nullptr;
    std::string reported; // the folder of the last BFFM_SELCHANGED
};

std::string utf8(LPCWSTR s) { return s ? win32::toUtf8(win32::fromUtf16(s)) : std::string(); }
// The text a message carries in lParam.
std::string utf8(LPARAM text) { return utf8(reinterpret_cast<LPCWSTR>(text)); }

// The folder the chooser answers with: the one selected in the list, else the one it shows.
std::string chosenFolder(GtkFileChooser* chooser)
{
    gchar* name = gtk_file_chooser_get_filename(chooser);
    if (!name)
        name = gtk_file_chooser_get_current_folder(chooser);
    const std::string path = name ? name : "";
    g_free(name);
    return path;
}

// BFFM_SELCHANGED when the selection is another folder than last told.
void report(Browser& b, const std::string& folder)
{
    if (folder.empty() || folder == b.reported || !b.info->lpfn)
        return;
    b.reported = folder;
    const PIDLIST_ABSOLUTE item = win32::itemFromPath(folder);
    b.info->lpfn(b.hwnd, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item), b.info->lParam);
    CoTaskMemFree(item);
}

void onSelectionChanged(GtkFileChooser* chooser, gpointer data)
{
    report(*static_cast<Browser*>(data), chosenFolder(chooser));
}

LRESULT handle(Browser& b, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SETTEXT:
        gtk_window_set_title(GTK_WINDOW(b.dialog), utf8(lParam).c_str());
        return TRUE;
    case BFFM_SETSELECTIONW: {
        const std::string folder =
            wParam ? utf8(lParam) : win32::pathFromItem(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam));
        // The tree selects at once and says so; the chooser then shows the folder by itself.
        if (!folder.empty() && gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(b.dialog), folder.c_str()))
            report(b, folder);
        return 0;
    }
    case BFFM_ENABLEOK:
        gtk_dialog_set_response_sensitive(GTK_DIALOG(b.dialog), GTK_RESPONSE_ACCEPT, lParam != 0);
        return 0;
    case BFFM_SETOKTEXT:
        gtk_button_set_label(GTK_BUTTON(b.ok), utf8(lParam).c_str());
        return 0;
    default:
        return 0;
    }
}

// The text above the folders.
void addPrompt(GtkWidget* dialog, const std::string& text)
{
    GtkWidget* label = gtk_label_new(text.c_str());
    gtk_widget_set_name(label, "prompt");
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
    gtk_box_pack_start(GTK_BOX(content), label, FALSE, FALSE, 6);
    gtk_box_reorder_child(GTK_BOX(content), label, 0);
    gtk_widget_show(label);
}

// Disables the owner while the dialog is open and puts its state back.
class OwnerDisabled {
public:
    explicit OwnerDisabled(HWND owner) : m_owner(owner), m_wasDisabled(owner && EnableWindow(owner, FALSE)) {}
    ~OwnerDisabled()
    {
        if (m_owner && !m_wasDisabled)
            EnableWindow(m_owner, TRUE);
    }
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;

private:
    HWND m_owner;
    bool m_wasDisabled;
};

} // namespace

PIDLIST_ABSOLUTE win32::itemFromPath(const std::string& path)
{
    const std::size_t size = sizeof(USHORT) + path.size() + 1; // the path keeps its NUL
    if (size > 0xFFFF)
        return nullptr;
    auto* bytes = static_cast<unsigned char*>(std::calloc(size + sizeof(USHORT), 1)); // + the ending cb of 0
    if (!bytes)
        return nullptr;
    const auto cb = static_cast<USHORT>(size);
    std::memcpy(bytes, &cb, sizeof cb);
    std::memcpy(bytes + sizeof cb, path.c_str(), path.size() + 1);
    return reinterpret_cast<PIDLIST_ABSOLUTE>(bytes);
}

std::string win32::pathFromItem(PCIDLIST_ABSOLUTE pidl)
{
    if (!pidl)
        return std::string();
    const auto* bytes = reinterpret_cast<const unsigned char*>(pidl);
    USHORT cb = 0;
    std::memcpy(&cb, bytes, sizeof cb);
    if (cb <= sizeof cb || bytes[cb - 1] != 0)
        return std::string();
    return std::string(reinterpret_cast<const char*>(bytes + sizeof cb));
}

PIDLIST_ABSOLUTE SHBrowseForFolderW(BROWSEINFOW* lpbi)
{
    if (!lpbi) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!gtk_init_check(nullptr, nullptr) || !GDK_IS_X11_DISPLAY(gdk_display_get_default()))
        return nullptr;
    GdkDisplay* display = gdk_display_get_default();

    Browser b;
    b.info = lpbi;
    b.dialog = gtk_file_chooser_dialog_new("Browse For Folder", nullptr, GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER,
                                           g_dgettext("gtk30", "_Cancel"), GTK_RESPONSE_CANCEL, nullptr);
    b.ok = gtk_dialog_add_button(GTK_DIALOG(b.dialog), g_dgettext("gtk30", "_OK"), GTK_RESPONSE_ACCEPT);
    gtk_dialog_set_default_response(GTK_DIALOG(b.dialog), GTK_RESPONSE_ACCEPT);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(b.dialog);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    gtk_file_chooser_set_create_folders(chooser, (lpbi->ulFlags & BIF_NEWDIALOGSTYLE) &&
                                                     !(lpbi->ulFlags & BIF_NONEWFOLDERBUTTON));
    if (lpbi->lpszTitle && *lpbi->lpszTitle)
        addPrompt(b.dialog, utf8(lpbi->lpszTitle));
    gtk_window_set_modal(GTK_WINDOW(b.dialog), TRUE);
    gtk_window_set_default_size(GTK_WINDOW(b.dialog), 640, 480);
    gtk_widget_realize(b.dialog);
    GdkWindow* own = gtk_widget_get_window(b.dialog);
    b.hwnd = win32::hwndFromXid(gdk_x11_window_get_xid(own));
    GdkWindow* owner = lpbi->hwndOwner
                           ? gdk_x11_window_foreign_new_for_display(display, win32::xidFromHwnd(lpbi->hwndOwner))
                           : nullptr;
    if (owner)
        gdk_window_set_transient_for(own, owner);
    gdk_display_sync(display); // the window exists for the stand-in's own connection too
    win32::setWindowProcedure(b.hwnd, [&b](UINT msg, WPARAM wParam, LPARAM lParam) {
        return handle(b, msg, wParam, lParam);
    });

    PIDLIST_ABSOLUTE chosen = nullptr;
    {
        const OwnerDisabled disabled(owner ? lpbi->hwndOwner : nullptr);
        g_signal_connect(chooser, "selection-changed", G_CALLBACK(onSelectionChanged), &b);
        g_signal_connect(chooser, "current-folder-changed", G_CALLBACK(onSelectionChanged), &b);
        if (lpbi->lpfn)
            lpbi->lpfn(b.hwnd, BFFM_INITIALIZED, 0, lpbi->lParam);
        if (b.reported.empty())
            report(b, chosenFolder(chooser));
        if (gtk_dialog_run(GTK_DIALOG(b.dialog)) == GTK_RESPONSE_ACCEPT) {
            const std::string folder = chosenFolder(chooser);
            chosen = folder.empty() ? nullptr : win32::itemFromPath(folder);
            if (chosen && lpbi->pszDisplayName) {
                const std::size_t slash = folder.find_last_of('/');
                const std::string name =
                    slash == std::string::npos || folder.size() == 1 ? folder : folder.substr(slash + 1);
                win32::copyToField(lpbi->pszDisplayName, MAX_PATH, win32::toUtf16(win32::fromUtf8(name)));
            }
        }
        win32::setWindowProcedure(b.hwnd, {});
        gtk_widget_destroy(b.dialog);
    }
    if (owner)
        g_object_unref(owner);
    return chosen;
}

BOOL SHGetPathFromIDListEx(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath, DWORD cchPath, int)
{
    const std::string path = win32::pathFromItem(pidl);
    const std::u16string wide = win32::toUtf16(win32::fromUtf8(path));
    if (path.empty() || !pszPath || wide.size() >= cchPath)
        return FALSE;
    std::memcpy(pszPath, wide.c_str(), (wide.size() + 1) * sizeof(WCHAR));
    return TRUE;
}

BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath)
{
    return SHGetPathFromIDListEx(pidl, pszPath, MAX_PATH, GPFIDL_DEFAULT);
}

void CoTaskMemFree(void* pv) { std::free(pv); }
