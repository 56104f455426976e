// CPIAFileOut: tree to payload text, compression, header and the safe replacement of the target.
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAHeader.h"
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/SafeWrite.h"
#include "platform/tvutils/StringUtils.h"
#include "platform/win32/codepage.h"

#include <cstring>
#include <sys/stat.h>
#include <vector>

CPIAFileOut::~CPIAFileOut() { reset(); }

void CPIAFileOut::reset()
{
    m_status = 0;
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
    ut::removeFile(OdString(m_tempPath));
    m_tempPath.clear();
    m_uncompressedSize = m_compressedSize = 0;
}

bool CPIAFileOut::write(const CPBlock* root, const wchar_t* path)
{
    if (!root)
        return false;
    m_depth = 0;
    m_lineTooLong = m_lossy = m_unrepresentable = m_utf8 = false;
    m_targetError = 0;
    reset();
    if (!path || !*path) {
        m_status = pia::kFileError;
        return false;
    }
    const OdString temp = ut::FileName::createTempFileName(L"pia");
    if (temp.isEmpty()) {
        m_status = pia::kFileError;
    } else {
        m_tempPath = temp.str();
        m_file = std::fopen(ut::toNativePath(temp).c_str(), "wb");
        if (!m_file) {
            reset();
            m_status = pia::kFileError;
        }
    }
    writeBlock(*root);
    if (m_status == 0 && m_lossy && !m_strictEncoding && m_file) {
        // The ANSI code page lacks a character: the payload goes as UTF-8, which readers
        // recognise, rather than with question marks.
        m_file = std::freopen(nullptr, "wb", m_file);
        m_utf8 = true;
        m_lossy = false;
        m_depth = 0;
        if (m_file)
            writeBlock(*root);
        else
            m_status = pia::kFileError;
    }
    const int rc = finish(path);
    const int failed = rc;
    reset();
    m_status = failed;
    return failed == 0;
}

void CPIAFileOut::writeBlock(const CPBlock& block)
{
    const std::wstring indentOuter(m_depth > 0 ? static_cast<size_t>(m_depth - 1) : 0, L' ');
    if (m_depth > 0)
        writeLine(indentOuter + block.name() + L"{");
    const std::wstring indent(static_cast<size_t>(m_depth), L' ');
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
            writeLine(indent + child->name() + L"=" + (static_cast<const CPBool*>(child)->value() ? L"TRUE" : L"FALSE"));
            break;
        case PI_STR:
            writeLine(indent + child->name() + L"=\"" + static_cast<const CPStr*>(child)->text());
            break;
        case PI_NUM:
            writeLine(indent + child->name() + L"=" + static_cast<const CPNum*>(child)->text());
            break;
        default:
            break;
        }
    }
    if (m_depth > 0)
        writeLine(indentOuter + L"}");
}

bool CPIAFileOut::representable(const CPItem& item)
{
    // A line end or NUL splits or ends the line; '=' and '{' end a key, and a key has no blanks.
    static const std::wstring lineBreakers(L"\n\r\0", 3);
    const std::wstring& key = item.name();
    bool ok = key.find_first_of(lineBreakers) == std::wstring::npos && key.find_first_of(L"={ \t") == std::wstring::npos;
    if (item.kind() == PI_STR)
        ok = ok && static_cast<const CPStr&>(item).text().find_first_of(lineBreakers) == std::wstring::npos;
    else if (item.kind() == PI_BIN)
        ok = ok && static_cast<const CPBin&>(item).text().find_first_of(lineBreakers + L"\\") == std::wstring::npos;
    if (!ok) {
        m_unrepresentable = true;
        m_status = pia::kFileError;
    }
    return ok;
}

void CPIAFileOut::writeBytes(const std::wstring& text, bool lineEnd)
{
    if (m_status != 0 || !m_file)
        return;
    bool lossy = false;
    const OdAnsiString bytes = ut::convertToAnsi(OdString(text), m_utf8 ? CP_UTF8 : 0, &lossy);
    m_lossy = m_lossy || lossy;
    const std::string& s = bytes.str();
    if (lossy && m_strictEncoding) {
        m_status = pia::kFileError;
        return;
    }
    // A reader takes 511 bytes at a time; a longer line would come back as two and break the
    // file, so it is refused rather than written. Binary pieces (no line end) are exempt.
    if (lineEnd && !m_binaryLine && s.size() > pia::kReadBytes) {
        m_lineTooLong = true;
        m_status = pia::kFileError;
        return;
    }
    if (std::fwrite(s.data(), 1, s.size(), m_file) != s.size() || (lineEnd && std::fputc('\n', m_file) == EOF))
        m_status = pia::kFileError;
}

void CPIAFileOut::writeLine(const std::wstring& line)
{
    writeBytes(line, true);
}

void CPIAFileOut::writeBinary(const CPBin& bin)
{
    const std::wstring& text = bin.text();
    if (text.empty() || m_status != 0)
        return; // an empty binary item does not reach the file
    std::wstring piece(static_cast<size_t>(m_depth), L' ');
    piece += bin.name();
    piece += L"=\\";
    size_t pos = 0;
    while (pos < text.size() && m_status == 0) {
        const size_t room = pia::kBinaryPiece > piece.size() ? pia::kBinaryPiece - piece.size() : 0;
        const size_t take = std::min(room, text.size() - pos);
        piece.append(text, pos, take);
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
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    struct stat st;
    const std::string textPath = ut::toNativePath(OdString(m_tempPath));
    if (!closed || ::stat(textPath.c_str(), &st) != 0 || st.st_size > static_cast<off_t>(UINT32_MAX))
        return pia::kFileError;
    m_uncompressedSize = static_cast<std::uint32_t>(st.st_size);

    const OdString packed = ut::FileName::createTempFileName(L"pia");
    if (packed.isEmpty())
        return pia::kFileError;
    const int rc = compress(m_tempPath.c_str(), packed.c_str(), 6);
    ut::removeFile(OdString(m_tempPath));
    m_tempPath = packed.str();
    if (rc != 0)
        return rc;

    std::string compressed;
    {
        std::FILE* f = std::fopen(ut::toNativePath(packed).c_str(), "rb");
        if (!f)
            return pia::kFileError;
        struct stat cst;
        bool ok = fstat(fileno(f), &cst) == 0 && cst.st_size <= static_cast<off_t>(UINT32_MAX);
        if (ok) {
            compressed.resize(static_cast<size_t>(cst.st_size));
            ok = std::fread(&compressed[0], 1, compressed.size(), f) == compressed.size();
        }
        std::fclose(f);
        if (!ok)
            return pia::kFileError;
    }
    m_compressedSize = static_cast<std::uint32_t>(compressed.size());
    return writeTarget(ut::toNativePath(ut::correctSlashes(path)), compressed);
}

int CPIAFileOut::writeTarget(const std::string& target, const std::string& compressed)
{
    unsigned char header[pia::kHeaderSize];
    pia::encodeHeader(m_kind, m_uncompressedSize, compressed, header);

    // The old file survives any failure; links, mode, owner and group stay the user's.
    m_targetError = ut::replaceFile(target, {std::string_view(reinterpret_cast<const char*>(header), sizeof header),
                                             std::string_view(compressed)});
    return m_targetError == 0 ? 0 : pia::kFileError;
}
