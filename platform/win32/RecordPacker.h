// Packs spooler records the way Windows does: fixed structures at the start of the caller's
// buffer, then the strings and DEVMODEs they point to. A packer without a buffer only measures.
#pragma once
#include "platform/win32/types.h"

#include <cstddef>
#include <cstring>
#include <string>

namespace win32 {

class RecordPacker {
public:
    // fixedBytes: the structures that come first.
    RecordPacker(BYTE* buffer, std::size_t fixedBytes) : m_buf(buffer), m_pos(fixedBytes) {}

    // Appends a NUL-terminated UTF-16 copy and returns its address in the buffer (null while
    // measuring).
    LPWSTR string(const std::u16string& s)
    {
        align(alignof(WCHAR));
        const std::size_t bytes = (s.size() + 1) * sizeof(WCHAR);
        LPWSTR at = m_buf ? reinterpret_cast<LPWSTR>(m_buf + m_pos) : nullptr;
        if (at) {
            std::memcpy(at, s.c_str(), bytes);
        }
        m_pos += bytes;
        return at;
    }
    // Appends raw bytes aligned for a structure.
    void* blob(const void* data, std::size_t bytes)
    {
        align(8);
        void* at = m_buf ? m_buf + m_pos : nullptr;
        if (at)
            std::memcpy(at, data, bytes);
        m_pos += bytes;
        return at;
    }
    std::size_t size() const { return m_pos; }

private:
    void align(std::size_t a)
    {
        m_pos = (m_pos + a - 1) / a * a;
    }
    BYTE* m_buf;
    std::size_t m_pos;
};

} // namespace win32
