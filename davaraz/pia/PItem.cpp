// Item construction, number formatting and scanning, and block look-up.
#include "davaraz/pia/PItem.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cmath>
#include <iterator>
#include <cwchar>
#include <cwctype>
#include <locale.h>
#include <string_view>
#include <unordered_map>

namespace {

constexpr size_t kIndexThreshold = 32;

// The powers of ten a double holds exactly, as far as the fast number paths use them.
constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The "C" locale as an object: conversions take it as an argument instead of switching the
// thread's locale for each number.
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Where "%f" gives up on a number that wcstod reads: "0x" with neither a hexadecimal digit nor
// a point after it is no number to scanf, while wcstod takes the 0 alone.
bool scanfRefuses(const wchar_t* start, const wchar_t* end)
{
    if (end == start || (*end != L'x' && *end != L'X') || end[-1] != L'0')
        return false;
    const wchar_t* zero = end - 1;
    if (zero != start && std::iswdigit(zero[-1]))
        return false;
    const wchar_t next = end[1];
    return !(std::iswxdigit(next) || next == L'.');
}

template <class Real>
bool scanReal(const wchar_t* text, Real& out, Real (*convert)(const wchar_t*, wchar_t**, locale_t))
{
    const wchar_t* start = text;
    wchar_t* end = nullptr;
    const Real v = convert(start, &end, cLocale());
    if (end == start || scanfRefuses(start, end))
        return false;
    out = v;
    return true;
}

// The usual number text: a minus maybe, digits, maybe a point and digits, then no exponent
// or hexadecimal mark. Read as wcstod reads it (correctly rounded) without the locale
// machinery. False: the text needs the long way.
bool plainDecimal(const wchar_t* text, double& out)
{
    const auto digit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
    const wchar_t* p = text + (*text == L'-');
    const wchar_t* const start = p;
    std::uint64_t whole = 0; // the first 19 digits, point left out
    int count = 0;
    int decimals = 0;
    for (; digit(*p); ++p)
        whole = ++count <= 19 ? whole * 10 + static_cast<unsigned>(*p - L'0') : whole;
    if (p == start)
        return false;
    if (*p == L'.')
        for (++p; digit(*p); ++p, ++decimals)
            whole = ++count <= 19 ? whole * 10 + static_cast<unsigned>(*p - L'0') : whole;
    if (*p == L'e' || *p == L'E' || *p == L'x' || *p == L'X')
        return false;
    // Below 10^15 over at most 15 decimals: an exact integer over an exact power of ten, which
    // one IEEE division rounds correctly.
    if (count <= 19 && whole < 1000000000000000ull && decimals <= 15) {
        const double v = static_cast<double>(whole) / kPow10[decimals];
        out = *text == L'-' ? -v : v;
        return true;
    }
    char buf[64];
    std::size_t n = static_cast<std::size_t>(p - text);
    if (n >= sizeof buf)
        return false;
    std::copy(text, p, buf);
    n -= buf[n - 1] == '.'; // "5." is 5
    const auto r = std::from_chars(buf, buf + n, out, std::chars_format::fixed);
    return r.ec == std::errc() && r.ptr == buf + n;
}

constexpr std::size_t kFixedChars = 400; // the longest double in fixed notation with 60 decimals fits

// The usual fixed number (up to 15 decimals, below 2^40 once scaled) through integers. printf
// rounds the exact product value * 10^p to an integer; the scaled double s is within 2^-14 of
// it, so s rounds the same way unless its fraction lies that close to a half: then null, and
// the long way decides.
char* smallFixed(char* buf, double value, int precision)
{
    if (precision > 15)
        return nullptr;
    const double s = std::fabs(value) * kPow10[precision];
    if (!(s < 1099511627776.0)) // 2^40; NaN too
        return nullptr;
    const auto truncated = static_cast<std::uint64_t>(s); // floor, s being positive
    const double frac = s - static_cast<double>(truncated); // exact
    if (std::fabs(frac - 0.5) < 1.0 / 4096)
        return nullptr;
    const std::uint64_t n = truncated + (frac > 0.5);
    const auto scale = static_cast<std::uint64_t>(kPow10[precision]);
    char* p = buf;
    if (std::signbit(value))
        *p++ = '-'; // "-0.000000" as printf writes it
    p = std::to_chars(p, p + 24, n / scale).ptr;
    if (precision > 0) {
        *p++ = '.';
        char decimals[24];
        char* const e = std::to_chars(decimals, decimals + sizeof decimals, n % scale).ptr;
        p = std::fill_n(p, precision - (e - decimals), '0');
        p = std::copy(decimals, e, p);
    }
    return p;
}

// printf's "%.*f" in the "C" locale into buf; returns the end of the digits.
char* fixedDigits(char (&buf)[kFixedChars], double value, int precision)
{
    precision = precision < 0 ? 6 : std::min(precision, 60);
    if (char* end = smallFixed(buf, value, precision))
        return end;
    const auto r = std::to_chars(buf, buf + kFixedChars, value, std::chars_format::fixed, precision);
    return r.ec == std::errc() ? r.ptr : buf;
}

// Number digits widened on the stack, so that an item's text is made in one allocation.
struct WideDigits {
    wchar_t text[kFixedChars];
    std::size_t size;
    WideDigits(const char* begin, const char* end) : size(static_cast<std::size_t>(end - begin))
    {
        std::copy(begin, end, text);
    }
    operator std::wstring_view() const { return std::wstring_view(text, size); }
};

WideDigits digitsOf(double value, int precision)
{
    char buf[kFixedChars];
    return WideDigits(buf, fixedDigits(buf, value, precision));
}

WideDigits digitsOf(int value)
{
    char buf[16];
    return WideDigits(buf, std::to_chars(buf, buf + sizeof buf, value).ptr); // to_wstring goes through swprintf
}

} // namespace

