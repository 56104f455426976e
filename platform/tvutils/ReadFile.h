// Reading a whole file that must be a regular one: never blocking on a pipe or a device,
// bounded in size, and saying why it failed in the system's words.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

namespace ut {

struct FileRead {
    int error = 0;   // errno of the failing call; 0 for a refusal of ours
    std::string why; // empty on success: "is a folder", "No such file or directory", ...
    explicit operator bool() const { return why.empty(); }
};

// Opens path (a native path) for binary reading when it is a regular file, without ever
// waiting on a pipe or a device; null with problem filled otherwise.
std::FILE* openRegularFile(const std::string& path, FileRead& problem);

// The content of path (a native path) into out; fails for anything but a regular file and for
// one of more than maxBytes, also one that grows past it while read.
FileRead readRegularFile(const std::string& path, std::uint64_t maxBytes, std::string& out);

} // namespace ut
