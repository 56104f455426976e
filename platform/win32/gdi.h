// Printer device contexts as far as the library needs them: creation, deletion and the
// driver escapes asked with ExtEscape.
#pragma once
#include "platform/win32/devmode.h"
#include "platform/win32/handles.h"

#include <cstddef>

constexpr int QUERYESCSUPPORT = 8;
constexpr int POSTSCRIPT_PASSTHROUGH = 4115;
constexpr int POSTSCRIPT_IDENTIFY = 4117;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;

// Reproduces: a printer DC for the device name (driver null or "winspool"), the settings of
// pdm merged and validated by the driver, null with ERROR_INVALID_PRINTER_NAME for an unknown
// printer. Leaves out: display and memory DCs (null, ERROR_NOT_SUPPORTED) and drawing.
HDC CreateDCW(LPCWSTR pwszDriver, LPCWSTR pwszDevice, LPCWSTR pszPort, const DEVMODEW* pdm);
// Reproduces: FALSE with ERROR_INVALID_HANDLE for a DC that is not open.
BOOL DeleteDC(HDC hdc);
// Reproduces: QUERYESCSUPPORT (input: the 32-bit escape number; > 0 when the driver handles it,
// 0 when not), POSTSCRIPT_IDENTIFY answering > 0 on a PostScript driver, 0 for escapes the
// driver does not implement, -1 with ERROR_INVALID_HANDLE or ERROR_INVALID_PARAMETER (input of
// QUERYESCSUPPORT shorter than 4 bytes). Leaves out: the data of passthrough escapes.
int ExtEscape(HDC hdc, int iEscape, int cjInput, LPCSTR lpInData, int cjOutput, LPSTR lpOutData);

// Reproduces: LOGPIXELSX/LOGPIXELSY (the resolution of the DC's settings: dmPrintQuality and
// dmYResolution when positive, else the driver's first resolution) and PHYSICALOFFSETX/Y (the
// driver's unprintable border in device units). Leaves out: every other index (0), as does 0
// for a DC that is not open (without setting the last error, like the real call).
int GetDeviceCaps(HDC hdc, int index);

namespace win32 {
// Number of open device contexts in this process, for leak checks in tests.
std::size_t openDeviceContexts();
} // namespace win32
