// Reads a PIA file: inflates the stream after the 60-byte header straight into the line
// reader, once to check it and decide between UTF-8 and the ANSI code page, once to hand out
// lines of at most 511 bytes. Nothing is written to disk and the payload is never held whole.
#pragma once
#include "davaraz/pia/PIAFile.h"
#include "platform/tvutils/ZlibEngine.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

class CPIAFileIn : public ZlibEngine {
public:
    CPIAFileIn();
    ~CPIAFileIn() override;

    // 0, -2 for a file shorter than its header or one that cannot be read, or the engine's code
    // for a stream that does not inflate whole.
    int open(const wchar_t* path);
    // Opens a payload text as it is (no container), for tools and tests.
    int openText(const wchar_t* path);
    // The next line without its line feed, valid until the next call; null at the end.
    const wchar_t* readLine();
    // Characters of the line readLine handed out last.
    std::size_t lineSize() const { return m_lineSize; }
    // The same line, handed out as its bytes when they are plain ASCII (the same characters in
    // every encoding), else as readLine's wide text; false at the end.
    bool readLine(std::string_view& ascii, const wchar_t*& wide);
    // Closes the file.
    void close();

    bool isUtf8() const { return m_utf8; }
    // Bytes of the payload text, as counted when the file was opened.
    std::uint64_t textSize() const { return m_textSize; }
    // 1-based line of the text where the last line handed out starts.
    int lineNumber() const { return m_lineNumber; }
    // Bytes of the payload text not yet handed out (an upper bound for what lines can still hold).
    std::uint64_t bytesLeft() const;
    // Raw bytes of the payload text from the current position; 0 at the end.
    std::size_t readRaw(char* buffer, std::size_t size);
    // 0, or the engine's code when the file stopped reading as it did when opened (changed
    // meanwhile); the text then ended early. Ask after the end.
    int fault() const { return m_fault; }

    int doInflateInit() override;

private:
    int openSource(const std::string& nativePath);
    int scan();
    int rewind();
    int pull(char* out, std::size_t size, std::size_t& got);
    std::size_t fill();
    int nextByte();
    bool nextLineBytes();
    bool wholeAsciiLine();
    void widenLine();
    void unread(const char* bytes, std::size_t n);

    bool m_inflating = false; // the source is a container whose stream is being inflated
    bool m_done = false;      // the source has no more bytes
    bool m_utf8 = true;
    int m_fault = 0;
    std::int64_t m_sourceSize = 0;
    std::uint64_t m_textSize = 0;
    std::uint64_t m_loaded = 0; // payload bytes read into the buffer since the start
    unsigned long m_checksum = 0; // the payload's Adler-32 as first inflated
    wchar_t m_line[pia::kLineChars];
    std::size_t m_lineSize = 0;
    bool m_lineReady = false; // m_line already holds the line just read

    std::unique_ptr<char[]> m_buffer; // not zero-filled: only what was read is looked at
    // A small text, whole, as the first pass inflated it: the second pass reads it from here.
    std::string m_kept;
    bool m_keptWhole = false;
    const char* m_chunk = nullptr; // the bytes m_pos and m_end index: m_buffer's or m_kept's
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::string m_pushback;
    std::string m_bytes;
    bool m_ascii = false; // m_bytes holds plain ASCII
    long m_newlines = 0;
    int m_lineNumber = 0;
};
