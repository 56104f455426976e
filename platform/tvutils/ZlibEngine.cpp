// ZlibEngine: chunked deflate/inflate between files, with a ceiling on the inflated size.
#include "platform/tvutils/ZlibEngine.h"
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/ReadFile.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace {
constexpr size_t kChunk = 64 * 1024;

std::FILE* openFile(const wchar_t* path, const char* mode)
{
    if (!path || !*path)
        return nullptr;
    return std::fopen(ut::toNativePath(OdString(path)).c_str(), mode);
}

// Size of an open regular file, or -1 for anything else (directories open fine on Linux).
std::int64_t regularFileSize(std::FILE* f)
{
    struct stat st;
    if (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return st.st_size;
}
} // namespace

ZlibEngine::ZlibEngine()
{
    std::memset(static_cast<z_stream*>(this), 0, sizeof(z_stream));
}

ZlibEngine::~ZlibEngine() { closeFiles(); }

void ZlibEngine::closeFiles()
{
    if (m_source)
        std::fclose(m_source);
    if (m_target)
        std::fclose(m_target);
    m_source = m_target = nullptr;
}

// Opens the input (a regular file; its size becomes the input count) and the output, and
// resets the stream state.
int ZlibEngine::openFiles(const wchar_t* inPath, const wchar_t* outPath, std::int64_t& total)
{
    closeFiles();
    // A regular file only: a pipe or device could block the open or never end.
    ut::FileRead problem{0, "no file name"};
    m_source = inPath && *inPath ? ut::openRegularFile(ut::toNativePath(OdString(inPath)), problem) : nullptr;
    m_inputProblem = m_source ? std::string() : problem.why;
    total = m_source ? regularFileSize(m_source) : -1;
    if (total < 0) {
        closeFiles();
        return ZE_OPEN_INPUT;
    }
    m_remaining = total;
    m_target = openFile(outPath, "wb");
    if (!m_target) {
        closeFiles();
        return ZE_OPEN_OUTPUT;
    }
    std::memset(static_cast<z_stream*>(this), 0, sizeof(z_stream));
    return ZE_OK;
}

int ZlibEngine::doInflateInit() { return inflateInit(this); }
int ZlibEngine::doDeflateInit(int level) { return deflateInit(this, level); }
void ZlibEngine::progress(int) {}
void ZlibEngine::status(const wchar_t*) {}

int ZlibEngine::compress(const wchar_t* inPath, const wchar_t* outPath, int level)
{
    std::int64_t total = 0;
    int rc = openFiles(inPath, outPath, total);
    if (rc != ZE_OK)
        return rc;
    rc = doDeflateInit(level);
    if (rc != Z_OK) {
        closeFiles();
        return rc;
    }
    status(L"compressing");
    std::vector<unsigned char> in(kChunk), out(kChunk);
    int flush = Z_NO_FLUSH;
    do {
        const size_t got = std::fread(in.data(), 1, in.size(), m_source);
        if (std::ferror(m_source)) {
            rc = ZE_READ;
            break;
        }
        m_remaining -= static_cast<std::int64_t>(got);
        flush = std::feof(m_source) ? Z_FINISH : Z_NO_FLUSH;
        next_in = in.data();
        avail_in = static_cast<uInt>(got);
        do {
            next_out = out.data();
            avail_out = static_cast<uInt>(out.size());
            deflate(this, flush);
            const size_t have = out.size() - avail_out;
            if (std::fwrite(out.data(), 1, have, m_target) != have) {
                rc = ZE_WRITE;
                break;
            }
        } while (avail_out == 0);
        if (rc != Z_OK)
            break;
        if (total > 0)
            progress(static_cast<int>(100 * (total - m_remaining) / total));
    } while (flush != Z_FINISH);
    deflateEnd(this);
    if (std::fclose(m_target) != 0 && rc == Z_OK)
        rc = ZE_WRITE;
    m_target = nullptr;
    closeFiles();
    return rc;
}

int ZlibEngine::decompress(const wchar_t* inPath, const wchar_t* outPath)
{
    std::int64_t total = 0;
    int rc = openFiles(inPath, outPath, total);
    if (rc != ZE_OK)
        return rc;
    rc = doInflateInit();
    if (rc != Z_OK) {
        closeFiles();
        return rc;
    }
    status(L"decompressing");
    std::vector<unsigned char> out(kChunk);
    std::uint64_t produced = 0;
    for (int zrc = Z_OK; zrc == Z_OK;) {
        std::size_t have = 0;
        zrc = inflateSome(out.data(), out.size(), have);
        if (zrc != Z_OK && zrc != Z_STREAM_END) {
            rc = zrc;
            break;
        }
        produced += have;
        if (produced > m_maxOutput) {
            rc = ZE_TOO_LARGE;
            break;
        }
        if (std::fwrite(out.data(), 1, have, m_target) != have) {
            rc = ZE_WRITE;
            break;
        }
        if (total > 0)
            progress(static_cast<int>(100 * (total - m_remaining) / total));
    }
    inflateEnd(this);
    if (std::fclose(m_target) != 0 && rc == Z_OK)
        rc = ZE_WRITE;
    m_target = nullptr;
    closeFiles();
    return rc;
}

namespace {

// zlib says only "incorrect header check"; what arrives instead of a zlib stream is named.
int headerFault(const unsigned char* b)
{
    if (b[0] == 0x1F && b[1] == 0x8B)
        return ZlibEngine::ZE_GZIP;
    const bool zlib = (b[0] & 0x0F) == Z_DEFLATED && (b[0] >> 4) <= 7 && ((b[0] << 8) | b[1]) % 31 == 0;
    return zlib ? ZlibEngine::ZE_OK : ZlibEngine::ZE_NOT_ZLIB;
}

} // namespace

int ZlibEngine::inflateSome(unsigned char* out, std::size_t size, std::size_t& got)
{
    next_out = out;
    avail_out = static_cast<uInt>(size);
    int rc = Z_OK;
    while (avail_out > 0 && rc == Z_OK) {
        if (avail_in == 0) {
            if (m_remaining <= 0) {
                rc = ZE_TRUNCATED;
                break;
            }
            if (!m_input)
                m_input.reset(new unsigned char[kChunk]); // not zero-filled: fread fills what is used
            const size_t want = static_cast<size_t>(std::min<std::int64_t>(m_remaining, kChunk));
            const size_t read = std::fread(m_input.get(), 1, want, m_source);
            if (read == 0) {
                rc = ZE_READ;
                break;
            }
            m_remaining -= static_cast<std::int64_t>(read);
            next_in = m_input.get();
            avail_in = static_cast<uInt>(read);
        }
        if (total_in == 0 && avail_in >= 2 && (rc = headerFault(next_in)) != ZE_OK)
            break;
        rc = inflate(this, Z_NO_FLUSH);
        if (rc == Z_NEED_DICT)
            rc = Z_DATA_ERROR;
        else if (rc == Z_BUF_ERROR)
            rc = Z_OK; // no progress without more input: read some
    }
    got = size - avail_out;
    return rc;
}

const char* ZlibEngine::errorText(int code)
{
    switch (code) {
    case ZE_OK:
        return "success";
    case ZE_OPEN_INPUT:
        return "cannot open the input file (missing, unreadable or not a regular file)";
    case ZE_OPEN_OUTPUT:
        return "cannot create the output file";
    case ZE_READ:
        return "read error";
    case ZE_WRITE:
        return "write error (disk full or file size limit)";
    case ZE_TRUNCATED:
        return "compressed data is truncated";
    case ZE_TOO_LARGE:
        return "decompressed data exceeds the payload limit";
    case ZE_GZIP:
        return "compressed data is a gzip stream, not zlib";
    case ZE_NOT_ZLIB:
        return "compressed data has no zlib header";
    case Z_DATA_ERROR:
        return "compressed data is corrupt";
    case Z_MEM_ERROR:
        return "out of memory";
    case Z_STREAM_ERROR:
        return "invalid compression parameters";
    case Z_VERSION_ERROR:
        return "zlib version mismatch";
    }
    return "unknown error";
}
