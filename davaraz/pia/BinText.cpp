// Compact binary text: a quarter of the memory of wide characters for the common case.
#include "davaraz/pia/BinText.h"

#include <algorithm>
#include <cstdint>

namespace {
bool fitsByte(wchar_t c) { return c >= 0 && c < 0x100; }
} // namespace

void BinText::widen()
{
    m_wideText.reserve(std::max(m_narrow.capacity(), m_narrow.size() + 1));
    for (const char c : m_narrow)
        m_wideText.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    m_narrow = std::string();
    m_wide = true;
}

void BinText::append(std::wstring_view part)
{
    if (m_wide) {
        m_wideText.append(part);
        return;
    }
    // One pass to learn that every character fits (the usual case), one to narrow: both loops
    // vectorise. A wide character anywhere widens what is held and the part goes in whole.
    std::uint32_t bits = 0;
    for (const wchar_t c : part)
        bits |= static_cast<std::uint32_t>(c);
    if (bits >= 0x100) {
        widen();
        m_wideText.append(part);
        return;
    }
    const std::size_t old = m_narrow.size();
    m_narrow.resize(old + part.size());
    for (std::size_t i = 0; i < part.size(); ++i)
        m_narrow[old + i] = static_cast<char>(part[i]);
}

void BinText::appendBytes(std::string_view bytes)
{
    if (!m_wide) {
        m_narrow.append(bytes);
        return;
    }
    for (const char c : bytes)
        m_wideText.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
}

void BinText::reserve(std::size_t chars)
{
    if (m_wide)
        m_wideText.reserve(chars);
    else
        m_narrow.reserve(chars);
}

std::wstring BinText::str() const
{
    if (m_wide)
        return m_wideText;
    std::wstring out;
    appendTo(out, 0, m_narrow.size());
    return out;
}

void BinText::appendTo(std::wstring& out, std::size_t pos, std::size_t n) const
{
    if (m_wide) {
        out.append(m_wideText, pos, n);
        return;
    }
    pos = std::min(pos, m_narrow.size());
    n = std::min(n, m_narrow.size() - pos);
    const std::size_t old = out.size();
    out.resize(old + n);
    for (std::size_t i = 0; i < n; ++i)
        out[old + i] = static_cast<wchar_t>(static_cast<unsigned char>(m_narrow[pos + i]));
}

std::size_t BinText::findFirstOf(std::wstring_view chars) const
{
    if (m_wide)
        return m_wideText.find_first_of(chars.data(), 0, chars.size());
    std::string bytes;
    for (const wchar_t c : chars)
        if (fitsByte(c))
            bytes.push_back(static_cast<char>(c));
    return m_narrow.find_first_of(bytes);
}
