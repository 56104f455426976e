// Test helpers that handle PIA files with zlib directly, independent of the library's reader
// and writer, plus a scoped temporary folder.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>
#include <zlib.h>

namespace piatest {

inline std::string readBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& p, const std::string& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::uint32_t le32(const std::string& b, size_t at)
{
    auto u = [&](size_t i) { return std::uint32_t(static_cast<unsigned char>(b[at + i])); };
    return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}

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

// The payload of a PIA file, inflated from byte 60 to the end; false when it does not inflate.
inline bool unpack(const std::string& file, std::string& payload)
{
    if (file.size() < 60)
        return false;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return false;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(file.data() + 60));
    zs.avail_in = static_cast<uInt>(file.size() - 60);
    payload.clear();
    char buf[16384];
    int rc;
    do {
        zs.next_out = reinterpret_cast<Bytef*>(buf);
        zs.avail_out = sizeof buf;
        rc = inflate(&zs, Z_NO_FLUSH);
        payload.append(buf, sizeof buf - zs.avail_out);
    } while (rc == Z_OK);
    const bool whole = rc == Z_STREAM_END && zs.avail_in == 0;
    inflateEnd(&zs);
    return whole;
}

inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

// A fresh folder, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        std::string templ = (std::filesystem::temp_directory_path() / "davaraz-test-XXXXXX").string();
        m_path = ::mkdtemp(&templ[0]) ? templ : std::string();
    }
    ~TempDir()
    {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::wstring file(const char* name) const { return (m_path / name).wstring(); }
    size_t fileCount() const
    {
        size_t n = 0;
        for (auto it = std::filesystem::directory_iterator(m_path); it != std::filesystem::directory_iterator(); ++it)
            ++n;
        return n;
    }

private:
    std::filesystem::path m_path;
};

} // namespace piatest
