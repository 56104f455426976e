// ut::DynamicLibrary over a library every machine here has (zlib).
#include "platform/tvutils/DynamicLibrary.h"

#include <gtest/gtest.h>

TEST(DynamicLibrary, LoadsFindsSymbolsAndUnloads)
{
    ut::DynamicLibrary lib(L"libz.so.1", 2);
    ASSERT_TRUE(lib.isLoaded());
    EXPECT_NE(lib.getSymbol(L"adler32"), nullptr);
    EXPECT_EQ(lib.getSymbol(L"no_such_symbol_here"), nullptr);
    lib.unload();
    EXPECT_FALSE(lib.isLoaded());
    EXPECT_EQ(lib.getSymbol(L"adler32"), nullptr);

    ut::DynamicLibrary missing(L"libdoes-not-exist.so", 2);
    EXPECT_FALSE(missing.isLoaded());
}
