// CPIAFileIn: decompression to a temporary file and line reading as Windows text mode does it
// (CR LF read as LF), 511 bytes at most per line.
#include "davaraz/pia/PIAFileIn.h"
#include "platform/od/OdString.h"
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/ReadFile.h"
#include "platform/tvutils/StringUtils.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;

// Bytes at the end of `s` that start a UTF-8 sequence not yet complete (0 to 3).
std::size_t incompleteUtf8Tail(const char* s, std::size_t n)
{
    for (std::size_t back = 1; back <= 3 && back <= n; ++back) {
        const unsigned char c = static_cast<unsigned char>(s[n - back]);
        if ((c & 0xC0) == 0x80)
            continue; // continuation byte: keep looking for the lead
        std::size_t need = 1;
        if ((c & 0xE0) == 0xC0)
            need = 2;
        else if ((c & 0xF0) == 0xE0)
            need = 3;
        else if ((c & 0xF8) == 0xF0)
            need = 4;
        return need > back ? back : 0;
    }
    return 0;
}
} // namespace

std::wstring pia::singleLine(const std::wstring& text)
{
    std::wstring line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            continue; // CR LF is one line end
        line += (c == L'\r' || c == L'\n' || c == L'\0') ? L' ' : c;
    }
    return line;
}

int pia::kindForPath(const wchar_t* path)
{
    if (!path)
        return -1;
    const ut::FileName name{OdString(path)};
    if (name.hasExt(L"ctb"))
        return PIA_CTB;
    if (name.hasExt(L"stb"))
        return PIA_STB;
    if (name.hasExt(L"pc3") || name.hasExt(L"pmp"))
        return PIA_PC3;
    return -1;
}

CPIAFileIn::CPIAFileIn() : m_buffer(kBufferSize) { m_line[0] = L'\0'; }

CPIAFileIn::~CPIAFileIn() { close(); }

void CPIAFileIn::close()
{
    if (m_text)
        std::fclose(m_text);
    m_text = nullptr;
    ut::removeFile(OdString(m_tempPath));
    m_tempPath.clear();
    m_pos = m_end = 0;
    m_pushback.clear();
    m_newlines = 0;
    m_lineNumber = 0;
}

int CPIAFileIn::doInflateInit()
{
    // A file shorter than its header has no stream to inflate.
    if (!m_source || m_remaining < static_cast<std::int64_t>(pia::kHeaderSize) ||
        std::fseek(m_source, static_cast<long>(pia::kHeaderSize), SEEK_SET) != 0)
        return pia::kFileError;
    const int rc = ZlibEngine::doInflateInit();
    m_remaining -= static_cast<std::int64_t>(pia::kHeaderSize);
    return rc;
}

int CPIAFileIn::open(const wchar_t* path)
{
    close();
    const OdString temp = ut::FileName::createTempFileName(L"pia");
    if (temp.isEmpty())
        return pia::kFileError;
    m_tempPath = temp.str();
    const int rc = decompress(path, m_tempPath.c_str());
    if (rc != 0) {
        close(); // nothing of a failed read stays on disk
        return rc;
    }
    const int opened = openStream(ut::toNativePath(temp));
    if (opened != 0)
        close();
    return opened;
}

int CPIAFileIn::openText(const wchar_t* path)
{
    close();
    if (!path)
        return pia::kFileError;
    return openStream(ut::toNativePath(OdString(path)));
}

int CPIAFileIn::openStream(const std::string& nativePath)
{
    // A regular file only: a folder would read as an empty text, a pipe or device block.
    ut::FileRead problem;
    m_text = ut::openRegularFile(nativePath, problem);
    if (!m_text) {
        errno = problem.error;
        return pia::kFileError;
    }
    struct stat st;
    m_textSize = fstat(fileno(m_text), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    m_utf8 = detectUtf8();
    if (std::fseek(m_text, 0, SEEK_SET) != 0)
        return pia::kFileError;
    m_pos = m_end = 0;
    return pia::kOk;
}

// UTF-8 unless the converter rejects the payload with "no Unicode translation". Checked in
// chunks so that the payload never sits in memory whole.
bool CPIAFileIn::detectUtf8()
{
    std::vector<char> chunk(kBufferSize + 4);
    std::size_t carry = 0;
    for (;;) {
        const std::size_t got = std::fread(chunk.data() + carry, 1, kBufferSize, m_text);
        const std::size_t have = carry + got;
        if (got == 0)
            break;
        const std::size_t tail = incompleteUtf8Tail(chunk.data(), have);
        const std::size_t check = have - tail;
        if (check > 0 &&
            MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, chunk.data(), static_cast<int>(check),
                                static_cast<wchar_t*>(nullptr), 0) == 0 &&
            ut::sysErrorCode() == ERROR_NO_UNICODE_TRANSLATION)
            return false;
        std::memmove(chunk.data(), chunk.data() + check, tail);
        carry = tail;
    }
    return carry == 0; // a sequence cut off by the end of the text is not UTF-8
}

