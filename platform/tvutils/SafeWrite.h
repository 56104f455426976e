// Replacing a file's content the way a careful editor does: the old content survives any
// failure, and the file keeps what makes it the user's (its links, mode, owner and group).
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace ut {

// Writes the pieces, in order, as the new content of target (a native path).
// - A target the caller could not open for writing is refused, as opening it would be.
// - A symbolic link is written through to the file it names.
// - A regular file is replaced by a fully written and synced sibling renamed over it, which
//   takes over its mode, owner and group (as far as permitted). A file with other hard links,
//   or in a folder that cannot take a sibling, is rewritten in place instead, and its old
//   content is put back when that fails. Devices and other special files are written in place.
// - The sibling has a short name of its own in the target's folder (".~" plus a hash of the
//   target's name), so that names near the length limit can be written; one left behind by a
//   killed process is removed by the next write of the same target.
// Returns 0, or the errno of the first failure.
int replaceFile(const std::string& target, std::initializer_list<std::string_view> pieces);

// The sibling name replaceFile uses for target (for tests and for cleaning up).
std::string siblingOf(const std::string& target);

} // namespace ut
