// The standard Windows paper names by number, with the unit each is defined in.
#include "davaraz/print/WindowsPapers.h"

namespace wut {

const WindowsPaper cWindowsPapers[kLastWindowsPaper + 1] = {
    {0, L""},
    {0, L"Letter"}, // 1
    {0, L"Letter Small"}, // 2
    {0, L"Tabloid"}, // 3
    {0, L"Ledger"}, // 4
    {0, L"Legal"}, // 5
    {0, L"Statement"}, // 6
    {0, L"Executive"}, // 7
    {1, L"A3"}, // 8
    {1, L"A4"}, // 9
    {1, L"A4 Small"}, // 10
    {1, L"A5"}, // 11
    {1, L"B4 (JIS)"}, // 12
    {1, L"B5 (JIS)"}, // 13
    {0, L"Folio"}, // 14
    {1, L"Quarto"}, // 15
    {0, L"10x14"}, // 16
    {0, L"11x17"}, // 17
    {0, L"Note"}, // 18
    {0, L"Envelope #9"}, // 19
    {0, L"Envelope #10"}, // 20
    {0, L"Envelope #11"}, // 21
    {0, L"Envelope #12"}, // 22
    {0, L"Envelope #14"}, // 23
    {0, L"C size sheet"}, // 24
    {0, L"D size sheet"}, // 25
    {0, L"E size sheet"}, // 26
    {1, L"Envelope DL"}, // 27
    {1, L"Envelope C5"}, // 28
    {1, L"Envelope C3"}, // 29
    {1, L"Envelope C4"}, // 30
    {1, L"Envelope C6"}, // 31
    {1, L"Envelope C65"}, // 32
    {1, L"Envelope B4"}, // 33
    {1, L"Envelope B5"}, // 34
    {1, L"Envelope B6"}, // 35
    {1, L"Envelope"}, // 36
    {0, L"Envelope Monarch"}, // 37
    {0, L"6 3/4 Envelope"}, // 38
    {0, L"US Std Fanfold"}, // 39
    {0, L"German Std Fanfold"}, // 40
    {0, L"German Legal Fanfold"}, // 41
    {1, L"B4 (ISO)"}, // 42
    {1, L"Japanese Postcard"}, // 43
    {0, L"9x11"}, // 44
    {0, L"10x11"}, // 45
    {0, L"15x11"}, // 46
    {1, L"Envelope Invite"}, // 47
    {0, L"Reserved48"}, // 48
    {0, L"Reserved49"}, // 49
    {0, L"Letter Extra"}, // 50
    {0, L"Legal Extra"}, // 51
    {0, L"Tabloid Extra"}, // 52
    {0, L"A4 Extra"}, // 53
    {0, L"Letter Transverse"}, // 54
    {1, L"A4 Transverse"}, // 55
    {0, L"Letter Extra Transverse"}, // 56
    {1, L"Super A"}, // 57
    {1, L"Super B"}, // 58
    {0, L"Letter Plus"}, // 59
    {1, L"A4 Plus"}, // 60
    {1, L"A5 Transverse"}, // 61
    {1, L"B5 (JIS) Transverse"}, // 62
    {1, L"A3 Extra"}, // 63
    {1, L"A5 Extra"}, // 64
    {1, L"B5 (ISO) Extra"}, // 65
    {1, L"A2"}, // 66
    {1, L"A3 Transverse"}, // 67
    {1, L"A3 Extra Transverse"}, // 68
    {1, L"Japanese Double Postcard"}, // 69
    {1, L"A6"}, // 70
    {0, L"Japanese Envelope Kaku #2"}, // 71
    {0, L"Japanese Envelope Kaku #3"}, // 72
    {0, L"Japanese Envelope Chou #3"}, // 73
    {0, L"Japanese Envelope Chou #4"}, // 74
    {0, L"Letter Rotated"}, // 75
    {1, L"A3 Rotated"}, // 76
    {1, L"A4 Rotated"}, // 77
    {1, L"A5 Rotated"}, // 78
    {1, L"B4 (JIS) Rotated"}, // 79
    {1, L"B5 (JIS) Rotated"}, // 80
    {1, L"Japanese Postcard Rotated"}, // 81
    {1, L"Double Japan Postcard Rotated"}, // 82
    {1, L"A6 Rotated"}, // 83
    {0, L"Japan Envelope Kaku #2 Rotated"}, // 84
    {0, L"Japan Envelope Kaku #3 Rotated"}, // 85
    {0, L"Japan Envelope Chou #3 Rotated"}, // 86
    {0, L"Japan Envelope Chou #4 Rotated"}, // 87
    {1, L"B6 (JIS)"}, // 88
    {1, L"B6 (JIS) Rotated"}, // 89
    {0, L"12x11"}, // 90
    {0, L"Japan Envelope You #4"}, // 91
    {0, L"Japan Envelope You #4 Rotated"}, // 92
    {1, L"PRC 16K"}, // 93
    {1, L"PRC 32K"}, // 94
    {1, L"PRC 32K(Big)"}, // 95
    {1, L"PRC Envelope #1"}, // 96
    {1, L"PRC Envelope #2"}, // 97
    {1, L"PRC Envelope #3"}, // 98
    {1, L"PRC Envelope #4"}, // 99
    {1, L"PRC Envelope #5"}, // 100
    {1, L"PRC Envelope #6"}, // 101
    {1, L"PRC Envelope #7"}, // 102
    {1, L"PRC Envelope #8"}, // 103
    {1, L"PRC Envelope #9"}, // 104
    {1, L"PRC Envelope #10"}, // 105
    {1, L"PRC 16K Rotated"}, // 106
    {1, L"PRC 32K Rotated"}, // 107
    {1, L"PRC 32K(Big) Rotated"}, // 108
    {1, L"PRC Envelope #1 Rotated"}, // 109
    {1, L"PRC Envelope #2 Rotated"}, // 110
    {1, L"PRC Envelope #3 Rotated"}, // 111
    {1, L"PRC Envelope #4 Rotated"}, // 112
    {1, L"PRC Envelope #5 Rotated"}, // 113
    {1, L"PRC Envelope #6 Rotated"}, // 114
    {1, L"PRC Envelope #7 Rotated"}, // 115
    {1, L"PRC Envelope #8 Rotated"}, // 116
    {1, L"PRC Envelope #9 Rotated"}, // 117
    {1, L"PRC Envelope #10 Rotated"}, // 118
};

} // namespace wut
