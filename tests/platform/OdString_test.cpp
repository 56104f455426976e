// OdString and OdAnsiString: the operations the library relies on.
#include "platform/od/OdCase.h"
#include "platform/od/OdString.h"
#include "platform/win32/codepage.h"

#include <gtest/gtest.h>

TEST(OdString, FormatReplaceAndTrim)
{
    OdString s;
    s.format(L"%ls=%d;%ls", L"key", -7, L"\u00E9");
    EXPECT_EQ(s, L"key=-7;\u00E9");
    OdString long_;
    long_.format(L"%ls", std::wstring(5000, L'x').c_str());
    EXPECT_EQ(long_.getLength(), 5000);

    OdString path(L"a\\b\\c");
    EXPECT_EQ(path.replace(L'\\', L'/'), 2);
    EXPECT_EQ(path, L"a/b/c");
    OdString words(L"aXXbXXc");
    EXPECT_EQ(words.replace(L"XX", L"X"), 2);
    EXPECT_EQ(words, L"aXbXc");
    EXPECT_EQ(OdString(L"1.5000").trimRight(L'0'), L"1.5");
    EXPECT_EQ(OdString(L"abc").left(9), L"abc");
    EXPECT_EQ(OdString(L"abcabc").find(L"ca"), 2);
    EXPECT_EQ(OdString(L"abc").find(L"x"), -1);
    EXPECT_EQ(OdString(L"\u00C9T\u00C9").makeLower(), L"\u00E9t\u00E9");
    // Names compare without case in any process locale, beyond ASCII too; a prefix is not equal.
    EXPECT_TRUE(odEqualNoCase(L"\u00C9t\u00E9 FILE:", L"\u00E9T\u00C9 file:"));
    EXPECT_FALSE(odEqualNoCase(L"FILE", L"FILE:"));
    EXPECT_FALSE(odEqualNoCase(L"", static_cast<const wchar_t*>(nullptr)));
    EXPECT_TRUE(OdString::kEmpty.isEmpty());
    EXPECT_EQ(OdString(L"a") + L'b' + OdString(L"c") + L"d", L"abcd");
}

TEST(OdString, EightBitTextByCodePage)
{
    EXPECT_EQ(OdString("\x80 \xE9", CP_ANSI_1252), L"\u20AC \u00E9");
    EXPECT_TRUE(OdString(static_cast<const char*>(nullptr), CP_ANSI_1252).isEmpty());
    const UINT old = GetACP();
    ASSERT_TRUE(win32::setAnsiCodePage(1251));
    EXPECT_EQ(OdString("\xC0", CP_UNDEFINED), L"\u0410");
    EXPECT_STREQ(static_cast<const char*>(OdString(L"\u0410b")), "\xC0" "b");
    win32::setAnsiCodePage(old);
}
