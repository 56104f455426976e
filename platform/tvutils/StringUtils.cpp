// Implementations of the utility library's string helpers.
#include "platform/tvutils/StringUtils.h"
#include "platform/od/OdCase.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"

#include <cstring>
#include <cwctype>
#include <mutex>

namespace ut {

namespace {
wchar_t fold(wchar_t c, bool ignoreCase)
{
    return ignoreCase ? odToLower(c) : c;
}
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
} // namespace

int strCmpAlphanum(const wchar_t* a, const wchar_t* b, bool ignoreCase)
{
    a = a ? a : L"";
    b = b ? b : L"";
    while (*a && *b) {
        if (isDigit(*a) && isDigit(*b)) {
            const wchar_t* za = a;
            const wchar_t* zb = b;
            while (*za == L'0')
                ++za;
            while (*zb == L'0')
                ++zb;
            const wchar_t* ea = za;
            const wchar_t* eb = zb;
            while (isDigit(*ea))
                ++ea;
            while (isDigit(*eb))
                ++eb;
            if (ea - za != eb - zb)
                return ea - za < eb - zb ? -1 : 1;
            for (; za < ea; ++za, ++zb)
                if (*za != *zb)
                    return *za < *zb ? -1 : 1;
            // Equal values: fewer leading zeros first, so the order stays total.
            if (ea - a != eb - b)
                return ea - a < eb - b ? -1 : 1;
            a = ea;
            b = eb;
            continue;
        }
        const wchar_t ca = fold(*a, ignoreCase), cb = fold(*b, ignoreCase);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++a;
        ++b;
    }
    if (*a == *b)
        return 0;
    return *a ? 1 : -1;
}

int compareNamesLowercase(const wchar_t* a, const wchar_t* b, std::size_t n)
{
    a = a ? a : L"";
    b = b ? b : L"";
    for (std::size_t i = 0; n == 0 || i < n; ++i) {
        const wchar_t ca = fold(a[i], true), cb = fold(b[i], true);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            break;
    }
    return 0;
}

OdAnsiString convertToAnsi(const OdString& text, unsigned codePage, bool* lossy)
{
    if (lossy)
        *lossy = false;
    if (text.isEmpty())
        return OdAnsiString();
    const wchar_t* src = text.c_str();
    const int len = text.getLength();
    const bool utf8 = (codePage == CP_UTF8) || (codePage == CP_ACP && GetACP() == CP_UTF8);
    BOOL usedDefault = FALSE;
    BOOL* used = utf8 ? nullptr : &usedDefault;
    const int n = WideCharToMultiByte(codePage, 0, src, len, nullptr, 0, nullptr, used);
    if (n <= 0)
        return OdAnsiString();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, src, len, &out[0], n, nullptr, used);
    if (lossy)
        *lossy = usedDefault != FALSE;
    return OdAnsiString(std::move(out));
}

char* nfgets(char* buffer, int size, std::FILE* file)
{
    if (!buffer || size <= 0 || !file || !std::fgets(buffer, size, file))
        return nullptr;
    size_t n = std::strlen(buffer);
    if (n && buffer[n - 1] == '\n')
        buffer[--n] = '\0';
    if (n && buffer[n - 1] == '\r')
        buffer[--n] = '\0';
    return buffer;
}

OdString& removeSpaces(OdString& text, const char* mode)
{
    const std::wstring& s = text.str();
    size_t begin = 0, end = s.size();
    auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
    if (mode && std::strchr(mode, 'b'))
        while (begin < end && blank(s[begin]))
            ++begin;
    if (mode && std::strchr(mode, 'e'))
        while (end > begin && blank(s[end - 1]))
            --end;
    if (begin != 0 || end != s.size())
        text = OdString(s.substr(begin, end - begin));
    return text;
}

wchar_t* safe_tcsncpy(wchar_t* dst, const wchar_t* src, std::size_t size)
{
    if (!dst || size == 0)
        return dst;
    std::size_t i = 0;
    if (src)
        for (; i + 1 < size && src[i]; ++i)
            dst[i] = src[i];
    dst[i] = L'\0';
    return dst;
}

unsigned long sysErrorCode() { return GetLastError(); }

namespace {
std::mutex g_productMutex;
OdString& productName()
{
    static OdString name(L"Vesk");
    return name;
}
} // namespace

OdString Config::regProduct()
{
    std::lock_guard<std::mutex> lock(g_productMutex);
    return productName();
}

void Config::setRegProduct(const OdString& name)
{
    std::lock_guard<std::mutex> lock(g_productMutex);
    productName() = name;
}

} // namespace ut
