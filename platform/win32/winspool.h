// The Win32 spooler calls (winspool) over the active spooler backend: printer handles, printer
// and driver records, enumeration, the default printer, DocumentPropertiesW and
// DeviceCapabilitiesW. Records are packed as Windows packs them: the structures first, then the
// strings (and DEVMODEs) they point to, all inside the caller's buffer.
#pragma once
#include "platform/win32/devmode.h"
#include "platform/win32/handles.h"

#include <cstddef>
#include <string>

constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_INVALID_ENVIRONMENT = 1805;
constexpr DWORD RPC_X_NULL_REF_POINTER = 1780;
constexpr DWORD RPC_S_SERVER_UNAVAILABLE = 1722; // the spooler is not running
constexpr DWORD ERROR_INVALID_DATATYPE = 1804;
constexpr DWORD ERROR_INVALID_PRINTER_STATE = 1906;
constexpr DWORD ERROR_SPL_NO_STARTDOC = 3004;
constexpr DWORD ERROR_INVALID_USER_BUFFER = 1784;

constexpr DWORD PRINTER_ENUM_DEFAULT = 0x00000001;
constexpr DWORD PRINTER_ENUM_LOCAL = 0x00000002;
constexpr DWORD PRINTER_ENUM_CONNECTIONS = 0x00000004;
constexpr DWORD PRINTER_ENUM_NAME = 0x00000008;
constexpr DWORD PRINTER_ENUM_REMOTE = 0x00000010;
constexpr DWORD PRINTER_ENUM_SHARED = 0x00000020;
constexpr DWORD PRINTER_ENUM_NETWORK = 0x00000040;

constexpr DWORD PRINTER_ATTRIBUTE_SHARED = 0x00000008;
constexpr DWORD PRINTER_ATTRIBUTE_NETWORK = 0x00000010;
constexpr DWORD PRINTER_ATTRIBUTE_LOCAL = 0x00000040;

constexpr DWORD DM_UPDATE = 1;
constexpr DWORD DM_COPY = 2;
constexpr DWORD DM_PROMPT = 4;
constexpr DWORD DM_MODIFY = 8;
constexpr DWORD DM_OUT_BUFFER = DM_COPY;
constexpr DWORD DM_IN_PROMPT = DM_PROMPT;
constexpr DWORD DM_IN_BUFFER = DM_MODIFY;
constexpr LONG IDOK = 1;
constexpr LONG IDCANCEL = 2;

constexpr WORD DC_FIELDS = 1;
constexpr WORD DC_PAPERS = 2;
constexpr WORD DC_PAPERSIZE = 3;
constexpr WORD DC_MINEXTENT = 4;
constexpr WORD DC_MAXEXTENT = 5;
constexpr WORD DC_BINS = 6;
constexpr WORD DC_DUPLEX = 7;
constexpr WORD DC_SIZE = 8;
constexpr WORD DC_EXTRA = 9;
constexpr WORD DC_VERSION = 10;
constexpr WORD DC_DRIVER = 11;
constexpr WORD DC_BINNAMES = 12;
constexpr WORD DC_ENUMRESOLUTIONS = 13;
constexpr WORD DC_PAPERNAMES = 16;
constexpr WORD DC_ORIENTATION = 17;
constexpr WORD DC_COPIES = 18;
constexpr WORD DC_COLLATE = 22;
constexpr WORD DC_COLORDEVICE = 32;
constexpr int kPaperNameChars = 64; // one DC_PAPERNAMES entry
constexpr int kBinNameChars = 24;   // one DC_BINNAMES entry

struct PRINTER_DEFAULTSW {
    LPWSTR pDatatype;
    DEVMODEW* pDevMode;
    DWORD DesiredAccess;
};

struct PRINTER_INFO_2W {
    LPWSTR pServerName;
    LPWSTR pPrinterName;
    LPWSTR pShareName;
    LPWSTR pPortName;
    LPWSTR pDriverName;
    LPWSTR pComment;
    LPWSTR pLocation;
    DEVMODEW* pDevMode;
    LPWSTR pSepFile;
    LPWSTR pPrintProcessor;
    LPWSTR pDatatype;
    LPWSTR pParameters;
    void* pSecurityDescriptor;
    DWORD Attributes;
    DWORD Priority;
    DWORD DefaultPriority;
    DWORD StartTime;
    DWORD UntilTime;
    DWORD Status;
    DWORD cJobs;
    DWORD AveragePPM;
};
static_assert(sizeof(PRINTER_INFO_2W) == 136, "x64 layout");

