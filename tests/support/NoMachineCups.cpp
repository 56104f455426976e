// Tests never reach this machine's own print server: libcups, in the test process and in the
// tools it starts, looks for one where none is, until a CUPS test points it at the throwaway one.
#include <cstdlib>

namespace {
const int g_noMachineCups = ::setenv("CUPS_SERVER", "/nonexistent/davaraz-tests/cups.sock", 1);
} // namespace
