// Item construction, number formatting and scanning, and block look-up.
#include "davaraz/pia/PItem.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <iterator>
#include <cwchar>
#include <cwctype>
#include <locale.h>
#include <string_view>
#include <unordered_map>

namespace {

constexpr size_t kIndexThreshold = 32;

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
bool scanReal(const std::wstring& text, Real& out, Real (*convert)(const wchar_t*, wchar_t**, locale_t))
{
    const wchar_t* start = text.c_str();
    wchar_t* end = nullptr;
    const Real v = convert(start, &end, cLocale());
    if (end == start || scanfRefuses(start, end))
        return false;
    out = v;
    return true;
}

} // namespace

bool scanDouble(const std::wstring& text, double& out)
{
    double v = 0;
    if (!scanReal<double>(text, v, wcstod_l) || !std::isfinite(v))
        return false; // nan, inf, and numbers beyond a double (1e400) read as no number
    out = v;
    return true;
}

bool scanFloat(const std::wstring& text, float& out) { return scanReal<float>(text, out, wcstof_l); }

std::wstring fixedText(double value, int precision)
{
    char buf[400]; // the longest double in fixed notation with 60 decimals fits
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed,
                                 precision < 0 ? 6 : std::min(precision, 60));
    return std::wstring(buf, r.ec == std::errc() ? r.ptr : buf);
}

bool scanInt(const std::wstring& text, int& out)
{
    // The number at the start, as %d takes it, but one beyond an int reads as no number
    // instead of wrapping.
    wchar_t* end = nullptr;
    errno = 0;
    const long v = std::wcstol(text.c_str(), &end, 10);
    if (end == text.c_str() || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    out = static_cast<int>(v);
    return true;
}

CPNum::CPNum(std::wstring name, double value, int precision)
    : CPItem(PI_NUM, std::move(name)), m_text(fixedText(value, precision))
{
}

CPNum::CPNum(std::wstring name, int value) : CPItem(PI_NUM, std::move(name))
{
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, value); // to_wstring formats through swprintf
    m_text.assign(buf, r.ptr);
}

CPNum* CPNum::fromText(std::wstring name, std::wstring text)
{
    return new CPNum(std::move(name), std::move(text), true);
}

struct CPBlock::Index {
    std::unordered_map<std::wstring_view, CPItem*> byKind[5];
};

CPBlock::CPBlock(const wchar_t* name) : CPItem(PI_BLOCK, name ? name : L"") {}

CPBlock::~CPBlock()
{
    // Sub-blocks hand their children up to this block before they die, so a deeply nested
    // tree is freed without deep recursion and without a queue of its own.
    for (std::size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i]->kind() != PI_BLOCK)
            continue;
        std::vector<std::unique_ptr<CPItem>>& grand = static_cast<CPBlock&>(*m_children[i]).m_children;
        m_children.insert(m_children.end(), std::make_move_iterator(grand.begin()),
                          std::make_move_iterator(grand.end()));
        grand.clear();
    }
}

void CPBlock::indexChild(CPItem* child) const
{
    const int k = child->kind();
    if (k >= 0 && k < 5)
        m_index->byKind[k].emplace(std::wstring_view(child->name()), child);
}

CPItem* CPBlock::find(const wchar_t* key, int kind) const
{
    if (!key)
        return nullptr;
    const std::wstring_view k(key);
    if (!m_index && m_children.size() > kIndexThreshold) {
        m_index = std::make_unique<Index>();
        for (const auto& child : m_children)
            indexChild(child.get());
    }
    if (m_index) {
        if (kind < 0 || kind >= 5)
            return nullptr;
        auto it = m_index->byKind[kind].find(k);
        return it == m_index->byKind[kind].end() ? nullptr : it->second;
    }
    for (const auto& child : m_children)
        if (child->name().size() == k.size() && child->name() == k && child->kind() == kind)
            return child.get();
    return nullptr;
}

bool CPBlock::add(CPItem* item)
{
    if (!item || find(item->name().c_str(), item->kind()))
        return false;
    m_children.emplace_back(item);
    if (m_index)
        indexChild(item);
    return true;
}

bool CPBlock::getDouble(double& out, const wchar_t* key) const
{
    const CPItem* it = find(key, PI_NUM);
    return it && scanDouble(static_cast<const CPNum*>(it)->text(), out);
}

bool CPBlock::getInt(int& out, const wchar_t* key) const
{
    const CPItem* it = find(key, PI_NUM);
    return it && scanInt(static_cast<const CPNum*>(it)->text(), out);
}
