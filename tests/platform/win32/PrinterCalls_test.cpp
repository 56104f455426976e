// OpenPrinterW, GetPrinterW, GetPrinterDriverW, EnumPrintersW and the default printer, checked
// like the real calls: result and last error together, buffers exactly one byte short.
#include "SpoolerFixture.h"
#include "platform/win32/wstr.h"

#include <vector>

namespace {

using win32::fromUtf16;
using Printers = SpoolerTest;

HANDLE open(const wchar_t* name)
{
    HANDLE h = nullptr;
    EXPECT_TRUE(OpenPrinterW(win32::WideArg(name), &h, nullptr)) << name;
    return h;
}

TEST_F(Printers, OpenFindsNamesIgnoringCaseAndRefusesUnknownOnes)
{
    HANDLE h = reinterpret_cast<HANDLE>(1);
    poison();
    ASSERT_TRUE(OpenPrinterW(u"office colour mfp", &h, nullptr));
    EXPECT_EQ(GetLastError(), kPoison);
    EXPECT_EQ(win32::printerNameOfHandle(h), L"Office Colour MFP");
    EXPECT_TRUE(ClosePrinter(h));

    for (LPCWSTR bad : {static_cast<LPCWSTR>(u"No Such Printer"), static_cast<LPCWSTR>(u""),
                        static_cast<LPCWSTR>(nullptr)}) {
        h = reinterpret_cast<HANDLE>(1);
        poison();
        EXPECT_FALSE(OpenPrinterW(bad, &h, nullptr));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
        EXPECT_EQ(h, nullptr);
    }
    poison();
    EXPECT_FALSE(OpenPrinterW(u"Office Colour MFP", nullptr, nullptr));
    EXPECT_EQ(GetLastError(), RPC_X_NULL_REF_POINTER);
}

TEST_F(Printers, CloseTwiceFailsWithInvalidHandle)
{
    HANDLE h = open(L"Draft Mono Printer");
    EXPECT_TRUE(ClosePrinter(h));
    poison();
    EXPECT_FALSE(ClosePrinter(h));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    poison();
    EXPECT_FALSE(ClosePrinter(nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

// Size query, one byte short, then the exact size; returns the filled buffer.
std::vector<BYTE> fetchPrinter(HANDLE h, DWORD level)
{
    DWORD needed = 0;
    SetLastError(kPoison);
    EXPECT_FALSE(GetPrinterW(h, level, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    std::vector<BYTE> buf(needed);
    DWORD again = 0;
    SetLastError(kPoison);
    EXPECT_FALSE(GetPrinterW(h, level, buf.data(), needed - 1, &again));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(again, needed);
    SetLastError(kPoison);
    EXPECT_TRUE(GetPrinterW(h, level, buf.data(), needed, &again));
    EXPECT_EQ(GetLastError(), kPoison);
    return buf;
}

bool inside(const std::vector<BYTE>& buf, const void* p)
{
    const auto* b = static_cast<const BYTE*>(p);
    return b >= buf.data() && b < buf.data() + buf.size();
}

TEST_F(Printers, GetPrinterLevelFiveGivesNameAndPortInsideTheBuffer)
{
    HANDLE h = open(L"Draft Mono Printer");
    const std::vector<BYTE> buf = fetchPrinter(h, 5);
    const auto* info = reinterpret_cast<const PRINTER_INFO_5W*>(buf.data());
    EXPECT_TRUE(inside(buf, info->pPortName));
    EXPECT_EQ(fromUtf16(info->pPrinterName), L"Draft Mono Printer");
    EXPECT_EQ(fromUtf16(info->pPortName), L"FILE:");
    EXPECT_EQ(info->Attributes & PRINTER_ATTRIBUTE_LOCAL, PRINTER_ATTRIBUTE_LOCAL);
    ClosePrinter(h);
}

TEST_F(Printers, GetPrinterLevelTwoCarriesCommentAndTheDriversDevMode)
{
    HANDLE h = open(L"Large Format Plotter");
    const std::vector<BYTE> buf = fetchPrinter(h, 2);
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buf.data());
    EXPECT_EQ(fromUtf16(info->pComment), L"Drawing office, sheets and rolls");
    EXPECT_EQ(fromUtf16(info->pDriverName), L"Virtual Plotter Driver");
    EXPECT_EQ(info->pServerName, nullptr);
    ASSERT_NE(info->pDevMode, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(info->pDevMode) % 8, 0u);
    EXPECT_EQ(info->pDevMode->dmSize, sizeof(DEVMODEW));
    EXPECT_EQ(info->pDevMode->dmDriverExtra, 320);
    // The private bytes lie inside the buffer as well.
    EXPECT_TRUE(inside(buf, devModePrivate(info->pDevMode) + 319));
    ClosePrinter(h);
}

TEST_F(Printers, GetPrinterRefusesBadLevelsHandlesAndPointers)
{
    HANDLE h = open(L"Office Colour MFP");
    DWORD needed = 0;
    poison();
    EXPECT_FALSE(GetPrinterW(h, 3, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_LEVEL);
    poison();
    EXPECT_FALSE(GetPrinterW(h, 5, nullptr, 0, nullptr));
    EXPECT_EQ(GetLastError(), RPC_X_NULL_REF_POINTER);
    ClosePrinter(h);
    poison();
    EXPECT_FALSE(GetPrinterW(h, 5, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(Printers, AHandleOfAPrinterRemovedMeanwhileReportsAnInvalidPrinter)
{
    HANDLE h = open(L"Draft Mono Printer");
    ASSERT_TRUE(vspool::removePrinter(L"Draft Mono Printer"));
    DWORD needed = 0;
    poison();
    EXPECT_FALSE(GetPrinterW(h, 5, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
    EXPECT_TRUE(ClosePrinter(h));
}

TEST_F(Printers, GetPrinterDriverLevelOne)
{
    HANDLE h = open(L"Office Colour MFP");
    DWORD needed = 0;
    poison();
    EXPECT_FALSE(GetPrinterDriverW(h, nullptr, 1, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    std::vector<BYTE> buf(needed);
    poison();
    EXPECT_FALSE(GetPrinterDriverW(h, nullptr, 1, buf.data(), needed - 1, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    poison();
    ASSERT_TRUE(GetPrinterDriverW(h, u"Windows x64", 1, buf.data(), needed, &needed));
    EXPECT_EQ(GetLastError(), kPoison);
    EXPECT_EQ(fromUtf16(reinterpret_cast<DRIVER_INFO_1W*>(buf.data())->pName), L"Virtual Colour Laser PS");

    poison();
    EXPECT_FALSE(GetPrinterDriverW(h, nullptr, 2, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_LEVEL);
    poison();
    EXPECT_FALSE(GetPrinterDriverW(h, u"Windows 4.0", 1, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_ENVIRONMENT);
    ClosePrinter(h);
}

std::vector<std::wstring> enumNames(DWORD flags)
{
    DWORD needed = 0, returned = 7;
    SetLastError(kPoison);
    if (EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &returned)) {
        EXPECT_EQ(needed, 0u);
        EXPECT_EQ(returned, 0u);
        return {};
    }
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(returned, 0u);
    std::vector<BYTE> buf(needed);
    SetLastError(kPoison);
    EXPECT_FALSE(EnumPrintersW(flags, nullptr, 4, buf.data(), needed - 1, &needed, &returned));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    SetLastError(kPoison);
    EXPECT_TRUE(EnumPrintersW(flags, nullptr, 4, buf.data(), needed, &needed, &returned));
    EXPECT_EQ(GetLastError(), kPoison);
    std::vector<std::wstring> names;
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buf.data());
    for (DWORD i = 0; i < returned; ++i)
        names.push_back(fromUtf16(info[i].pPrinterName));
    return names;
}

TEST_F(Printers, EnumLevelFourSeparatesLocalPrintersAndConnections)
{
    vspool::setPrinters({printer(L"Net A", true), printer(L"Local B"), printer(L"Local C")}, L"");
    EXPECT_EQ(enumNames(PRINTER_ENUM_LOCAL), (std::vector<std::wstring>{L"Local B", L"Local C"}));
    EXPECT_EQ(enumNames(PRINTER_ENUM_CONNECTIONS), (std::vector<std::wstring>{L"Net A"}));
    EXPECT_EQ(enumNames(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS),
              (std::vector<std::wstring>{L"Local B", L"Local C", L"Net A"}));
    EXPECT_TRUE(enumNames(PRINTER_ENUM_NETWORK | PRINTER_ENUM_SHARED).empty());
}

TEST_F(Printers, EnumLevelFourRecordsCarryServerAndAttributes)
{
    DWORD needed = 0, returned = 0;
    EnumPrintersW(PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buf(needed);
    ASSERT_TRUE(EnumPrintersW(PRINTER_ENUM_CONNECTIONS, nullptr, 4, buf.data(), needed, &needed, &returned));
    ASSERT_EQ(returned, 1u);
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buf.data());
    EXPECT_EQ(fromUtf16(info->pServerName), L"\\\\printhost");
    EXPECT_EQ(info->Attributes & PRINTER_ATTRIBUTE_NETWORK, PRINTER_ATTRIBUTE_NETWORK);
}

TEST_F(Printers, EnumWithoutPrintersSucceedsWithNothing)
{
    vspool::setPrinters({}, L"");
    DWORD needed = 5, returned = 5;
    poison();
    EXPECT_TRUE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &returned));
    EXPECT_EQ(needed, 0u);
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(GetLastError(), kPoison);
}

TEST_F(Printers, EnumRefusesLevelsServersAndMissingOutputs)
{
    DWORD needed = 0, returned = 0;
    poison();
    EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &returned));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_LEVEL);
    std::u16string server = u"\\\\elsewhere";
    poison();
    EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, &server[0], 4, nullptr, 0, &needed, &returned));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
    poison();
    EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, nullptr));
    EXPECT_EQ(GetLastError(), RPC_X_NULL_REF_POINTER);
}

TEST_F(Printers, EnumLevelTwoAndFiveMatchGetPrinter)
{
    for (DWORD level : {2u, 5u}) {
        DWORD needed = 0, returned = 0;
        EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, level, nullptr, 0, &needed, &returned);
        std::vector<BYTE> buf(needed);
        ASSERT_TRUE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, level, buf.data(), needed, &needed, &returned));
        ASSERT_EQ(returned, 3u);
        if (level == 5)
            EXPECT_EQ(fromUtf16(reinterpret_cast<PRINTER_INFO_5W*>(buf.data())[2].pPortName), L"FILE:");
        else
            EXPECT_EQ(reinterpret_cast<PRINTER_INFO_2W*>(buf.data())[1].pDevMode->dmDriverExtra, 320);
    }
}

TEST_F(Printers, GetDefaultPrinterSizeQueryAndFetch)
{
    DWORD chars = 0;
    poison();
    EXPECT_FALSE(GetDefaultPrinterW(nullptr, &chars));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(chars, 18u); // "Office Colour MFP" and its terminator
    std::vector<WCHAR> buf(chars, u'x');
    DWORD shorter = chars - 1;
    poison();
    EXPECT_FALSE(GetDefaultPrinterW(buf.data(), &shorter));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(shorter, chars);
    poison();
    ASSERT_TRUE(GetDefaultPrinterW(buf.data(), &chars));
    EXPECT_EQ(GetLastError(), kPoison);
    EXPECT_EQ(chars, 18u);
    EXPECT_EQ(fromUtf16(buf.data()), L"Office Colour MFP");
    poison();
    EXPECT_FALSE(GetDefaultPrinterW(buf.data(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(Printers, NoDefaultPrinterIsFileNotFound)
{
    vspool::setPrinters({printer(L"Only")}, L"");
    DWORD chars = 77;
    poison();
    EXPECT_FALSE(GetDefaultPrinterW(nullptr, &chars));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(chars, 77u);
}

TEST_F(Printers, SetDefaultPrinter)
{
    poison();
    EXPECT_TRUE(SetDefaultPrinterW(u"draft mono printer"));
    EXPECT_EQ(GetLastError(), kPoison);
    EXPECT_EQ(vspool::defaultPrinter(), L"Draft Mono Printer");
    poison();
    EXPECT_FALSE(SetDefaultPrinterW(u"Nobody"));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
    EXPECT_EQ(vspool::defaultPrinter(), L"Draft Mono Printer");
    // An empty name keeps an existing default ...
    EXPECT_TRUE(SetDefaultPrinterW(u""));
    EXPECT_EQ(vspool::defaultPrinter(), L"Draft Mono Printer");
    // ... and picks the first printer when there is none.
    vspool::setPrinters({printer(L"Net", true), printer(L"First"), printer(L"Second")}, L"");
    EXPECT_TRUE(SetDefaultPrinterW(nullptr));
    EXPECT_EQ(vspool::defaultPrinter(), L"First");
    vspool::setPrinters({}, L"");
    poison();
    EXPECT_FALSE(SetDefaultPrinterW(nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
}

} // namespace
