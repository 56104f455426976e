// Encoding, decoding and inspecting the PIA header.
#include "davaraz/pia/PIAHeader.h"
#include "platform/tvutils/ReadFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>
#include <zlib.h>

namespace pia {
namespace {

constexpr std::size_t kChecksumAt = 48;
constexpr std::size_t kSizesAt = 52;

void putLE32(unsigned char* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

} // namespace

void encodeHeader(int kind, std::uint32_t uncompressedSize, const std::string& stream,
                  unsigned char (&out)[kHeaderSize])
{
    std::string version = kVersionLine;
    if (kind == PIA_STB)
        version.replace(version.find("CTB"), 3, "STB");
    else if (kind == PIA_PC3)
        version.replace(version.find("CTB"), 3, "PC3");
    std::memcpy(out, version.data(), kVersionLength);
    out[35] = 0x0D;
    out[36] = 0x0A;
    std::memcpy(out + 37, kCodec, 11);
    putLE32(out + kSizesAt, uncompressedSize);
    putLE32(out + kSizesAt + 4, static_cast<std::uint32_t>(stream.size()));
    uLong sum = adler32(0L, out + kSizesAt, 8);
    sum = adler32(sum, reinterpret_cast<const Bytef*>(stream.data()), static_cast<uInt>(stream.size()));
    putLE32(out + kChecksumAt, static_cast<std::uint32_t>(sum));
}

Header decodeHeader(const unsigned char (&bytes)[kHeaderSize])
{
    Header h;
    h.version.assign(reinterpret_cast<const char*>(bytes), kVersionLength);
    h.codec.assign(reinterpret_cast<const char*>(bytes) + 37, 11);
    h.checksum = le32(bytes + kChecksumAt);
    h.uncompressedSize = le32(bytes + kSizesAt);
    h.compressedSize = le32(bytes + kSizesAt + 4);
    return h;
}

Inspection inspect(const std::string& nativePath)
{
    Inspection r;
    ut::FileRead problem;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(ut::openRegularFile(nativePath, problem), std::fclose);
    if (!f) {
        r.fault = Inspection::cannotOpen;
        r.error = problem.error;
        r.why = problem.why;
        return r;
    }
    unsigned char bytes[kHeaderSize];
    if (std::fread(bytes, 1, sizeof bytes, f.get()) != sizeof bytes) {
        r.fault = Inspection::shortHeader;
        return r;
    }
    r.header = decodeHeader(bytes);
    uLong zeroBased = adler32(0L, bytes + kSizesAt, 8);
    uLong standard = adler32(adler32(0L, nullptr, 0), bytes + kSizesAt, 8);
    std::vector<unsigned char> buf(64 * 1024);
    for (std::size_t got; (got = std::fread(buf.data(), 1, buf.size(), f.get())) > 0;) {
        zeroBased = adler32(zeroBased, buf.data(), static_cast<uInt>(got));
        standard = adler32(standard, buf.data(), static_cast<uInt>(got));
        r.streamSize += got;
    }
    r.zeroBasedSum = static_cast<std::uint32_t>(zeroBased);
    r.standardSum = static_cast<std::uint32_t>(standard);
    return r;
}

} // namespace pia
