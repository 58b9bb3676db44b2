// The program's single-instance lock: while some process holds it, the
// program runs and its files may be in use.
#pragma once

#include <windows.h>

namespace updrift {

// It holds across sessions; a program of a version before that held the
// session's name.
inline constexpr wchar_t kProgramLockName[] = L"Global\\Nimbrel";
inline constexpr wchar_t kEarlierProgramLockName[] = L"Nimbrel";
// Long enough for a program to close its windows and end; a program that
// takes longer is not waited for (its files then stay as they are).
inline constexpr DWORD kProgramEndTimeoutMs = 30000;

// Returns as soon as no process holds the lock, or when the time is up.
// True when the lock was free at the end.
bool WaitForProgramToEnd(DWORD timeoutMs = kProgramEndTimeoutMs);

} // namespace updrift
