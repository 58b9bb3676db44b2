// Who the current user is, in the forms the registry names users by.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace scrub {

// The identifier as text: "S-1-", the identifier authority, then "-" and
// each sub-authority in order (S-1-5-21-...-1003).
std::wstring SidToText(PSID sid);

// The current process token's user identifier, copied; empty when the token
// cannot be read.
std::vector<BYTE> CurrentUserSid();

} // namespace scrub
