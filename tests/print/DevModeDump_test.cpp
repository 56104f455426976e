// dumpDevMode beyond the recorded outputs of the tool (which hold whole dumps): signed and
// unsigned members at their limits, names that fill their field, and private bytes 16 to a line.
#include "davaraz/print/DevModeDump.h"
#include "platform/win32/wstr.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::wstring dumpOf(std::vector<BYTE>& buf)
{
    OdString text = L"previous content";
    wut::dumpDevMode(*reinterpret_cast<DEVMODEW*>(buf.data()), text);
    return text.str();
}

TEST(DumpDevMode, MembersAtTheirLimitsAndPrivateBytesSixteenToALine)
{
    for (const WORD extra : {0, 16, 20}) {
        std::vector<BYTE> buf(sizeof(DEVMODEW) + extra, 0);
        auto& dm = *reinterpret_cast<DEVMODEW*>(buf.data());
        win32::copyToField(dm.dmDeviceName, CCHDEVICENAME, u"Plotter \u00C9");
        dm.dmSize = sizeof(DEVMODEW);
        dm.dmDriverExtra = extra;
        dm.dmFields = 0x8001ABCD;
        dm.dmPaperLength = -1;
        dm.dmPrintQuality = -4;
        dm.dmBitsPerPel = 0xFFFFFFFF;
        dm.dmPelsWidth = 10;
        dm.dmPanningHeight = 0xABC;
        for (int i = 0; i < CCHFORMNAME; ++i) // a form name that fills its field
            dm.dmFormName[i] = u'F';
        for (WORD i = 0; i < extra; ++i)
            buf[sizeof(DEVMODEW) + i] = static_cast<BYTE>(i);
        const std::wstring text = dumpOf(buf);
        SCOPED_TRACE(extra);
        EXPECT_EQ(text.rfind(L"dmDeviceName = Plotter \u00C9\ndmSpecVersion = 0\n", 0), 0u) << "replaces the text";
        for (const std::wstring& line : std::vector<std::wstring>{L"\ndmFields = 8001ABCD\n", L"\ndmPaperLength = -1\n", L"\ndmPrintQuality = -4\n",
                                        L"\ndmBitsPerPel = FFFFFFFF\n", L"\ndmPelsWidth = A\n", L"\ndmPanningHeight = ABC\n",
                                        L"\ndmFormName = " + std::wstring(CCHFORMNAME, L'F') + L"\ndmLogPixels"})
            EXPECT_NE(text.find(line), std::wstring::npos) << line;
        const std::wstring priv = text.substr(text.find(L"\n\nprivate data:\n") + 16);
        EXPECT_EQ(priv, extra == 0    ? L"No\n"
                        : extra == 16 ? L"00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \n"
                                      : L"00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \n10 11 12 13 \n");
    }
}

} // namespace
