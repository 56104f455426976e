// Hands a fuzz input to the readers as a file, since they read paths, and removes it after.
#pragma once
#include "davaraz/pia/PIAParser.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
    {
        const char* dir = std::getenv("TMPDIR");
        m_path = std::string(dir && *dir ? dir : "/tmp") + "/fuzzinputXXXXXX";
        const int fd = mkstemp(&m_path[0]);
        if (fd >= 0) {
            if (::write(fd, data, size) != static_cast<ssize_t>(size))
                m_path.clear();
            ::close(fd);
        } else {
            m_path.clear();
        }
        m_wide.assign(m_path.begin(), m_path.end());
    }
    ~FuzzInput()
    {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    bool ok() const { return !m_path.empty(); }
    const wchar_t* path() const { return m_wide.c_str(); }

private:
    std::string m_path;
    std::wstring m_wide;
};

// The input parsed as payload text; false when it cannot be handed over or breaks the grammar.
inline bool parseText(const std::uint8_t* data, std::size_t size, CPIAParser& parser)
{
    FuzzInput input(data, size);
    return input.ok() && parser.openText(input.path()) == 0 && parser.parse();
}
