// Helpers of the PIA tests: an independent writer and reader of the container (zlib directly,
// not the library), an item that counts its deaths; trees as text: support/SectionText.h.
#pragma once
#include "davaraz/pia/PItem.h"
#include "TestUtil.h"

#include <cstdint>
#include <string>
#include <zlib.h>

namespace piatest {

// A string item that counts its own deaths: who frees what, and once.
struct Counted : CPStr {
    Counted(std::wstring_view name, int* counter) : CPStr(name, L""), n(counter) {}
    ~Counted() override { ++*n; }
    int* n;
};

inline void putLe32(std::string& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<char>(v >> (8 * i)));
}

// A PIA file around a payload text: version line for the kind letters, codec, checksum (Adler-32
// started at 0 over the sizes and the stream), sizes, zlib stream at level 6.
inline std::string pack(const std::string& payload, const char* letters)
{
    uLongf bound = compressBound(static_cast<uLong>(payload.size()));
    std::string z(bound, '\0');
    compress2(reinterpret_cast<Bytef*>(&z[0]), &bound, reinterpret_cast<const Bytef*>(payload.data()),
              static_cast<uLong>(payload.size()), 6);
    z.resize(bound);
    std::string sizes;
    putLe32(sizes, static_cast<std::uint32_t>(payload.size()));
    putLe32(sizes, static_cast<std::uint32_t>(z.size()));
    uLong sum = adler32(0L, reinterpret_cast<const Bytef*>(sizes.data()), 8);
    sum = adler32(sum, reinterpret_cast<const Bytef*>(z.data()), static_cast<uInt>(z.size()));
    std::string out = std::string("PIAFILEVERSION_2.0,") + letters + "VER1,compress\r\npmzlibcodec";
    putLe32(out, static_cast<std::uint32_t>(sum));
    return out + sizes + z;
}

// The payload of a PIA file, inflated with zlib alone from byte 60 to the end; ok=false when it
// does not inflate whole.
inline std::string payload(const std::string& file, bool* ok = nullptr)
{
    std::string out;
    z_stream zs{};
    bool whole = file.size() >= 60 && inflateInit(&zs) == Z_OK;
    if (whole) {
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(file.data() + 60));
        zs.avail_in = static_cast<uInt>(file.size() - 60);
        char buf[16384];
        int rc;
        do {
            zs.next_out = reinterpret_cast<Bytef*>(buf);
            zs.avail_out = sizeof buf;
            rc = inflate(&zs, Z_NO_FLUSH);
            out.append(buf, sizeof buf - zs.avail_out);
        } while (rc == Z_OK);
        whole = rc == Z_STREAM_END && zs.avail_in == 0;
        inflateEnd(&zs);
    }
    if (ok)
        *ok = whole;
    return out;
}

} // namespace piatest
