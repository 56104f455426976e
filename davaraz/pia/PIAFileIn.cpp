// CPIAFileIn: the payload inflated in chunks straight into line reading as Windows text mode
// does it (CR LF read as LF), 511 bytes at most per line.
#include "davaraz/pia/PIAFileIn.h"
#include "platform/od/OdString.h"
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/ReadFile.h"
#include "platform/tvutils/StringUtils.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/stat.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
// Texts up to this size are inflated once; larger ones twice, so memory stays bounded.
constexpr std::size_t kKeepLimit = 256 * 1024;

// True when every byte is below 0x80, eight at a time.
bool plainAscii(const char* s, std::size_t n)
{
    std::uint64_t high = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s + i, 8);
        high |= word;
    }
    for (; i < n; ++i)
        high |= static_cast<unsigned char>(s[i]);
    return (high & 0x8080808080808080ull) == 0;
}

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

// False when the converter rejects the bytes with "no Unicode translation".
bool convertsAsUtf8(const char* s, std::size_t n)
{
    return plainAscii(s, n) ||
           MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, s, static_cast<int>(n), static_cast<wchar_t*>(nullptr),
                               0) != 0 ||
           ut::sysErrorCode() != ERROR_NO_UNICODE_TRANSLATION;
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

CPIAFileIn::CPIAFileIn() : m_buffer(new char[kBufferSize + 4]), m_chunk(m_buffer.get()) { m_line[0] = L'\0'; }

CPIAFileIn::~CPIAFileIn() { close(); }

