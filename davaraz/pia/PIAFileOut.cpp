// CPIAFileOut: tree to payload text, compression, header and the safe replacement of the target.
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAHeader.h"
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/SafeWrite.h"
#include "platform/tvutils/StringUtils.h"
#include "platform/win32/codepage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

CPIAFileOut::~CPIAFileOut() { reset(); }

void CPIAFileOut::reset()
{
    m_status = 0;
    if (m_streaming)
        deflateEnd(this);
    m_streaming = false;
    m_pending.clear();
    m_compressed.clear();
    m_compressed.shrink_to_fit();
    m_uncompressedSize = 0;
}

bool CPIAFileOut::startStream()
{
    if (m_streaming)
        deflateEnd(this);
    m_streaming = false;
    std::memset(static_cast<z_stream*>(this), 0, sizeof(z_stream));
    if (doDeflateInit(6) != Z_OK) {
        m_status = pia::kFileError;
        return false;
    }
    m_streaming = true;
    m_pending.clear();
    m_compressed.clear();
    m_uncompressedSize = 0;
    m_depth = 0;
    m_highBytes = false;
    m_utf8Pending = 0;
    return true;
}

bool CPIAFileOut::write(const CPBlock* root, const wchar_t* path)
{
    if (!root)
        return false;
    m_lineTooLong = m_lossy = m_unrepresentable = m_utf8 = m_misread = false;
    m_targetError = 0;
    reset();
    if (!path || !*path) {
        m_status = pia::kFileError;
        return false;
    }
    if (startStream())
        writeBlock(*root);
    // Readers take a payload that is valid UTF-8 for UTF-8: ANSI bytes that happen to be (as
    // "\xC3\x9C" for "\u00C3\u0153" in 1252 is) would read back as other text.
    m_misread = m_status == 0 && !m_lossy && m_highBytes && m_utf8Pending == 0;
    if (m_misread && m_strictEncoding) {
        m_lossy = true;
        m_status = pia::kFileError;
    }
    if (m_status == 0 && (m_lossy || m_misread) && !m_strictEncoding) {
        // The ANSI code page lacks a character, or its bytes would be misread: the payload goes
        // as UTF-8, which readers recognise, rather than with question marks.
        m_utf8 = true;
        m_lossy = false;
        if (startStream())
            writeBlock(*root);
    }
    const int failed = finish(path);
    reset();
    m_status = failed;
    return failed == 0;
}

void CPIAFileOut::emit(const char* bytes, std::size_t n, bool flush)
{
    m_uncompressedSize += n;
    m_pending.append(bytes, n);
    if (m_pending.size() >= kChunk || flush)
        deflatePending(flush);
}

void CPIAFileOut::deflatePending(bool flush)
{
    next_in = reinterpret_cast<Bytef*>(&m_pending[0]);
    avail_in = static_cast<uInt>(m_pending.size());
    int rc = Z_OK;
    do {
        const std::size_t have = m_compressed.size();
        m_compressed.resize(have + kChunk);
        next_out = reinterpret_cast<Bytef*>(&m_compressed[have]);
        avail_out = static_cast<uInt>(kChunk);
        rc = deflate(this, flush ? Z_FINISH : Z_NO_FLUSH);
        m_compressed.resize(have + kChunk - avail_out);
    } while (rc == Z_OK && (flush || avail_in > 0 || avail_out == 0));
    m_pending.clear();
    if (rc != (flush ? Z_STREAM_END : Z_OK))
        m_status = rc == Z_OK ? pia::kFileError : rc;
}

bool CPIAFileOut::appendAscii(int indent, std::wstring_view key, std::string_view sep, std::wstring_view text)
{
    const std::size_t n = static_cast<std::size_t>(indent) + key.size() + sep.size() + text.size();
    if (m_status != 0 || !m_streaming || n > pia::kReadBytes)
        return false; // the general path reports it
    const std::size_t at = m_pending.size();
    m_pending.resize(at + n + 1);
    char* out = std::fill_n(&m_pending[at], indent, ' ');
    wchar_t seen = 0; // every character ORed: any bit above 0x7F means not ASCII
    for (const wchar_t c : key) {
        seen |= c;
        *out++ = static_cast<char>(c);
    }
    out = std::copy(sep.begin(), sep.end(), out);
    for (const wchar_t c : text) {
        seen |= c;
        *out++ = static_cast<char>(c);
    }
    *out = '\n';
    if ((static_cast<std::uint32_t>(seen) & ~std::uint32_t(0x7F)) != 0) {
        m_pending.resize(at);
        return false;
    }
    if (m_utf8Pending > 0)
        m_utf8Pending = -1; // ASCII where a UTF-8 sequence wanted its continuation
    m_uncompressedSize += n + 1;
    if (m_pending.size() >= kChunk)
        deflatePending(false);
    return true;
}

void CPIAFileOut::writeLine(int indent, std::wstring_view key, std::string_view sep, std::wstring_view text)
{
    // Nearly every line is ASCII: its bytes go straight into the payload.
    if (appendAscii(indent, key, sep, text))
        return;
    m_line.assign(static_cast<std::size_t>(indent), L' ').append(key).append(sep.begin(), sep.end()).append(text);
    writeBytes(m_line, true);
}

