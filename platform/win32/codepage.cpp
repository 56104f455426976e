// iconv-backed code-page conversions. Converters are cached per thread and code page because
// the PIA reader converts one short line at a time.
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <map>
#include <string>

namespace {

constexpr UINT kDefaultAnsiCodePage = 1252;
constexpr char32_t kReplacement = 0xFFFD;

std::string iconvName(UINT cp)
{
    if (cp == CP_UTF8)
        return "UTF-8";
    if (cp == 20127)
        return "ASCII";
    if (cp == 28591)
        return "ISO-8859-1";
    return "CP" + std::to_string(cp);
}

// One converter per (direction, code page) and thread, closed when the thread ends.
class ConverterCache {
public:
    ~ConverterCache()
    {
        for (auto& entry : m_map)
            if (entry.second != reinterpret_cast<iconv_t>(-1))
                iconv_close(entry.second);
    }
    // The converter, opened on first use; (iconv_t)-1 for a code page iconv does not know.
    iconv_t find(UINT cp, bool toWide)
    {
        auto key = std::make_pair(cp, toWide);
        auto it = m_map.find(key);
        if (it == m_map.end()) {
            const std::string name = iconvName(cp);
            iconv_t cd = toWide ? iconv_open("UTF-32LE", name.c_str()) : iconv_open(name.c_str(), "UTF-32LE");
            it = m_map.emplace(key, cd).first;
        }
        return it->second;
    }
    // The same, ready for a new conversion.
    iconv_t get(UINT cp, bool toWide)
    {
        iconv_t cd = find(cp, toWide);
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv(cd, nullptr, nullptr, nullptr, nullptr); // reset shift state
        return cd;
    }

private:
    std::map<std::pair<UINT, bool>, iconv_t> m_map;
};

ConverterCache& cache()
{
    thread_local ConverterCache c;
    return c;
}

UINT readAnsiCodePageSetting()
{
    const char* env = std::getenv("DAVARAZ_ANSI_CODEPAGE");
    if (env && *env) {
        char* end = nullptr;
        unsigned long cp = std::strtoul(env, &end, 10);
        if (end && *end == '\0' && cp > 1 && cp < 65536 && win32::isCodePageSupported(static_cast<UINT>(cp)))
            return static_cast<UINT>(cp);
    }
    // The locale's character type decides, as setlocale(LC_CTYPE, "") would read it.
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return win32::ansiCodePageForLocale(value);
    }
    return kDefaultAnsiCodePage;
}

std::atomic<UINT> g_ansiCodePage{0};

UINT resolve(UINT cp)
{
    return (cp == CP_ACP || cp == CP_OEMCP) ? GetACP() : cp;
}

bool isSingleByte(UINT cp)
{
    return (cp >= 1250 && cp <= 1258) || cp == 874 || cp == 437 || cp == 850 || cp == 866 || cp == 28591;
}

