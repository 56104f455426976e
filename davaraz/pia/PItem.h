// The PIA item tree: keyed values (bool, number, string, binary) and blocks that own their
// children in insertion order. Behaviour dispatches on kind(), never on virtual calls.
#pragma once
#include "davaraz/pia/BinText.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <new>
#include <string>
#include <string_view>
#include <vector>

enum PIItemKind {
    PI_BIN = 0,
    PI_BLOCK = 1,
    PI_BOOL = 2,
    PI_STR = 3,
    PI_NUM = 4,
};

// Items come from the heap (made with new, freed by their block) or from an arena (a parser's
// memory_resource, see makePooled): a block destroys pooled children without freeing them, and
// their names and texts live in the same arena, so a parsed tree costs a few large allocations.
class CPItem {
public:
    virtual ~CPItem() = default;
    CPItem(const CPItem&) = delete;
    CPItem& operator=(const CPItem&) = delete;

    int kind() const { return m_kind; }
    const std::pmr::wstring& name() const { return m_name; }
    bool pooled() const { return m_pooled; }
    // Where the item's texts live: an arena, or the heap resource.
    std::pmr::memory_resource* memory() const { return m_name.get_allocator().resource(); }

protected:
    CPItem(int kind, std::wstring_view name, std::pmr::memory_resource* mr) : m_kind(kind), m_name(name, resource(mr))
    {
    }
    // The arena given, else plain new and delete (the standard's default resource asks for
    // aligned allocations, which cost twice as much).
    static std::pmr::memory_resource* resource(std::pmr::memory_resource* mr) { return mr ? mr : heapResource(); }
    static std::pmr::memory_resource* heapResource();

private:
    template <class T, class... Args>
    friend T* makePooled(std::pmr::memory_resource& arena, Args&&... args);

    const int m_kind;
    bool m_pooled = false;
    const std::pmr::wstring m_name;
};

// Frees a heap item. A pooled one's memory is its arena's: a block or a binary value (which
// own memory outside it) is destroyed, a string, number or flag (whose texts are in the arena
// too) is left as it is.
struct CPItemDelete {
    void operator()(CPItem* item) const noexcept
    {
        if (!item || !item->pooled())
            delete item;
        else if (item->kind() == PI_BLOCK || item->kind() == PI_BIN)
            item->~CPItem();
    }
};
using CPItemPtr = std::unique_ptr<CPItem, CPItemDelete>;

// An item of type T (one of the types above) made in `arena`, its texts too; the arena must
// outlive it.
template <class T, class... Args>
T* makePooled(std::pmr::memory_resource& arena, Args&&... args)
{
    T* item = new (arena.allocate(sizeof(T), alignof(T))) T(std::forward<Args>(args)..., &arena);
    item->m_pooled = true;
    return item;
}

class CPBool : public CPItem {
public:
    CPBool(std::wstring_view name, bool value, std::pmr::memory_resource* mr = nullptr)
        : CPItem(PI_BOOL, name, mr), m_value(value)
    {
    }
    bool value() const { return m_value; }

private:
    bool m_value;
};

class CPNum : public CPItem {
public:
    // Fixed-point text with `precision` decimals (a negative precision means 6), "C" locale.
    CPNum(std::wstring_view name, double value, int precision, std::pmr::memory_resource* mr = nullptr);
    CPNum(std::wstring_view name, int value, std::pmr::memory_resource* mr = nullptr);
    // The text exactly as found in a file (used by the parser).
    struct AsText {};
    CPNum(std::wstring_view name, std::wstring_view text, AsText, std::pmr::memory_resource* mr = nullptr)
        : CPItem(PI_NUM, name, mr), m_text(text, resource(mr))
    {
    }
    static CPNum* fromText(std::wstring_view name, std::wstring_view text) { return new CPNum(name, text, AsText()); }
    const std::pmr::wstring& text() const { return m_text; }

private:
    std::pmr::wstring m_text;
};

class CPStr : public CPItem {
public:
    CPStr(std::wstring_view name, std::wstring_view text, std::pmr::memory_resource* mr = nullptr)
        : CPItem(PI_STR, name, mr), m_text(text, resource(mr))
    {
    }
    const std::pmr::wstring& text() const { return m_text; }

private:
    std::pmr::wstring m_text;
};

