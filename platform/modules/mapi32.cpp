// The stand-in's mail module: MAPISendMail over xdg-email. Loaded by ut::DynamicLibrary when a
// caller asks for "MAPI32.DLL".
#include "platform/win32/codepage.h"
#include "platform/win32/mapi.h"

#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// ANSI code page text (the simple MAPI interface is ANSI) as UTF-8 for the command line.
std::string fromAnsi(const char* text)
{
    if (!text || !*text)
        return std::string();
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, static_cast<wchar_t*>(nullptr), 0);
    std::wstring wide(n > 0 ? static_cast<std::size_t>(n) : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], n);
    if (!wide.empty())
        wide.pop_back(); // the NUL
    return win32::toUtf8(wide);
}

} // namespace

extern "C" ULONG MAPISendMail(LHANDLE, ULONG_PTR, MapiMessage* lpMessage, FLAGS, ULONG)
{
    if (!lpMessage)
        return MAPI_E_FAILURE;
    std::vector<std::string> args = {"xdg-email"};
    if (lpMessage->lpszSubject && *lpMessage->lpszSubject) {
        args.push_back("--subject");
        args.push_back(fromAnsi(lpMessage->lpszSubject));
    }
    if (lpMessage->lpszNoteText && *lpMessage->lpszNoteText) {
        args.push_back("--body");
        args.push_back(fromAnsi(lpMessage->lpszNoteText));
    }
    for (ULONG i = 0; i < lpMessage->nFileCount && lpMessage->lpFiles; ++i) {
        args.push_back("--attach");
        args.push_back(fromAnsi(lpMessage->lpFiles[i].lpszPathName));
    }
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-email", nullptr, nullptr, argv.data(), environ) != 0)
        return MAPI_E_LOGIN_FAILURE;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    if (!WIFEXITED(status))
        return MAPI_E_FAILURE;
    // xdg-email: 0 done, 2 a file does not exist, 3 no tool for it, others failed.
    switch (WEXITSTATUS(status)) {
    case 0: return SUCCESS_SUCCESS;
    case 2: return MAPI_E_ATTACHMENT_NOT_FOUND;
    case 3: return MAPI_E_LOGIN_FAILURE;
    default: return MAPI_E_FAILURE;
    }
}
