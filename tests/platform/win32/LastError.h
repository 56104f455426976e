// Result and last error of a Win32-style call checked together, with the last error poisoned
// before the call so that a call which must leave it alone is seen to do so.
#pragma once
#include "platform/win32/errors.h"

#include <gtest/gtest.h>

#include <vector>

constexpr DWORD kPoison = 0xDEADBEEF;

// `error` is kPoison where the call must not touch the last error.
template <class Call, class Result>
::testing::AssertionResult givesWithError(Call call, Result result, DWORD error)
{
    SetLastError(kPoison);
    const auto got = call();
    const DWORD err = GetLastError();
    if (got == result && err == error)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "result " << got << " (expected " << result << "), last error 0x"
                                         << std::hex << err << " (expected 0x" << error << ")";
}

// The two-call protocol of the record calls: a size query, a buffer one byte short, then the
// exact size, which alone succeeds and leaves the last error alone. `call(buffer, size,
// &needed)` says whether the call succeeded; returns the filled buffer.
template <class Call>
std::vector<BYTE> fetch(Call call)
{
    DWORD needed = 0, again = 0;
    EXPECT_TRUE(givesWithError([&] { return call(nullptr, 0, &needed); }, false, ERROR_INSUFFICIENT_BUFFER));
    std::vector<BYTE> buf(needed);
    if (needed == 0)
        return buf;
    EXPECT_TRUE(givesWithError([&] { return call(buf.data(), needed - 1, &again); }, false, ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(again, needed);
    EXPECT_TRUE(givesWithError([&] { return call(buf.data(), needed, &again); }, true, kPoison));
    return buf;
}