// The value's text stays on the heap even for a pooled item: it may be many megabytes.
class CPBin : public CPItem {
public:
    CPBin(std::wstring_view name, std::wstring_view text, std::pmr::memory_resource* mr = nullptr)
        : CPItem(PI_BIN, name, mr), m_text(text)
    {
    }
    CPBin(std::wstring_view name, BinText&& text, std::pmr::memory_resource* mr = nullptr)
        : CPItem(PI_BIN, name, mr), m_text(std::move(text))
    {
    }
    std::wstring text() const { return m_text.str(); }
    // The text as held, for reading it without a wide copy of the whole.
    const BinText& data() const { return m_text; }

private:
    BinText m_text;
};

class CPBlock : public CPItem {
public:
    explicit CPBlock(std::wstring_view name, std::pmr::memory_resource* mr = nullptr);
    ~CPBlock() override;

    // Takes ownership and returns true, unless a child with the same key and kind exists:
    // then false, and the item stays the caller's.
    bool add(CPItem* item);
    // First child (in insertion order) with exactly this key and kind, or null.
    CPItem* find(std::wstring_view key, int kind) const;
    // The PI_NUM child's text scanned with "%lf" / "%d"; false (out untouched) when absent
    // or when nothing converts.
    bool getDouble(double& out, std::wstring_view key) const;
    bool getInt(int& out, std::wstring_view key) const;

    int count() const { return static_cast<int>(m_children.size()); }
    CPItem* item(int i) const { return m_children[static_cast<size_t>(i)].get(); }

    // A new T (one of the item types) in this block's memory, its arena or the heap, not yet
    // added: for a child that is filled first and added only once complete.
    template <class T, class... Args>
    std::unique_ptr<T, CPItemDelete> make(Args&&... args) const
    {
        std::pmr::memory_resource* mr = memory();
        if (mr == heapResource())
            return std::unique_ptr<T, CPItemDelete>(new T(std::forward<Args>(args)...));
        return std::unique_ptr<T, CPItemDelete>(makePooled<T>(*mr, std::forward<Args>(args)...));
    }
    // The same, appended: the new child, or null (nothing added) when one with the same key and
    // kind exists.
    template <class T, class... Args>
    T* put(Args&&... args)
    {
        auto item = make<T>(std::forward<Args>(args)...);
        return add(item.get()) ? item.release() : nullptr;
    }

private:
    struct Index;
    void indexChild(CPItem* child);

    static std::uint64_t keyBit(int kind, std::wstring_view key)
    {
        const std::size_t mix = static_cast<unsigned>(kind) * 7u + key.size() * 13u + (key.empty() ? 0u : key[0]);
        return std::uint64_t(1) << (mix & 63u);
    }

    std::pmr::vector<CPItemPtr> m_children;
    // A bit per (kind, length, first character) present: most look-ups of a key that is not
    // there, and so most adds, end here without a scan.
    std::uint64_t m_keyBits = 0;
    // Where the last look-up found its child: readers ask for keys in the order they were
    // written, so the next one is usually just after it. Atomic, as look-ups may run on several
    // threads at once.
    mutable std::atomic<std::uint32_t> m_hint{0};
    // Built once a block grows large, so that hostile files with huge blocks parse in linear
    // time. At most one child per (key, kind) exists, so a map gives the same answer as a scan.
    std::unique_ptr<Index> m_index;
};

// A root block whose tree lives in an arena of its own: children made with put or make are
// carved from it and freed all at once. For the trees documents build to write.
class CPRoot {
public:
    CPRoot() = default;
    CPRoot(const CPRoot&) = delete;
    CPRoot& operator=(const CPRoot&) = delete;
    CPBlock& block() { return m_block; }

private:
    std::pmr::monotonic_buffer_resource m_arena{32 * 1024};
    CPBlock m_block{std::wstring_view(), &m_arena};
};

// "%lf" and "%d" scans of a number text in the "C" locale, whatever the process locale is; a
// number that is not finite or does not fit the type is no number.
bool scanDouble(const wchar_t* text, double& out);
bool scanInt(const wchar_t* text, int& out);
// "%f": single precision, infinities and overflow included.
bool scanFloat(const wchar_t* text, float& out);
// printf's "%.*f" in the "C" locale (a negative precision means 6).
std::wstring fixedText(double value, int precision);
// The key of a numbered entry ("0", "1", ...); to_wstring would format through swprintf.
std::wstring indexKey(int i);
