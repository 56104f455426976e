// Global memory blocks with the Win32 signatures (GlobalAlloc, GlobalLock, ...): movable blocks
// are reached through a handle and a nesting lock count, as DEVMODE and DEVNAMES hand-overs need.
#pragma once
#include "platform/win32/handles.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;
constexpr UINT GMEM_LOCKCOUNT = 0x00FF;
constexpr UINT GMEM_INVALID_HANDLE = 0x8000;
constexpr DWORD ERROR_NOT_LOCKED = 158;

// Reproduces: GMEM_FIXED returning the memory address itself and GMEM_MOVEABLE a separate
// handle, GMEM_ZEROINIT, a zero-byte request succeeding, ERROR_NOT_ENOUGH_MEMORY on failure and
// ERROR_INVALID_PARAMETER for unknown flags. Leaves out: GMEM_DISCARDABLE and the other legacy
// flags (refused), the real heap's rounding of sizes.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// Reproduces: the address of the block with the lock count raised (movable blocks only; fixed
// blocks have none), null with ERROR_INVALID_HANDLE for a handle that is not a live block.
LPVOID GlobalLock(HGLOBAL mem);
// Reproduces: TRUE while the block stays locked; FALSE with last error NO_ERROR when the count
// reaches zero; FALSE with ERROR_NOT_LOCKED for an unlocked block; ERROR_INVALID_HANDLE.
BOOL GlobalUnlock(HGLOBAL mem);
// Reproduces: null on success and the handle back with ERROR_INVALID_HANDLE on failure. A null
// handle is accepted and ignored, as on Windows. Freeing a locked block succeeds, as it does there.
HGLOBAL GlobalFree(HGLOBAL mem);
// Reproduces: the requested size; 0 with ERROR_INVALID_HANDLE for a handle that is not a block.
SIZE_T GlobalSize(HGLOBAL mem);
// Reproduces: the lock count in the low byte; GMEM_INVALID_HANDLE for an unknown handle.
UINT GlobalFlags(HGLOBAL mem);

namespace win32 {
// Number of live global blocks in this process, for leak checks in tests.
std::size_t globalBlocksInUse();
} // namespace win32
