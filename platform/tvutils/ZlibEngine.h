// Whole-file zlib (RFC 1950) compression and decompression, streamed file to file in chunks.
// Derived classes hook the stream set-up; the PIA reader skips its header in doInflateInit.
#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <zlib.h>

class ZlibEngine : public z_stream {
public:
    // Results besides 0. Zlib's own codes (Z_DATA_ERROR, Z_MEM_ERROR, ...) pass through as they are.
    enum Error {
        ZE_OK = 0,
        ZE_OPEN_INPUT = -101,  // input missing, unreadable or not a regular file
        ZE_OPEN_OUTPUT = -102, // output not creatable
        ZE_READ = -103,        // short read from the input
        ZE_WRITE = -104,       // short write to the output (disk full, size limit)
        ZE_TRUNCATED = -105,   // the compressed stream ends before its end marker
        ZE_TOO_LARGE = -106,   // the output would exceed the payload limit
        ZE_GZIP = -107,        // a gzip stream where a zlib stream belongs
        ZE_NOT_ZLIB = -108,    // no zlib header (raw deflate, or no compressed data at all)
    };
    static constexpr std::uint64_t kDefaultMaxOutput = std::uint64_t(1) << 30; // 1 GiB

    ZlibEngine();
    virtual ~ZlibEngine();
    ZlibEngine(const ZlibEngine&) = delete;
    ZlibEngine& operator=(const ZlibEngine&) = delete;

    // Writes the zlib-format compression of inPath to outPath at the given level (0..9).
    int compress(const wchar_t* inPath, const wchar_t* outPath, int level);
    // Opens inPath, counts its bytes as input, calls doInflateInit(), then inflates that many
    // bytes from the input's current position into outPath.
    int decompress(const wchar_t* inPath, const wchar_t* outPath);

    // Upper bound of decompressed bytes; a hostile stream that inflates beyond it is refused.
    void setMaxOutput(std::uint64_t bytes) { m_maxOutput = bytes; }
    std::uint64_t maxOutput() const { return m_maxOutput; }

    static const char* errorText(int code);
    // After ZE_OPEN_INPUT: why the input could not be opened, in the system's words
    // ("No such file or directory", "is a folder", "is not a regular file ...").
    const std::string& inputProblem() const { return m_inputProblem; }

    // Hooks, in this slot order.
    virtual int doInflateInit();
    virtual int doDeflateInit(int level);
    virtual void progress(int percent);
    virtual void status(const wchar_t* message);

protected:
    void setInputProblem(const std::string& why) { m_inputProblem = why; }
    // Inflates from m_source (m_remaining bytes of it left) into out: Z_OK while more may come,
    // Z_STREAM_END at the end of the stream (got may be above 0), else the failure (ZE_TRUNCATED,
    // ZE_READ or zlib's code). The stream must have been set up by doInflateInit.
    int inflateSome(unsigned char* out, std::size_t size, std::size_t& got);

    std::FILE* m_source = nullptr;  // open during compress/decompress
    std::int64_t m_remaining = 0;   // input bytes still to be read

private:
    int openFiles(const wchar_t* inPath, const wchar_t* outPath, std::int64_t& total);
    void closeFiles();
    std::FILE* m_target = nullptr;
    std::unique_ptr<unsigned char[]> m_input; // compressed bytes read from m_source, not yet inflated
    std::uint64_t m_maxOutput = kDefaultMaxOutput;
    std::string m_inputProblem;
};
