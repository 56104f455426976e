// System queries of the Win32 stand-in: drive types from the mount table, locale information
// from the user's POSIX locale, and MulDiv. Each says what it reproduces and leaves out.
#pragma once
#include "platform/win32/handles.h"
#include "platform/win32/nls.h" // LOCALE_USER_DEFAULT

#include <string>

constexpr UINT DRIVE_UNKNOWN = 0;
constexpr UINT DRIVE_NO_ROOT_DIR = 1;
constexpr UINT DRIVE_REMOVABLE = 2;
constexpr UINT DRIVE_FIXED = 3;
constexpr UINT DRIVE_REMOTE = 4;
constexpr UINT DRIVE_CDROM = 5;
constexpr UINT DRIVE_RAMDISK = 6;

// Reproduces: the kind of the file system that holds the folder, from the mount table (the
// mount whose point is the folder's longest leading part): network file systems (nfs, cifs,
// smb, sshfs, 9p, ceph, afs, glusterfs) are remote, iso9660 and udf are CD-ROM, tmpfs and ramfs
// are RAM disks, a file system on a block device the kernel calls removable is removable, any
// other on a block device is fixed; DRIVE_NO_ROOT_DIR for a folder that is not there (or null),
// DRIVE_UNKNOWN for a kernel file system without a device (proc, sysfs...). Leaves out: drive
// letters (a root is any folder).
UINT GetDriveTypeW(LPCWSTR lpRootPathName);

constexpr DWORD LOCALE_SLIST = 0x0C;
constexpr DWORD LOCALE_SDECIMAL = 0x0E;
constexpr DWORD LOCALE_STHOUSAND = 0x0F;

// Reproduces: the user's decimal and thousands separators (LC_ALL, LC_NUMERIC or LANG, as the
// C library reads them) and the list separator Windows gives such a locale (";" where the
// decimal separator is ",", else ","); the size query (cchData 0) and ERROR_INSUFFICIENT_BUFFER.
// Leaves out: other locale ids than the user's and other kinds of information
// (ERROR_INVALID_FLAGS).
int GetLocaleInfoW(LCID Locale, DWORD LCType, LPWSTR lpLCData, int cchData);

// Reproduces: a * b / c with a 64-bit intermediate, rounded half away from zero; -1 for c = 0 or
// a result outside 32 bits.
int MulDiv(int nNumber, int nNumerator, int nDenominator);

namespace win32 {
// Test hook: read mounts and the block devices' removable flags from elsewhere (empty: the
// system's /proc/self/mounts and /sys/block).
void setMountTableForTests(const std::string& mounts, const std::string& sysBlock);
} // namespace win32
