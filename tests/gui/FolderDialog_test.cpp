// The folder dialog as the user meets it: the GTK chooser the stand-in shows, found on screen,
// checked and answered from a GLib timer while the dialog runs.
#include "GuiTestApp.h"
#include "TestUtil.h"
#include "davaraz/gui/NativeWindows.h"
#include "davaraz/gui/WindowHelpers.h"
#include "platform/win32/winuser.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/frame.h>

#include <chrono>
#include <string>

namespace {

using FolderDialogTest = GuiTest;

std::wstring text(const OdString& s) { return s.c_str(); }

// What the test saw of the chooser once it showed the expected folder.
struct Seen {
    bool shown = false;
    std::string title, prompt, folder;
    bool createFolders = false;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};

// Finds the chooser on screen; when it shows `folder`, records what it shows, goes on to
// `thenFolder` as a user would (when given) and, once there, answers with `response`. After
// 10 s it cancels.
class Driver {
public:
    Driver(std::string folder, int response, std::string thenFolder = std::string())
        : m_folder(std::move(folder)), m_then(std::move(thenFolder)), m_response(response),
          m_deadline(std::chrono::steady_clock::now() + std::chrono::seconds(10))
    {
        m_source = g_timeout_add(20, tick, this);
    }
    ~Driver()
    {
        if (m_source)
            g_source_remove(m_source);
    }
    Seen seen;

private:
    static GtkWidget* findChooser()
    {
        GtkWidget* found = nullptr;
        GList* all = gtk_window_list_toplevels();
        for (GList* w = all; w; w = w->next)
            if (GTK_IS_FILE_CHOOSER_DIALOG(w->data) && gtk_widget_get_mapped(GTK_WIDGET(w->data)))
                found = GTK_WIDGET(w->data);
        g_list_free(all);
        return found;
    }
    static GtkWidget* named(GtkWidget* w, const char* name)
    {
        if (std::string(gtk_widget_get_name(w)) == name)
            return w;
        if (!GTK_IS_CONTAINER(w))
            return nullptr;
        GtkWidget* found = nullptr;
        GList* children = gtk_container_get_children(GTK_CONTAINER(w));
        for (GList* c = children; c && !found; c = c->next)
            found = named(GTK_WIDGET(c->data), name);
        g_list_free(children);
        return found;
    }
    static gboolean tick(gpointer data)
    {
        Driver& d = *static_cast<Driver*>(data);
        GtkWidget* dialog = findChooser();
        if (!dialog)
            return std::chrono::steady_clock::now() < d.m_deadline ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
        GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
        gchar* folder = gtk_file_chooser_get_current_folder(chooser);
        d.seen.folder = folder ? folder : "";
        g_free(folder);
        const bool timedOut = std::chrono::steady_clock::now() >= d.m_deadline;
        if (d.seen.folder != d.m_folder && !timedOut)
            return G_SOURCE_CONTINUE;
        if (!d.seen.shown) {
            d.seen.shown = true;
            d.seen.title = gtk_window_get_title(GTK_WINDOW(dialog));
            if (GtkWidget* prompt = named(dialog, "prompt"))
                d.seen.prompt = gtk_label_get_text(GTK_LABEL(prompt));
            d.seen.createFolders = gtk_file_chooser_get_create_folders(chooser);
            Window transientFor = 0;
            if (XGetTransientForHint(GDK_WINDOW_XDISPLAY(gtk_widget_get_window(dialog)),
                                     GDK_WINDOW_XID(gtk_widget_get_window(dialog)), &transientFor))
                d.seen.owner = win32::hwndFromXid(transientFor);
            d.seen.ownerEnabled = d.seen.owner && IsWindowEnabled(d.seen.owner);
        }
        if (!d.m_then.empty() && !timedOut) {
            gtk_file_chooser_set_current_folder(chooser, d.m_then.c_str());
            d.m_folder = d.m_then;
            d.m_then.clear();
            return G_SOURCE_CONTINUE;
        }
        gtk_dialog_response(GTK_DIALOG(dialog), timedOut ? GTK_RESPONSE_CANCEL : d.m_response);
        d.m_source = 0;
        return G_SOURCE_REMOVE;
    }

    std::string m_folder;
    std::string m_then;
    int m_response;
    std::chrono::steady_clock::time_point m_deadline;
    guint m_source = 0;
};

TEST_F(FolderDialogTest, ShowsTheRequestAndAnswersTheChosenFolder)
{
    const testutil::TempDir dir;
    const std::string plots = dir.path("plots").string();
    testutil::fs::create_directories(dir.path("plots/2026"));
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxT("owner"));
    frame->Show();
    wxYield();
    SetActiveWindow(wut::hwndOf(frame));

    // Back slashes become slashes and trailing ones go; the folder's own answer has none.
    {
        Driver driver(plots, GTK_RESPONSE_ACCEPT);
        const std::wstring initial = dir.path("plots").wstring() + L"\\\\";
        EXPECT_EQ(text(wut::selectFolderDlg(L"Plot folder", initial.c_str(), L"Where the plots go", false)),
                  dir.path("plots").wstring());
        ASSERT_TRUE(driver.seen.shown);
        EXPECT_EQ(driver.seen.title, "Plot folder");
        EXPECT_EQ(driver.seen.prompt, "Where the plots go");
        EXPECT_FALSE(driver.seen.createFolders);
        EXPECT_EQ(driver.seen.owner, wut::hwndOf(frame));
        EXPECT_FALSE(driver.seen.ownerEnabled) << "modal to its owner";
    }
    EXPECT_TRUE(frame->IsEnabled());

    // Another folder chosen in the dialog; the default caption; a new-folder button.
    {
        Driver driver(plots, GTK_RESPONSE_ACCEPT, plots + "/2026");
        EXPECT_EQ(text(wut::selectFolderDlg(L"", dir.path("plots/").wstring().c_str(), nullptr, true)),
                  dir.path("plots/2026").wstring());
        EXPECT_EQ(driver.seen.title, "Select Folder");
        EXPECT_EQ(driver.seen.prompt, "");
        EXPECT_TRUE(driver.seen.createFolders);
    }
    // The root keeps its slash; cancelled is empty.
    {
        Driver driver("/", GTK_RESPONSE_ACCEPT);
        EXPECT_EQ(text(wut::selectFolderDlg(nullptr, L"\\", nullptr, false)), L"/");
    }
    {
        Driver driver(plots, GTK_RESPONSE_CANCEL);
        EXPECT_EQ(text(wut::selectFolderDlg(nullptr, dir.path("plots").wstring().c_str(), nullptr, false)), L"");
        EXPECT_TRUE(driver.seen.shown);
    }
    frame->Destroy();
}

} // namespace
