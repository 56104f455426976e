// The custom section's typed access and its mapping to entry blocks.
#include "davaraz/plotcfg/CustomNode.h"
#include "platform/od/OdCase.h"
#include "davaraz/pia/SectionIo.h"

#include <cwchar>
#include <wctype.h>

namespace {

std::wstring floatText(float value) { return fixedText(static_cast<double>(value), 6); }

template <class Map, class Value>
bool setIn(Map& map, const wchar_t* key, Value&& value, bool create)
{
    if (!key)
        return false;
    auto it = map.find(key);
    if (it != map.end()) {
        it->second = std::forward<Value>(value);
        return true;
    }
    if (!create)
        return false;
    map.emplace(key, std::forward<Value>(value));
    return true;
}

template <class Map>
const typename Map::mapped_type* lookUp(const Map& map, const wchar_t* key)
{
    if (!key)
        return nullptr;
    auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}


} // namespace

bool CCustomNode::get(int& value, const wchar_t* key) const
{
    const std::wstring* text = lookUp(numbers, key);
    return text && scanInt(text->c_str(), value);
}

bool CCustomNode::get(long& value, const wchar_t* key) const
{
    int v = 0;
    if (!get(v, key))
        return false;
    value = v;
    return true;
}

bool CCustomNode::get(double& value, const wchar_t* key) const
{
    const std::wstring* text = lookUp(numbers, key);
    float v = 0;
    if (!text || !scanFloat(text->c_str(), v))
        return false;
    value = v;
    return true;
}

bool CCustomNode::get(bool& value, const wchar_t* key) const
{
    const bool* v = lookUp(booleans, key);
    if (v)
        value = *v;
    return v != nullptr;
}

bool CCustomNode::getStr(std::wstring& value, const wchar_t* key) const
{
    const std::wstring* v = lookUp(strings, key);
    if (v)
        value = *v;
    return v != nullptr;
}

bool CCustomNode::getBin(std::wstring& value, const wchar_t* key) const
{
    const std::wstring* v = lookUp(binaries, key);
    if (v)
        value = *v;
    return v != nullptr;
}

bool CCustomNode::set(int value, const wchar_t* key, bool create)
{
    return setIn(numbers, key, std::to_wstring(value), create);
}

bool CCustomNode::set(long value, const wchar_t* key, bool create)
{
    return set(static_cast<int>(value), key, create);
}

bool CCustomNode::set(double value, const wchar_t* key, bool create)
{
    return setIn(numbers, key, floatText(static_cast<float>(value)), create);
}

bool CCustomNode::set(bool value, const wchar_t* key, bool create) { return setIn(booleans, key, value, create); }

bool CCustomNode::setStr(const std::wstring& value, const wchar_t* key, bool create)
{
    return setIn(strings, key, value, create);
}

bool CCustomNode::setBin(const std::wstring& value, const wchar_t* key, bool create)
{
    return setIn(binaries, key, value, create);
}

bool CCustomNode::init(const CPBlock& block, std::wstring* fault)
{
    const auto fail = [fault](std::wstring_view where) {
        if (fault)
            *fault = where;
        return false;
    };
    for (int i = 0; i < block.count(); ++i) {
        const CPItem* child = block.item(i);
        if (child->kind() != PI_BLOCK)
            continue;
        const auto& entry = static_cast<const CPBlock&>(*child);
        if (entry.count() != 2)
            return fail(entry.name());
        const CPItem* nameItem = entry.item(0);
        const CPItem* valueItem = entry.item(1);
        if (nameItem->kind() != PI_STR || !odEqualNoCase(nameItem->name().c_str(), L"name"))
            return fail(entry.name() + L"/" + nameItem->name());
        if (valueItem->kind() == PI_BLOCK)
            return fail(entry.name() + L"/" + valueItem->name());
        const std::wstring key(static_cast<const CPStr*>(nameItem)->text());
        switch (valueItem->kind()) {
        case PI_BIN:
            binaries[key] = static_cast<const CPBin*>(valueItem)->text();
            break;
        case PI_BOOL:
            booleans[key] = static_cast<const CPBool*>(valueItem)->value();
            break;
        case PI_STR:
            strings[key] = static_cast<const CPStr*>(valueItem)->text();
            break;
        case PI_NUM:
            numbers[key] = static_cast<const CPNum*>(valueItem)->text();
            break;
        default:
            break;
        }
    }
    return true;
}

bool CCustomNode::write(CPBlock& block) const
{
    int counter = 0;
    // Each entry block is appended first, then filled.
    const auto entry = [&block, &counter](const std::wstring& key) {
        CPBlock* child = block.put<CPBlock>(indexKey(counter++));
        if (child)
            section::putStr(*child, L"name", key);
        return child;
    };
    for (const auto& [key, text] : numbers)
        if (CPBlock* child = entry(key))
            child->put<CPNum>(L"value", text, CPNum::AsText());
    for (const auto& [key, text] : binaries)
        if (CPBlock* child = entry(key))
            child->put<CPBin>(L"value", text);
    for (const auto& [key, text] : strings)
        if (CPBlock* child = entry(key))
            child->put<CPStr>(L"value", text);
    for (const auto& [key, value] : booleans)
        if (CPBlock* child = entry(key))
            child->put<CPBool>(L"value", value);
    return true;
}
