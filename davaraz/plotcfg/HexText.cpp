// Hexadecimal text of private driver bytes.
#include "davaraz/plotcfg/HexText.h"

namespace plotcfg {

namespace {

unsigned nibble(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return static_cast<unsigned>(c - L'0');
    if (c >= L'A' && c <= L'F')
        return static_cast<unsigned>(c - L'A' + 10);
    if (c >= L'a' && c <= L'f')
        return static_cast<unsigned>(c - L'a' + 10);
    return 0;
}

} // namespace

std::wstring toHexText(const unsigned char* bytes, std::size_t count)
{
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text(count * 2, L'0');
    for (std::size_t i = 0; i < count; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 0xF];
    }
    return text;
}

std::vector<unsigned char> fromHexText(const std::wstring& text)
{
    std::vector<unsigned char> bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(nibble(text[2 * i]) * 16 + nibble(text[2 * i + 1]));
    return bytes;
}

} // namespace plotcfg
