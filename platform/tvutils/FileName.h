// File names, temporary files and path separators of the utility library (ut::FileName & co).
// Paths are OdStrings; on Linux they reach the file system as UTF-8.
#pragma once
#include "platform/od/OdString.h"

#include <string>

namespace ut {

// Flag of getPath: end the folder with a separator.
constexpr int kPathWithSeparator = 0x2;

class FileName {
public:
    FileName() = default;
    explicit FileName(const OdString& path) : m_path(path) {}

    OdString getFullPath() const;   // absolute path
    OdString getFullName() const;   // name with extension
    OdString getName() const;       // name without extension
    OdString getExt() const;        // extension without the dot
    OdString getPath(int flags = 0) const; // folder part
    void setPath(const OdString& folder);
    bool hasExt(const OdString& ext) const; // letter case ignored, as on Windows
    bool exists(int flags = 8191) const;    // any kind of entry counts

    // A new, empty file in the temporary folder whose name starts with prefix; empty on failure.
    static OdString createTempFileName(const OdString& prefix);
    // Empty, or why temporary files cannot be made: "the temporary folder /x: No such file or
    // directory" (TMPDIR missing, not a folder, not writable, or full).
    static std::string tempFolderProblem();

private:
    OdString m_path;
};

bool removeFile(const OdString& path);
void correctSlashes(OdString& path);
OdString correctSlashes(const wchar_t* path);

// Conversions between OdString paths and the file system's UTF-8 bytes.
std::string toNativePath(const OdString& path);
OdString fromNativePath(const std::string& path);

} // namespace ut
