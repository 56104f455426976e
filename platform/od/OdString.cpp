// OdString operations that need formatting, case mapping or code-page conversion.
#include "platform/od/OdString.h"
#include "platform/od/OdCase.h"
#include "platform/win32/codepage.h"

#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include <vector>

const OdString OdString::kEmpty;

unsigned odCodePageToWindows(OdCodePageId id)
{
    switch (id) {
    case CP_ANSI_1252:
        return 1252;
    case CP_UNDEFINED:
        break;
    }
    return CP_ACP;
}

OdString::OdString(const char* s, OdCodePageId codePage)
{
    if (!s || !*s)
        return;
    const UINT cp = odCodePageToWindows(codePage);
    const int n = MultiByteToWideChar(cp, 0, s, -1, static_cast<wchar_t*>(nullptr), 0);
    if (n <= 1)
        return;
    m_s.resize(static_cast<size_t>(n));
    MultiByteToWideChar(cp, 0, s, -1, &m_s[0], n);
    m_s.resize(static_cast<size_t>(n - 1));
}

OdString& OdString::operator=(const wchar_t* s)
{
    m_s = s ? s : L"";
    return *this;
}

OdString::operator const char*() const
{
    m_narrow.clear();
    if (!m_s.empty()) {
        const int n = WideCharToMultiByte(CP_ACP, 0, m_s.c_str(), static_cast<int>(m_s.size()), nullptr, 0,
                                          nullptr, nullptr);
        if (n > 0) {
            m_narrow.resize(static_cast<size_t>(n));
            WideCharToMultiByte(CP_ACP, 0, m_s.c_str(), static_cast<int>(m_s.size()), &m_narrow[0], n, nullptr,
                                nullptr);
        }
    }
    return m_narrow.c_str();
}

int OdString::replace(wchar_t from, wchar_t to)
{
    int count = 0;
    for (wchar_t& c : m_s)
        if (c == from) {
            c = to;
            ++count;
        }
    return count;
}

int OdString::replace(const wchar_t* from, const wchar_t* to)
{
    if (!from || !*from)
        return 0;
    const std::wstring f(from), t(to ? to : L"");
    int count = 0;
    for (size_t pos = m_s.find(f); pos != std::wstring::npos; pos = m_s.find(f, pos + t.size())) {
        m_s.replace(pos, f.size(), t);
        ++count;
    }
    return count;
}

OdString OdString::left(int n) const
{
    return OdString(m_s.substr(0, n > 0 ? static_cast<size_t>(n) : 0));
}

OdString OdString::right(int n) const
{
    if (n <= 0)
        return OdString();
    const size_t k = static_cast<size_t>(n);
    return OdString(k >= m_s.size() ? m_s : m_s.substr(m_s.size() - k));
}

OdString OdString::mid(int start, int n) const
{
    if (start < 0)
        start = 0;
    if (static_cast<size_t>(start) >= m_s.size())
        return OdString();
    return OdString(m_s.substr(static_cast<size_t>(start), n < 0 ? std::wstring::npos : static_cast<size_t>(n)));
}

OdString& OdString::format(const wchar_t* fmt, ...)
{
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list args;
        va_start(args, fmt);
        const int n = std::vswprintf(buf.data(), buf.size(), fmt, args);
        va_end(args);
        if (n >= 0 && static_cast<size_t>(n) < buf.size()) {
            m_s.assign(buf.data(), static_cast<size_t>(n));
            return *this;
        }
        // vswprintf reports truncation only as -1; grow until it fits (bounded by memory).
        if (buf.size() > (1u << 26)) {
            m_s.clear();
            return *this;
        }
        buf.resize(buf.size() * 4);
    }
}

OdString& OdString::trimRight(wchar_t c)
{
    while (!m_s.empty() && m_s.back() == c)
        m_s.pop_back();
    return *this;
}

OdString& OdString::trimRight()
{
    while (!m_s.empty() && std::iswspace(static_cast<wint_t>(m_s.back())))
        m_s.pop_back();
    return *this;
}

OdString& OdString::trimLeft()
{
    size_t i = 0;
    while (i < m_s.size() && std::iswspace(static_cast<wint_t>(m_s[i])))
        ++i;
    m_s.erase(0, i);
    return *this;
}

OdString& OdString::makeLower()
{
    for (wchar_t& c : m_s)
        c = odToLower(c);
    return *this;
}

OdString& OdString::makeUpper()
{
    for (wchar_t& c : m_s)
        c = odToUpper(c);
    return *this;
}

int OdString::find(const wchar_t* s, int start) const
{
    if (!s || start < 0)
        return -1;
    const size_t pos = m_s.find(s, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int OdString::find(wchar_t c, int start) const
{
    if (start < 0)
        return -1;
    const size_t pos = m_s.find(c, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int OdString::iCompare(const wchar_t* s) const
{
    OdString a(*this), b(s);
    a.makeLower();
    b.makeLower();
    return a.m_s.compare(b.m_s);
}
