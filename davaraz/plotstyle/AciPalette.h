// The 256 colours of the ACI palette, each held as the bytes blue, green, red, 0.
#pragma once
#include <array>
#include <cstdint>

struct AciPaletteEntry {
    std::uint8_t blue;
    std::uint8_t green;
    std::uint8_t red;
    std::uint8_t reserved;
};

constexpr int kAciPaletteSize = 256;

// Entry 0 is a placeholder that colour searches skip; entries 1 to 255 are the ACI colours.
extern const std::array<AciPaletteEntry, kAciPaletteSize> aciPalette;
