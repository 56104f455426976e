// GlobalAlloc and friends as the DEVMODE hand-over uses them: nesting locks, error codes.
#include "platform/win32/errors.h"
#include "platform/win32/globalmem.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kPoison = 0xDEADBEEF;

TEST(GlobalMemory, MovableBlockIsZeroedAndLocksNest)
{
    const std::size_t before = win32::globalBlocksInUse();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 300);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 300u);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    auto* p = static_cast<unsigned char*>(GlobalLock(h));
    ASSERT_NE(p, nullptr);
    EXPECT_NE(static_cast<void*>(p), h); // a movable block is not its own address
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(p[i], 0) << i;
    EXPECT_EQ(GlobalLock(h), p);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 2u);

    SetLastError(kPoison);
    EXPECT_EQ(GlobalUnlock(h), TRUE); // still locked once
    EXPECT_EQ(GetLastError(), kPoison);
    SetLastError(kPoison);
    EXPECT_EQ(GlobalUnlock(h), FALSE); // now unlocked: FALSE with NO_ERROR
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    SetLastError(kPoison);
    EXPECT_EQ(GlobalUnlock(h), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);

    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(win32::globalBlocksInUse(), before);
}

TEST(GlobalMemory, FixedBlockIsItsAddressAndHasNoLockCount)
{
    HGLOBAL h = GlobalAlloc(GPTR, 16);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalLock(h), h);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    SetLastError(kPoison);
    EXPECT_EQ(GlobalUnlock(h), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemory, StaleAndForeignHandlesFailCleanly)
{
    HGLOBAL h = GlobalAlloc(GHND, 8);
    ASSERT_EQ(GlobalFree(h), nullptr);
    int local = 0;
    for (HGLOBAL bad : {h, static_cast<HGLOBAL>(&local)}) {
        SetLastError(kPoison);
        EXPECT_EQ(GlobalLock(bad), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        SetLastError(kPoison);
        EXPECT_EQ(GlobalUnlock(bad), FALSE);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        SetLastError(kPoison);
        EXPECT_EQ(GlobalSize(bad), 0u);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        SetLastError(kPoison);
        EXPECT_EQ(GlobalFree(bad), bad); // the handle comes back on failure
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        EXPECT_EQ(GlobalFlags(bad), GMEM_INVALID_HANDLE);
    }
    SetLastError(kPoison);
    EXPECT_EQ(GlobalFree(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), kPoison);
}

TEST(GlobalMemory, FreeingALockedBlockSucceedsAndZeroBytesAreAllowed)
{
    HGLOBAL h = GlobalAlloc(GHND, 0);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    ASSERT_NE(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemory, UnknownFlagsAreRefused)
{
    SetLastError(kPoison);
    EXPECT_EQ(GlobalAlloc(0x0100 /* GMEM_DISCARDABLE */, 8), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

} // namespace