void CPIAFileIn::close()
{
    if (m_inflating)
        inflateEnd(this);
    if (m_source)
        std::fclose(m_source);
    m_source = nullptr;
    m_inflating = m_done = false;
    m_fault = 0;
    m_textSize = m_loaded = 0;
    m_kept.clear();
    m_keptWhole = false;
    m_chunk = m_buffer.get();
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

// A regular file only: a folder would read as an empty text, a pipe or device block.
int CPIAFileIn::openSource(const std::string& nativePath)
{
    ut::FileRead problem;
    m_source = ut::openRegularFile(nativePath, problem);
    setInputProblem(problem.why);
    struct stat st;
    if (!m_source || fstat(fileno(m_source), &st) != 0) {
        errno = problem.error;
        close();
        return ZE_OPEN_INPUT;
    }
    m_sourceSize = m_remaining = st.st_size;
    // Reads are whole chunks already; without stdio's buffer the second pass reads the file
    // again rather than what the first pass left in memory.
    std::setvbuf(m_source, nullptr, _IONBF, 0);
    return ZE_OK;
}

int CPIAFileIn::open(const wchar_t* path)
{
    close();
    int rc = openSource(ut::toNativePath(OdString(path ? path : L"")));
    if (rc != ZE_OK)
        return rc;
    std::memset(static_cast<z_stream*>(this), 0, sizeof(z_stream));
    rc = doInflateInit();
    if (rc != Z_OK) {
        close();
        return rc;
    }
    m_inflating = true;
    status(L"decompressing");
    rc = scan();
    if (rc == ZE_OK)
        rc = rewind();
    if (rc != ZE_OK)
        close(); // a stream that does not inflate whole is refused before any line is read
    return rc;
}

int CPIAFileIn::openText(const wchar_t* path)
{
    close();
    if (!path)
        return pia::kFileError;
    const int rc = openSource(ut::toNativePath(OdString(path)));
    if (rc != ZE_OK)
        return pia::kFileError;
    if (scan() != ZE_OK || rewind() != ZE_OK) {
        close();
        return pia::kFileError;
    }
    return pia::kOk;
}

// Bytes of the payload from the source: Z_OK while more may come, Z_STREAM_END at the end of
// the text (got may be above 0), or the failure.
int CPIAFileIn::pull(char* out, std::size_t size, std::size_t& got)
{
    got = 0;
    if (!m_inflating) {
        got = std::fread(out, 1, size, m_source);
        return got > 0 ? Z_OK : std::ferror(m_source) ? ZE_READ : Z_STREAM_END;
    }
    return inflateSome(reinterpret_cast<unsigned char*>(out), size, got);
}

// The first pass: the whole stream must inflate, within the payload limit; its size, its
// checksum and whether it is UTF-8 (unless the converter rejects it with "no Unicode
// translation") are kept. The buffer's spare bytes carry a UTF-8 sequence cut by a chunk end.
int CPIAFileIn::scan()
{
    m_utf8 = true;
    m_textSize = 0;
    m_kept.clear();
    bool keep = true;
    std::size_t carry = 0;
    for (int rc = Z_OK; rc == Z_OK;) {
        std::size_t got = 0;
        rc = pull(m_buffer.get() + carry, kBufferSize, got);
        if (rc != Z_OK && rc != Z_STREAM_END)
            return rc;
        m_textSize += got;
        if (m_textSize > maxOutput())
            return ZE_TOO_LARGE;
        keep = keep && m_textSize <= kKeepLimit;
        if (keep)
            m_kept.append(m_buffer.get() + carry, got);
        else
            std::string().swap(m_kept);
        if (m_sourceSize > 0 && m_inflating)
            progress(static_cast<int>(100 * (m_sourceSize - m_remaining) / m_sourceSize));
        if (!m_utf8)
            continue;
        const std::size_t have = carry + got;
        const std::size_t tail = incompleteUtf8Tail(m_buffer.get(), have);
        m_utf8 = convertsAsUtf8(m_buffer.get(), have - tail);
        std::memmove(m_buffer.get(), m_buffer.get() + have - tail, tail);
        carry = tail;
    }
    if (carry != 0)
        m_utf8 = false; // a sequence cut off by the end of the text is not UTF-8
    m_checksum = adler;
    m_keptWhole = keep;
    return ZE_OK;
}

// Back to the start of the text for the second pass.
int CPIAFileIn::rewind()
{
    m_done = false;
    m_loaded = 0;
    m_pos = m_end = 0;
    if (m_keptWhole)
        return ZE_OK;
    const long start = m_inflating ? static_cast<long>(pia::kHeaderSize) : 0;
    if (std::fseek(m_source, start, SEEK_SET) != 0)
        return pia::kFileError;
    m_remaining = m_sourceSize - start;
    if (m_inflating) {
        avail_in = 0;
        if (inflateReset(this) != Z_OK)
            return Z_STREAM_ERROR;
    }
    return ZE_OK;
}

// The next chunk of the second pass into the buffer; 0 at the end. A source that no longer
// reads as it did in the first pass ends the text and leaves its fault.
std::size_t CPIAFileIn::fill()
{
    m_pos = m_end = 0;
    if (!m_source || m_done)
        return 0;
    if (m_keptWhole) {
        m_done = true;
        m_chunk = m_kept.data();
        m_loaded = m_end = m_kept.size();
        return m_end;
    }
    m_chunk = m_buffer.get();
    std::size_t got = 0;
    const int rc = pull(m_buffer.get(), kBufferSize, got);
    if (rc != Z_OK) {
        m_done = true;
        if (rc != Z_STREAM_END)
            m_fault = rc;
        else if (m_loaded + got != m_textSize || (m_inflating && adler != m_checksum))
            m_fault = Z_DATA_ERROR;
        if (m_fault != 0)
            return 0;
    }
    m_loaded += got;
    m_end = got;
    return got;
}

int CPIAFileIn::nextByte()
{
    if (!m_pushback.empty()) {
        const unsigned char c = static_cast<unsigned char>(m_pushback.back());
        m_pushback.pop_back();
        return c;
    }
    if (m_pos == m_end && fill() == 0)
        return EOF;
    return static_cast<unsigned char>(m_chunk[m_pos++]);
}

void CPIAFileIn::unread(const char* bytes, std::size_t n)
{
    while (n)
        m_pushback.push_back(bytes[--n]);
}

std::uint64_t CPIAFileIn::bytesLeft() const
{
    const std::uint64_t consumed = m_loaded - (m_end - m_pos) - m_pushback.size();
    return consumed < m_textSize ? m_textSize - consumed : 0;
}

std::size_t CPIAFileIn::readRaw(char* buffer, std::size_t size)
{
    std::size_t n = 0;
    while (n < size && !m_pushback.empty())
        buffer[n++] = static_cast<char>(nextByte());
    while (n < size && (m_pos < m_end || fill() > 0)) {
        const std::size_t k = std::min(size - n, m_end - m_pos);
        std::memcpy(buffer + n, m_chunk + m_pos, k);
        m_pos += k;
        n += k;
    }
    return n;
}

// The next line's bytes into m_bytes, its line feed kept; false at the end.
bool CPIAFileIn::nextLineBytes()
{
    if (!m_source)
        return false;
    m_bytes.clear();
    const long lineNumber = m_newlines + 1;
    while (m_bytes.size() < pia::kReadBytes) {
        // Plain bytes are copied in bulk up to the next CR or LF.
        if (m_pushback.empty() && m_pos < m_end) {
            const char* p = m_chunk + m_pos;
            const std::size_t n = std::min(pia::kReadBytes - m_bytes.size(), m_end - m_pos);
            const void* lf = std::memchr(p, '\n', n);
            const std::size_t beforeLf = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - p) : n;
            const void* cr = std::memchr(p, '\r', beforeLf);
            const std::size_t k = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - p) : beforeLf;
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
        return false;
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
    m_bytes.resize(std::strlen(m_bytes.c_str()));
    m_ascii = plainAscii(m_bytes.data(), m_bytes.size());
    return true;
}

const wchar_t* CPIAFileIn::readLine()
{
    if (!wholeAsciiLine() && !nextLineBytes())
        return nullptr;
    if (!m_lineReady)
        widenLine();
    m_lineReady = false;
    return m_line;
}

// The usual line: whole in the current chunk, ended by LF or CR LF, no other CR, plain ASCII,
// short enough for one read. It is widened straight from the chunk, as nextLineBytes and
// widenLine would give it; false (nothing consumed) sends any other line the long way.
bool CPIAFileIn::wholeAsciiLine()
{
    if (!m_pushback.empty() || m_pos >= m_end)
        return false;
    const char* p = m_chunk + m_pos;
    const std::size_t avail = std::min(m_end - m_pos, pia::kReadBytes + 1);
    const void* lf = std::memchr(p, '\n', avail);
    if (!lf)
        return false;
    const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - p);
    const std::size_t len = end > 0 && p[end - 1] == '\r' ? end - 1 : end;
    if (len + 1 > pia::kReadBytes || std::memchr(p, '\r', len))
        return false;
    // Eight bytes at a time while they hold neither a NUL nor a byte beyond ASCII (where SSE2
    // is; the loop below takes the rest, and everything elsewhere).
    std::size_t n = 0;
#if defined(__SSE2__)
    static_assert(sizeof(wchar_t) == 4, "bytes widen to 32-bit characters");
    const __m128i zero = _mm_setzero_si128();
    for (; n + 8 <= len; n += 8) {
        const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + n));
        if ((_mm_movemask_epi8(v) | _mm_movemask_epi8(_mm_cmpeq_epi8(v, zero))) & 0xFF)
            break;
        const __m128i wide = _mm_unpacklo_epi8(v, zero);
        auto* out = reinterpret_cast<__m128i*>(m_line + n);
        _mm_storeu_si128(out, _mm_unpacklo_epi16(wide, zero));
        _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(wide, zero));
    }
