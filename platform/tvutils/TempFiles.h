// Temporary files this process has made and not yet removed, so that a signal that ends the
// process does not leave them behind.
#pragma once
#include <string>

namespace ut {

// Notes a file to remove should a handled signal end the process; untrack it once removed
// or renamed into place.
void trackTempFile(const std::string& nativePath);
void untrackTempFile(const std::string& nativePath);

// Unlinks every tracked file; safe inside a signal handler.
void removeTrackedTempFiles();

// For programs: SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE and SIGXFSZ remove the tracked files
// and then end the process as the signal would have.
void removeTempFilesOnSignals();

} // namespace ut
