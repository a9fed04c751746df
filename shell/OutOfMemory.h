#pragma once
// What a program does when the heap has nothing left: it tells the user and ends at once.

namespace shell {

// The exit code of a program ended for want of memory (ERROR_NOT_ENOUGH_MEMORY).
inline constexpr unsigned kOutOfMemoryExitCode = 8;

[[noreturn]] void endOutOfMemory();

}  // namespace shell