#endif
    unsigned char seen = 0;
    for (; n < len && p[n] != '\0'; ++n) { // a NUL ends the line's text
        seen |= static_cast<unsigned char>(p[n]);
        m_line[n] = static_cast<wchar_t>(static_cast<unsigned char>(p[n]));
    }
    if (seen & 0x80)
        return false;
    m_line[n] = L'\0';
    m_lineSize = n;
    m_pos += end + 1;
    m_lineNumber = static_cast<int>(++m_newlines);
    m_ascii = true;
    m_lineReady = true;
    return true;
}

bool CPIAFileIn::readLine(std::string_view& ascii, const wchar_t*& wide)
{
    wide = nullptr;
    ascii = std::string_view();
    if (!nextLineBytes())
        return false;
    if (m_ascii) {
        ascii = std::string_view(m_bytes);
        if (!ascii.empty() && ascii.back() == '\n')
            ascii.remove_suffix(1);
    } else {
        widenLine();
        wide = m_line;
    }
    return true;
}

void CPIAFileIn::widenLine()
{
    const std::size_t len = m_bytes.size();
    m_line[0] = L'\0';
    if (m_ascii) {
        // Plain ASCII is the same characters in UTF-8 and every ANSI code page.
        for (std::size_t i = 0; i < len; ++i)
            m_line[i] = static_cast<wchar_t>(static_cast<unsigned char>(m_bytes[i]));
        m_line[len] = L'\0';
    } else if (len > 0) {
        const int n = MultiByteToWideChar(m_utf8 ? CP_UTF8 : CP_ACP, 0, m_bytes.c_str(), static_cast<int>(len),
                                          m_line, static_cast<int>(pia::kLineChars - 1));
        if (n > 0) {
            m_line[n] = L'\0';
        } else {
            const OdString fallback(m_bytes.c_str(), CP_ANSI_1252);
            ut::safe_tcsncpy(m_line, fallback.c_str(), pia::kLineChars);
        }
    }
    std::size_t chars = m_ascii ? len : std::wcslen(m_line);
    if (chars && m_line[chars - 1] == L'\n')
        m_line[--chars] = L'\0';
    m_lineSize = chars;
}
