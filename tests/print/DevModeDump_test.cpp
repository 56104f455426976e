// dumpDevMode: every public member in its format, then the private bytes 16 to a line.
#include "davaraz/print/DevModeDump.h"
#include "platform/win32/wstr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<BYTE> sample(WORD extra)
{
    std::vector<BYTE> buf(sizeof(DEVMODEW) + extra, 0);
    auto& dm = *reinterpret_cast<DEVMODEW*>(buf.data());
    win32::copyToField(dm.dmDeviceName, CCHDEVICENAME, u"Plotter \u00C9");
    dm.dmSpecVersion = 0x0401;
    dm.dmDriverVersion = 65535;
    dm.dmSize = sizeof(DEVMODEW);
    dm.dmDriverExtra = extra;
    dm.dmFields = 0x8001ABCD;
    dm.dmOrientation = 2;
    dm.dmPaperSize = 300;
    dm.dmPaperLength = -1;
    dm.dmPaperWidth = 32767;
    dm.dmScale = 100;
    dm.dmCopies = 3;
    dm.dmDefaultSource = 7;
    dm.dmPrintQuality = -4;
    dm.dmColor = 2;
    dm.dmDuplex = 1;
    dm.dmYResolution = 600;
    dm.dmTTOption = 2;
    dm.dmCollate = 1;
    win32::copyToField(dm.dmFormName, CCHFORMNAME, u"A4");
    dm.dmLogPixels = 96;
    dm.dmBitsPerPel = 0xFFFFFFFF;
    dm.dmPelsWidth = 10;
    dm.dmNup = 2;
    dm.dmICMMethod = 1;
    dm.dmMediaType = 0x101;
    dm.dmDitherType = 3;
    dm.dmPanningHeight = 0xABC;
    for (WORD i = 0; i < extra; ++i)
        buf[sizeof(DEVMODEW) + i] = static_cast<BYTE>(i);
    return buf;
}

const wchar_t* const kPublic = L"dmDeviceName = Plotter \u00C9\n"
                               L"dmSpecVersion = 1025\n"
                               L"dmDriverVersion = 65535\n"
                               L"dmSize = 220\n"
                               L"dmDriverExtra = %EXTRA%\n"
                               L"dmFields = 8001ABCD\n"
                               L"dmOrientation = 2\n"
                               L"dmPaperSize = 300\n"
                               L"dmPaperLength = -1\n"
                               L"dmPaperWidth = 32767\n"
                               L"dmScale = 100\n"
                               L"dmCopies = 3\n"
                               L"dmDefaultSource = 7\n"
                               L"dmPrintQuality = -4\n"
                               L"dmColor = 2\n"
                               L"dmDuplex = 1\n"
                               L"dmYResolution = 600\n"
                               L"dmTTOption = 2\n"
                               L"dmCollate = 1\n"
                               L"dmFormName = A4\n"
                               L"dmLogPixels = 96\n"
                               L"dmBitsPerPel = FFFFFFFF\n"
                               L"dmPelsWidth = A\n"
                               L"dmPelsHeight = 0\n"
                               L"dmDisplayFlags/dmNup = 2\n"
                               L"dmDisplayFrequency = 0\n"
                               L"dmICMMethod = 1\n"
                               L"dmICMIntent = 0\n"
                               L"dmMediaType = 101\n"
                               L"dmDitherType = 3\n"
                               L"dmReserved1 = 0\n"
                               L"dmReserved2 = 0\n"
                               L"dmPanningWidth = 0\n"
                               L"dmPanningHeight = ABC\n";

std::wstring expectedPublic(const wchar_t* extra)
{
    std::wstring s = kPublic;
    s.replace(s.find(L"%EXTRA%"), 7, extra);
    return s;
}

TEST(DumpDevMode, PublicMembersThenPrivateBytesSixteenToALine)
{
    const struct {
        WORD extra;
        const wchar_t* extraText;
        const wchar_t* privateText;
    } cases[] = {{0, L"0", L"No\n"},
                 {16, L"16", L"00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \n"},
                 {20, L"20", L"00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \n10 11 12 13 \n"}};
    for (const auto& c : cases) {
        std::vector<BYTE> buf = sample(c.extra);
        OdString text = L"previous content";
        wut::dumpDevMode(*reinterpret_cast<DEVMODEW*>(buf.data()), text);
        EXPECT_EQ(text.str(), expectedPublic(c.extraText) + L"\nprivate data:\n" + c.privateText);
    }
}

TEST(DumpDevMode, UnterminatedNamesStopAtTheirField)
{
    std::vector<BYTE> buf = sample(0);
    auto& dm = *reinterpret_cast<DEVMODEW*>(buf.data());
    for (int i = 0; i < CCHFORMNAME; ++i) // a form name that fills its field
        dm.dmFormName[i] = u'F';
    OdString text;
    wut::dumpDevMode(dm, text);
    EXPECT_NE(text.str().find(L"dmFormName = " + std::wstring(CCHFORMNAME, L'F') + L"\ndmLogPixels"), std::wstring::npos);
}

} // namespace
