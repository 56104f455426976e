// The one road of every document between a PIA file and its item tree, and the one report of
// a read that failed: what went wrong, where (payload line, key path) and a sentence for people.
#pragma once
#include "davaraz/pia/PItem.h"

#include <functional>
#include <string>
#include <vector>

class CPIAFileOut;
class CPIAParser;

namespace pia {

enum class ReadStatus {
    ok,
    noPath,    // no file name given
    container, // the file cannot be opened or its payload inflated (code: the reader's)
    grammar,   // the payload breaks the grammar (line)
    content,   // the tree is not the document: a required key (key) or a rule of its own (why)
};

struct ReadResult {
    ReadStatus status = ReadStatus::ok;
    int code = 0;     // the container reader's result, for ReadStatus::container
    int line = 0;     // 1-based payload line, for ReadStatus::grammar
    std::wstring key; // "media/size/width": the first required key missing or malformed
    std::wstring why; // a content rule broken, in words, when no single key tells it; for
                      // ReadStatus::container, why the file could not be opened

    explicit operator bool() const { return status == ReadStatus::ok; }
    std::wstring description() const;

    // Marks a content fault at key (a key path) or, with an empty key, for the reason why.
    void refuse(const std::wstring& faultKey, const std::wstring& reason = std::wstring());
};

// How one section of a document's tree reads, for tools that report on a file.
struct SectionState {
    enum State { reads, missing, fails, partial };
    std::wstring name; // its path in the tree: "media/destination"
    State state = reads;
    std::wstring key; // the key at fault, for fails and partial
    bool required = false;
};

// The reader sequence: open, parse, close (the temporary text goes before anything else),
// then interpret the tree. interpret returns false to refuse it, naming the fault in the
// result when it can (a refusal that names nothing reads as a missing key "").
ReadResult readDocument(const wchar_t* path, const std::function<bool(CPIAParser&, ReadResult&)>& interpret);

enum class WriteStatus {
    ok,
    noPath,          // no file name given
    content,         // the document cannot make its tree (a value out of its range)
    lineTooLong,     // a line over 511 bytes, which readers would cut
    unrepresentable, // a line end or NUL in a value, a backslash in binary text
    lossy,           // (strict writes) characters the ANSI code page lacks
    target,          // the target could not be replaced (error: its errno)
    failed,          // temporary files or compression
};

// The report of a write; the old file is intact whenever status is not ok.
struct WriteResult {
    WriteStatus status = WriteStatus::ok;
    int error = 0;     // errno, for WriteStatus::target
    bool utf8 = false;    // written, as UTF-8: the ANSI code page lacks some of its characters,
    bool misread = false; // or (when this is set) its bytes would have read back as UTF-8

    explicit operator bool() const { return status == WriteStatus::ok; }
    std::wstring description() const;
    // What the writer's last write did; written is its result.
    static WriteResult of(const CPIAFileOut& writer, bool written);
};

// Writes a root block built by a document through the container's one safe-write path.
bool writeDocument(const CPBlock& root, int kind, const wchar_t* path, WriteResult* result = nullptr);

} // namespace pia
