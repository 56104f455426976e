// The built-in paper tables against the rules they are made by: sizes and units written in the
// names, media names from display names, margins by the kind of paper, and the ISO, ANSI and
// ARCH series derived from their first sheet.
#include "davaraz/print/PaperSizeInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <set>
#include <string>

namespace {

using wut::PaperSizeInfo;

constexpr double kMmPerInch = 25.4;

struct NamedSize {
    double width = 0, height = 0;
    OdDbPlotSettings::PlotPaperUnits units = OdDbPlotSettings::kPixels;
};

// "... (W x H MM)" or "... (W x H Inches)" at the end of a display name.
bool sizeInName(const std::wstring& name, NamedSize& out)
{
    const std::size_t open = name.rfind(L'(');
    if (open == std::wstring::npos || name.back() != L')')
        return false;
    wchar_t unit[16] = {};
    if (std::swscanf(name.c_str() + open, L"(%lf x %lf %15l[A-Za-z])", &out.width, &out.height, unit) != 3)
        return false;
    const std::wstring u = unit;
    out.units = u == L"MM" ? OdDbPlotSettings::kMillimeters : u == L"Inches" ? OdDbPlotSettings::kInches
                                                                              : OdDbPlotSettings::kPixels;
    return out.units != OdDbPlotSettings::kPixels;
}

std::wstring underscored(std::wstring s)
{
    for (wchar_t& c : s)
        if (c == L' ')
            c = L'_';
    return s;
}

void expectSizeFromName(const PaperSizeInfo& row)
{
    NamedSize named;
    ASSERT_TRUE(sizeInName(row.displayName, named)) << "name ends in its size";
    EXPECT_EQ(row.width, named.width);
    EXPECT_EQ(row.height, named.height);
    EXPECT_EQ(row.units, named.units);
}

void expectMargins(const PaperSizeInfo& row, double sidesMm, double bottomTopMm, double tolerance)
{
    const double scale = row.units == OdDbPlotSettings::kInches ? 1 / kMmPerInch : 1;
    EXPECT_NEAR(row.leftMargin, sidesMm * scale, tolerance);
    EXPECT_NEAR(row.rightMargin, sidesMm * scale, tolerance);
    EXPECT_NEAR(row.bottomMargin, bottomTopMm * scale, tolerance);
    EXPECT_NEAR(row.topMargin, bottomTopMm * scale, tolerance);
}

bool contains(const wchar_t* s, const wchar_t* part) { return std::wcsstr(s, part) != nullptr; }

// Sheet n of a series: each halves the longer side of the one before (ISO rounds down), so
// going up it doubles the shorter side.
NamedSize seriesSheet(double firstShort, double firstLong, int steps, bool halving)
{
    double s = firstShort, l = firstLong;
    for (int k = 0; k < steps; ++k) {
        if (halving) {
            const double half = std::floor(l / 2);
            l = s;
            s = half;
        } else {
            const double doubled = 2 * s;
            s = l;
            l = doubled;
        }
    }
    return {s, l, OdDbPlotSettings::kMillimeters};
}

// Both tables: their exported row counts (media are addressed by row), media names made from
// display names, unique names, and margins that leave room on the sheet.
TEST(PaperTables, CommonRules)
{
    const struct {
        const PaperSizeInfo* table;
        std::uint64_t count, expected;
    } tables[] = {{wut::cPdfPapers, wut::cPdfPapersCount, 115}, {wut::cNonePapers, wut::cNonePapersCount, 40}};
    for (const auto& t : tables) {
        EXPECT_EQ(t.count, t.expected);
        std::set<std::wstring> names;
        for (std::uint64_t i = 0; i < t.count; ++i) {
            const PaperSizeInfo& row = t.table[i];
            SCOPED_TRACE(row.displayName);
            EXPECT_EQ(row.mediaName, underscored(row.displayName));
            EXPECT_TRUE(names.insert(row.displayName).second) << "display names are unique";
            EXPECT_LT(row.leftMargin + row.rightMargin, row.width);
            EXPECT_LT(row.bottomMargin + row.topMargin, row.height);
        }
    }
}

TEST(PdfPapers, BorderlessSheetsFollowTheirSeries)
{
    for (int i = 0; i < 22; ++i) {
        const PaperSizeInfo& row = wut::cPdfPapers[i];
        SCOPED_TRACE(row.displayName);
        expectMargins(row, 0, 0, 0);
        const std::wstring name = row.displayName;
        NamedSize expected;
        if (i < 12) { // "A0".."A5", "B0".."B5"
            const int steps = std::stoi(name.substr(1));
            expected = name[0] == L'A' ? seriesSheet(841, 1189, steps, true) : seriesSheet(1000, 1414, steps, true);
            EXPECT_EQ(row.units, OdDbPlotSettings::kMillimeters);
        } else { // "ANSI A".."ANSI E", "Arch A".."Arch E"
            const int steps = name.back() - L'A';
            expected = name.rfind(L"ANSI", 0) == 0 ? seriesSheet(8.5, 11, steps, false) : seriesSheet(9, 12, steps, false);
            EXPECT_EQ(row.units, OdDbPlotSettings::kInches);
        }
        EXPECT_EQ(row.width, expected.width);
        EXPECT_EQ(row.height, expected.height);
    }
}

// Named rows carry their size and units in the name, margins by their kind, and are the
// borderless sheet of their name in one of its orientations ("ISO full bleed A3 (...)" is "A3").
TEST(PdfPapers, NamedRowsFollowTheirNameAndTheirBorderlessSheet)
{
    int matched = 0;
    for (std::uint64_t i = 22; i < wut::cPdfPapersCount; ++i) {
        const PaperSizeInfo& row = wut::cPdfPapers[i];
        SCOPED_TRACE(row.displayName);
        expectSizeFromName(row);
        if (contains(row.displayName, L"full bleed"))
            expectMargins(row, 0.79375, 0.79375, 0.00005);
        else if (contains(row.displayName, L"expand"))
            expectMargins(row, 5.79375, 10.79375, 0.00005);
        else
            expectMargins(row, 5.79375, 17.79375, 0.00005);

        std::wstring name = row.displayName;
        name = name.substr(0, name.rfind(L" ("));
        std::wstring sheet = name.substr(name.rfind(L' ') + 1);
        if (name.rfind(L"ANSI", 0) == 0)
            sheet = L"ANSI " + sheet;
        else if (name.rfind(L"ARCH", 0) == 0)
            sheet = L"Arch " + sheet;
        for (int k = 0; k < 22; ++k) {
            const PaperSizeInfo& base = wut::cPdfPapers[k];
            if (sheet != base.displayName)
                continue;
            ++matched;
            EXPECT_EQ(row.units, base.units);
            EXPECT_EQ(std::min(row.width, row.height), base.width);
            EXPECT_EQ(std::max(row.width, row.height), base.height);
        }
    }
    EXPECT_GT(matched, 80); // all but E1, ANSI F, 2A0 and 4A0
    // Media sections address rows by number.
    EXPECT_STREQ(wut::cPdfPapers[84].displayName, L"ISO A4 (210.00 x 297.00 MM)");
}

// US office sheets keep a quarter inch all round, ANSI and ARCH sheets three quarters at bottom
// and top, ISO sheets 7.5 mm at the sides and 20 mm at bottom and top.
TEST(NonePapers, SizesFromNamesAndMarginsByKind)
{
    for (std::uint64_t i = 0; i < wut::cNonePapersCount; ++i) {
        const PaperSizeInfo& row = wut::cNonePapers[i];
        SCOPED_TRACE(row.displayName);
        expectSizeFromName(row);
        const std::wstring name = row.displayName;
        if (row.units == OdDbPlotSettings::kMillimeters)
            expectMargins(row, 7.5, 20, 0);
        else if (name.rfind(L"ANSI", 0) == 0 || name.rfind(L"ARCH", 0) == 0)
            expectMargins(row, 0.25 * kMmPerInch, 0.75 * kMmPerInch, 0.000005);
        else
            expectMargins(row, 0.25 * kMmPerInch, 0.25 * kMmPerInch, 0.000005);
    }
}

} // namespace