bool scanDouble(const wchar_t* text, double& out)
{
    double v = 0;
    if (!plainDecimal(text, v) && (!scanReal<double>(text, v, wcstod_l) || !std::isfinite(v)))
        return false; // nan, inf, and numbers beyond a double (1e400) read as no number
    out = v;
    return true;
}

bool scanFloat(const wchar_t* text, float& out) { return scanReal<float>(text, out, wcstof_l); }

std::wstring fixedText(double value, int precision)
{
    char buf[kFixedChars];
    return std::wstring(buf, fixedDigits(buf, value, precision));
}

bool scanInt(const wchar_t* text, int& out)
{
    // The usual text, up to 18 digits after an optional minus, needs no library call.
    const wchar_t* p = text + (*text == L'-');
    long long plain = 0;
    int digits = 0;
    for (; digits < 18 && *p >= L'0' && *p <= L'9'; ++p, ++digits)
        plain = plain * 10 + (*p - L'0');
    if (digits > 0 && !(*p >= L'0' && *p <= L'9')) {
        plain = *text == L'-' ? -plain : plain;
        if (plain < INT_MIN || plain > INT_MAX)
            return false; // beyond an int: no number, as below
        out = static_cast<int>(plain);
        return true;
    }
    // Otherwise the number at the start, as %d takes it, but one beyond an int reads as no
    // number instead of wrapping.
    wchar_t* end = nullptr;
    errno = 0;
    const long v = std::wcstol(text, &end, 10);
    if (end == text || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    out = static_cast<int>(v);
    return true;
}

CPNum::CPNum(std::wstring_view name, double value, int precision, std::pmr::memory_resource* mr)
    : CPNum(name, digitsOf(value, precision), AsText(), mr)
{
}

CPNum::CPNum(std::wstring_view name, int value, std::pmr::memory_resource* mr)
    : CPNum(name, digitsOf(value), AsText(), mr)
{
}

std::wstring indexKey(int i)
{
    char buf[16];
    return std::wstring(buf, std::to_chars(buf, buf + sizeof buf, i).ptr);
}

std::pmr::memory_resource* CPItem::heapResource()
{
    struct Heap final : std::pmr::memory_resource {
        void* do_allocate(std::size_t bytes, std::size_t alignment) override
        {
            return alignment <= __STDCPP_DEFAULT_NEW_ALIGNMENT__ ? ::operator new(bytes)
                                                                 : ::operator new(bytes, std::align_val_t(alignment));
        }
        void do_deallocate(void* p, std::size_t, std::size_t alignment) override
        {
            if (alignment <= __STDCPP_DEFAULT_NEW_ALIGNMENT__)
                ::operator delete(p);
            else
                ::operator delete(p, std::align_val_t(alignment));
        }
        bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }
    };
    static Heap heap;
    return &heap;
}

