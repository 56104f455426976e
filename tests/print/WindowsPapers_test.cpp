// Paper numbers and names: the standard names both ways, "User<n>" names of driver papers, and
// the unit each number is defined in.
#include "davaraz/print/WindowsPapers.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

namespace {

using wut::cWindowsPapers;
using wut::kLastWindowsPaper;

std::wstring withCase(const wchar_t* s, wint_t (*change)(wint_t))
{
    std::wstring out(s);
    for (wchar_t& c : out)
        c = static_cast<wchar_t>(change(static_cast<wint_t>(c)));
    return out;
}

TEST(WindowsPapers, EveryStandardNameRoundTripsInAnyCase)
{
    for (short n = 1; n <= kLastWindowsPaper; ++n) {
        const OdString name = wut::getCanonicalPSname(n);
        ASSERT_FALSE(name.isEmpty()) << n;
        EXPECT_EQ(wut::getPSnumber(name), n) << name.str();
        EXPECT_EQ(wut::getPSnumber(withCase(name, std::towlower).c_str()), n) << name.str();
        EXPECT_EQ(wut::getPSnumber(withCase(name, std::towupper).c_str()), n) << name.str();
    }
}

// Outside the table a number is a driver's paper with a "User<n>" name; above the table it is
// metric, and 0 (no paper) is not.
TEST(WindowsPapers, NumbersOutsideTheTableBecomeUserNames)
{
    for (const short n : {short(0), short(-5), short(119), short(256), short(32767), short(-32768)}) {
        const OdString name = wut::getCanonicalPSname(n);
        EXPECT_EQ(name, OdString(L"User" + std::to_wstring(n)));
        EXPECT_EQ(wut::getPSnumber(name), n) << name.str();
    }
    EXPECT_EQ(wut::getUnitsForDevice(119), OdDbPlotSettings::kMillimeters);
    EXPECT_EQ(wut::getUnitsForDevice(500), OdDbPlotSettings::kMillimeters);
    EXPECT_EQ(wut::getUnitsForDevice(0), OdDbPlotSettings::kInches);
}

// getPSnumber reads standard names and "User<n>" names; isCustomPaperSize takes only the latter
// and writes the number only then (kNone: left as it was).
TEST(WindowsPapers, PaperNumbersAndCustomNames)
{
    constexpr int kNone = 12345;
    const struct {
        const wchar_t* name;
        short number;
        int custom;
    } cases[] = {
        {nullptr, 0, kNone},     {L"", 0, kNone},          {L"User", 0, kNone},     {L"Custom", 0, kNone},
        {L"A4 ", 0, kNone},      {L"Userx", 0, kNone},     {L"User x", 0, kNone},   {L"Use12", 0, kNone},
        {L"a4", 9, kNone},       {L"b5 (jis)", 13, kNone}, {L"user300", 300, 300},  {L"USER12x", 12, 12},
        {L"User -7", -7, -7},    {L"User+8", 8, 8},        {L"User 40", 40, 40},
        {L"User70000", 4464, 70000}, // cut to 16 bits as a paper number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name ? c.name : L"(null)");
        EXPECT_EQ(wut::getPSnumber(c.name), c.number);
        int number = kNone;
        EXPECT_EQ(wut::isCustomPaperSize(number, c.name), c.custom != kNone);
        EXPECT_EQ(number, c.custom);
    }
}

// The unit follows from the kind of paper: ISO, JIS and Chinese sizes are metric; US sizes,
// "#" envelopes and sizes written as inch products are not. "A4 Extra" is the one ISO-named
// paper defined in inches (9.27 x 12.69).
TEST(WindowsPapers, MetricFlagFollowsThePaperFamily)
{
    for (short n = 1; n <= kLastWindowsPaper; ++n) {
        const std::wstring name = cWindowsPapers[n].name;
        const bool iso = name.size() >= 2 && name[0] == L'A' && std::iswdigit(name[1]) && name != L"A4 Extra";
        const bool metricFamily = iso || name.find(L"(JIS)") != std::wstring::npos ||
                                  name.find(L"(ISO)") != std::wstring::npos || name.rfind(L"PRC", 0) == 0;
        const bool inchFamily = name.find(L"Letter") != std::wstring::npos || name.find(L"Legal") != std::wstring::npos ||
                                name.find(L"Tabloid") != std::wstring::npos || name.find(L"Envelope #") == 0 ||
                                (std::iswdigit(name[0]) && name.find(L'x') != std::wstring::npos);
        if (metricFamily) {
            EXPECT_EQ(wut::getUnitsForDevice(n), OdDbPlotSettings::kMillimeters) << name;
        }
        if (inchFamily) {
            EXPECT_EQ(wut::getUnitsForDevice(n), OdDbPlotSettings::kInches) << name;
        }
    }
}

} // namespace
