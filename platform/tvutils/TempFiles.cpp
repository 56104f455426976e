// The registry of temporary files, in fixed slots that a signal handler can walk.
#include "platform/tvutils/TempFiles.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace ut {
namespace {

enum SlotState { kFree, kFilling, kLive };

struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX] = {}; // zero like the state: constant-initialized, no page touched at start-up
};

// More than any command keeps at once (a read's text and a write's temporaries); a file
// beyond them is simply not tracked.
Slot g_slots[32];

void onSignal(int sig)
{
    removeTrackedTempFiles();
    std::signal(sig, SIG_DFL);
    std::raise(sig); // delivered once this handler returns, with the signal's own outcome
}

} // namespace

void trackTempFile(const std::string& nativePath)
{
    if (nativePath.empty() || nativePath.size() >= PATH_MAX)
        return;
    for (Slot& slot : g_slots) {
        int expected = kFree;
        if (slot.state.compare_exchange_strong(expected, kFilling)) {
            std::memcpy(slot.path, nativePath.c_str(), nativePath.size() + 1);
            slot.state.store(kLive);
            return;
        }
    }
}

void untrackTempFile(const std::string& nativePath)
{
    for (Slot& slot : g_slots) {
        int expected = kLive;
        if (slot.state.load() == kLive && nativePath == slot.path &&
            slot.state.compare_exchange_strong(expected, kFree))
            return;
    }
}

void removeTrackedTempFiles()
{
    for (Slot& slot : g_slots)
        if (slot.state.load() == kLive)
            ::unlink(slot.path);
}

void removeTempFilesOnSignals()
{
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGXFSZ}) {
        struct sigaction old {};
        // A signal the caller ignores (nohup, a shell's background job) stays ignored.
        if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
            ::sigaction(sig, &action, nullptr);
    }
}

} // namespace ut
