// What every run of the program settles before its last log line, whether it
// ran in the window or from the command line: the found total is never left
// empty, and the count of found items waiting to be cleaned never stays
// below zero.
#pragma once

#include <string>

namespace nimbrel {

void SettleFiguresAtClose(const std::wstring& product);

} // namespace nimbrel
