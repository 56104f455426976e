// dumpDevMode: the public members through one format, then the private bytes in hexadecimal.
#include "davaraz/print/DevModeDump.h"
#include "platform/win32/wstr.h"

namespace wut {
namespace {

// "%LX" reads a 64-bit argument with the C library's printf, so DWORDs are widened for it.
unsigned long long x(DWORD v) { return v; }

} // namespace

void dumpDevMode(const DEVMODEW& dm, OdString& text)
{
    const OdString device = OdString(win32::fromUtf16(dm.dmDeviceName, CCHDEVICENAME));
    const OdString form = OdString(win32::fromUtf16(dm.dmFormName, CCHFORMNAME));
    text.format(L"dmDeviceName = %ls\ndmSpecVersion = %hu\ndmDriverVersion = %hu\ndmSize = %hu\ndmDriverExtra = "
                L"%hu\ndmFields = %LX\ndmOrientation = %hi\ndmPaperSize = %hi\ndmPaperLength = %hi\ndmPaperWidth = "
                L"%hi\ndmScale = %hi\ndmCopies = %hi\ndmDefaultSource = %hi\ndmPrintQuality = %hi\ndmColor = "
                L"%hi\ndmDuplex = %hi\ndmYResolution = %hi\ndmTTOption = %hi\ndmCollate = %hi\ndmFormName = "
                L"%ls\ndmLogPixels = %hu\ndmBitsPerPel = %LX\ndmPelsWidth = %LX\ndmPelsHeight = "
                L"%LX\ndmDisplayFlags/dmNup = %LX\ndmDisplayFrequency = %LX\ndmICMMethod = %LX\ndmICMIntent = "
                L"%LX\ndmMediaType = %LX\ndmDitherType = %LX\ndmReserved1 = %LX\ndmReserved2 = "
                L"%LX\ndmPanningWidth = %LX\ndmPanningHeight = %LX\n",
                device.c_str(), dm.dmSpecVersion, dm.dmDriverVersion, dm.dmSize, dm.dmDriverExtra, x(dm.dmFields),
                dm.dmOrientation, dm.dmPaperSize, dm.dmPaperLength, dm.dmPaperWidth, dm.dmScale, dm.dmCopies,
                dm.dmDefaultSource, dm.dmPrintQuality, dm.dmColor, dm.dmDuplex, dm.dmYResolution, dm.dmTTOption,
                dm.dmCollate, form.c_str(), dm.dmLogPixels, x(dm.dmBitsPerPel), x(dm.dmPelsWidth),
                x(dm.dmPelsHeight), x(dm.dmNup), x(dm.dmDisplayFrequency), x(dm.dmICMMethod), x(dm.dmICMIntent),
                x(dm.dmMediaType), x(dm.dmDitherType), x(dm.dmReserved1), x(dm.dmReserved2),
                x(dm.dmPanningWidth), x(dm.dmPanningHeight));
    text += L"\nprivate data:\n";
    if (dm.dmDriverExtra == 0) {
        text += L"No\n";
        return;
    }
    static const wchar_t digits[] = L"0123456789ABCDEF";
    const BYTE* bytes = devModePrivate(&dm);
    std::wstring hex;
    hex.reserve(dm.dmDriverExtra * 3u + dm.dmDriverExtra / 16u + 1u);
    for (unsigned i = 0; i < dm.dmDriverExtra; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 0xF];
        hex += L' ';
        if (i % 16 == 15 || i + 1 == dm.dmDriverExtra)
            hex += L'\n';
    }
    text += hex.c_str();
}

} // namespace wut
