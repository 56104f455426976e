// OsShell::executeCommand over the process calls, and the shell helpers over the shell calls.
#include "davaraz/os/OsShell.h"
#include "platform/tvutils/StringUtils.h"
#include "platform/win32/processes.h"
#include "platform/win32/shell.h"
#include "platform/win32/wstr.h"

#include <wx/utils.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace wut {

unsigned long OsShell::executeCommand(const wchar_t* title, const wchar_t* commandLine, int flags)
{
    // Writable copies: CreateProcessW may write into the command line.
    std::u16string titleCopy = win32::toUtf16(title ? title : L"");
    std::u16string lineCopy = win32::toUtf16(commandLine ? commandLine : L"");
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.lpTitle = title ? &titleCopy[0] : nullptr;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = (flags & eMinimized) ? SW_MINIMIZE : (flags & eHidden) ? SW_HIDE : SW_SHOWDEFAULT;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, &lineCopy[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si,
                        &pi))
        return ut::sysErrorCode();

    if (HANDLE sync = OpenProcess(SYNCHRONIZE, TRUE, pi.dwProcessId)) {
        bool canceled = isCanceled();
        while (!canceled) {
            if (WaitForSingleObject(sync, 500) != WAIT_TIMEOUT)
                break;
            canceled = isCanceled();
        }
        // Ended for good before it is let go: nothing keeps running once cancelled.
        if (canceled && TerminateProcess(pi.hProcess, 0))
            WaitForSingleObject(sync, 5000);
        CloseHandle(sync);
    }
    for (HANDLE h : {pi.hProcess, pi.hThread})
        if (h && h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    return 0;
}

long winExecute(const OdString& command, int flags) { return wxExecute(wxString(command.c_str()), flags); }

bool LaunchDefaultBrowser(const OdString& url, bool flag)
{
    return wxLaunchDefaultBrowser(wxString(url.c_str()), flag ? 1 : 0);
}

bool LaunchDefaultApplication(const OdString& document)
{
    const std::u16string file = win32::toUtf16(document.c_str());
    return ShellExecuteW(nullptr, u"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL) != nullptr;
}

OdString folderPathByCSIDL(unsigned long csidl, unsigned long flags)
{
    WCHAR buffer[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, static_cast<int>(csidl), nullptr, static_cast<DWORD>(flags), buffer);
    return OdString(win32::fromUtf16(buffer, MAX_PATH));
}

unsigned long expandEnvironmentStrings(const wchar_t* source, wchar_t* destination, unsigned long size)
{
    const std::u16string src = win32::toUtf16(source ? source : L"");
    std::u16string expanded(ExpandEnvironmentStringsW(src.c_str(), nullptr, 0), u'\0');
    ExpandEnvironmentStringsW(src.c_str(), &expanded[0], static_cast<DWORD>(expanded.size()));
    // Counted in this platform's wide characters (UTF-32), the NUL included.
    const std::wstring wide = win32::fromUtf16(expanded.c_str());
    const unsigned long needed = static_cast<unsigned long>(wide.size() + 1);
    if (destination && size >= needed)
        std::copy(wide.c_str(), wide.c_str() + needed, destination);
    return needed;
}

} // namespace wut
