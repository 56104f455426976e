// CompareStringW and the UTF-16 helpers that carry names across the Win32 boundary.
#include "LastError.h"
#include "platform/win32/nls.h"
#include "platform/win32/wstr.h"

namespace {

TEST(CompareString, OrderCaseFoldingAndBadArguments)
{
    struct Case {
        const char16_t* a;
        int na;
        const char16_t* b;
        int nb;
        DWORD flags;
        int expected;
        DWORD error = kPoison; // a comparison leaves the last error alone
    };
    const Case cases[] = {
        {u"Letter", -1, u"LETTER", -1, NORM_IGNORECASE, CSTR_EQUAL},
        {u"Letter", -1, u"LETTER", -1, 0, CSTR_GREATER_THAN},
        {u"A4", -1, u"A4 Small", -1, NORM_IGNORECASE, CSTR_LESS_THAN},
        {u"a", -1, u"B", -1, NORM_IGNORECASE, CSTR_LESS_THAN},
        {u"A4 Extra", 2, u"a4", -1, NORM_IGNORECASE, CSTR_EQUAL}, // counted length
        {u"", -1, u"", 0, 0, CSTR_EQUAL},
        {u"\u00C9tiquette", -1, u"\u00E9TIQUETTE", -1, NORM_IGNORECASE, CSTR_EQUAL},
        // no string, a negative length other than -1, unknown flags
        {nullptr, -1, u"x", -1, NORM_IGNORECASE, 0, ERROR_INVALID_PARAMETER},
        {u"x", -2, u"x", -1, 0, 0, ERROR_INVALID_PARAMETER},
        {u"x", -1, u"x", -1, 0x40000000, 0, ERROR_INVALID_FLAGS},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(
            givesWithError([&] { return CompareStringW(0, c.flags, c.a, c.na, c.b, c.nb); }, c.expected, c.error))
            << "case " << &c - cases;
}

TEST(Utf16, RoundTripIncludingSurrogatePairs)
{
    const std::wstring text = L"Plotter \u00DF \U0001F5A8 end";
    const std::u16string u = win32::toUtf16(text);
    EXPECT_EQ(u.size(), text.size() + 1); // one character needs two units
    EXPECT_EQ(win32::fromUtf16(u.c_str()), text);
    const char16_t lone[] = {u'a', 0xD800, u'b', 0};
    EXPECT_EQ(win32::fromUtf16(lone), L"a\uFFFDb");
    EXPECT_EQ(win32::fromUtf16(u"abcdef", 3), L"abc");
    EXPECT_EQ(win32::fromUtf16(nullptr), L"");
}

TEST(Utf16, FieldCopyAlwaysLeavesRoomForTheTerminator)
{
    WCHAR field[4];
    win32::copyToField(field, 4, u"ABCDEFG");
    EXPECT_EQ(win32::fromUtf16(field, 4), L"ABC");
    EXPECT_EQ(field[3], 0);
    win32::copyToField(field, 4, u"Z");
    EXPECT_EQ(field[1], 0);
    EXPECT_EQ(field[3], 0);
    EXPECT_EQ(win32::WideArg(static_cast<const wchar_t*>(nullptr)).get(), nullptr);
    EXPECT_EQ(win32::wcslen16(win32::WideArg(L"four").get()), 4u);
}

} // namespace
