// The PIA byte helpers of the container tests, for the plot style tests.
#pragma once
#include "pia/PiaTestUtil.h"

namespace piatest {

using testutil::readBytes;
using testutil::writeBytes;
using testutil::TempDir;

} // namespace piatest
