// The optional "custom" section of a plotter configuration: a bag of keyed numbers, binary
// texts, strings and booleans for values the fixed sections have no field for.
#pragma once
#include "davaraz/pia/PItem.h"

#include <map>
#include <string>

class CCustomNode {
public:
    // Reading: true and the value when the key exists in the map of that kind (and a number
    // scans); false with the argument untouched otherwise.
    bool get(int& value, const wchar_t* key) const;
    bool get(long& value, const wchar_t* key) const; // 32-bit semantics, like the int form
    bool get(double& value, const wchar_t* key) const; // single precision, widened
    bool get(bool& value, const wchar_t* key) const;
    bool getStr(std::wstring& value, const wchar_t* key) const;
    bool getBin(std::wstring& value, const wchar_t* key) const;

    // Writing: an existing key is replaced (true); a missing one is added only when create is
    // true (true), otherwise nothing happens (false).
    bool set(int value, const wchar_t* key, bool create);
    bool set(long value, const wchar_t* key, bool create);
    bool set(double value, const wchar_t* key, bool create); // single precision, "%f" text
    bool set(bool value, const wchar_t* key, bool create);
    bool setStr(const std::wstring& value, const wchar_t* key, bool create);
    bool setBin(const std::wstring& value, const wchar_t* key, bool create);

    // Each child block is one entry: "name" (string, any letter case) then "value". False at
    // the first malformed entry, whose block name (or "name"/"value" inside it) goes to *fault.
    bool init(const CPBlock& block, std::wstring* fault = nullptr);
    // Entries as blocks "0", "1", ...: numbers, binaries, strings, then booleans, each in key
    // order; always true.
    bool write(CPBlock& block) const;

    std::map<std::wstring, std::wstring> strings;
    std::map<std::wstring, std::wstring> binaries; // the caller's text encoding of the bytes
    std::map<std::wstring, std::wstring> numbers;  // number texts as stored
    std::map<std::wstring, bool> booleans;
};