struct CPBlock::Index {
    std::unordered_map<std::wstring_view, CPItem*> byKind[5];
};

CPBlock::CPBlock(std::wstring_view name, std::pmr::memory_resource* mr)
    : CPItem(PI_BLOCK, name, mr), m_children(resource(mr))
{
}

CPBlock::~CPBlock()
{
    // Sub-blocks hand up to this block the children that need destroying (blocks, binary
    // values, heap items; a pooled string, number or flag has nothing to free) before they
    // die, so a deeply nested tree is freed without deep recursion and without a queue.
    for (std::size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i]->kind() != PI_BLOCK)
            continue;
        std::pmr::vector<CPItemPtr>& grand = static_cast<CPBlock&>(*m_children[i]).m_children;
        for (CPItemPtr& g : grand) {
            if (g->pooled() && g->kind() != PI_BLOCK && g->kind() != PI_BIN)
                g.release(); // its memory is the arena's
            else
                m_children.push_back(std::move(g));
        }
        grand.clear();
    }
}

void CPBlock::indexChild(CPItem* child)
{
    const int k = child->kind();
    if (k >= 0 && k < 5)
        m_index->byKind[k].emplace(std::wstring_view(child->name()), child);
}

CPItem* CPBlock::find(std::wstring_view k, int kind) const
{
    if (m_index) {
        if (kind < 0 || kind >= 5)
            return nullptr;
        auto it = m_index->byKind[kind].find(k);
        return it == m_index->byKind[kind].end() ? nullptr : it->second;
    }
    if (!(m_keyBits & keyBit(kind, k)))
        return nullptr;
    // At most one child has this key and kind, so the scan may start where the last one
    // ended and wrap. Kind, length and first character settle most mismatches before a
    // comparison call.
    const std::size_t n = m_children.size();
    const std::size_t hint = m_hint.load(std::memory_order_relaxed);
    for (std::size_t step = 0, i = hint < n ? hint : 0; step < n; ++step, i = i + 1 == n ? 0 : i + 1) {
        CPItem* child = m_children[i].get();
        const std::pmr::wstring& name = child->name();
        if (child->kind() == kind && name.size() == k.size() && (k.empty() || name[0] == k[0]) && name == k) {
            m_hint.store(static_cast<std::uint32_t>(i + 1), std::memory_order_relaxed);
            return child;
        }
    }
    return nullptr;
}

bool CPBlock::add(CPItem* item)
{
    if (!item || find(item->name(), item->kind()))
        return false;
    if (m_children.empty())
        m_children.reserve(8); // most blocks hold a few keys: no regrowing one by one
    m_children.emplace_back(item);
    m_keyBits |= keyBit(item->kind(), item->name());
    if (m_index) {
        indexChild(item);
    } else if (m_children.size() > kIndexThreshold) {
        // Built here, not on a look-up: readers of one tree on several threads only read.
        m_index = std::make_unique<Index>();
        for (const auto& child : m_children)
            indexChild(child.get());
    }
    return true;
}

bool CPBlock::getDouble(double& out, std::wstring_view key) const
{
    const CPItem* it = find(key, PI_NUM);
    return it && scanDouble(static_cast<const CPNum*>(it)->text().c_str(), out);
}

bool CPBlock::getInt(int& out, std::wstring_view key) const
{
    const CPItem* it = find(key, PI_NUM);
    return it && scanInt(static_cast<const CPNum*>(it)->text().c_str(), out);
}
