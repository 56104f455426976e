// The papers offered when a configuration has no output device.
#include "davaraz/print/PaperSizeInfo.h"

namespace wut {
namespace {
constexpr auto kInches = OdDbPlotSettings::kInches;
constexpr auto kMillimeters = OdDbPlotSettings::kMillimeters;
} // namespace

const PaperSizeInfo cNonePapers[] = {
    {L"Letter (8.50 x 11.00 Inches)", L"Letter_(8.50_x_11.00_Inches)", 8.5, 11, kInches, 0.25, 0.25, 0.2500002, 0.2500002}, // 0
    {L"Legal (8.50 x 14.0 Inches)", L"Legal_(8.50_x_14.0_Inches)", 8.5, 14, kInches, 0.25, 0.25, 0.2500002, 0.2500002}, // 1
    {L"ANSI A (8.50 x 11.00 Inches)", L"ANSI_A_(8.50_x_11.00_Inches)", 8.5, 11, kInches, 0.25, 0.75, 0.2500002, 0.7499995}, // 2
    {L"ANSI A (11.00 x 8.50 Inches)", L"ANSI_A_(11.00_x_8.50_Inches)", 11, 8.5, kInches, 0.25, 0.75, 0.2500002, 0.7500001}, // 3
    {L"ANSI B (11.00 x 17.00 Inches)", L"ANSI_B_(11.00_x_17.00_Inches)", 11, 17, kInches, 0.25, 0.75, 0.2500002, 0.7499995}, // 4
    {L"ANSI B (17.00 x 11.00 Inches)", L"ANSI_B_(17.00_x_11.00_Inches)", 17, 11, kInches, 0.25, 0.75, 0.2500002, 0.7499995}, // 5
    {L"ANSI C (17.00 x 22.00 Inches)", L"ANSI_C_(17.00_x_22.00_Inches)", 17, 22, kInches, 0.25, 0.75, 0.2500002, 0.7499995}, // 6
    {L"ANSI C (22.00 x 17.00 Inches)", L"ANSI_C_(22.00_x_17.00_Inches)", 22, 17, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 7
    {L"ANSI D (22.00 x 34.00 Inches)", L"ANSI_D_(22.00_x_34.00_Inches)", 22, 34, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 8
    {L"ANSI D (34.00 x 22.00 Inches)", L"ANSI_D_(34.00_x_22.00_Inches)", 34, 22, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 9
    {L"ANSI E (34.00 x 44.00 Inches)", L"ANSI_E_(34.00_x_44.00_Inches)", 34, 44, kInches, 0.25, 0.75, 0.249999, 0.7500019}, // 10
    {L"ANSI E (44.00 x 34.00 Inches)", L"ANSI_E_(44.00_x_34.00_Inches)", 44, 34, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 11
    {L"ARCH C (18.00 x 24.00 Inches)", L"ARCH_C_(18.00_x_24.00_Inches)", 18, 24, kInches, 0.25, 0.75, 0.2500002, 0.7499995}, // 12
    {L"ARCH C (24.00 x 18.00 Inches)", L"ARCH_C_(24.00_x_18.00_Inches)", 24, 18, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 13
    {L"ARCH D (24.00 x 36.00 Inches)", L"ARCH_D_(24.00_x_36.00_Inches)", 24, 36, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 14
    {L"ARCH D (36.00 x 24.00 Inches)", L"ARCH_D_(36.00_x_24.00_Inches)", 36, 24, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 15
    {L"ARCH E (36.00 x 48.00 Inches)", L"ARCH_E_(36.00_x_48.00_Inches)", 36, 48, kInches, 0.25, 0.75, 0.249999, 0.7500019}, // 16
    {L"ARCH E (48.00 x 36.00 Inches)", L"ARCH_E_(48.00_x_36.00_Inches)", 48, 36, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 17
    {L"ARCH E1 (30.00 x 42.00 Inches)", L"ARCH_E1_(30.00_x_42.00_Inches)", 30, 42, kInches, 0.25, 0.75, 0.249999, 0.7500019}, // 18
    {L"ARCH E1 (42.00 x 30.00 Inches)", L"ARCH_E1_(42.00_x_30.00_Inches)", 42, 30, kInches, 0.25, 0.75, 0.249999, 0.7499995}, // 19
    {L"ISO A4 (210.00 x 297.00 MM)", L"ISO_A4_(210.00_x_297.00_MM)", 210, 297, kMillimeters, 7.5, 20, 7.5, 20}, // 20
    {L"ISO A4 (297.00 x 210.00 MM)", L"ISO_A4_(297.00_x_210.00_MM)", 297, 210, kMillimeters, 7.5, 20, 7.5, 20}, // 21
    {L"ISO A3 (297.00 x 420.00 MM)", L"ISO_A3_(297.00_x_420.00_MM)", 297, 420, kMillimeters, 7.5, 20, 7.5, 20}, // 22
    {L"ISO A3 (420.00 x 297.00 MM)", L"ISO_A3_(420.00_x_297.00_MM)", 420, 297, kMillimeters, 7.5, 20, 7.5, 20}, // 23
    {L"ISO A2 (420.00 x 594.00 MM)", L"ISO_A2_(420.00_x_594.00_MM)", 420, 594, kMillimeters, 7.5, 20, 7.5, 20}, // 24
    {L"ISO A2 (594.00 x 420.00 MM)", L"ISO_A2_(594.00_x_420.00_MM)", 594, 420, kMillimeters, 7.5, 20, 7.5, 20}, // 25
    {L"ISO A1 (594.00 x 841.00 MM)", L"ISO_A1_(594.00_x_841.00_MM)", 594, 841, kMillimeters, 7.5, 20, 7.5, 20}, // 26
    {L"ISO A1 (841.00 x 594.00 MM)", L"ISO_A1_(841.00_x_594.00_MM)", 841, 594, kMillimeters, 7.5, 20, 7.5, 20}, // 27
    {L"ISO A0 (841.00 x 1189.00 MM)", L"ISO_A0_(841.00_x_1189.00_MM)", 841, 1189, kMillimeters, 7.5, 20, 7.5, 20}, // 28
    {L"ISO A0 (1189.00 x 841.00 MM)", L"ISO_A0_(1189.00_x_841.00_MM)", 1189, 841, kMillimeters, 7.5, 20, 7.5, 20}, // 29
    {L"ISO B5 (182.00 x 237.00 MM)", L"ISO_B5_(182.00_x_237.00_MM)", 182, 237, kMillimeters, 7.5, 20, 7.5, 20}, // 30
    {L"ISO B5 (237.00 x 182.00 MM)", L"ISO_B5_(237.00_x_182.00_MM)", 237, 182, kMillimeters, 7.5, 20, 7.5, 20}, // 31
    {L"ISO B4 (250.00 x 354.00 MM)", L"ISO_B4_(250.00_x_354.00_MM)", 250, 354, kMillimeters, 7.5, 20, 7.5, 20}, // 32
    {L"ISO B4 (354.00 x 250.00 MM)", L"ISO_B4_(354.00_x_250.00_MM)", 354, 250, kMillimeters, 7.5, 20, 7.5, 20}, // 33
    {L"ISO B2 (500.00 x 707.00 MM)", L"ISO_B2_(500.00_x_707.00_MM)", 500, 707, kMillimeters, 7.5, 20, 7.5, 20}, // 34
    {L"ISO B2 (707.00 x 500.00 MM)", L"ISO_B2_(707.00_x_500.00_MM)", 707, 500, kMillimeters, 7.5, 20, 7.5, 20}, // 35
    {L"ISO B1 (707.00 x 1000.00 MM)", L"ISO_B1_(707.00_x_1000.00_MM)", 707, 1000, kMillimeters, 7.5, 20, 7.5, 20}, // 36
    {L"ISO B1 (1000.00 x 707.00 MM)", L"ISO_B1_(1000.00_x_707.00_MM)", 1000, 707, kMillimeters, 7.5, 20, 7.5, 20}, // 37
    {L"ISO C5 (229.00 x 162.00 MM)", L"ISO_C5_(229.00_x_162.00_MM)", 229, 162, kMillimeters, 7.5, 20, 7.5, 20}, // 38
    {L"700mm (700.00 x 1000.00 MM)", L"700mm_(700.00_x_1000.00_MM)", 700, 1000, kMillimeters, 7.5, 20, 7.5, 20}, // 39
};

const std::uint64_t cNonePapersCount = sizeof(cNonePapers) / sizeof(cNonePapers[0]);

} // namespace wut
