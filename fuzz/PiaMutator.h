// A libFuzzer custom mutator that keeps PIA files valid containers, so that mutations reach the
// payload readers instead of dying in inflate: the payload is inflated, mutated as text and
// deflated again behind the same version and codec, with fresh sizes and checksum. One
// mutation in eight works on the raw bytes, so header and stream faults stay covered.
#pragma once
#include "davaraz/pia/PIAFile.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace fuzzpia {

constexpr std::size_t kChecksumAt = 48;
constexpr std::size_t kSizesAt = 52;
constexpr uLong kMaxPayload = 1 << 20;

inline void putLE32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::size_t mutate(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed)
{
    const std::size_t header = pia::kHeaderSize;
    static std::vector<Bytef> payload(kMaxPayload), stream; // reused: one fuzzing thread
    uLongf length = kMaxPayload;
    if (seed % 8 == 0 || size <= header ||
        uncompress(payload.data(), &length, data + header, static_cast<uLong>(size - header)) != Z_OK)
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::size_t mutated = LLVMFuzzerMutate(payload.data(), length, payload.size());
    stream.resize(compressBound(static_cast<uLong>(mutated)));
    uLongf streamSize = static_cast<uLongf>(stream.size());
    if (compress2(stream.data(), &streamSize, payload.data(), static_cast<uLong>(mutated), 1) != Z_OK ||
        header + streamSize > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    putLE32(data + kSizesAt, static_cast<std::uint32_t>(mutated));
    putLE32(data + kSizesAt + 4, static_cast<std::uint32_t>(streamSize));
    std::memcpy(data + header, stream.data(), streamSize);
    // This system's checksum: Adler-32 started at 0 over the sizes, then the stream.
    uLong sum = adler32(0L, data + kSizesAt, 8);
    sum = adler32(sum, data + header, static_cast<uInt>(streamSize));
    putLE32(data + kChecksumAt, static_cast<std::uint32_t>(sum));
    return header + streamSize;
}

} // namespace fuzzpia

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed)
{
    return fuzzpia::mutate(data, size, maxSize, seed);
}
