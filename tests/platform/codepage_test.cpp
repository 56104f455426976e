// Conformance of the code-page calls: result and last error asserted together after poisoning.
#include "platform/win32/codepage.h"
#include "win32/LastError.h"

#include <string>

namespace {

struct AnsiScope {
    explicit AnsiScope(UINT cp) : old(GetACP()) { EXPECT_TRUE(win32::setAnsiCodePage(cp)); }
    ~AnsiScope() { win32::setAnsiCodePage(old); }
    UINT old;
};

struct DecodeCase {
    const char* label;
    UINT codePage;
    DWORD flags;
    std::string bytes;
    std::wstring expected; // empty together with error != 0 means failure
    DWORD error;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.label; }

class MultiByteToWideCharTable : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(MultiByteToWideCharTable, ConvertsOrFailsWithTheRealCode)
{
    const DecodeCase& c = GetParam();
    AnsiScope ansi(1252);
    SetLastError(kPoison);
    const int need = MultiByteToWideChar(c.codePage, c.flags, c.bytes.data(), static_cast<int>(c.bytes.size()),
                                         static_cast<wchar_t*>(nullptr), 0);
    if (c.error) {
        EXPECT_EQ(need, 0);
        EXPECT_EQ(GetLastError(), c.error);
        return;
    }
    ASSERT_EQ(need, static_cast<int>(c.expected.size()));
    EXPECT_EQ(GetLastError(), kPoison) << "success must not touch the last error";
    std::wstring out(static_cast<size_t>(need), L'\0');
    ASSERT_EQ(MultiByteToWideChar(c.codePage, c.flags, c.bytes.data(), static_cast<int>(c.bytes.size()), &out[0], need),
              need);
    EXPECT_EQ(out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MultiByteToWideCharTable,
    ::testing::Values(
        DecodeCase{"utf8_multibyte", CP_UTF8, MB_ERR_INVALID_CHARS, "Stra\xC3\x9F" "e \xE2\x82\xAC", L"Stra\u00DFe \u20AC", 0},
        DecodeCase{"utf8_invalid_strict", CP_UTF8, MB_ERR_INVALID_CHARS, "a\xFF" "b", L"", ERROR_NO_UNICODE_TRANSLATION},
        DecodeCase{"utf8_truncated_strict", CP_UTF8, MB_ERR_INVALID_CHARS, "a\xE2\x82", L"", ERROR_NO_UNICODE_TRANSLATION},
        DecodeCase{"utf8_invalid_lenient", CP_UTF8, 0, "a\xFF" "b", L"a\uFFFDb", 0},
        DecodeCase{"utf8_bad_flags", CP_UTF8, MB_PRECOMPOSED, "a", L"", ERROR_INVALID_FLAGS},
        DecodeCase{"cp1252_euro", 1252, 0, "\x80", L"\u20AC", 0},
        DecodeCase{"cp1252_undefined_byte", 1252, 0, "\x81", L"\u0081", 0},
        DecodeCase{"ansi_default_is_1252", CP_ACP, 0, "\xE9t\xE9", L"\u00E9t\u00E9", 0},
        DecodeCase{"cp1251", 1251, 0, "\xC0\xE1", L"\u0410\u0431", 0},
        DecodeCase{"cp932", 932, 0, "\x93\xFA\x96\x7B", L"\u65E5\u672C", 0},
        DecodeCase{"unknown_code_page", 12345, 0, "a", L"", ERROR_INVALID_PARAMETER}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(MultiByteToWideChar, MinusOneCountsTheTerminatorAndBuffersOneShortFail)
{
    wchar_t out[8];
    EXPECT_TRUE(givesWithError([&] { return MultiByteToWideChar(CP_UTF8, 0, "abc", -1, out, 8); }, 4, kPoison));
    EXPECT_EQ(std::wstring(out), L"abc");
    EXPECT_TRUE(givesWithError([&] { return MultiByteToWideChar(CP_UTF8, 0, "abc", -1, out, 3); }, 0,
                               ERROR_INSUFFICIENT_BUFFER));
    // UTF-16 output: one character, two units.
    WCHAR units[4] = {};
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xF0\x9F\x98\x80", 4, units, 4), 2);
    EXPECT_EQ(units[1], 0xDE00);
    EXPECT_TRUE(givesWithError([&] { return MultiByteToWideChar(CP_UTF8, 0, "\xF0\x9F\x98\x80", 4, units, 1); }, 0,
                               ERROR_INSUFFICIENT_BUFFER));
}

TEST(MultiByteToWideChar, RejectsBadParameters)
{
    wchar_t out[4];
    struct {
        const char* src;
        int srcBytes;
        wchar_t* dst;
        int dstChars;
    } cases[] = {{"a", 0, out, 4}, {nullptr, 1, out, 4}, {"a", -2, out, 4}, {"a", 1, nullptr, 4}, {"a", 1, out, -1}};
    for (const auto& c : cases)
        EXPECT_TRUE(givesWithError(
            [&] { return MultiByteToWideChar(CP_UTF8, 0, c.src, c.srcBytes, c.dst, c.dstChars); }, 0,
            ERROR_INVALID_PARAMETER))
            << "case " << &c - cases;
}

TEST(WideCharToMultiByte, UnmappableCharacterBecomesTheDefaultCharacter)
{
    char out[8] = {};
    BOOL used = FALSE;
    SetLastError(kPoison);
    EXPECT_EQ(WideCharToMultiByte(1252, 0, L"\u20AC\u0416", 2, out, 8, nullptr, &used), 2);
    EXPECT_EQ(std::string(out, 2), "\x80?");
    EXPECT_TRUE(used);
    EXPECT_EQ(WideCharToMultiByte(1252, 0, L"ab", 2, out, 8, "#", &used), 2);
    EXPECT_FALSE(used);
    EXPECT_EQ(WideCharToMultiByte(1251, 0, L"\u0416x", 2, out, 8, "#", &used), 2);
    EXPECT_EQ(std::string(out, 2), "\xC6x");
    EXPECT_EQ(GetLastError(), kPoison);
    // UTF-8 has no default character to use.
    EXPECT_TRUE(givesWithError([&] { return WideCharToMultiByte(CP_UTF8, 0, L"a", 1, out, 8, nullptr, &used); }, 0,
                               ERROR_INVALID_PARAMETER));
}

TEST(WideCharToMultiByte, SizeQueryOneShortBufferAndLoneSurrogate)
{
    const int need = WideCharToMultiByte(CP_UTF8, 0, L"\u00E9\u20AC", -1, nullptr, 0, nullptr, nullptr);
    EXPECT_EQ(need, 2 + 3 + 1);
    char out[8];
    EXPECT_TRUE(givesWithError(
        [&] { return WideCharToMultiByte(CP_UTF8, 0, L"\u00E9\u20AC", -1, out, need - 1, nullptr, nullptr); }, 0,
        ERROR_INSUFFICIENT_BUFFER));
    const WCHAR lone[] = {0xD800, u'a', 0};
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 2, out, 8, nullptr, nullptr), 4);
    EXPECT_EQ(std::string(out, 4), "\xEF\xBF\xBD" "a");
}

TEST(AnsiCodePage, SettingFollowsOnlyKnownCodePages)
{
    AnsiScope ansi(1250);
    EXPECT_EQ(GetACP(), 1250u);
    EXPECT_FALSE(win32::setAnsiCodePage(4242));
    EXPECT_EQ(GetACP(), 1250u);
    for (UINT cp : {65001u, 1250u, 1251u, 1252u, 932u, 936u})
        EXPECT_TRUE(win32::isCodePageSupported(cp)) << cp;
}

} // namespace

// Guards files that stored "??????? ?????" for Cyrillic printer names: the code page follows
// the locale's language as Windows derives it from the system locale.
TEST(AnsiCodePage, FollowsTheLocaleLanguage)
{
    const struct {
        const char* locale;
        UINT codePage;
    } cases[] = {{"ru_RU.UTF-8", 1251}, {"ja_JP.UTF-8", 932},  {"zh_CN.UTF-8", 936}, {"zh_TW.UTF-8", 950},
                 {"zh_HK.UTF-8", 950},
                 {"ko_KR.UTF-8", 949}, {"pl_PL", 1250},       {"el_GR.UTF-8", 1253}, {"tr_TR.UTF-8", 1254},
                 {"he_IL.UTF-8", 1255}, {"ar_EG.UTF-8", 1256}, {"lv_LV", 1257},      {"vi_VN", 1258},
                 {"de_DE.UTF-8@euro", 1252}, {"C.UTF-8", 1252}, {"", 1252}};
    for (const auto& c : cases)
        EXPECT_EQ(win32::ansiCodePageForLocale(c.locale), c.codePage) << c.locale;
}
