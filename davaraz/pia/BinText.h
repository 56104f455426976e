// The text of a binary value, one byte per character while every character is below U+0100
// (hexadecimal and the like, which is what documents store), wide characters otherwise.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

class BinText {
public:
    BinText() = default;
    explicit BinText(std::wstring_view text) { append(text); }

    void append(std::wstring_view part);
    // Characters U+0000..U+00FF given as their bytes.
    void appendBytes(std::string_view bytes);
    void reserve(std::size_t chars);
    std::size_t size() const { return m_wide ? m_wideText.size() : m_narrow.size(); }
    std::size_t capacity() const { return m_wide ? m_wideText.capacity() : m_narrow.capacity(); }

    std::wstring str() const;
    // Appends up to n characters from pos to out.
    void appendTo(std::wstring& out, std::size_t pos, std::size_t n) const;
    // Position of the first character that is one of chars, or npos.
    std::size_t findFirstOf(std::wstring_view chars) const;

private:
    void widen();

    bool m_wide = false;
    std::string m_narrow;
    std::wstring m_wideText;
};
