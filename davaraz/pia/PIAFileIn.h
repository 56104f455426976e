// Reads a PIA file: inflates everything after the 60-byte header into a temporary text file,
// decides between UTF-8 and the ANSI code page, and hands out lines of at most 511 bytes.
#pragma once
#include "davaraz/pia/PIAFile.h"
#include "platform/tvutils/ZlibEngine.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CPIAFileIn : public ZlibEngine {
public:
    CPIAFileIn();
    ~CPIAFileIn() override;

    // 0, -2 for a failure of the file handling, or the engine's code.
    int open(const wchar_t* path);
    // Opens a payload text as it is (no container, no temporary file), for tools and tests.
    int openText(const wchar_t* path);
    // The next line without its line feed, valid until the next call; null at the end.
    const wchar_t* readLine();
    // Closes the stream and deletes the temporary file.
    void close();

    bool isUtf8() const { return m_utf8; }
    // 1-based line of the text where the last line handed out starts.
    int lineNumber() const { return m_lineNumber; }
    // Bytes of the payload text not yet handed out (an upper bound for what lines can still hold).
    std::uint64_t bytesLeft() const;
    // Raw bytes of the payload text from the current position; 0 at the end.
    std::size_t readRaw(char* buffer, std::size_t size);

    int doInflateInit() override;

private:
    int openStream(const std::string& nativePath);
    bool detectUtf8();
    int nextByte();
    void unread(const char* bytes, std::size_t n);

    std::FILE* m_text = nullptr;
    std::wstring m_tempPath;
    bool m_utf8 = true;
    wchar_t m_line[pia::kLineChars];

    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::string m_pushback;
    std::string m_bytes;
    long m_newlines = 0;
    std::uint64_t m_textSize = 0;
    int m_lineNumber = 0;
};
