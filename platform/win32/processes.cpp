// Processes over posix_spawn, waited for and ended through Linux process descriptors (pidfd),
// so that a handle always means the process it was made for, even after its id is reused.
#include "platform/win32/processes.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"
#include "platform/win32/wstr.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr DWORD CREATE_UNICODE_ENVIRONMENT = 0x400;

// One process, shared by every handle on it.
struct Process {
    pid_t pid = 0;
    int pidfd = -1;
    bool child = false;    // ours to collect
    bool ended = false;
    DWORD exitCode = STILL_ACTIVE;
    bool terminated = false; // by TerminateProcess, whose code is the exit code
    ~Process()
    {
        if (pidfd >= 0)
            close(pidfd);
    }
};

struct Handle {
    std::shared_ptr<Process> process; // thread handles share their process's
};

std::mutex g_mutex;
std::set<Handle*> g_handles;
std::map<pid_t, std::weak_ptr<Process>> g_children;

int pidfdOpen(pid_t pid) { return static_cast<int>(syscall(SYS_pidfd_open, pid, 0)); }

// Collects an ended child of ours; true once it has ended.
bool collect(Process& p)
{
    if (p.ended)
        return true;
    if (!p.child)
        return false;
    int status = 0;
    if (waitpid(p.pid, &status, WNOHANG) != p.pid)
        return false;
    p.ended = true;
    if (!p.terminated)
        p.exitCode = WIFEXITED(status) ? static_cast<DWORD>(WEXITSTATUS(status))
                                       : 128 + static_cast<DWORD>(WTERMSIG(status));
    return true;
}

Handle* lookup(HANDLE h)
{
    Handle* handle = static_cast<Handle*>(h);
    return g_handles.count(handle) ? handle : nullptr;
}

HANDLE makeHandle(const std::shared_ptr<Process>& p)
{
    auto* h = new Handle{p};
    g_handles.insert(h);
    return h;
}

std::string narrow(const std::wstring& s) { return win32::toUtf8(s); } // unpaired surrogates: U+FFFD

// Whether a program file can be run: missing (or a folder) is ERROR_FILE_NOT_FOUND, present
// without execute permission ERROR_ACCESS_DENIED, as Windows reports them.
DWORD checkProgram(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return ERROR_FILE_NOT_FOUND;
    return access(path.c_str(), X_OK) == 0 ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

// The program file for the first word: as given when it has a slash, else along PATH.
DWORD findProgram(const std::string& word, std::string& path)
{
    if (word.find('/') != std::string::npos) {
        path = word;
        return checkProgram(word);
    }
    const char* env = std::getenv("PATH");
    const std::string dirs = env ? env : "/usr/bin:/bin";
    DWORD best = ERROR_FILE_NOT_FOUND;
    for (std::size_t start = 0; start <= dirs.size();) {
        const std::size_t end = dirs.find(':', start);
        const std::string dir = dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::string candidate = (dir.empty() ? "." : dir) + "/" + word;
        const DWORD rc = checkProgram(candidate);
        if (rc == ERROR_SUCCESS) {
            path = candidate;
            return ERROR_SUCCESS;
        }
        if (rc == ERROR_ACCESS_DENIED)
            best = ERROR_ACCESS_DENIED;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return best;
}

// A UTF-16 environment block: NAME=value strings, each NUL-terminated, a NUL at the end.
std::vector<std::string> environmentBlock(const WCHAR* block)
{
    std::vector<std::string> vars;
    for (const WCHAR* p = block; *p;) {
        const std::wstring one = win32::fromUtf16(p);
        vars.push_back(narrow(one));
        while (*p)
            ++p;
        ++p;
    }
    return vars;
}

// Starts a program (already checked) and hands out process and thread handles on it.
DWORD spawn(const std::string& program, std::vector<std::string> args, std::vector<std::string>* vars,
            const std::string& folder, PROCESS_INFORMATION& info)
{
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    std::vector<char*> envp;
    if (vars) {
        for (std::string& v : *vars)
            envp.push_back(&v[0]);
        envp.push_back(nullptr);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), vars ? envp.data() : environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return spawned == EACCES ? ERROR_ACCESS_DENIED : spawned == ENOENT ? ERROR_FILE_NOT_FOUND : ERROR_NOT_ENOUGH_MEMORY;
    auto process = std::make_shared<Process>();
    process->pid = pid;
    process->child = true;
    process->pidfd = pidfdOpen(pid);
    std::lock_guard<std::mutex> lock(g_mutex);
    g_children[pid] = process;
    info.hProcess = makeHandle(process);
    info.hThread = makeHandle(process);
    info.dwProcessId = static_cast<DWORD>(pid);
    info.dwThreadId = static_cast<DWORD>(pid);
    return ERROR_SUCCESS;
}

} // namespace

std::vector<std::wstring> win32::splitCommandLine(const std::wstring& line)
{
    std::vector<std::wstring> words;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == L' ' || line[i] == L'\t'))
            ++i;
        if (i >= n)
            break;
        std::wstring word;
        bool quoted = false;
        while (i < n && (quoted || (line[i] != L' ' && line[i] != L'\t'))) {
            if (line[i] == L'\\') {
                std::size_t slashes = 0;
                while (i < n && line[i] == L'\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && line[i] == L'"') {
                    word.append(slashes / 2, L'\\');
                    if (slashes % 2) {
                        word += L'"';
                        ++i;
                    }
                } else {
                    word.append(slashes, L'\\');
                }
            } else if (line[i] == L'"') {
                if (quoted && i + 1 < n && line[i + 1] == L'"') { // "" inside quotes: one quote
                    word += L'"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                word += line[i++];
            }
        }
        words.push_back(word);
    }
    return words;
}