// Decodes bytes to code points. Returns false only when invalid input meets strictness.
bool decode(iconv_t cd, UINT cp, bool strict, const char* src, size_t len, std::u32string& out)
{
    out.clear();
    size_t i = 0;
    for (; i < len && static_cast<unsigned char>(src[i]) < 0x80; ++i)
        out.push_back(static_cast<unsigned char>(src[i]));
    if (i == len)
        return true;

    char buf[4096];
    char* in = const_cast<char*>(src + i);
    size_t inLeft = len - i;
    while (inLeft > 0) {
        char* o = buf;
        size_t oLeft = sizeof buf;
        size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        const int err = errno;
        for (char* p = buf; p < o; p += 4) {
            char32_t c;
            std::memcpy(&c, p, 4);
            out.push_back(c);
        }
        if (r != static_cast<size_t>(-1))
            continue;
        if (err == E2BIG)
            continue;
        // EILSEQ or EINVAL (a truncated sequence at the end): one bad byte.
        if (strict)
            return false;
        out.push_back(isSingleByte(cp) ? static_cast<char32_t>(static_cast<unsigned char>(*in)) : kReplacement);
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

template <typename Unit>
size_t unitsFor(const std::u32string& cps)
{
    if (sizeof(Unit) == 4)
        return cps.size();
    size_t n = 0;
    for (char32_t c : cps)
        n += c > 0xFFFF ? 2 : 1;
    return n;
}

template <typename Unit>
void store(const std::u32string& cps, Unit* dst)
{
    for (char32_t c : cps) {
        if (sizeof(Unit) == 2 && c > 0xFFFF) {
            c -= 0x10000;
            *dst++ = static_cast<Unit>(0xD800 + (c >> 10));
            *dst++ = static_cast<Unit>(0xDC00 + (c & 0x3FF));
        } else {
            *dst++ = static_cast<Unit>(c);
        }
    }
}

template <typename Unit>
int multiByteToWide(UINT codePage, DWORD flags, LPCCH src, int srcBytes, Unit* dst, int dstChars)
{
    if (!src || srcBytes == 0 || srcBytes < -1 || dstChars < 0 || (!dst && dstChars != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const UINT cp = resolve(codePage);
    const DWORD allowed = cp == CP_UTF8 ? MB_ERR_INVALID_CHARS
                                        : (MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS);
    if (flags & ~allowed) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    const size_t len = srcBytes == -1 ? std::strlen(src) + 1 : static_cast<size_t>(srcBytes);
    // Plain ASCII reads the same in every supported code page: no converter needed.
    size_t ascii = 0;
    while (ascii < len && static_cast<unsigned char>(src[ascii]) < 0x80)
        ++ascii;
    if (ascii == len && win32::isCodePageSupported(cp)) {
        if (dstChars == 0)
            return static_cast<int>(len);
        if (len > static_cast<size_t>(dstChars)) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        for (size_t i = 0; i < len; ++i)
            dst[i] = static_cast<Unit>(static_cast<unsigned char>(src[i]));
        return static_cast<int>(len);
    }
    iconv_t cd = cache().get(cp, true);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    thread_local std::u32string cps;
    if (!decode(cd, cp, (flags & MB_ERR_INVALID_CHARS) != 0, src, len, cps)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    const size_t need = unitsFor<Unit>(cps);
    if (dstChars == 0)
        return static_cast<int>(need);
    if (need > static_cast<size_t>(dstChars)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    store(cps, dst);
    return static_cast<int>(need);
}

template <typename Unit>
size_t wideLength(const Unit* s)
{
    size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

template <typename Unit>
int wideToMultiByte(UINT codePage, DWORD flags, const Unit* src, int srcChars, LPSTR dst, int dstBytes,
                    LPCCH defaultChar, LPBOOL usedDefaultChar)
{
    const UINT cp = resolve(codePage);
    if (!src || srcChars == 0 || srcChars < -1 || dstBytes < 0 || (!dst && dstBytes != 0) ||
        (cp == CP_UTF8 && (defaultChar || usedDefaultChar))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (flags & ~(WC_NO_BEST_FIT_CHARS | WC_ERR_INVALID_CHARS)) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    const size_t len = srcChars == -1 ? wideLength(src) + 1 : static_cast<size_t>(srcChars);
    size_t ascii = 0;
    while (ascii < len && static_cast<std::uint32_t>(src[ascii]) < 0x80)
        ++ascii;
    if (ascii == len && win32::isCodePageSupported(cp)) {
        if (usedDefaultChar)
            *usedDefaultChar = FALSE;
        if (dstBytes == 0)
            return static_cast<int>(len);
        if (len > static_cast<size_t>(dstBytes)) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        for (size_t i = 0; i < len; ++i)
            dst[i] = static_cast<char>(src[i]);
        return static_cast<int>(len);
    }
    iconv_t cd = cache().get(cp, false);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }

    thread_local std::string out;
    out.clear();
    bool usedDefault = false;
    const char* fallback = defaultChar ? defaultChar : "?";
    for (size_t i = 0; i < len; ++i) {
        char32_t c = static_cast<char32_t>(src[i]);
        if (sizeof(Unit) == 2 && c >= 0xD800 && c <= 0xDFFF) {
            const bool paired = c < 0xDC00 && i + 1 < len && src[i + 1] >= 0xDC00 && src[i + 1] <= 0xDFFF;
            if (paired) {
                c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(src[i + 1]) - 0xDC00);
                ++i;
            } else {
                c = kReplacement;
            }
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        char in4[4];
        std::memcpy(in4, &c, 4);
        char* in = in4;
        size_t inLeft = 4;
        char buf[16];
        char* o = buf;
        size_t oLeft = sizeof buf;
        if (iconv(cd, &in, &inLeft, &o, &oLeft) == static_cast<size_t>(-1)) {
            if ((flags & WC_ERR_INVALID_CHARS) && cp == CP_UTF8) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return 0;
            }
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            out.append(fallback, 1);
            usedDefault = true;
            continue;
        }
        out.append(buf, static_cast<size_t>(o - buf));
    }
    if (usedDefaultChar)
        *usedDefaultChar = usedDefault ? TRUE : FALSE;
    if (dstBytes == 0)
        return static_cast<int>(out.size());
    if (out.size() > static_cast<size_t>(dstBytes)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(dst, out.data(), out.size());
    return static_cast<int>(out.size());
}

} // namespace

UINT win32::ansiCodePageForLocale(const std::string& locale)
{
    // Language and territory, as in "zh_TW.UTF-8@euro".
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    const std::string language = name.substr(0, name.find('_'));
    const std::string territory = name.find('_') == std::string::npos ? std::string() : name.substr(name.find('_') + 1);
    if (language == "zh")
        return territory == "TW" || territory == "HK" || territory == "MO" ? 950 : 936;
    static const struct {
        const char* language;
        UINT codePage;
    } table[] = {
        {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"mk", 1251}, {"sr", 1251}, {"kk", 1251},
        {"ky", 1251}, {"tt", 1251}, {"mn", 1251}, {"ja", 932},  {"ko", 949},  {"cs", 1250}, {"pl", 1250},
        {"hu", 1250}, {"sk", 1250}, {"sl", 1250}, {"hr", 1250}, {"ro", 1250}, {"bs", 1250}, {"sq", 1250},
        {"el", 1253}, {"tr", 1254}, {"az", 1254}, {"uz", 1254}, {"he", 1255}, {"yi", 1255}, {"ar", 1256},
        {"fa", 1256}, {"ur", 1256}, {"et", 1257}, {"lv", 1257}, {"lt", 1257}, {"vi", 1258}, {"th", 874},
    };
    for (const auto& row : table)
        if (language == row.language)
            return row.codePage;
    return kDefaultAnsiCodePage; // C, POSIX and the Western languages
}

UINT GetACP()
{
    UINT cp = g_ansiCodePage.load();
    if (cp == 0) {
        cp = readAnsiCodePageSetting();
        g_ansiCodePage.store(cp);
    }
    return cp;
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCCH src, int srcBytes, LPWSTR dst, int dstChars)
{
    return multiByteToWide(codePage, flags, src, srcBytes, dst, dstChars);
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCCH src, int srcBytes, wchar_t* dst, int dstChars)
{
    return multiByteToWide(codePage, flags, src, srcBytes, dst, dstChars);
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR src, int srcChars, LPSTR dst, int dstBytes,
                        LPCCH defaultChar, LPBOOL usedDefaultChar)
{
    return wideToMultiByte(codePage, flags, src, srcChars, dst, dstBytes, defaultChar, usedDefaultChar);
}

int WideCharToMultiByte(UINT codePage, DWORD flags, const wchar_t* src, int srcChars, LPSTR dst, int dstBytes,
                        LPCCH defaultChar, LPBOOL usedDefaultChar)
{
    return wideToMultiByte(codePage, flags, src, srcChars, dst, dstBytes, defaultChar, usedDefaultChar);
}

namespace win32 {

bool isCodePageSupported(UINT codePage)
{
    // The per-thread converter cache answers after the first look.
    return cache().find(codePage == CP_ACP || codePage == CP_OEMCP ? GetACP() : codePage, true) !=
           reinterpret_cast<iconv_t>(-1);
}

bool setAnsiCodePage(UINT codePage)
{
    if (codePage == CP_ACP || codePage == CP_OEMCP || !isCodePageSupported(codePage))
        return false;
    g_ansiCodePage.store(codePage);
    return true;
}

std::string toUtf8(const std::wstring& s)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring fromUtf8(const std::string& s)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), static_cast<wchar_t*>(nullptr), 0);
    std::wstring out(n > 0 ? static_cast<std::size_t>(n) : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &out[0], n);
    return out;
}

} // namespace win32
