// Drive types over the mount table and /sys/block, locale separators over the C library's
// locales, MulDiv.
#include "platform/win32/sysinfo.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"
#include "platform/win32/wstr.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <langinfo.h>
#include <locale.h>
#include <mutex>
#include <set>
#include <sstream>
#include <sys/stat.h>

namespace {

std::mutex g_mutex;
std::string g_mounts = "/proc/self/mounts";
std::string g_sysBlock = "/sys/block";

// The mount table escapes blanks and a few others as \ooo.
std::string unescape(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && std::isdigit(static_cast<unsigned char>(field[i + 1]))) {
            out += static_cast<char>(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool removableDevice(const std::string& device, const std::string& sysBlock)
{
    if (device.compare(0, 5, "/dev/") != 0)
        return false;
    std::string name = device.substr(5);
    // A partition's disk: sdb1 -> sdb, nvme0n1p2 -> nvme0n1, mmcblk0p1 -> mmcblk0.
    for (std::string disk = name;;) {
        std::ifstream flag(sysBlock + "/" + disk + "/removable");
        int removable = 0;
        if (flag >> removable)
            return removable == 1;
        if (disk.empty() || !std::isdigit(static_cast<unsigned char>(disk.back())))
            return false;
        while (!disk.empty() && std::isdigit(static_cast<unsigned char>(disk.back())))
            disk.pop_back();
        if (!disk.empty() && disk.back() == 'p' && disk.size() > 1 &&
            std::isdigit(static_cast<unsigned char>(disk[disk.size() - 2])))
            disk.pop_back();
    }
}

UINT kindOf(const std::string& type, const std::string& device, const std::string& sysBlock)
{
    static const std::set<std::string> remote = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs",
                                                 "9p", "ceph", "afs", "glusterfs", "fuse.glusterfs"};
    if (remote.count(type))
        return DRIVE_REMOTE;
    if (type == "iso9660" || type == "udf")
        return DRIVE_CDROM;
    if (type == "tmpfs" || type == "ramfs")
        return DRIVE_RAMDISK;
    if (device.compare(0, 5, "/dev/") != 0)
        return DRIVE_UNKNOWN;
    return removableDevice(device, sysBlock) ? DRIVE_REMOVABLE : DRIVE_FIXED;
}

bool underMount(const std::string& path, const std::string& point)
{
    return point == "/" || path == point || (path.compare(0, point.size(), point) == 0 && path[point.size()] == '/');
}

} // namespace

void win32::setMountTableForTests(const std::string& mounts, const std::string& sysBlock)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_mounts = mounts.empty() ? "/proc/self/mounts" : mounts;
    g_sysBlock = sysBlock.empty() ? "/sys/block" : sysBlock;
}

UINT GetDriveTypeW(LPCWSTR lpRootPathName)
{
    if (!lpRootPathName)
        return DRIVE_NO_ROOT_DIR;
    const std::string given = win32::toUtf8(win32::fromUtf16(lpRootPathName));
    char* real = realpath(given.c_str(), nullptr);
    struct stat st;
    if (!real || ::stat(real, &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::free(real);
        return DRIVE_NO_ROOT_DIR;
    }
    const std::string path(real);
    std::free(real);
    std::string mounts, sysBlock;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        mounts = g_mounts;
        sysBlock = g_sysBlock;
    }
    std::ifstream table(mounts);
    std::string best, bestType, bestDevice;
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        std::string device, point, type;
        if (!(fields >> device >> point >> type))
            continue;
        point = unescape(point);
        if (underMount(path, point) && point.size() >= best.size()) { // later mounts hide earlier ones
            best = point;
            bestType = type;
            bestDevice = unescape(device);
        }
    }
    return best.empty() ? DRIVE_UNKNOWN : kindOf(bestType, bestDevice, sysBlock);
}

int GetLocaleInfoW(LCID Locale, DWORD LCType, LPWSTR lpLCData, int cchData)
{
    if (Locale != LOCALE_USER_DEFAULT && Locale != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    locale_t user = newlocale(LC_NUMERIC_MASK, "", nullptr);
    if (!user)
        user = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    const std::string decimal = nl_langinfo_l(RADIXCHAR, user);
    const std::string thousands = nl_langinfo_l(THOUSEP, user);
    freelocale(user);
    std::string answer;
    switch (LCType) {
    case LOCALE_SDECIMAL: answer = decimal; break;
    case LOCALE_STHOUSAND: answer = thousands; break;
    case LOCALE_SLIST: answer = decimal == "," ? ";" : ","; break;
    default: SetLastError(ERROR_INVALID_FLAGS); return 0;
    }
    const std::u16string text = win32::toUtf16(win32::fromUtf8(answer));
    const int needed = static_cast<int>(text.size()) + 1;
    if (cchData == 0)
        return needed;
    if (!lpLCData || cchData < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(lpLCData, text.c_str(), static_cast<std::size_t>(needed) * sizeof(WCHAR));
    return needed;
}

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    const long long product = static_cast<long long>(nNumber) * nNumerator;
    const bool negative = (product < 0) != (nDenominator < 0);
    const unsigned long long p = product < 0 ? 0ULL - static_cast<unsigned long long>(product) : product;
    const unsigned long long d = nDenominator < 0 ? 0ULL - static_cast<unsigned long long>(nDenominator)
                                                  : static_cast<unsigned long long>(nDenominator);
    const unsigned long long q = (p + d / 2) / d;
    if (q > static_cast<unsigned long long>(INT_MAX) + (negative ? 1 : 0))
        return -1;
    return negative ? static_cast<int>(0LL - static_cast<long long>(q)) : static_cast<int>(q);
}
