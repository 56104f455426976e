// The registry calls of the Win32 stand-in: keys only, kept in the process. Linux has no
// registry; the keys the library asks for (the Wine configuration) are absent unless a host or
// a test creates them. Reproduces: opening, creating, closing and deleting keys by path below a
// hive, names compared ignoring case, ERROR_FILE_NOT_FOUND for a key that is not there. Leaves
// out: values, security, persistence (nothing is stored on disk), other processes' keys.
#pragma once
#include "platform/win32/handles.h"

using HKEY = struct HKEY__*;
using REGSAM = DWORD;
const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u));
const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));
const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, HKEY* phkResult);
LONG RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD Reserved, LPWSTR lpClass, DWORD dwOptions,
                     REGSAM samDesired, void* lpSecurityAttributes, HKEY* phkResult, LPDWORD lpdwDisposition);
// Deletes a key that has no subkeys.
LONG RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey);
LONG RegCloseKey(HKEY hKey);