int CPIAFileIn::nextByte()
{
    if (!m_pushback.empty()) {
        const unsigned char c = static_cast<unsigned char>(m_pushback.back());
        m_pushback.pop_back();
        return c;
    }
    if (m_pos == m_end) {
        if (!m_text)
            return EOF;
        m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_text);
        m_pos = 0;
        if (m_end == 0)
            return EOF;
    }
    return static_cast<unsigned char>(m_buffer[m_pos++]);
}

void CPIAFileIn::unread(const char* bytes, std::size_t n)
{
    while (n)
        m_pushback.push_back(bytes[--n]);
}

std::uint64_t CPIAFileIn::bytesLeft() const
{
    if (!m_text)
        return 0;
    const long pos = std::ftell(m_text);
    if (pos < 0)
        return 0;
    const std::uint64_t consumed = static_cast<std::uint64_t>(pos) - (m_end - m_pos) - m_pushback.size();
    return consumed < m_textSize ? m_textSize - consumed : 0;
}

std::size_t CPIAFileIn::readRaw(char* buffer, std::size_t size)
{
    std::size_t n = 0;
    while (n < size) {
        const int c = nextByte();
        if (c == EOF)
            break;
        buffer[n++] = static_cast<char>(c);
    }
    return n;
}

const wchar_t* CPIAFileIn::readLine()
{
    if (!m_text)
        return nullptr;
    m_bytes.clear();
    const long lineNumber = m_newlines + 1;
    while (m_bytes.size() < pia::kReadBytes) {
        // Plain bytes are copied in bulk up to the next CR or LF.
        if (m_pushback.empty() && m_pos < m_end) {
            const char* p = m_buffer.data() + m_pos;
            const std::size_t n = std::min(pia::kReadBytes - m_bytes.size(), m_end - m_pos);
            std::size_t k = 0;
            while (k < n && p[k] != '\n' && p[k] != '\r')
                ++k;
            m_bytes.append(p, k);
            m_pos += k;
            if (k == n)
                continue;
        }
        int c = nextByte();
        if (c == EOF)
            break;
        if (c == '\r') {
            const int next = nextByte();
            if (next == '\n')
                c = '\n';
            else if (next != EOF)
                m_pushback.push_back(static_cast<char>(next));
        }
        m_bytes.push_back(static_cast<char>(c));
        if (c == '\n') {
            ++m_newlines;
            break;
        }
    }
    if (m_bytes.empty())
        return nullptr;
    m_lineNumber = static_cast<int>(lineNumber);
    // A full read that cut a UTF-8 character in two leaves its start for the next read.
    if (m_utf8 && m_bytes.size() == pia::kReadBytes && m_bytes.back() != '\n') {
        const std::size_t tail = incompleteUtf8Tail(m_bytes.data(), m_bytes.size());
        if (tail && tail < m_bytes.size()) {
            unread(m_bytes.data() + m_bytes.size() - tail, tail);
            m_bytes.resize(m_bytes.size() - tail);
        }
    }
    // The line is a C string to the converter: it ends at the first NUL (real files end
    // their payload with one).
    const std::size_t len = std::strlen(m_bytes.c_str());
    m_line[0] = L'\0';
    if (len > 0) {
        const int n = MultiByteToWideChar(m_utf8 ? CP_UTF8 : CP_ACP, 0, m_bytes.c_str(), static_cast<int>(len),
                                          m_line, static_cast<int>(pia::kLineChars - 1));
        if (n > 0) {
            m_line[n] = L'\0';
        } else {
            const OdString fallback(m_bytes.c_str(), CP_ANSI_1252);
            ut::safe_tcsncpy(m_line, fallback.c_str(), pia::kLineChars);
        }
    }
    const std::size_t chars = std::wcslen(m_line);
    if (chars && m_line[chars - 1] == L'\n')
        m_line[chars - 1] = L'\0';
    return m_line;
}
