// The PIA item tree: keyed values (bool, number, string, binary) and blocks that own their
// children in insertion order. Behaviour dispatches on kind(), never on virtual calls.
#pragma once
#include "davaraz/pia/BinText.h"

#include <memory>
#include <string>
#include <vector>

enum PIItemKind {
    PI_BIN = 0,
    PI_BLOCK = 1,
    PI_BOOL = 2,
    PI_STR = 3,
    PI_NUM = 4,
};

class CPItem {
public:
    virtual ~CPItem() = default;
    CPItem(const CPItem&) = delete;
    CPItem& operator=(const CPItem&) = delete;

    int kind() const { return m_kind; }
    const std::wstring& name() const { return m_name; }

protected:
    CPItem(int kind, std::wstring name) : m_kind(kind), m_name(std::move(name)) {}

private:
    const int m_kind;
    const std::wstring m_name;
};

class CPBool : public CPItem {
public:
    CPBool(const wchar_t* name, bool value) : CPItem(PI_BOOL, name ? name : L""), m_value(value) {}
    bool value() const { return m_value; }

private:
    bool m_value;
};

class CPNum : public CPItem {
public:
    // Fixed-point text with `precision` decimals (a negative precision means 6), "C" locale.
    CPNum(std::wstring name, double value, int precision);
    CPNum(std::wstring name, int value);
    // The text exactly as found in a file (used by the parser).
    static CPNum* fromText(std::wstring name, std::wstring text);
    const std::wstring& text() const { return m_text; }

private:
    CPNum(std::wstring name, std::wstring text, bool) : CPItem(PI_NUM, std::move(name)), m_text(std::move(text)) {}
    std::wstring m_text;
};

class CPStr : public CPItem {
public:
    CPStr(std::wstring name, std::wstring text) : CPItem(PI_STR, std::move(name)), m_text(std::move(text)) {}
    const std::wstring& text() const { return m_text; }

private:
    std::wstring m_text;
};

class CPBin : public CPItem {
public:
    CPBin(const wchar_t* name, const std::wstring& text) : CPItem(PI_BIN, name ? name : L""), m_text(text) {}
    CPBin(const wchar_t* name, BinText&& text) : CPItem(PI_BIN, name ? name : L""), m_text(std::move(text)) {}
    std::wstring text() const { return m_text.str(); }
    // The text as held, for reading it without a wide copy of the whole.
    const BinText& data() const { return m_text; }

private:
    BinText m_text;
};

class CPBlock : public CPItem {
public:
    explicit CPBlock(const wchar_t* name);
    ~CPBlock() override;

    // Takes ownership and returns true, unless a child with the same key and kind exists:
    // then false, and the item stays the caller's.
    bool add(CPItem* item);
    // First child (in insertion order) with exactly this key and kind, or null.
    CPItem* find(const wchar_t* key, int kind) const;
    // The PI_NUM child's text scanned with "%lf" / "%d"; false (out untouched) when absent
    // or when nothing converts.
    bool getDouble(double& out, const wchar_t* key) const;
    bool getInt(int& out, const wchar_t* key) const;

    int count() const { return static_cast<int>(m_children.size()); }
    CPItem* item(int i) const { return m_children[static_cast<size_t>(i)].get(); }

private:
    struct Index;
    void indexChild(CPItem* child) const;

    std::vector<std::unique_ptr<CPItem>> m_children;
    // Built once a block grows large, so that hostile files with huge blocks parse in linear
    // time. At most one child per (key, kind) exists, so a map gives the same answer as a scan.
    mutable std::unique_ptr<Index> m_index;
};

// "%lf" and "%d" scans of a number text in the "C" locale, whatever the process locale is; a
// number that is not finite or does not fit the type is no number.
bool scanDouble(const std::wstring& text, double& out);
bool scanInt(const std::wstring& text, int& out);
// "%f": single precision, infinities and overflow included.
bool scanFloat(const std::wstring& text, float& out);
// printf's "%.*f" in the "C" locale (a negative precision means 6).
std::wstring fixedText(double value, int precision);