struct PRINTER_INFO_4W {
    LPWSTR pPrinterName;
    LPWSTR pServerName;
    DWORD Attributes;
};
static_assert(sizeof(PRINTER_INFO_4W) == 24, "x64 layout");

struct PRINTER_INFO_5W {
    LPWSTR pPrinterName;
    LPWSTR pPortName;
    DWORD Attributes;
    DWORD DeviceNotSelectedTimeout;
    DWORD TransmissionRetryTimeout;
};
static_assert(sizeof(PRINTER_INFO_5W) == 32, "x64 layout");

struct DOC_INFO_1W {
    LPWSTR pDocName;
    LPWSTR pOutputFile;
    LPWSTR pDatatype;
};

struct DRIVER_INFO_1W {
    LPWSTR pName;
};

// Reproduces: case-insensitive lookup of a printer name, ERROR_INVALID_PRINTER_NAME for an
// unknown or empty name, a null handle on failure. Leaves out: a null name opening the local
// print server (refused with ERROR_INVALID_PRINTER_NAME), access rights in pDefault (ignored).
BOOL OpenPrinterW(LPCWSTR pPrinterName, HANDLE* phPrinter, PRINTER_DEFAULTSW* pDefault);
// Reproduces: FALSE with ERROR_INVALID_HANDLE for a handle that is not open (twice closed).
BOOL ClosePrinter(HANDLE hPrinter);
// Reproduces: levels 2, 4 and 5; the size query (FALSE, ERROR_INSUFFICIENT_BUFFER, *pcbNeeded
// set) for any buffer shorter than the record; ERROR_INVALID_LEVEL; ERROR_INVALID_HANDLE;
// RPC_X_NULL_REF_POINTER without pcbNeeded. Level 2 carries the driver's default DEVMODE.
// Leaves out: levels 1, 3, 6 to 9 and the security descriptor (null).
BOOL GetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf, LPDWORD pcbNeeded);
// Reproduces: level 1 for the current environment (null, or "Windows x64"), the same size-query
// pattern and errors as GetPrinterW, ERROR_INVALID_ENVIRONMENT for other environments.
// Leaves out: levels 2 to 8.
BOOL GetPrinterDriverW(HANDLE hPrinter, LPCWSTR pEnvironment, DWORD Level, LPBYTE pDriverInfo, DWORD cbBuf,
                       LPDWORD pcbNeeded);
// Reproduces: levels 2, 4 and 5 with Name null or empty; PRINTER_ENUM_LOCAL (and
// PRINTER_ENUM_NAME) for local printers, PRINTER_ENUM_CONNECTIONS for connections, local ones
// first; success with no records and *pcbNeeded 0 when nothing matches; the size query with
// *pcReturned 0. Leaves out: browsing the network (PRINTER_ENUM_NETWORK, _REMOTE and _SHARED
// alone find nothing), a server Name (ERROR_INVALID_NAME) and level 1 (ERROR_INVALID_LEVEL).
BOOL EnumPrintersW(DWORD Flags, LPWSTR Name, DWORD Level, LPBYTE pPrinterEnum, DWORD cbBuf, LPDWORD pcbNeeded,
                   LPDWORD pcReturned);
// Reproduces: fMode 0 returning the size of the full DEVMODE (public part and private bytes);
// DM_OUT_BUFFER filling pDevModeOutput with the driver's defaults; DM_IN_BUFFER merging the
// members flagged in the input's dmFields, which the driver validates and corrects (input and
// output may be the same buffer); IDOK on success, -1 with ERROR_INVALID_HANDLE or
// ERROR_INVALID_PRINTER_NAME (hPrinter null: the printer is taken from pDeviceName) and
// ERROR_INVALID_PARAMETER for a missing output or an input shorter than its fixed header.
// Leaves out: the property sheet (DM_IN_PROMPT is ignored, as if confirmed unchanged) and
// DM_UPDATE (the driver's stored defaults never change).
LONG DocumentPropertiesW(HWND hWnd, HANDLE hPrinter, LPCWSTR pDeviceName, DEVMODEW* pDevModeOutput,
                         const DEVMODEW* pDevModeInput, DWORD fMode);
