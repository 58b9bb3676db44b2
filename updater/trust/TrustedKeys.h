// The public keys whose signatures the updater accepts: the vendor's, built
// into the library, and those an administrator added for an update mirror of
// their own under the program's settings key in HKEY_LOCAL_MACHINE. Only
// administrators can change that key, so adding a key there opens nothing
// to other users; the user's own hive (HKEY_CURRENT_USER), which every
// program of the user can write, is never asked.
#pragma once

#include <string>
#include <vector>

namespace updrift {

// HKEY_LOCAL_MACHINE\SOFTWARE\Nimbrel\UpdateKeys: every REG_SZ value, whatever
// its name, holds one key text. Other values are passed over.
inline constexpr wchar_t kTrustedKeysSubkey[] = L"UpdateKeys";

// An ECDSA P-256 public key as text: the base64 form of its
// SubjectPublicKeyInfo, the one line between "-----BEGIN PUBLIC KEY-----" and
// "-----END PUBLIC KEY-----" that openssl writes (blanks and line breaks
// don't count). Returns the key's point, X then Y (64 bytes), or an empty
// string when the text is no such key.
std::string EcPointFromKeyText(const std::wstring& text);

// The vendor's keys, then the administrator's, as points.
std::vector<std::string> TrustedKeyPoints();

} // namespace updrift
