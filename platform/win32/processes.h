// The process calls of the Win32 stand-in, over posix_spawn and Linux process descriptors.
// Each call says what of the real call it reproduces and what it leaves out.
#pragma once
#include "platform/win32/handles.h"

#include <string>
#include <vector>

struct STARTUPINFOW {
    DWORD cb;
    LPWSTR lpReserved;
    LPWSTR lpDesktop;
    LPWSTR lpTitle;
    DWORD dwX, dwY, dwXSize, dwYSize, dwXCountChars, dwYCountChars, dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput, hStdOutput, hStdError;
};

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};

const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
constexpr DWORD STARTF_USESHOWWINDOW = 0x1;
constexpr DWORD NORMAL_PRIORITY_CLASS = 0x20;
constexpr DWORD SYNCHRONIZE = 0x100000;
constexpr DWORD PROCESS_TERMINATE = 0x1;
constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;
constexpr DWORD STILL_ACTIVE = 259;
constexpr WORD SW_HIDE = 0;
constexpr WORD SW_SHOWNORMAL = 1;
constexpr WORD SW_SHOWMINNOACTIVE = 7;
constexpr WORD SW_MINIMIZE = 6;
constexpr WORD SW_SHOWDEFAULT = 10;

// Reproduces: the command line split as Windows' C runtime splits it (blanks separate, double
// quotes group, backslashes escape only before quotes), the program searched along PATH when the
// first word has no slash, ERROR_FILE_NOT_FOUND (2) for a program that is not there and
// ERROR_ACCESS_DENIED (5) for one that may not be run, the inherited or given environment block
// (UTF-16, NUL-separated, with CREATE_UNICODE_ENVIRONMENT) and working folder, process and thread
// handles and ids (the thread is the main one: its id is the process id). Leaves out: the
// application-name argument's own search rules (it is taken as the program, no PATH search),
// console titles, window show modes and positions (no windows here), priority classes,
// security attributes, handle inheritance (descriptors follow their close-on-exec flags).
BOOL CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine, void* lpProcessAttributes,
                    void* lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags, void* lpEnvironment,
                    LPCWSTR lpCurrentDirectory, STARTUPINFOW* lpStartupInfo,
                    PROCESS_INFORMATION* lpProcessInformation);
// Reproduces: a handle on any running process by id (a process descriptor); ERROR_INVALID_PARAMETER
// for an id no process has. Leaves out: access rights (every handle may wait and terminate) and
// inheritance.
HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId);
// Reproduces: waiting for a process or thread handle to end, with a time-out or INFINITE;
// WAIT_OBJECT_0, WAIT_TIMEOUT, WAIT_FAILED with ERROR_INVALID_HANDLE. Leaves out: other objects.
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
// Reproduces: ending the process at once (SIGKILL) with the given exit code. Leaves out: nothing
// of its children is ended either (as on Windows).
BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode);
// Reproduces: STILL_ACTIVE while running, else the exit code (a process ended by a signal
// reports 128 + the signal, TerminateProcess's code when that ended it).
BOOL GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode);
// Reproduces: closing process and thread handles; ERROR_INVALID_HANDLE for anything else. A
// child of ours that ended is collected when its last handle goes (no zombie is left).
BOOL CloseHandle(HANDLE hObject);

namespace win32 {
// The argument words of a Windows command line, as the C runtime splits it.
std::vector<std::wstring> splitCommandLine(const std::wstring& commandLine);
// Starts argv[0] (along PATH unless it has a slash) with these exact words and the inherited
// environment, as CreateProcessW does, without a command line to quote; ERROR_SUCCESS or its code.
DWORD spawnProcess(const std::vector<std::string>& argv, PROCESS_INFORMATION& info);
} // namespace win32
