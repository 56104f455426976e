// Starting other programs and documents for the host: a child process whose wait can be
// cancelled, the default browser and application, the user's folders and environment strings.
#pragma once
#include "platform/od/OdString.h"

namespace wut {

class OsShell {
public:
    OsShell() = default;
    OsShell(const OsShell&) {}
    OsShell& operator=(const OsShell&) { return *this; }
    virtual ~OsShell() = default;

    // Flag bits of executeCommand: start minimised (wins) or hidden; without either the
    // default. Programs here have no windows of the system's to show or hide: the bits are
    // passed to the process start and have no effect.
    enum { eMinimized = 2, eHidden = 4 };

    // Runs the command line as a new process and waits for it, asking isCanceled() every half
    // second (and before the first wait); a cancelled process is ended. 0 once the process was
    // started, else the system error of the start (2: no such program, 5: not allowed to run it).
    // title and commandLine may be null.
    unsigned long executeCommand(const wchar_t* title, const wchar_t* commandLine, int flags);

protected:
    virtual bool isCanceled() const { return false; }
};

// wxExecute(command, flags): a process id, or 0 when it could not be started (wxWidgets' rules).
long winExecute(const OdString& command, int flags);
// wxLaunchDefaultBrowser(url, flag as its flags: true opens a new window where it can).
bool LaunchDefaultBrowser(const OdString& url, bool flag);
// Opens the document with the desktop's application for it (ShellExecuteW "open"): true when
// the shell call returned a handle, which on Windows its failure codes are too.
bool LaunchDefaultApplication(const OdString& document);
// The path of a CSIDL folder (SHGetFolderPathW into 260 characters); empty when it fails.
OdString folderPathByCSIDL(unsigned long csidl, unsigned long flags);
// ExpandEnvironmentStringsW: %NAME% replaced by the variable's value; the size needed in
// characters with the NUL.
unsigned long expandEnvironmentStrings(const wchar_t* source, wchar_t* destination, unsigned long size);

} // namespace wut
