// A readable dump of a DEVMODEW for diagnostics.
#pragma once
#include "platform/od/OdString.h"
#include "platform/win32/devmode.h"

namespace wut {

// Replaces text with one "member = value" line per DEVMODEW member, then "private data:" and
// the dmDriverExtra bytes after the public part in hexadecimal, 16 to a line ("No" when none).
void dumpDevMode(const DEVMODEW& dm, OdString& text);

} // namespace wut
