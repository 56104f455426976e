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

std::vector<BYTE> fetchPrinter(HANDLE h, DWORD level)
{
    return fetch([&](BYTE* b, DWORD n, DWORD* need) { return GetPrinterW(h, level, b, n, need) != FALSE; });
}

bool inside(const std::vector<BYTE>& buf, const void* p)
{
    const auto* b = static_cast<const BYTE*>(p);
    return b >= buf.data() && b < buf.data() + buf.size();
}

TEST_F(Printers, OpenFindsNamesIgnoringCaseAndRefusesUnknownOnes)
{
    HANDLE h = reinterpret_cast<HANDLE>(1);
    ASSERT_TRUE(givesWithError([&] { return OpenPrinterW(u"office colour mfp", &h, nullptr); }, TRUE, kPoison));
    EXPECT_EQ(win32::printerNameOfHandle(h), L"Office Colour MFP");
    EXPECT_TRUE(ClosePrinter(h));
    EXPECT_TRUE(givesWithError([&] { return ClosePrinter(h); }, FALSE, ERROR_INVALID_HANDLE)) << "closed twice";
    EXPECT_TRUE(givesWithError([&] { return ClosePrinter(nullptr); }, FALSE, ERROR_INVALID_HANDLE));

    for (LPCWSTR bad : {static_cast<LPCWSTR>(u"No Such Printer"), static_cast<LPCWSTR>(u""),
                        static_cast<LPCWSTR>(nullptr)}) {
        h = reinterpret_cast<HANDLE>(1);
        EXPECT_TRUE(givesWithError([&] { return OpenPrinterW(bad, &h, nullptr); }, FALSE, ERROR_INVALID_PRINTER_NAME));
        EXPECT_EQ(h, nullptr);
    }
    EXPECT_TRUE(givesWithError([] { return OpenPrinterW(u"Office Colour MFP", nullptr, nullptr); }, FALSE,
                               RPC_X_NULL_REF_POINTER));
}

// What each record carries (the size query and the fetch are the conformance suite's): strings
// and the DEVMODE with its private bytes inside the buffer, aligned.
TEST_F(Printers, RecordsCarryThePrintersValues)
{
    HANDLE h = open(L"Draft Mono Printer");
    std::vector<BYTE> buf = fetchPrinter(h, 5);
    const auto* five = reinterpret_cast<const PRINTER_INFO_5W*>(buf.data());
    EXPECT_TRUE(inside(buf, five->pPortName));
    EXPECT_EQ(fromUtf16(five->pPrinterName), L"Draft Mono Printer");
    EXPECT_EQ(fromUtf16(five->pPortName), L"FILE:");
    EXPECT_EQ(five->Attributes & PRINTER_ATTRIBUTE_LOCAL, PRINTER_ATTRIBUTE_LOCAL);
    ClosePrinter(h);

    h = open(L"Large Format Plotter");
    buf = fetchPrinter(h, 2);
    const auto* two = reinterpret_cast<const PRINTER_INFO_2W*>(buf.data());
    EXPECT_EQ(fromUtf16(two->pComment), L"Drawing office, sheets and rolls");
    EXPECT_EQ(fromUtf16(two->pDriverName), L"Virtual Plotter Driver");
    EXPECT_EQ(two->pServerName, nullptr);
    ASSERT_NE(two->pDevMode, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(two->pDevMode) % 8, 0u);
    EXPECT_EQ(two->pDevMode->dmSize, sizeof(DEVMODEW));
    EXPECT_EQ(two->pDevMode->dmDriverExtra, 320);
    EXPECT_TRUE(inside(buf, devModePrivate(two->pDevMode) + 319));
    buf = fetch([&](BYTE* b, DWORD n, DWORD* need) {
        return GetPrinterDriverW(h, n ? u"Windows x64" : nullptr, 1, b, n, need) != FALSE;
    });
    EXPECT_EQ(fromUtf16(reinterpret_cast<const DRIVER_INFO_1W*>(buf.data())->pName), L"Virtual Plotter Driver");
    ClosePrinter(h);
}

