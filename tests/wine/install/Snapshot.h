#pragma once
// What an installer can leave on a machine, as names: every file and folder of the system drive
// and every registry key and value name of HKLM\Software (both views) and HKCU. Two snapshots
// compare equal when nothing was created or removed.

#include <set>
#include <string>
#include <vector>

namespace it {

using Snapshot = std::set<std::wstring>;

Snapshot takeSnapshot();

// The snapshot without the entries that contain `part`.
Snapshot without(const Snapshot& snapshot, const std::wstring& part);

// The entries of `after` missing from `before` and those of `before` missing from `after`,
// one a line, each marked + or -; empty when the snapshots are equal.
std::string difference(const Snapshot& before, const Snapshot& after);

}  // namespace it
