// A scoped temporary folder for the plot style tests; the PIA byte helpers are shared with the
// container tests.
#pragma once
#include "pia/PiaTestUtil.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace piatest {

using testutil::readBytes;
using testutil::writeBytes;

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
