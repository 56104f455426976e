// The papers of the built-in PDF output, in the order media sections refer to them.
#include "davaraz/print/PaperSizeInfo.h"

namespace wut {
namespace {
constexpr auto kInches = OdDbPlotSettings::kInches;
constexpr auto kMillimeters = OdDbPlotSettings::kMillimeters;
} // namespace

// Rows 0 to 21 are borderless sheets; the rest carry their size in the name and margins by
// kind: "full bleed" 0.79375 mm all round, "expand" 5.79375 mm sides and 10.79375 mm bottom and
// top, the others 5.79375 mm and 17.79375 mm (inch rows hold the same distances in inches).
const PaperSizeInfo cPdfPapers[] = {
    {L"A0", L"A0", 841, 1189, kMillimeters, 0, 0, 0, 0}, // 0
    {L"A1", L"A1", 594, 841, kMillimeters, 0, 0, 0, 0}, // 1
    {L"A2", L"A2", 420, 594, kMillimeters, 0, 0, 0, 0}, // 2
    {L"A3", L"A3", 297, 420, kMillimeters, 0, 0, 0, 0}, // 3
    {L"A4", L"A4", 210, 297, kMillimeters, 0, 0, 0, 0}, // 4
    {L"A5", L"A5", 148, 210, kMillimeters, 0, 0, 0, 0}, // 5
    {L"B0", L"B0", 1000, 1414, kMillimeters, 0, 0, 0, 0}, // 6
    {L"B1", L"B1", 707, 1000, kMillimeters, 0, 0, 0, 0}, // 7
    {L"B2", L"B2", 500, 707, kMillimeters, 0, 0, 0, 0}, // 8
    {L"B3", L"B3", 353, 500, kMillimeters, 0, 0, 0, 0}, // 9
    {L"B4", L"B4", 250, 353, kMillimeters, 0, 0, 0, 0}, // 10
    {L"B5", L"B5", 176, 250, kMillimeters, 0, 0, 0, 0}, // 11
    {L"ANSI A", L"ANSI_A", 8.5, 11, kInches, 0, 0, 0, 0}, // 12
    {L"ANSI B", L"ANSI_B", 11, 17, kInches, 0, 0, 0, 0}, // 13
    {L"ANSI C", L"ANSI_C", 17, 22, kInches, 0, 0, 0, 0}, // 14
    {L"ANSI D", L"ANSI_D", 22, 34, kInches, 0, 0, 0, 0}, // 15
    {L"ANSI E", L"ANSI_E", 34, 44, kInches, 0, 0, 0, 0}, // 16
    {L"Arch A", L"Arch_A", 9, 12, kInches, 0, 0, 0, 0}, // 17
    {L"Arch B", L"Arch_B", 12, 18, kInches, 0, 0, 0, 0}, // 18
    {L"Arch C", L"Arch_C", 18, 24, kInches, 0, 0, 0, 0}, // 19
    {L"Arch D", L"Arch_D", 24, 36, kInches, 0, 0, 0, 0}, // 20
    {L"Arch E", L"Arch_E", 36, 48, kInches, 0, 0, 0, 0}, // 21
    {L"ISO full bleed B5 (250.00 x 176.00 MM)", L"ISO_full_bleed_B5_(250.00_x_176.00_MM)", 250, 176, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 22
    {L"ISO full bleed B5 (176.00 x 250.00 MM)", L"ISO_full_bleed_B5_(176.00_x_250.00_MM)", 176, 250, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 23
    {L"ISO full bleed B4 (353.00 x 250.00 MM)", L"ISO_full_bleed_B4_(353.00_x_250.00_MM)", 353, 250, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 24
    {L"ISO full bleed B4 (250.00 x 353.00 MM)", L"ISO_full_bleed_B4_(250.00_x_353.00_MM)", 250, 353, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 25
    {L"ISO full bleed B3 (500.00 x 353.00 MM)", L"ISO_full_bleed_B3_(500.00_x_353.00_MM)", 500, 353, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 26
    {L"ISO full bleed B3 (353.00 x 500.00 MM)", L"ISO_full_bleed_B3_(353.00_x_500.00_MM)", 353, 500, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 27
    {L"ISO full bleed B2 (707.00 x 500.00 MM)", L"ISO_full_bleed_B2_(707.00_x_500.00_MM)", 707, 500, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 28
    {L"ISO full bleed B2 (500.00 x 707.00 MM)", L"ISO_full_bleed_B2_(500.00_x_707.00_MM)", 500, 707, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 29
    {L"ISO full bleed B1 (1000.00 x 707.00 MM)", L"ISO_full_bleed_B1_(1000.00_x_707.00_MM)", 1000, 707, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 30
    {L"ISO full bleed B1 (707.00 x 1000.00 MM)", L"ISO_full_bleed_B1_(707.00_x_1000.00_MM)", 707, 1000, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 31
    {L"ISO full bleed B0 (1414.00 x 1000.00 MM)", L"ISO_full_bleed_B0_(1414.00_x_1000.00_MM)", 1414, 1000, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 32
    {L"ISO full bleed B0 (1000.00 x 1414.00 MM)", L"ISO_full_bleed_B0_(1000.00_x_1414.00_MM)", 1000, 1414, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 33
    {L"ISO full bleed A5 (210.00 x 148.00 MM)", L"ISO_full_bleed_A5_(210.00_x_148.00_MM)", 210, 148, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 34
    {L"ISO full bleed A5 (148.00 x 210.00 MM)", L"ISO_full_bleed_A5_(148.00_x_210.00_MM)", 148, 210, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 35
    {L"ISO full bleed 2A0 (1189.00 x 1682.00 MM)", L"ISO_full_bleed_2A0_(1189.00_x_1682.00_MM)", 1189, 1682, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 36
    {L"ISO full bleed 4A0 (1682.00 x 2378.00 MM)", L"ISO_full_bleed_4A0_(1682.00_x_2378.00_MM)", 1682, 2378, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 37
    {L"ISO full bleed A4 (297.00 x 210.00 MM)", L"ISO_full_bleed_A4_(297.00_x_210.00_MM)", 297, 210, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 38
    {L"ISO full bleed A4 (210.00 x 297.00 MM)", L"ISO_full_bleed_A4_(210.00_x_297.00_MM)", 210, 297, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 39
    {L"ISO full bleed A3 (420.00 x 297.00 MM)", L"ISO_full_bleed_A3_(420.00_x_297.00_MM)", 420, 297, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 40
    {L"ISO full bleed A3 (297.00 x 420.00 MM)", L"ISO_full_bleed_A3_(297.00_x_420.00_MM)", 297, 420, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 41
    {L"ISO full bleed A2 (594.00 x 420.00 MM)", L"ISO_full_bleed_A2_(594.00_x_420.00_MM)", 594, 420, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 42
    {L"ISO full bleed A2 (420.00 x 594.00 MM)", L"ISO_full_bleed_A2_(420.00_x_594.00_MM)", 420, 594, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 43
    {L"ISO full bleed A1 (841.00 x 594.00 MM)", L"ISO_full_bleed_A1_(841.00_x_594.00_MM)", 841, 594, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 44
    {L"ISO full bleed A1 (594.00 x 841.00 MM)", L"ISO_full_bleed_A1_(594.00_x_841.00_MM)", 594, 841, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 45
    {L"ISO full bleed A0 (841.00 x 1189.00 MM)", L"ISO_full_bleed_A0_(841.00_x_1189.00_MM)", 841, 1189, kMillimeters, 0.79375, 0.79375, 0.79375, 0.79375}, // 46
    {L"ARCH full bleed E1 (30.00 x 42.00 Inches)", L"ARCH_full_bleed_E1_(30.00_x_42.00_Inches)", 30, 42, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 47
    {L"ARCH full bleed E (36.00 x 48.00 Inches)", L"ARCH_full_bleed_E_(36.00_x_48.00_Inches)", 36, 48, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 48
    {L"ARCH full bleed D (36.00 x 24.00 Inches)", L"ARCH_full_bleed_D_(36.00_x_24.00_Inches)", 36, 24, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 49
    {L"ARCH full bleed D (24.00 x 36.00 Inches)", L"ARCH_full_bleed_D_(24.00_x_36.00_Inches)", 24, 36, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 50
    {L"ARCH full bleed C (24.00 x 18.00 Inches)", L"ARCH_full_bleed_C_(24.00_x_18.00_Inches)", 24, 18, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 51
    {L"ARCH full bleed C (18.00 x 24.00 Inches)", L"ARCH_full_bleed_C_(18.00_x_24.00_Inches)", 18, 24, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 52
    {L"ARCH full bleed B (18.00 x 12.00 Inches)", L"ARCH_full_bleed_B_(18.00_x_12.00_Inches)", 18, 12, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 53
    {L"ARCH full bleed B (12.00 x 18.00 Inches)", L"ARCH_full_bleed_B_(12.00_x_18.00_Inches)", 12, 18, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 54
    {L"ARCH full bleed A (12.00 x 9.00 Inches)", L"ARCH_full_bleed_A_(12.00_x_9.00_Inches)", 12, 9, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 55
    {L"ARCH full bleed A (9.00 x 12.00 Inches)", L"ARCH_full_bleed_A_(9.00_x_12.00_Inches)", 9, 12, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 56
    {L"ANSI full bleed F (28.00 x 40.00 Inches)", L"ANSI_full_bleed_F_(28.00_x_40.00_Inches)", 28, 40, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 57
    {L"ANSI full bleed E (34.00 x 44.00 Inches)", L"ANSI_full_bleed_E_(34.00_x_44.00_Inches)", 34, 44, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 58
    {L"ANSI full bleed D (34.00 x 22.00 Inches)", L"ANSI_full_bleed_D_(34.00_x_22.00_Inches)", 34, 22, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 59
    {L"ANSI full bleed D (22.00 x 34.00 Inches)", L"ANSI_full_bleed_D_(22.00_x_34.00_Inches)", 22, 34, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 60
    {L"ANSI full bleed C (22.00 x 17.00 Inches)", L"ANSI_full_bleed_C_(22.00_x_17.00_Inches)", 22, 17, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 61
    {L"ANSI full bleed C (17.00 x 22.00 Inches)", L"ANSI_full_bleed_C_(17.00_x_22.00_Inches)", 17, 22, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 62
    {L"ANSI full bleed B (17.00 x 11.00 Inches)", L"ANSI_full_bleed_B_(17.00_x_11.00_Inches)", 17, 11, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 63
    {L"ANSI full bleed B (11.00 x 17.00 Inches)", L"ANSI_full_bleed_B_(11.00_x_17.00_Inches)", 11, 17, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 64
    {L"ANSI full bleed A (11.00 x 8.50 Inches)", L"ANSI_full_bleed_A_(11.00_x_8.50_Inches)", 11, 8.5, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 65
    {L"ANSI full bleed A (8.50 x 11.00 Inches)", L"ANSI_full_bleed_A_(8.50_x_11.00_Inches)", 8.5, 11, kInches, 0.03125, 0.03125, 0.03125, 0.03125}, // 66
    {L"ISO expand A0 (841.00 x 1189.00 MM)", L"ISO_expand_A0_(841.00_x_1189.00_MM)", 841, 1189, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 67
    {L"ISO A0 (841.00 x 1189.00 MM)", L"ISO_A0_(841.00_x_1189.00_MM)", 841, 1189, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 68
    {L"ISO expand A1 (841.00 x 594.00 MM)", L"ISO_expand_A1_(841.00_x_594.00_MM)", 841, 594, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 69
    {L"ISO expand A1 (594.00 x 841.00 MM)", L"ISO_expand_A1_(594.00_x_841.00_MM)", 594, 841, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 70
    {L"ISO A1 (841.00 x 594.00 MM)", L"ISO_A1_(841.00_x_594.00_MM)", 841, 594, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 71
    {L"ISO A1 (594.00 x 841.00 MM)", L"ISO_A1_(594.00_x_841.00_MM)", 594, 841, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 72
    {L"ISO expand A2 (594.00 x 420.00 MM)", L"ISO_expand_A2_(594.00_x_420.00_MM)", 594, 420, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 73
    {L"ISO expand A2 (420.00 x 594.00 MM)", L"ISO_expand_A2_(420.00_x_594.00_MM)", 420, 594, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 74
    {L"ISO A2 (594.00 x 420.00 MM)", L"ISO_A2_(594.00_x_420.00_MM)", 594, 420, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 75
    {L"ISO A2 (420.00 x 594.00 MM)", L"ISO_A2_(420.00_x_594.00_MM)", 420, 594, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 76
    {L"ISO expand A3 (420.00 x 297.00 MM)", L"ISO_expand_A3_(420.00_x_297.00_MM)", 420, 297, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 77
    {L"ISO expand A3 (297.00 x 420.00 MM)", L"ISO_expand_A3_(297.00_x_420.00_MM)", 297, 420, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 78
    {L"ISO A3 (420.00 x 297.00 MM)", L"ISO_A3_(420.00_x_297.00_MM)", 420, 297, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 79
    {L"ISO A3 (297.00 x 420.00 MM)", L"ISO_A3_(297.00_x_420.00_MM)", 297, 420, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 80
    {L"ISO expand A4 (297.00 x 210.00 MM)", L"ISO_expand_A4_(297.00_x_210.00_MM)", 297, 210, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 81
    {L"ISO expand A4 (210.00 x 297.00 MM)", L"ISO_expand_A4_(210.00_x_297.00_MM)", 210, 297, kMillimeters, 5.79375, 10.79375, 5.79375, 10.79375}, // 82
    {L"ISO A4 (297.00 x 210.00 MM)", L"ISO_A4_(297.00_x_210.00_MM)", 297, 210, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 83
    {L"ISO A4 (210.00 x 297.00 MM)", L"ISO_A4_(210.00_x_297.00_MM)", 210, 297, kMillimeters, 5.79375, 17.79375, 5.79375, 17.79375}, // 84
    {L"ARCH expand E1 (30.00 x 42.00 Inches)", L"ARCH_expand_E1_(30.00_x_42.00_Inches)", 30, 42, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 85
    {L"ARCH E1 (30.00 x 42.00 Inches)", L"ARCH_E1_(30.00_x_42.00_Inches)", 30, 42, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 86
    {L"ARCH expand E (36.00 x 48.00 Inches)", L"ARCH_expand_E_(36.00_x_48.00_Inches)", 36, 48, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 87
    {L"ARCH E (36.00 x 48.00 Inches)", L"ARCH_E_(36.00_x_48.00_Inches)", 36, 48, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 88
    {L"ARCH expand D (36.00 x 24.00 Inches)", L"ARCH_expand_D_(36.00_x_24.00_Inches)", 36, 24, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 89
    {L"ARCH expand D (24.00 x 36.00 Inches)", L"ARCH_expand_D_(24.00_x_36.00_Inches)", 24, 36, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 90
    {L"ARCH D (36.00 x 24.00 Inches)", L"ARCH_D_(36.00_x_24.00_Inches)", 36, 24, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 91
    {L"ARCH D (24.00 x 36.00 Inches)", L"ARCH_D_(24.00_x_36.00_Inches)", 24, 36, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 92
    {L"ARCH expand C (24.00 x 18.00 Inches)", L"ARCH_expand_C_(24.00_x_18.00_Inches)", 24, 18, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 93
    {L"ARCH expand C (18.00 x 24.00 Inches)", L"ARCH_expand_C_(18.00_x_24.00_Inches)", 18, 24, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 94
    {L"ARCH C (24.00 x 18.00 Inches)", L"ARCH_C_(24.00_x_18.00_Inches)", 24, 18, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 95
    {L"ARCH C (18.00 x 24.00 Inches)", L"ARCH_C_(18.00_x_24.00_Inches)", 18, 24, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 96
    {L"ANSI expand E (34.00 x 44.00 Inches)", L"ANSI_expand_E_(34.00_x_44.00_Inches)", 34, 44, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 97
    {L"ANSI E (34.00 x 44.00 Inches)", L"ANSI_E_(34.00_x_44.00_Inches)", 34, 44, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 98
    {L"ANSI expand D (34.00 x 22.00 Inches)", L"ANSI_expand_D_(34.00_x_22.00_Inches)", 34, 22, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 99
    {L"ANSI expand D (22.00 x 34.00 Inches)", L"ANSI_expand_D_(22.00_x_34.00_Inches)", 22, 34, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 100
    {L"ANSI D (34.00 x 22.00 Inches)", L"ANSI_D_(34.00_x_22.00_Inches)", 34, 22, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 101
    {L"ANSI D (22.00 x 34.00 Inches)", L"ANSI_D_(22.00_x_34.00_Inches)", 22, 34, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 102
    {L"ANSI expand C (22.00 x 17.00 Inches)", L"ANSI_expand_C_(22.00_x_17.00_Inches)", 22, 17, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 103
    {L"ANSI expand C (17.00 x 22.00 Inches)", L"ANSI_expand_C_(17.00_x_22.00_Inches)", 17, 22, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 104
    {L"ANSI C (22.00 x 17.00 Inches)", L"ANSI_C_(22.00_x_17.00_Inches)", 22, 17, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 105
    {L"ANSI C (17.00 x 22.00 Inches)", L"ANSI_C_(17.00_x_22.00_Inches)", 17, 22, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 106
    {L"ANSI expand B (17.00 x 11.00 Inches)", L"ANSI_expand_B_(17.00_x_11.00_Inches)", 17, 11, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 107
    {L"ANSI expand B (11.00 x 17.00 Inches)", L"ANSI_expand_B_(11.00_x_17.00_Inches)", 11, 17, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 108
    {L"ANSI B (17.00 x 11.00 Inches)", L"ANSI_B_(17.00_x_11.00_Inches)", 17, 11, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 109
    {L"ANSI B (11.00 x 17.00 Inches)", L"ANSI_B_(11.00_x_17.00_Inches)", 11, 17, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 110
    {L"ANSI expand A (11.00 x 8.50 Inches)", L"ANSI_expand_A_(11.00_x_8.50_Inches)", 11, 8.5, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 111
    {L"ANSI expand A (8.50 x 11.00 Inches)", L"ANSI_expand_A_(8.50_x_11.00_Inches)", 8.5, 11, kInches, 0.2281004, 0.4249508, 0.2281004, 0.4249508}, // 112
    {L"ANSI A (11.00 x 8.50 Inches)", L"ANSI_A_(11.00_x_8.50_Inches)", 11, 8.5, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 113
    {L"ANSI A (8.50 x 11.00 Inches)", L"ANSI_A_(8.50_x_11.00_Inches)", 8.5, 11, kInches, 0.2281004, 0.7005413, 0.2281004, 0.7005413}, // 114
};

const std::uint64_t cPdfPapersCount = sizeof(cPdfPapers) / sizeof(cPdfPapers[0]);

} // namespace wut
