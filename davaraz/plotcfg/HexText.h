// The text form of a driver's private bytes in the custom section: two uppercase hexadecimal
// digits per byte, high nibble first.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace plotcfg {

std::wstring toHexText(const unsigned char* bytes, std::size_t count);
// Pairs of digits back to bytes; either letter case reads, any other character counts as 0.
// A trailing odd digit is ignored.
std::vector<unsigned char> fromHexText(const std::wstring& text);

} // namespace plotcfg
