// Helpers of the PIA tests: an independent reader of the container (zlib directly, not the
// library), and a canonical text of a tree for comparisons.
#pragma once
#include "davaraz/pia/PItem.h"
#include "TestUtil.h"

#include <cstdint>
#include <string>
#include <zlib.h>

namespace piatest {

inline std::uint32_t le32(const std::string& b, size_t at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

// The payload of a PIA file, inflated with zlib alone; empty and ok=false when it fails.
inline std::string payload(const std::string& file, bool* ok = nullptr)
{
    std::string out;
    bool good = file.size() > 60;
    if (good) {
        z_stream z{};
        inflateInit(&z);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(file.data() + 60));
        z.avail_in = static_cast<uInt>(file.size() - 60);
        char buf[16384];
        int rc;
        do {
            z.next_out = reinterpret_cast<Bytef*>(buf);
            z.avail_out = sizeof buf;
            rc = inflate(&z, Z_NO_FLUSH);
            out.append(buf, sizeof buf - z.avail_out);
        } while (rc == Z_OK);
        inflateEnd(&z);
        good = rc == Z_STREAM_END;
    }
    if (ok)
        *ok = good;
    return out;
}

// One line per item: indentation by depth, kind letter, key, and value.
inline void dumpTree(const CPBlock& b, std::wstring& out, int depth = 0)
{
    for (int i = 0; i < b.count(); ++i) {
        const CPItem* it = b.item(i);
        out += std::wstring(static_cast<size_t>(depth), L' ');
        switch (it->kind()) {
        case PI_BLOCK:
            out += L"B " + it->name() + L"\n";
            dumpTree(*static_cast<const CPBlock*>(it), out, depth + 1);
            continue;
        case PI_BOOL:
            out += L"T " + it->name() + L"=" + (static_cast<const CPBool*>(it)->value() ? L"1" : L"0");
            break;
        case PI_NUM:
            out += L"N " + it->name() + L"=" + static_cast<const CPNum*>(it)->text();
            break;
        case PI_STR:
            out += L"S " + it->name() + L"=" + static_cast<const CPStr*>(it)->text();
            break;
        case PI_BIN:
            out += L"X " + it->name() + L"=" + static_cast<const CPBin*>(it)->text();
            break;
        }
        out += L"\n";
    }
}

inline std::wstring dumpTree(const CPBlock* b)
{
    std::wstring out;
    if (b)
        dumpTree(*b, out);
    return out;
}

} // namespace piatest
