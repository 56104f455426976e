// The 60-byte header of a PIA file (version line, codec, checksum, the two sizes), written by
// the container and inspected, checksum and all, by tools.
#pragma once
#include "davaraz/pia/PIAFile.h"

#include <cstdint>
#include <string>

namespace pia {

struct Header {
    std::string version; // the 35 bytes of the version line as stored
    std::string codec;   // the 11 bytes of the codec name as stored
    std::uint32_t checksum = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint32_t compressedSize = 0;
};

// The header of a new file of the kind; its checksum is the Adler-32 started at 0 over the two
// sizes and then the compressed stream.
void encodeHeader(int kind, std::uint32_t uncompressedSize, const std::string& stream,
                  unsigned char (&out)[kHeaderSize]);
Header decodeHeader(const unsigned char (&bytes)[kHeaderSize]);

// What a file's header says next to what its bytes are.
struct Inspection {
    enum Fault { none, cannotOpen, shortHeader } fault = none;
    int error = 0;   // errno for cannotOpen (0: not a regular file)
    std::string why; // for cannotOpen, in the system's words
    Header header;
    std::uint64_t streamSize = 0; // bytes after the header
    // The checksum over the stored sizes and the stream: this system's convention (Adler-32
    // started at 0) and the standard Adler-32 that other writers use.
    std::uint32_t zeroBasedSum = 0;
    std::uint32_t standardSum = 0;
};
Inspection inspect(const std::string& nativePath);

} // namespace pia
