// The common Print dialog structures and PrintDlgW, of which only the return-default mode
// exists here: it hands over the default printer's DEVMODE and DEVNAMES in global memory.
#pragma once
#include "platform/win32/handles.h"

#include <cstddef>

constexpr DWORD PD_RETURNDC = 0x00000100;
constexpr DWORD PD_RETURNDEFAULT = 0x00000400;
constexpr WORD DN_DEFAULTPRN = 0x0001;

constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
constexpr DWORD CDERR_INITIALIZATION = 0x0002;
constexpr DWORD CDERR_MEMALLOCFAILURE = 0x0009;
constexpr DWORD PDERR_CREATEICFAILURE = 0x100A;
constexpr DWORD PDERR_NODEFAULTPRN = 0x1008;

struct DEVNAMES {
    WORD wDriverOffset; // offsets in characters from the start of the block
    WORD wDeviceOffset;
    WORD wOutputOffset;
    WORD wDefault;
};
static_assert(sizeof(DEVNAMES) == 8, "Windows layout");

struct PRINTDLGW {
    DWORD lStructSize;
    HWND hwndOwner;
    HGLOBAL hDevMode;
    HGLOBAL hDevNames;
    HDC hDC;
    DWORD Flags;
    WORD nFromPage;
    WORD nToPage;
    WORD nMinPage;
    WORD nMaxPage;
    WORD nCopies;
    HINSTANCE hInstance;
    LPARAM lCustData;
    void* lpfnPrintHook;
    void* lpfnSetupHook;
    LPCWSTR lpPrintTemplateName;
    LPCWSTR lpSetupTemplateName;
    HGLOBAL hPrintTemplate;
    HGLOBAL hSetupTemplate;
};
static_assert(sizeof(PRINTDLGW) == 120, "x64 layout");
static_assert(offsetof(PRINTDLGW, Flags) == 40, "x64 layout");

// Reproduces, with PD_RETURNDEFAULT: the default printer's DEVMODE (movable global memory,
// public part and private bytes) and DEVNAMES ("winspool", device name, port; wDefault
// DN_DEFAULTPRN), owned by the caller; PD_RETURNDC adding a device context; FALSE with
// CommDlgExtendedError() PDERR_NODEFAULTPRN when no default printer is set, CDERR_STRUCTSIZE for
// a wrong lStructSize and CDERR_INITIALIZATION when hDevMode or hDevNames is not null.
// Leaves out: the dialog itself; without PD_RETURNDEFAULT it returns FALSE with error 0, as when
// the user cancels.
BOOL PrintDlgW(PRINTDLGW* pd);
// The error of the last common dialog call of this thread (0: none or cancelled).
DWORD CommDlgExtendedError();
