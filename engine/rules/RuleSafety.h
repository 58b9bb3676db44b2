// The places no rule may reach, whatever a rules file says: a rules file is
// text anyone can edit, so its keys pass these tests before they run.
#pragma once

#include "rules/RuleEntry.h"

#include <string>

namespace scrub {

// Empty when the key may run, else why it is refused ("reaches a drive
// root"). `folder` is expanded and may still hold wildcards.
std::wstring RefusalOfFileKey(const RuleFileKey& key);
std::wstring RefusalOfRegKey(const RuleRegKey& key);

} // namespace scrub
