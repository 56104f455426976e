// Result and last error of a Win32-style call checked together, with the last error poisoned
// before the call so that a call which must leave it alone is seen to do so.
#pragma once
#include "platform/win32/errors.h"

#include <gtest/gtest.h>

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
