// GlobalAlloc and friends as the DEVMODE hand-over uses them: nesting locks, error codes.
#include "LastError.h"
#include "platform/win32/globalmem.h"

namespace {

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

    const auto unlock = [h] { return GlobalUnlock(h); };
    EXPECT_TRUE(givesWithError(unlock, TRUE, kPoison));       // still locked once
    EXPECT_TRUE(givesWithError(unlock, FALSE, ERROR_SUCCESS)); // now unlocked: FALSE with NO_ERROR
    EXPECT_TRUE(givesWithError(unlock, FALSE, ERROR_NOT_LOCKED));
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(win32::globalBlocksInUse(), before);

    // A fixed block is its own address and has no lock count.
    h = GlobalAlloc(GPTR, 16);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalLock(h), h);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    EXPECT_TRUE(givesWithError([h] { return GlobalUnlock(h); }, FALSE, ERROR_NOT_LOCKED));
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemory, StaleAndForeignHandlesFailCleanly)
{
    HGLOBAL h = GlobalAlloc(GHND, 8);
    ASSERT_EQ(GlobalFree(h), nullptr);
    int local = 0;
    for (HGLOBAL bad : {h, static_cast<HGLOBAL>(&local)}) {
        EXPECT_TRUE(givesWithError([bad] { return GlobalLock(bad); }, nullptr, ERROR_INVALID_HANDLE));
        EXPECT_TRUE(givesWithError([bad] { return GlobalUnlock(bad); }, FALSE, ERROR_INVALID_HANDLE));
        EXPECT_TRUE(givesWithError([bad] { return GlobalSize(bad); }, 0u, ERROR_INVALID_HANDLE));
        // The handle comes back on failure.
        EXPECT_TRUE(givesWithError([bad] { return GlobalFree(bad); }, bad, ERROR_INVALID_HANDLE));
        EXPECT_EQ(GlobalFlags(bad), GMEM_INVALID_HANDLE);
    }
    EXPECT_TRUE(givesWithError([] { return GlobalFree(nullptr); }, nullptr, kPoison));
    EXPECT_TRUE(givesWithError([] { return GlobalAlloc(0x0100 /* GMEM_DISCARDABLE */, 8); }, nullptr,
                               ERROR_INVALID_PARAMETER));
}

TEST(GlobalMemory, FreeingALockedBlockSucceedsAndZeroBytesAreAllowed)
{
    HGLOBAL h = GlobalAlloc(GHND, 0);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    ASSERT_NE(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

} // namespace
