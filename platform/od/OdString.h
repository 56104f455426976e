// Wide string with value semantics (the SDK's OdString) and its narrow counterpart OdAnsiString.
// On Linux the code units are 32-bit wchar_t; everything else follows the SDK's behaviour.
#pragma once
#include "platform/od/OdCodePage.h"

#include <string>

class OdString {
public:
    static const OdString kEmpty;

    OdString() = default;
    OdString(const wchar_t* s) : m_s(s ? s : L"") {}
    OdString(const wchar_t* s, int length) : m_s(s ? std::wstring(s, length > 0 ? length : 0) : std::wstring()) {}
    OdString(const std::wstring& s) : m_s(s) {}
    OdString(std::wstring&& s) : m_s(std::move(s)) {}
    // 8-bit text in the given code page (CP_UNDEFINED: the system ANSI code page).
    OdString(const char* s, OdCodePageId codePage);
    OdString(const OdString&) = default;
    OdString(OdString&&) noexcept = default;

    OdString& operator=(const OdString&) = default;
    OdString& operator=(OdString&&) noexcept = default;
    OdString& operator=(const wchar_t* s);

    OdString& operator+=(const OdString& s) { m_s += s.m_s; return *this; }
    OdString& operator+=(const wchar_t* s) { if (s) m_s += s; return *this; }
    OdString& operator+=(wchar_t c) { m_s += c; return *this; }

    int getLength() const { return static_cast<int>(m_s.size()); }
    bool isEmpty() const { return m_s.empty(); }
    const wchar_t* c_str() const { return m_s.c_str(); }
    operator const wchar_t*() const { return m_s.c_str(); }
    const std::wstring& str() const { return m_s; }
    wchar_t getAt(int i) const { return m_s.at(static_cast<size_t>(i)); }
    // The text in the system ANSI code page; valid until the next call or change.
    explicit operator const char*() const;

    int replace(wchar_t from, wchar_t to);
    int replace(const wchar_t* from, const wchar_t* to);
    OdString left(int n) const;
    OdString right(int n) const;
    OdString mid(int start, int n = -1) const;
    // printf-style with wide formats ("%ls" for wide strings); replaces the content.
    OdString& format(const wchar_t* fmt, ...);
    OdString& trimRight(wchar_t c);
    OdString& trimRight();
    OdString& trimLeft();
    OdString& makeLower();
    OdString& makeUpper();
    int find(const wchar_t* s, int start = 0) const;
    int find(wchar_t c, int start = 0) const;
    int compare(const wchar_t* s) const { return m_s.compare(s ? s : L""); }
    int iCompare(const wchar_t* s) const;

    friend bool operator==(const OdString& a, const OdString& b) { return a.m_s == b.m_s; }
    friend bool operator!=(const OdString& a, const OdString& b) { return a.m_s != b.m_s; }
    friend bool operator<(const OdString& a, const OdString& b) { return a.m_s < b.m_s; }
    friend bool operator==(const OdString& a, const wchar_t* b) { return a.m_s == (b ? b : L""); }
    friend bool operator!=(const OdString& a, const wchar_t* b) { return !(a == b); }
    friend OdString operator+(const OdString& a, const OdString& b) { return OdString(a.m_s + b.m_s); }
    friend OdString operator+(const OdString& a, const wchar_t* b) { return OdString(a.m_s + (b ? b : L"")); }
    friend OdString operator+(const wchar_t* a, const OdString& b) { return OdString((a ? a : L"") + b.m_s); }
    friend OdString operator+(const OdString& a, wchar_t c) { return OdString(a.m_s + c); }

private:
    std::wstring m_s;
    mutable std::string m_narrow;
};

class OdAnsiString {
public:
    OdAnsiString() = default;
    OdAnsiString(const char* s) : m_s(s ? s : "") {}
    OdAnsiString(std::string s) : m_s(std::move(s)) {}
    const char* c_str() const { return m_s.c_str(); }
    operator const char*() const { return m_s.c_str(); }
    int getLength() const { return static_cast<int>(m_s.size()); }
    bool isEmpty() const { return m_s.empty(); }
    const std::string& str() const { return m_s; }

private:
    std::string m_s;
};
