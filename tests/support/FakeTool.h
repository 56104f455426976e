// A script standing in for a desktop tool on PATH (xdg-open, xdg-email): it records its
// arguments, one a line, and exits with $FAKE_EXIT (0 when unset).
#pragma once
#include "TestUtil.h"

#include <chrono>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace testutil {

class FakeTool {
public:
    // Writes the script into a `bin` folder of dir and puts that folder first on PATH while the
    // object lives.
    FakeTool(const TempDir& dir, const std::string& name)
        : m_record(dir.path(name + ".args")), m_path("PATH", pathWith(dir.path("bin")).c_str())
    {
        fs::create_directories(dir.path("bin"));
        writeBytes(dir.path("bin") / name,
                   "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + m_record.string() + "'\nexit ${FAKE_EXIT:-0}\n");
        ::chmod((dir.path("bin") / name).c_str(), 0755);
    }
    // What it was called with, waiting up to 5 s for a tool started without waiting for it.
    std::string args() const
    {
        std::string got = readBytes(m_record);
        for (int i = 0; i < 100 && (got.empty() || got.back() != '\n'); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            got = readBytes(m_record);
        }
        return got;
    }
    bool called() const { return fs::exists(m_record); }

private:
    static std::string pathWith(const fs::path& bin)
    {
        const char* old = std::getenv("PATH");
        return bin.string() + ":" + (old ? old : "/usr/bin:/bin");
    }

    fs::path m_record;
    ScopedEnv m_path;
};

} // namespace testutil
