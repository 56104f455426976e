// OdArray: copy-on-write sharing, bounds checks and failed growth.
#include "platform/od/OdArray.h"
#include "platform/od/OdString.h"
#include "platform/win32/types.h"

#include <gtest/gtest.h>

TEST(OdArray, CopiesShareUntilOneSideChanges)
{
    OdArray<OdString> a;
    a.append(L"one");
    a.append(L"two");
    OdArray<OdString> b(a);
    EXPECT_EQ(a.refCount(), 2);
    EXPECT_EQ(b.getPtr(), a.getPtr());
    b[1] = L"changed";
    EXPECT_NE(b.getPtr(), a.getPtr());
    EXPECT_EQ(a[1], L"two");
    EXPECT_EQ(b[1], L"changed");
    EXPECT_EQ(a.refCount(), 1);

    OdArray<OdString> c(a);
    c.clear();
    EXPECT_TRUE(c.isEmpty());
    EXPECT_EQ(a.size(), 2u);

    // Empty arrays share one buffer until one of them grows.
    OdArray<unsigned short> e, f;
    EXPECT_EQ(e.getPtr(), f.getPtr());
    e.push_back(3);
    EXPECT_NE(e.getPtr(), f.getPtr());
    EXPECT_TRUE(f.isEmpty());
}

TEST(OdArray, AppendingAnOwnElementWhileGrowingKeepsIt)
{
    OdArray<OdString> a;
    a.append(L"first");
    for (int i = 0; i < 100; ++i)
        a.append(a[0]);
    EXPECT_EQ(a.size(), 101u);
    EXPECT_EQ(a[100], L"first");
}

TEST(OdArray, ResizeInsertRemove)
{
    OdArray<POINT> pts;
    pts.resize(3, POINT{1, 2});
    EXPECT_EQ(pts[2].y, 2);
    pts.insertAt(0, POINT{9, 9});
    EXPECT_EQ(pts[1].x, 1);
    pts.removeAt(0);
    EXPECT_EQ(pts[0].x, 1);
    pts.resize(1);
    EXPECT_EQ(pts.size(), 1u);
}

TEST(OdArray, BadIndexThrowsInvalidIndex)
{
    OdArray<int> a;
    EXPECT_THROW(a.at(0), OdError_InvalidIndex);
    a.push_back(1);
    EXPECT_NO_THROW(a.at(0));
    EXPECT_THROW(a[1], OdError_InvalidIndex);
    EXPECT_THROW(a.removeAt(5), OdError_InvalidIndex);
    EXPECT_THROW(a.insertAt(3, 0), OdError_InvalidIndex);
    EXPECT_THROW(a.getAt(7), OdError_InvalidIndex);
}

TEST(OdArray, FailedGrowthThrowsOutOfMemory)
{
    OdArray<OdString> a;
    a.append(L"kept");
    try {
        a.resize(0xFFFFFFF0u); // about 128 GiB of strings
        FAIL() << "no exception";
    } catch (const OdError& e) {
        EXPECT_EQ(e.code(), 9);
    }
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0], L"kept");
}