// Reproduces: the count query with pOutput null and the filled list otherwise (the caller sizes
// the buffer: WORDs for DC_PAPERS, POINTs in tenths of a millimetre for DC_PAPERSIZE, 64-WCHAR
// fields for DC_PAPERNAMES, which are not terminated when a name fills all 64), DC_FIELDS,
// DC_SIZE, DC_EXTRA, DC_VERSION, DC_DRIVER, DC_DUPLEX, DC_COPIES, DC_COLLATE, DC_COLORDEVICE,
// DC_ORIENTATION, DC_ENUMRESOLUTIONS (LONG pairs), DC_BINS (WORDs), DC_BINNAMES (24-WCHAR
// fields, not terminated when full), DC_MINEXTENT and DC_MAXEXTENT; -1 with
// ERROR_INVALID_PRINTER_NAME for an unknown device. Leaves out: the other capabilities (-1,
// ERROR_NOT_SUPPORTED); pPort is not examined.
int DeviceCapabilitiesW(LPCWSTR pDevice, LPCWSTR pPort, WORD fwCapability, LPWSTR pOutput, const DEVMODEW* pDevMode);
// Reproduces: the length query (FALSE, ERROR_INSUFFICIENT_BUFFER, *pcchBuffer = characters with
// the terminator), ERROR_FILE_NOT_FOUND when no default printer is set, ERROR_INVALID_PARAMETER
// without pcchBuffer; on success *pcchBuffer is the copied length with the terminator.
BOOL GetDefaultPrinterW(LPWSTR pszBuffer, LPDWORD pcchBuffer);
// Reproduces: a known printer becoming the default; a null or empty name keeping the current
// default or, with none, choosing the first enumerated printer; ERROR_INVALID_PRINTER_NAME.
BOOL SetDefaultPrinterW(LPCWSTR pszPrinter);

// Reproduces: a raw print job on an open printer (level 1): the document's name, the settings
// the handle was opened with (PRINTER_DEFAULTSW.pDevMode, else the driver's defaults), the
// job's id; datatype "RAW" or none; 0 with ERROR_INVALID_HANDLE, ERROR_INVALID_LEVEL,
// ERROR_INVALID_PARAMETER without DOC_INFO_1W, ERROR_INVALID_DATATYPE for another datatype,
// ERROR_INVALID_PRINTER_STATE while the handle has a job open. Leaves out: pOutputFile (where
// the bytes go is the printer's port), levels 2 and 3, the EMF datatype.
DWORD StartDocPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo);
// Reproduces: TRUE while the handle has a job open, ERROR_SPL_NO_STARTDOC otherwise. Leaves
// out: page counts (the bytes are the printer's language; pages are not seen).
BOOL StartPagePrinter(HANDLE hPrinter);
BOOL EndPagePrinter(HANDLE hPrinter);
// Reproduces: the bytes handed to the job, *pcWritten the count taken; ERROR_SPL_NO_STARTDOC
// without a job, ERROR_INVALID_HANDLE. Leaves out: partial writes (all is taken or nothing).
BOOL WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten);
// Reproduces: the job queued for the printer; ERROR_SPL_NO_STARTDOC without a job.
BOOL EndDocPrinter(HANDLE hPrinter);
// Reproduces: the job dropped; ERROR_SPL_NO_STARTDOC without a job. ClosePrinter on a handle
// with a job open drops it too.
BOOL AbortPrinter(HANDLE hPrinter);

namespace win32 {
// The stand-in's own: empty, or why there is no spooler (DAVARAZ_SPOOLER names none of the
// choices it lists, or no spooler backend can serve). EnumPrintersW then fails with
// RPC_S_SERVER_UNAVAILABLE, as where the spooler service is not running.
std::string spoolerProblem();
// Empty, or why the active backend's printers could not be loaded (its description file).
std::string printersProblem();
// Number of open printer handles in this process, for leak checks in tests.
std::size_t openPrinterHandles();
// The printer name behind an open handle (empty for anything else).
std::wstring printerNameOfHandle(HANDLE hPrinter);
} // namespace win32