TEST_F(Printers, BadLevelsHandlesPointersAndEnvironmentsAreRefused)
{
    HANDLE h = open(L"Office Colour MFP");
    DWORD needed = 0;
    EXPECT_TRUE(givesWithError([&] { return GetPrinterW(h, 3, nullptr, 0, &needed); }, FALSE, ERROR_INVALID_LEVEL));
    EXPECT_TRUE(givesWithError([&] { return GetPrinterW(h, 5, nullptr, 0, nullptr); }, FALSE, RPC_X_NULL_REF_POINTER));
    EXPECT_TRUE(givesWithError([&] { return GetPrinterDriverW(h, nullptr, 2, nullptr, 0, &needed); }, FALSE,
                               ERROR_INVALID_LEVEL));
    EXPECT_TRUE(givesWithError([&] { return GetPrinterDriverW(h, u"Windows 4.0", 1, nullptr, 0, &needed); }, FALSE,
                               ERROR_INVALID_ENVIRONMENT));
    ClosePrinter(h);
    EXPECT_TRUE(givesWithError([&] { return GetPrinterW(h, 5, nullptr, 0, &needed); }, FALSE, ERROR_INVALID_HANDLE));

    // A handle whose printer was removed meanwhile still closes, but reports an invalid printer.
    h = open(L"Draft Mono Printer");
    ASSERT_TRUE(vspool::removePrinter(L"Draft Mono Printer"));
    EXPECT_TRUE(
        givesWithError([&] { return GetPrinterW(h, 5, nullptr, 0, &needed); }, FALSE, ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(ClosePrinter(h));
}

std::vector<std::wstring> enumNames(DWORD flags)
{
    DWORD returned = 0;
    const std::vector<BYTE> buf = fetch([&](BYTE* b, DWORD n, DWORD* need) {
        return EnumPrintersW(flags, nullptr, 4, b, n, need, &returned) != FALSE;
    });
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
}

TEST_F(Printers, EnumWithNothingToListSucceedsWithNothing)
{
    for (const bool none : {false, true}) {
        if (none)
            vspool::setPrinters({}, L"");
        const DWORD flags = none ? PRINTER_ENUM_LOCAL : PRINTER_ENUM_NETWORK | PRINTER_ENUM_SHARED;
        DWORD needed = 5, returned = 5;
        EXPECT_TRUE(givesWithError([&] { return EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &returned); },
                                   TRUE, kPoison));
        EXPECT_EQ(needed, 0u);
        EXPECT_EQ(returned, 0u);
    }
}

TEST_F(Printers, EnumRefusesLevelsServersAndMissingOutputs)
{
    DWORD needed = 0, returned = 7;
    std::u16string server = u"\\\\elsewhere";
    const auto enumLocal = [&](LPWSTR name, DWORD level, DWORD* count) {
        return [=, &needed] { return EnumPrintersW(PRINTER_ENUM_LOCAL, name, level, nullptr, 0, &needed, count); };
    };
    EXPECT_TRUE(givesWithError(enumLocal(nullptr, 4, &returned), FALSE, ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(returned, 0u);
    EXPECT_TRUE(givesWithError(enumLocal(nullptr, 1, &returned), FALSE, ERROR_INVALID_LEVEL));
    EXPECT_TRUE(givesWithError(enumLocal(&server[0], 4, &returned), FALSE, ERROR_INVALID_NAME));
    EXPECT_TRUE(givesWithError(enumLocal(nullptr, 4, nullptr), FALSE, RPC_X_NULL_REF_POINTER));
}

// A connection's record names its server.
TEST_F(Printers, EnumRecordsOfConnectionsNameTheirServer)
{
    DWORD returned = 0;
    const std::vector<BYTE> buf = fetch([&](BYTE* b, DWORD n, DWORD* need) {
        return EnumPrintersW(PRINTER_ENUM_CONNECTIONS, nullptr, 4, b, n, need, &returned) != FALSE;
    });
    ASSERT_EQ(returned, 1u);
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buf.data());
    EXPECT_EQ(fromUtf16(info->pServerName), L"\\\\printhost");
    EXPECT_EQ(info->Attributes & PRINTER_ATTRIBUTE_NETWORK, PRINTER_ATTRIBUTE_NETWORK);
}

TEST_F(Printers, GetDefaultPrinterSizeQueryAndFetch)
{
    DWORD chars = 0;
    EXPECT_TRUE(givesWithError([&] { return GetDefaultPrinterW(nullptr, &chars); }, FALSE, ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(chars, 18u); // "Office Colour MFP" and its terminator
    std::vector<WCHAR> buf(chars, u'x');
    EXPECT_TRUE(
        givesWithError([&] { return GetDefaultPrinterW(buf.data(), nullptr); }, FALSE, ERROR_INVALID_PARAMETER));

    vspool::setPrinters({printer(L"Only")}, L"");
    chars = 77;
    EXPECT_TRUE(givesWithError([&] { return GetDefaultPrinterW(nullptr, &chars); }, FALSE, ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(chars, 77u);
}

TEST_F(Printers, SetDefaultPrinter)
{
    EXPECT_TRUE(givesWithError([] { return SetDefaultPrinterW(u"draft mono printer"); }, TRUE, kPoison));
    EXPECT_EQ(vspool::defaultPrinter(), L"Draft Mono Printer");
    EXPECT_TRUE(givesWithError([] { return SetDefaultPrinterW(u"Nobody"); }, FALSE, ERROR_INVALID_PRINTER_NAME));
    EXPECT_EQ(vspool::defaultPrinter(), L"Draft Mono Printer");
    // An empty name keeps an existing default ...
    EXPECT_TRUE(SetDefaultPrinterW(u""));
    EXPECT_EQ(vspool::defaultPrinter(), L"Draft Mono Printer");
    // ... and picks the first printer when there is none.
    vspool::setPrinters({printer(L"Net", true), printer(L"First"), printer(L"Second")}, L"");
    EXPECT_TRUE(SetDefaultPrinterW(nullptr));
    EXPECT_EQ(vspool::defaultPrinter(), L"First");
    vspool::setPrinters({}, L"");
    EXPECT_TRUE(givesWithError([] { return SetDefaultPrinterW(nullptr); }, FALSE, ERROR_INVALID_PRINTER_NAME));
}

} // namespace
