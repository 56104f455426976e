// The CUPS backend of a build without libcups: it can be named, and says why it cannot serve.
#include "platform/win32/Spooler.h"

namespace {

bool unavailable(void*, std::string& why)
{
    why = "this davaraz was built without CUPS support (libcups was not found when it was built)";
    return false;
}

const win32::spool::Backend kBackend = win32::spool::refusing("cups", 10, unavailable);

const struct Registration {
    Registration() { win32::spool::registerBackend(&kBackend); }
} g_registration;

} // namespace
