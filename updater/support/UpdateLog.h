// The updater's own record of what it refused, for an administrator to look
// up: "LOGS\Updrift.log" in the program folder (the folder of the program's
// activity logs, so that a log archive takes it along), one line per event,
// "YYYY-MM-DD hh:mm:ss " and the text, in UTF-8. A log that cannot be
// written is passed over: the refusal stands either way.
#pragma once

#include <string>

namespace updrift {

inline constexpr wchar_t kUpdateLogName[] = L"LOGS\\Updrift.log";

void LogUpdateEvent(const std::wstring& programFolder, const std::wstring& text);

} // namespace updrift
