// Writes an item tree as a PIA file: the payload text is deflated (zlib, level 6) in memory as
// it is made, then the 60-byte header and the stream replace the target in one safe write.
#pragma once
#include "davaraz/pia/PIAFile.h"
#include "davaraz/pia/PItem.h"
#include "platform/tvutils/ZlibEngine.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

class CPIAFileOut : public ZlibEngine {
public:
    CPIAFileOut() = default;
    ~CPIAFileOut() override;

    void setKind(int kind) { m_kind = kind; }
    int kind() const { return m_kind; }
    // When set, a character the ANSI code page lacks fails the write instead of the payload
    // going as UTF-8.
    void setStrictEncoding(bool strict) { m_strictEncoding = strict; }

    // Writes the children of root (the root has no line of its own). The target is replaced
    // only when the whole file could be written; false for a null root or any failure.
    bool write(const CPBlock* root, const wchar_t* path);

    // 0 or the first error of the last write.
    int lastStatus() const { return m_status; }
    // The last write refused a line that a reader could not read back whole (over 511 bytes).
    bool lineTooLong() const { return m_lineTooLong; }
    // The last (strict) write met characters the ANSI code page lacks, or text whose ANSI bytes
    // a reader would take for UTF-8.
    bool lossy() const { return m_lossy; }
    // The last write stored the payload as UTF-8 because the ANSI code page lacks some of its
    // characters, or because its ANSI bytes would read back as UTF-8 (writes that are not strict).
    bool wroteUtf8() const { return m_utf8; }
    // Of the last write: every character was in the ANSI code page, but its bytes would have read
    // back as UTF-8 (so it went as UTF-8, or failed when strict).
    bool ansiMisread() const { return m_misread; }
    // The last write refused an item that would not read back: a key or text with a line end
    // or NUL, a key with '=', '{' or a space, or binary text with a backslash.
    bool unrepresentable() const { return m_unrepresentable; }
    // The errno with which the last write failed to replace the target, else 0.
    int targetError() const { return m_targetError; }

private:
    void reset();
    void writeBlock(const CPBlock& block);
    void writeBinary(const CPBin& bin);
    // One line: indent blanks, the key, the separator ("=", "=\"", "{", ...) and the text.
    void writeLine(int indent, std::wstring_view key, std::string_view sep, std::wstring_view text = {});
    // The same straight into the payload when it is ASCII and fits a reader's line; false
    // (nothing written) otherwise.
    bool appendAscii(int indent, std::wstring_view key, std::string_view sep, std::wstring_view text);
    void writeBytes(const std::wstring& text, bool lineEnd);
    // Follows ANSI payload bytes as a reader deciding on UTF-8 would.
    void followAsUtf8(const std::string& bytes);
    // Payload bytes into the compressor; flush ends the stream.
    void emit(const char* bytes, std::size_t n, bool flush = false);
    void deflatePending(bool flush);
    // Starts the payload (again, when it goes as UTF-8 after all).
    bool startStream();
    // False (the write fails) for an item the reader would cut or refuse.
    bool representable(const CPItem& item);
    int finish(const wchar_t* path);
    int writeTarget(const std::string& target);

    int m_status = 0;
    bool m_streaming = false;    // deflate is initialised
    std::string m_pending;       // payload bytes not yet given to deflate
    std::string m_compressed;    // the zlib stream so far
    std::uint64_t m_uncompressedSize = 0;
    std::wstring m_line;         // the item line being made
    std::string m_bytes;         // its bytes, when plain ASCII
    int m_kind = PIA_CTB;
    int m_depth = 0;
    bool m_lineTooLong = false;
    bool m_lossy = false;
    bool m_unrepresentable = false;
    bool m_utf8 = false;
    bool m_misread = false;
    bool m_strictEncoding = false;
    bool m_binaryLine = false;
    // Of the ANSI payload so far: a byte above 0x7F, and the UTF-8 continuation bytes still due
    // (-1 once the bytes cannot be UTF-8).
    bool m_highBytes = false;
    int m_utf8Pending = 0;
    int m_targetError = 0;
};