void CPIAFileOut::writeBlock(const CPBlock& block)
{
    const int outer = m_depth > 0 ? m_depth - 1 : 0;
    if (m_depth > 0)
        writeLine(outer, block.name(), "{");
    for (int i = 0; i < block.count() && m_status == 0; ++i) {
        const CPItem* child = block.item(i);
        if (!representable(*child))
            break;
        switch (child->kind()) {
        case PI_BIN:
            writeBinary(*static_cast<const CPBin*>(child));
            break;
        case PI_BLOCK:
            ++m_depth;
            writeBlock(*static_cast<const CPBlock*>(child));
            --m_depth;
            break;
        case PI_BOOL:
            writeLine(m_depth, child->name(), static_cast<const CPBool*>(child)->value() ? "=TRUE" : "=FALSE");
            break;
        case PI_STR:
            writeLine(m_depth, child->name(), "=\"", static_cast<const CPStr*>(child)->text());
            break;
        case PI_NUM:
            writeLine(m_depth, child->name(), "=", static_cast<const CPNum*>(child)->text());
            break;
        default:
            break;
        }
    }
    if (m_depth > 0)
        writeLine(outer, std::wstring_view(), "}");
}

bool CPIAFileOut::representable(const CPItem& item)
{
    // A line end or NUL splits or ends the line; '=' and '{' end a key, and a key has no blanks.
    // One pass per text: this runs for every item written.
    const auto lineBreaker = [](wchar_t c) { return c == L'\n' || c == L'\r' || c == L'\0'; };
    const std::wstring_view key = item.name();
    bool ok = std::none_of(key.begin(), key.end(), [&](wchar_t c) {
        return lineBreaker(c) || c == L'=' || c == L'{' || c == L' ' || c == L'\t';
    });
    if (item.kind() == PI_STR) {
        const std::wstring_view text = static_cast<const CPStr&>(item).text();
        ok = ok && std::none_of(text.begin(), text.end(), lineBreaker);
    } else if (item.kind() == PI_BIN) {
        static const std::wstring binaryBreakers(L"\n\r\0\\", 4);
        ok = ok && static_cast<const CPBin&>(item).data().findFirstOf(binaryBreakers) == std::wstring::npos;
    }
    if (!ok) {
        m_unrepresentable = true;
        m_status = pia::kFileError;
    }
    return ok;
}

void CPIAFileOut::writeBytes(const std::wstring& text, bool lineEnd)
{
    if (m_status != 0 || !m_streaming)
        return;
    bool lossy = false;
    // Plain ASCII is the same bytes in UTF-8 and every ANSI code page: no converter needed.
    const bool ascii = std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0 && c < 0x80; });
    OdAnsiString converted;
    if (ascii)
        m_bytes.assign(text.begin(), text.end());
    else
        converted = ut::convertToAnsi(OdString(text), m_utf8 ? CP_UTF8 : 0, &lossy);
    m_lossy = m_lossy || lossy;
    const std::string& s = ascii ? m_bytes : converted.str();
    if (lossy && m_strictEncoding) {
        m_status = pia::kFileError;
        return;
    }
    if (!m_utf8) {
        if (!ascii)
            followAsUtf8(s);
        else if (m_utf8Pending > 0)
            m_utf8Pending = -1;
        if (lineEnd && m_utf8Pending > 0)
            m_utf8Pending = -1;
    }
    // A reader takes 511 bytes at a time; a longer line would come back as two and break the
    // file, so it is refused rather than written. Binary pieces (no line end) are exempt.
    if (lineEnd && !m_binaryLine && s.size() > pia::kReadBytes) {
        m_lineTooLong = true;
        m_status = pia::kFileError;
        return;
    }
    emit(s.data(), s.size());
    if (lineEnd)
        emit("\n", 1);
}

void CPIAFileOut::followAsUtf8(const std::string& bytes)
{
    // Lead and continuation bytes only: a reader's stricter check refuses more, never less.
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (m_utf8Pending < 0)
            return;
        if (c < 0x80) {
            m_utf8Pending = m_utf8Pending > 0 ? -1 : 0;
            continue;
        }
        m_highBytes = true;
        if (c < 0xC0)
            m_utf8Pending = m_utf8Pending > 0 ? m_utf8Pending - 1 : -1;
        else if (m_utf8Pending > 0 || c >= 0xF8)
            m_utf8Pending = -1;
        else
            m_utf8Pending = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    }
}

void CPIAFileOut::writeBinary(const CPBin& bin)
{
    const BinText& text = bin.data();
    if (text.size() == 0 || m_status != 0)
        return; // an empty binary item does not reach the file
    std::wstring piece(static_cast<size_t>(m_depth), L' ');
    piece += bin.name();
    piece += L"=\\";
    size_t pos = 0;
    while (pos < text.size() && m_status == 0) {
        const size_t room = pia::kBinaryPiece > piece.size() ? pia::kBinaryPiece - piece.size() : 0;
        const size_t take = std::min(room, text.size() - pos);
        text.appendTo(piece, pos, take);
        pos += take;
        if (piece.size() >= pia::kBinaryPiece) {
            writeBytes(piece, false);
            piece.clear();
        }
    }
    piece += L"\\";
    m_binaryLine = true;
    writeBytes(piece, true);
    m_binaryLine = false;
}

int CPIAFileOut::finish(const wchar_t* path)
{
    if (m_status != 0)
        return m_status;
    emit(nullptr, 0, true);
    if (m_status != 0)
        return m_status;
    if (m_uncompressedSize > UINT32_MAX || m_compressed.size() > UINT32_MAX)
        return pia::kFileError; // the header's sizes are 32 bits
    return writeTarget(ut::toNativePath(ut::correctSlashes(path)));
}

int CPIAFileOut::writeTarget(const std::string& target)
{
    unsigned char header[pia::kHeaderSize];
    pia::encodeHeader(m_kind, static_cast<std::uint32_t>(m_uncompressedSize), m_compressed, header);

    // The old file survives any failure; links, mode, owner and group stay the user's.
    m_targetError = ut::replaceFile(target, {std::string_view(reinterpret_cast<const char*>(header), sizeof header),
                                             std::string_view(m_compressed)});
    return m_targetError == 0 ? 0 : pia::kFileError;
}
