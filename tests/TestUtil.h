// Shared test helpers: a private temporary folder that also serves as TMPDIR (so leftover
// temporary files can be counted), file helpers and running the command-line tool.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace testutil {

namespace fs = std::filesystem;

inline std::string dataPath(const std::string& rel) { return std::string(DAVARAZ_TEST_DATA) + "/" + rel; }

inline std::string readBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const fs::path& p, const std::string& bytes)
{
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

// The text with the first occurrence of from replaced by to.
inline std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Sets or clears an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old, m_had = true;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() { m_had ? ::setenv(m_name, m_old.c_str(), 1) : ::unsetenv(m_name); }

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

// A fresh folder for the test's own files plus a separate one installed as TMPDIR while the
// object lives; tempCount() tells how many temporary files are in it.
class TempDir {
public:
    TempDir() : m_root(made()), m_tmpEnv("TMPDIR", (m_root / "tmp").c_str()) {}
    ~TempDir()
    {
        std::error_code ec;
        fs::permissions(m_root / "tmp", fs::perms::owner_all, ec);
        fs::remove_all(m_root, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    fs::path path(const std::string& name) const { return m_root / name; }
    fs::path tmp() const { return m_root / "tmp"; }
    std::size_t tempCount() const { return count(tmp()); }
    std::size_t entryCount() const { return count(m_root); }

private:
    static fs::path made()
    {
        char work[] = "/tmp/davaraz-testXXXXXX";
        const fs::path root = mkdtemp(work);
        fs::create_directory(root / "tmp");
        return root;
    }
    static std::size_t count(const fs::path& dir)
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
    fs::path m_root;
    ScopedEnv m_tmpEnv;
};

struct ToolResult {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs the davaraz tool with a shell-quoted argument string (behind a wrapper command such as
// "timeout 20", if given); captures stdout and stderr.
inline ToolResult runTool(const std::string& args, const TempDir& dir, const std::string& wrapper = std::string())
{
    const fs::path out = dir.path("tool.out"), err = dir.path("tool.err");
    const std::string cmd = wrapper + " '" + DAVARAZ_TOOL_PATH + "' " + args + " >'" + out.string() + "' 2>'" +
                            err.string() + "'";
    const int status = std::system(cmd.c_str());
    ToolResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(out), readBytes(err)};
    fs::remove(out);
    fs::remove(err);
    return r;
}

// One field of what pdfinfo says of a PDF ("Pages", "Page size", ...), empty when missing.
inline std::string pdfInfo(const std::string& pdf, const std::string& field)
{
    std::string text;
    if (FILE* p = ::popen(("pdfinfo '" + pdf + "' 2>&1").c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
            text.append(buf, n);
        ::pclose(p);
    }
    const std::size_t at = text.find("\n" + field + ":");
    if (at == std::string::npos)
        return "";
    const std::size_t from = text.find_first_not_of(' ', at + field.size() + 2);
    return text.substr(from, text.find('\n', from) - from);
}

} // namespace testutil
