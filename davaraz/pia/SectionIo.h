// Key-by-key reading and writing shared by the document sections: required keys stop a read
// and name themselves as the fault, optional keys leave their field alone when absent.
#pragma once
#include "davaraz/pia/Document.h"
#include "davaraz/pia/PItem.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace section {

// Reads the children of one block. When a fault string is given, the first required key that
// is missing, of another kind or unreadable is stored there; a nested block's fault is stored
// as "outer/inner".
class Reader {
public:
    Reader(const CPBlock& block, std::wstring* fault) : m_block(block), m_fault(fault) {}

    bool str(const wchar_t* key, std::wstring& out) const;
    bool flag(const wchar_t* key, bool& out) const;
    bool integer(const wchar_t* key, int& out) const;
    bool real(const wchar_t* key, double& out) const;
    // The same for a field with a range: a value outside it is a malformed key.
    bool integer(const wchar_t* key, int& out, int lo, int hi) const;
    bool real(const wchar_t* key, double& out, double lo, double hi) const;
    // A required block read by node.init(block, fault).
    template <class Node>
    bool node(const wchar_t* key, Node& node) const
    {
        const CPItem* item = m_block.find(key, PI_BLOCK);
        if (!item)
            return fail(key);
        std::wstring inner;
        if (node.init(static_cast<const CPBlock&>(*item), m_fault ? &inner : nullptr))
            return true;
        return failIn(key, inner);
    }

    // Optional keys: the field changes only when the key is there and readable.
    void optStr(const wchar_t* key, std::wstring& out) const;
    void optInt(const wchar_t* key, int& out) const { m_block.getInt(out, key); }
    void optReal(const wchar_t* key, double& out) const { m_block.getDouble(out, key); }
    // An optional number with a range: one outside it leaves the field alone, as a missing key.
    void optReal(const wchar_t* key, double& out, double lo, double hi) const
    {
        double v = 0;
        if (m_block.getDouble(v, key) && v >= lo && v <= hi)
            out = v;
    }
    void optFlag(const wchar_t* key, std::optional<bool>& out) const;
    const CPBlock* block(const wchar_t* key) const
    {
        return static_cast<const CPBlock*>(m_block.find(key, PI_BLOCK));
    }

    bool fail(const wchar_t* key) const;
    bool failIn(const wchar_t* key, const std::wstring& inner) const;

private:
    const CPBlock& m_block;
    std::wstring* m_fault;
};

// Appends items in the block's memory; one with the key and kind of an existing child is dropped.
void putStr(CPBlock& block, const wchar_t* key, const std::wstring& text);
void putInt(CPBlock& block, const wchar_t* key, int value);
void putReal(CPBlock& block, const wchar_t* key, double value, int decimals = 6);
void putFlag(CPBlock& block, const wchar_t* key, bool value);

// A nested block filled by node.write and then appended; false (nothing appended) when the
// nested write fails.
template <class Node>
bool putNode(CPBlock& block, const wchar_t* key, const Node& node)
{
    auto child = block.make<CPBlock>(key);
    if (!node.write(*child))
        return false;
    if (block.add(child.get()))
        child.release();
    return true;
}

// Lists of entry blocks keyed "0", "1", ...: every child block yields an entry, even one that
// reads only in part; *fault names the first such entry and its key ("3/width").
template <class Entry>
bool readEntries(const CPBlock& block, std::vector<Entry>& entries, std::wstring* fault)
{
    entries.clear(); // the list is the block's, not added to what a previous read left
    for (int i = 0; i < block.count(); ++i) {
        const CPItem* child = block.item(i);
        if (child->kind() != PI_BLOCK)
            continue;
        Entry entry;
        std::wstring inner;
        if (!entry.init(static_cast<const CPBlock&>(*child), fault ? &inner : nullptr) && fault && fault->empty())
            *fault = std::wstring(child->name()).append(L"/").append(inner);
        entries.push_back(std::move(entry));
    }
    return true;
}

template <class Entry>
bool writeEntries(CPBlock& block, const std::vector<Entry>& entries)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        CPBlock* raw = block.put<CPBlock>(indexKey(i));
        if (!raw || !entries[i].write(*raw))
            return false;
    }
    return true;
}

// Reads sections one by one with their init, noting how each reads; the documents list theirs.
class Inspector {
public:
    // A section read whole: absent (noted only when required), read, or failing at a key.
    template <class Node>
    void section(const CPBlock* parent, const std::wstring& path, const wchar_t* key, bool required)
    {
        const CPItem* item = parent ? parent->find(key, PI_BLOCK) : nullptr;
        const std::wstring name = path.empty() ? key : path + L"/" + key;
        if (!item) {
            if (required)
                m_states.push_back({name, pia::SectionState::missing, std::wstring(), true});
            return;
        }
        Node node;
        std::wstring fault;
        const bool ok = node.init(static_cast<const CPBlock&>(*item), &fault);
        m_states.push_back({name, ok ? pia::SectionState::reads : pia::SectionState::fails, fault, required});
    }
    // A list whose entries are kept even when they read only in part: noted only then.
    template <class Node>
    void partial(const CPBlock* parent, const std::wstring& name, const wchar_t* key)
    {
        const CPItem* item = parent ? parent->find(key, PI_BLOCK) : nullptr;
        if (!item)
            return;
        Node node;
        std::wstring fault;
        node.init(static_cast<const CPBlock&>(*item), &fault);
        if (!fault.empty())
            m_states.push_back({name, pia::SectionState::partial, fault, false});
    }
    static const CPBlock* block(const CPBlock* parent, const wchar_t* key)
    {
        return parent ? static_cast<const CPBlock*>(parent->find(key, PI_BLOCK)) : nullptr;
    }
    std::vector<pia::SectionState> states() && { return std::move(m_states); }

private:
    std::vector<pia::SectionState> m_states;
};

// Assigns a field and notes when its value changed (exact comparison), as the conversions from
// devices and print data report their changes.
template <class T, class U>
void store(T& field, const U& value, bool& changed)
{
    if (field != static_cast<T>(value)) {
        field = static_cast<T>(value);
        changed = true;
    }
}

} // namespace section
