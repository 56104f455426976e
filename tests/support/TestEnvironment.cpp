// What every test process (and every tool it starts) runs in, set before any test: no path to
// this machine's own print server (libcups looks for one where none is, until a CUPS test
// points it at the throwaway server), and a spool folder of its own for the virtual printers'
// jobs, removed when the process ends.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct TestEnvironment {
    std::string spool;
    pid_t owner = ::getpid(); // a forked child that exits leaves the folder to its parent
    TestEnvironment()
    {
        ::setenv("CUPS_SERVER", "/nonexistent/davaraz-tests/cups.sock", 1);
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/davaraz-spool-XXXXXX";
        if (::mkdtemp(&pattern[0])) {
            spool = pattern;
            ::setenv("DAVARAZ_SPOOL_DIR", spool.c_str(), 1);
        }
    }
    ~TestEnvironment()
    {
        std::error_code ec;
        if (!spool.empty() && ::getpid() == owner)
            std::filesystem::remove_all(spool, ec);
    }
};

const TestEnvironment g_environment;

} // namespace
