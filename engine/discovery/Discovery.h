// Where an application is installed, found in the registry. Each lookup
// returns a folder without trailing backslash, or an empty text when the
// application is not installed or its entry does not have the expected
// form. Items append their fixed suffixes to the result (never to an empty
// one).
#pragma once

#include <string>

namespace scrub {

// HKLM "Software\Microsoft\WINDOWS\CurrentVersion\App Paths\<program>",
// default value, cut before its last backslash.
std::wstring AppPathsFolder(const std::wstring& programFile);

// The folder of the program behind the "ymsgr" protocol's open command:
// an unquoted program path followed by a quoted argument yields the
// program's folder; a command that begins with a quote yields nothing.
std::wstring MessengerProtocolFolder();
// The exact cuts, for a command text already read.
std::wstring MessengerCommandFolder(const std::wstring& command);

// The folder of the program behind the "AIM" protocol's open command, cut
// before its last backslash.
std::wstring AimProtocolFolder();

// The mail client's "path" value, unchanged (a trailing backslash stays).
std::wstring MailClientFolder();

// The text before the last backslash; empty when there is none.
std::wstring FolderOfProgramPath(const std::wstring& path);

} // namespace scrub
