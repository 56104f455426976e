// Constants of the PIA file: header layout, kinds and the result codes of its readers and writers.
#pragma once
#include <cstddef>
#include <string>

enum PIAFileKind {
    PIA_CTB = 0,
    PIA_STB = 1,
    PIA_PC3 = 2,
};

namespace pia {
constexpr int kOk = 0;
constexpr int kFileError = -2; // temporary name, open, read, write or seek failed
constexpr std::size_t kHeaderSize = 60;
constexpr std::size_t kVersionLength = 35;
constexpr char kVersionLine[] = "PIAFILEVERSION_2.0,CTBVER1,compress";
constexpr char kCodec[] = "pmzlibcodec";
constexpr std::size_t kLineChars = 512;   // line buffer, terminator included
constexpr std::size_t kReadBytes = 511;   // the most bytes one read hands out
constexpr std::size_t kBinaryPiece = 502; // binary lines are emitted in pieces of this size

// The kind a target path asks for: .ctb CTB, .stb STB, .pc3/.pmp PC3 (letter case ignored);
// -1 for any other extension.
int kindForPath(const wchar_t* path);

// Text from the system (a printer's comment, say) as one line a value can carry: each line
// end (CR LF, CR or LF) and NUL becomes a space.
std::wstring singleLine(const std::wstring& text);
} // namespace pia
