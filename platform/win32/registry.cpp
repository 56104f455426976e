// Registry keys in the process: a set of hive-and-path names, and open handles on them.
#include "platform/win32/registry.h"
#include "platform/win32/errors.h"
#include "platform/win32/wstr.h"

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace {

std::mutex g_mutex;
std::set<std::wstring>& keys()
{
    static auto* k = new std::set<std::wstring>;
    return *k;
}
std::map<HKEY, std::wstring>& handles()
{
    static auto* h = new std::map<HKEY, std::wstring>;
    return *h;
}

bool isHive(HKEY h)
{
    return h == HKEY_CLASSES_ROOT || h == HKEY_CURRENT_USER || h == HKEY_LOCAL_MACHINE;
}

// "<hive>\path\of\key" with case folded and separators single, or empty for a bad base key.
std::wstring fullName(HKEY base, LPCWSTR sub)
{
    std::wstring name;
    if (isHive(base)) {
        name = std::to_wstring(reinterpret_cast<std::uintptr_t>(base));
    } else {
        const auto open = handles().find(base);
        if (open == handles().end())
            return std::wstring();
        name = open->second;
    }
    std::wstring part;
    for (const wchar_t c : (sub ? win32::fromUtf16(sub) : std::wstring()) + L"\\") {
        if (c != L'\\') {
            part += win32::foldCase(c);
        } else if (!part.empty()) {
            name += L"\\" + part;
            part.clear();
        }
    }
    return name;
}

HKEY openHandle(const std::wstring& name)
{
    static std::uintptr_t next = 0x1000;
    const HKEY h = reinterpret_cast<HKEY>(next += 8);
    handles()[h] = name;
    return h;
}

} // namespace

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM, HKEY* phkResult)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const std::wstring name = fullName(hKey, lpSubKey);
    if (!phkResult || name.empty())
        return static_cast<LONG>(ERROR_INVALID_HANDLE);
    const bool hive = name.find(L'\\') == std::wstring::npos;
    if (!hive && !keys().count(name))
        return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    *phkResult = openHandle(name);
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM, void*, HKEY* phkResult,
                     LPDWORD lpdwDisposition)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const std::wstring name = fullName(hKey, lpSubKey);
    if (!phkResult || name.empty())
        return static_cast<LONG>(ERROR_INVALID_HANDLE);
    // Every key on the way exists afterwards, as Windows creates them.
    bool created = false;
    for (std::size_t slash = name.find(L'\\'); slash != std::wstring::npos; slash = name.find(L'\\', slash + 1))
        created |= keys().insert(name.substr(0, name.find(L'\\', slash + 1))).second;
    if (lpdwDisposition)
        *lpdwDisposition = created ? 1 : 2; // REG_CREATED_NEW_KEY, REG_OPENED_EXISTING_KEY
    *phkResult = openHandle(name);
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const std::wstring name = fullName(hKey, lpSubKey);
    if (name.empty())
        return static_cast<LONG>(ERROR_INVALID_HANDLE);
    const auto found = keys().find(name);
    if (found == keys().end())
        return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    const auto next = keys().lower_bound(name + L"\\");
    if (next != keys().end() && next->compare(0, name.size() + 1, name + L"\\") == 0)
        return static_cast<LONG>(ERROR_ACCESS_DENIED); // it has subkeys
    keys().erase(found);
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegCloseKey(HKEY hKey)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (isHive(hKey))
        return static_cast<LONG>(ERROR_SUCCESS);
    return handles().erase(hKey) ? static_cast<LONG>(ERROR_SUCCESS) : static_cast<LONG>(ERROR_INVALID_HANDLE);
}
