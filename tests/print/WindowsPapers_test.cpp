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
    EXPECT_EQ(cWindowsPapers[0].name, std::wstring());
    EXPECT_EQ(cWindowsPapers[0].metric, 0);
    for (short n = 1; n <= kLastWindowsPaper; ++n) {
        const OdString name = wut::getCanonicalPSname(n);
        ASSERT_FALSE(name.isEmpty()) << n;
        EXPECT_EQ(wut::getPSnumber(name), n) << name.str();
        EXPECT_EQ(wut::getPSnumber(withCase(name, std::towlower).c_str()), n) << name.str();
        EXPECT_EQ(wut::getPSnumber(withCase(name, std::towupper).c_str()), n) << name.str();
    }
}

TEST(WindowsPapers, NumbersOutsideTheTableBecomeUserNames)
{
    for (const short n : {short(0), short(-5), short(119), short(256), short(32767), short(-32768)}) {
        const OdString name = wut::getCanonicalPSname(n);
        EXPECT_EQ(name, OdString(L"User" + std::to_wstring(n)));
        EXPECT_EQ(wut::getPSnumber(name), n) << name.str();
    }
}

TEST(WindowsPapers, PaperNumbersOfNames)
{
    const struct {
        const wchar_t* name;
        short number;
    } cases[] = {
        {nullptr, 0},         {L"", 0},           {L"User", 0},        {L"Custom", 0},
        {L"A4 ", 0},          {L"Userx", 0},      {L"user300", 300},   {L"USER12x", 12},
        {L"User -7", -7},     {L"User+8", 8},     {L"a4", 9},          {L"b5 (jis)", 13},
        {L"User70000", 4464}, // cut to 16 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(wut::getPSnumber(c.name), c.number) << (c.name ? c.name : L"(null)");
}

TEST(WindowsPapers, CustomPaperNames)
{
    const struct {
        const wchar_t* name;
        bool custom;
        int number;
    } cases[] = {
        {L"User", false, 0},    {L"USER12x", true, 12}, {L"user-3", true, -3}, {L"User 40", true, 40},
        {L"User x", false, 0},  {L"Use12", false, 0},   {L"Letter", false, 0}, {nullptr, false, 0},
    };
    for (const auto& c : cases) {
        int number = 12345;
        EXPECT_EQ(wut::isCustomPaperSize(number, c.name), c.custom) << (c.name ? c.name : L"(null)");
        EXPECT_EQ(number, c.custom ? c.number : 12345) << "the number is written only on success";
    }
}

TEST(WindowsPapers, UnitsForDevice)
{
    EXPECT_EQ(wut::getUnitsForDevice(9), OdDbPlotSettings::kMillimeters);
    EXPECT_EQ(wut::getUnitsForDevice(1), OdDbPlotSettings::kInches);
    EXPECT_EQ(wut::getUnitsForDevice(0), OdDbPlotSettings::kInches);
    EXPECT_EQ(wut::getUnitsForDevice(118), OdDbPlotSettings::kMillimeters);
    EXPECT_EQ(wut::getUnitsForDevice(119), OdDbPlotSettings::kMillimeters);
    EXPECT_EQ(wut::getUnitsForDevice(500), OdDbPlotSettings::kMillimeters);
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
