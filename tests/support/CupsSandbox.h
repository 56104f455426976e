// The print server of the CUPS tests: the throwaway one the test run starts for them
// (tests/cups/sandbox.sh, a CTest fixture), never the machine's own.
#pragma once
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#ifdef DAVARAZ_TEST_CUPS
namespace testutil {

inline std::string cupsSandbox() { return DAVARAZ_CUPS_SANDBOX; }

// Points libcups at the sandbox, with a home of this process's own so that a user default it
// sets stays its own; false when the sandbox is not running.
inline bool useCupsSandbox()
{
    const std::string socket = cupsSandbox() + "/run/cups.sock";
    struct stat st;
    if (::stat(socket.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode))
        return false;
    const std::string home = cupsSandbox() + "/homes/" + std::to_string(::getpid());
    ::mkdir(home.c_str(), 0700);
    ::setenv("CUPS_SERVER", socket.c_str(), 1);
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("LPDEST");
    ::unsetenv("PRINTER");
    return true;
}

// Where a test printer keeps the documents it received, each with a .env of its attributes.
inline std::string cupsSpool(const std::string& printer) { return cupsSandbox() + "/printers/" + printer; }

} // namespace testutil
#endif
