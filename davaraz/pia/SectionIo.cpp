// Key readers and item writers of the document sections.
#include "davaraz/pia/SectionIo.h"

namespace section {

bool Reader::fail(const wchar_t* key) const
{
    if (m_fault)
        *m_fault = key;
    return false;
}

bool Reader::failIn(const wchar_t* key, const std::wstring& inner) const
{
    if (m_fault)
        *m_fault = inner.empty() ? std::wstring(key) : std::wstring(key) + L"/" + inner;
    return false;
}

bool Reader::str(const wchar_t* key, std::wstring& out) const
{
    const CPItem* item = m_block.find(key, PI_STR);
    if (!item)
        return fail(key);
    out = static_cast<const CPStr*>(item)->text();
    return true;
}

bool Reader::flag(const wchar_t* key, bool& out) const
{
    const CPItem* item = m_block.find(key, PI_BOOL);
    if (!item)
        return fail(key);
    out = static_cast<const CPBool*>(item)->value();
    return true;
}

bool Reader::integer(const wchar_t* key, int& out) const
{
    return m_block.getInt(out, key) || fail(key);
}

bool Reader::real(const wchar_t* key, double& out) const
{
    return m_block.getDouble(out, key) || fail(key);
}

bool Reader::integer(const wchar_t* key, int& out, int lo, int hi) const
{
    int v = 0;
    if (!m_block.getInt(v, key) || v < lo || v > hi)
        return fail(key);
    out = v;
    return true;
}

bool Reader::real(const wchar_t* key, double& out, double lo, double hi) const
{
    double v = 0;
    if (!m_block.getDouble(v, key) || !(v >= lo && v <= hi))
        return fail(key);
    out = v;
    return true;
}

void Reader::optStr(const wchar_t* key, std::wstring& out) const
{
    if (const CPItem* item = m_block.find(key, PI_STR))
        out = static_cast<const CPStr*>(item)->text();
}

void Reader::optFlag(const wchar_t* key, std::optional<bool>& out) const
{
    if (const CPItem* item = m_block.find(key, PI_BOOL))
        out = static_cast<const CPBool*>(item)->value();
}

void putStr(CPBlock& block, const wchar_t* key, const std::wstring& text) { block.put<CPStr>(key, text); }
void putInt(CPBlock& block, const wchar_t* key, int value) { block.put<CPNum>(key, value); }
void putReal(CPBlock& block, const wchar_t* key, double value, int decimals)
{
    block.put<CPNum>(key, value, decimals);
}
void putFlag(CPBlock& block, const wchar_t* key, bool value) { block.put<CPBool>(key, value); }

} // namespace section
