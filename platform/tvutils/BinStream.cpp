// Encoding of the binary streams; wide strings travel as UTF-16 whatever wchar_t's width.
#include "platform/tvutils/BinStream.h"

#include <cstring>

void COBinStream::put(const void* p, std::size_t n)
{
    const auto* b = static_cast<const std::uint8_t*>(p);
    m_data.insert(m_data.end(), b, b + n);
}

COBinStream& COBinStream::operator<<(int v)
{
    const std::uint32_t u = static_cast<std::uint32_t>(v);
    const std::uint8_t b[4] = {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16), std::uint8_t(u >> 24)};
    put(b, 4);
    return *this;
}

COBinStream& COBinStream::operator<<(double v)
{
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    std::uint8_t b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = std::uint8_t(u >> (8 * i));
    put(b, 8);
    return *this;
}

COBinStream& COBinStream::operator<<(bool v)
{
    const std::uint8_t b = v ? 1 : 0;
    put(&b, 1);
    return *this;
}

COBinStream& COBinStream::operator<<(const std::wstring& v)
{
    auto unit = [this](std::uint32_t u) {
        const std::uint8_t b[2] = {std::uint8_t(u), std::uint8_t(u >> 8)};
        put(b, 2);
    };
    for (wchar_t wc : v) {
        std::uint32_t c = static_cast<std::uint32_t>(wc);
        if (c == 0)
            break; // the terminator ends the string
        if (c > 0xFFFF) {
            c -= 0x10000;
            unit(0xD800 + (c >> 10));
            unit(0xDC00 + (c & 0x3FF));
        } else {
            unit(c);
        }
    }
    unit(0);
    return *this;
}

COBinStream& COBinStream::operator<<(const wchar_t* v)
{
    return *this << std::wstring(v ? v : L"");
}

void CIBinStream::get(void* p, std::size_t n)
{
    if (m_size - m_pos < n)
        throw BinStreamError("binary stream: read past the end");
    std::memcpy(p, m_p + m_pos, n);
    m_pos += n;
}

CIBinStream& CIBinStream::operator>>(int& v)
{
    std::uint8_t b[4];
    get(b, 4);
    v = static_cast<int>(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                         std::uint32_t(b[3]) << 24);
    return *this;
}

CIBinStream& CIBinStream::operator>>(double& v)
{
    std::uint8_t b[8];
    get(b, 8);
    std::uint64_t u = 0;
    for (int i = 7; i >= 0; --i)
        u = (u << 8) | b[i];
    std::memcpy(&v, &u, 8);
    return *this;
}

CIBinStream& CIBinStream::operator>>(bool& v)
{
    std::uint8_t b;
    get(&b, 1);
    v = b != 0;
    return *this;
}

CIBinStream& CIBinStream::operator>>(std::wstring& v)
{
    std::wstring s;
    for (;;) {
        std::uint8_t b[2];
        get(b, 2);
        std::uint32_t u = b[0] | std::uint32_t(b[1]) << 8;
        if (u == 0)
            break;
        if (u >= 0xD800 && u < 0xDC00 && m_size - m_pos >= 2) {
            const std::uint32_t lo = m_p[m_pos] | std::uint32_t(m_p[m_pos + 1]) << 8;
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                m_pos += 2;
                u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
            }
        }
        s.push_back(static_cast<wchar_t>(u));
    }
    v.swap(s);
    return *this;
}