BOOL CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine, void*, void*, BOOL, DWORD dwCreationFlags,
                    void* lpEnvironment, LPCWSTR lpCurrentDirectory, STARTUPINFOW*,
                    PROCESS_INFORMATION* lpProcessInformation)
{
    if (!lpProcessInformation || (!lpApplicationName && !lpCommandLine) ||
        (lpEnvironment && !(dwCreationFlags & CREATE_UNICODE_ENVIRONMENT))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<std::wstring> words = win32::splitCommandLine(lpCommandLine ? win32::fromUtf16(lpCommandLine) : L"");
    std::string program;
    DWORD rc = ERROR_FILE_NOT_FOUND;
    if (lpApplicationName) {
        program = narrow(win32::fromUtf16(lpApplicationName));
        rc = checkProgram(program);
        if (words.empty())
            words.push_back(win32::fromUtf16(lpApplicationName));
    } else if (!words.empty()) {
        rc = findProgram(narrow(words.front()), program);
    }
    if (rc != ERROR_SUCCESS) {
        SetLastError(rc);
        return FALSE;
    }

    std::vector<std::string> args;
    for (const std::wstring& w : words)
        args.push_back(narrow(w));
    std::vector<std::string> vars;
    if (lpEnvironment)
        vars = environmentBlock(static_cast<const WCHAR*>(lpEnvironment));
    const std::string folder = lpCurrentDirectory ? narrow(win32::fromUtf16(lpCurrentDirectory)) : std::string();
    rc = spawn(program, args, lpEnvironment ? &vars : nullptr, folder, *lpProcessInformation);
    if (rc != ERROR_SUCCESS) {
        SetLastError(rc);
        return FALSE;
    }
    return TRUE;
}

DWORD win32::spawnProcess(const std::vector<std::string>& argv, PROCESS_INFORMATION& info)
{
    if (argv.empty())
        return ERROR_INVALID_PARAMETER;
    std::string program;
    const DWORD rc = findProgram(argv.front(), program);
    return rc == ERROR_SUCCESS ? spawn(program, argv, nullptr, std::string(), info) : rc;
}

HANDLE OpenProcess(DWORD, BOOL, DWORD dwProcessId)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto known = g_children.find(static_cast<pid_t>(dwProcessId));
    if (known != g_children.end())
        if (std::shared_ptr<Process> p = known->second.lock())
            return makeHandle(p);
    const int fd = dwProcessId ? pidfdOpen(static_cast<pid_t>(dwProcessId)) : -1;
    if (fd < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto p = std::make_shared<Process>();
    p->pid = static_cast<pid_t>(dwProcessId);
    p->pidfd = fd;
    return makeHandle(p);
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds)
{
    std::shared_ptr<Process> p;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        Handle* h = lookup(hHandle);
        if (!h) {
            SetLastError(ERROR_INVALID_HANDLE);
            return WAIT_FAILED;
        }
        p = h->process;
        if (collect(*p))
            return WAIT_OBJECT_0;
    }
    pollfd fd{p->pidfd, POLLIN, 0};
    const int timeout = dwMilliseconds == INFINITE ? -1 : static_cast<int>(std::min<DWORD>(dwMilliseconds, INT32_MAX));
    int ready;
    do
        ready = poll(&fd, 1, timeout);
    while (ready < 0 && errno == EINTR);
    if (ready < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    if (ready == 0)
        return WAIT_TIMEOUT;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!collect(*p) && !p->child)
        p->ended = true; // another's process: its descriptor says it has ended
    return WAIT_OBJECT_0;
}

BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    Handle* h = lookup(hProcess);
    if (!h) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Process& p = *h->process;
    if (collect(p)) {
        SetLastError(ERROR_ACCESS_DENIED); // as Windows answers for a process that has ended
        return FALSE;
    }
    if (syscall(SYS_pidfd_send_signal, p.pidfd, SIGKILL, nullptr, 0) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    p.terminated = true;
    p.exitCode = uExitCode;
    return TRUE;
}

BOOL GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    Handle* h = lookup(hProcess);
    if (!h || !lpExitCode) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *lpExitCode = collect(*h->process) ? h->process->exitCode : STILL_ACTIVE;
    return TRUE;
}

BOOL CloseHandle(HANDLE hObject)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    Handle* h = lookup(hObject);
    if (!h) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    g_handles.erase(h);
    delete h;
    // Children whose every handle is gone are collected once they end; those still running
    // are looked at again on the next close.
    for (auto it = g_children.begin(); it != g_children.end();) {
        int status = 0;
        if (it->second.expired() && waitpid(it->first, &status, WNOHANG) != 0)
            it = g_children.erase(it);
        else if (!it->second.expired() && it->second.lock()->ended)
            it = g_children.erase(it);
        else
            ++it;
    }
    return TRUE;
}
