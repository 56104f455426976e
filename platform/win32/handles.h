// Handle and pointer types of the Win32 printing, GDI and memory calls, with the x64 sizes.
#pragma once
#include "platform/win32/types.h"

#include <cstddef>
#include <cstdint>

using HGLOBAL = HANDLE;
using HWND = struct HWND__*;
using HDC = struct HDC__*;
using HINSTANCE = struct HINSTANCE__*;
using LPARAM = std::intptr_t;
using SIZE_T = std::size_t;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;
using LPWORD = WORD*;
using INT = int;
using LCID = DWORD;
