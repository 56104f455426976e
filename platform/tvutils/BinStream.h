// Binary streams of the utility library over a memory buffer. Values are little-endian: int as
// 4 bytes, double as 8, bool as 1, wide strings as UTF-16LE code units ending in a 0 unit.
// Reading past the end throws BinStreamError.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class BinStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class COBinStream {
public:
    COBinStream& operator<<(int v);
    COBinStream& operator<<(double v);
    COBinStream& operator<<(bool v);
    COBinStream& operator<<(const std::wstring& v);
    COBinStream& operator<<(const wchar_t* v);
    const std::vector<std::uint8_t>& data() const { return m_data; }

private:
    void put(const void* p, std::size_t n);
    std::vector<std::uint8_t> m_data;
};

class CIBinStream {
public:
    CIBinStream(const void* data, std::size_t size)
        : m_p(static_cast<const std::uint8_t*>(data)), m_size(size) {}
    explicit CIBinStream(const std::vector<std::uint8_t>& data) : CIBinStream(data.data(), data.size()) {}

    CIBinStream& operator>>(int& v);
    CIBinStream& operator>>(double& v);
    CIBinStream& operator>>(bool& v);
    CIBinStream& operator>>(std::wstring& v);
    bool atEnd() const { return m_pos == m_size; }

private:
    void get(void* p, std::size_t n);
    const std::uint8_t* m_p;
    std::size_t m_size;
    std::size_t m_pos = 0;
};
