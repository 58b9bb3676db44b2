// The vendor's update signing keys, built into the library: their public
// halves only. The private halves are held by the vendor, away from the
// update server and from the sources. More than one is listed so that a
// release can be signed with a new key while libraries in the field still
// trust the one before it; a key is dropped only after every supported
// release knows its successor.
#pragma once

namespace updrift {

// Each in the text form of TrustedKeys.h (what "scripts/sign-update.py
// public-key" prints for the key file).
inline constexpr const wchar_t* kVendorKeyTexts[] = {
    L"MFkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDQgAE7/gzWXkEtu8rFC6u4Go/nv+1OMAKy1bpFXoPhUrwTPdHkTSNn9EfgJ/"
    L"DknPzKpWPUUuNC3AT4cUgdb4/EN7eag==",
    L"MFkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDQgAERKQC2kr7fJ66t3nVjg6kjEeMTpcCKAO7L/aek/pOQccoyTJ/bP7/"
    L"2KlWEh98jCduebuUyn4hjdIVA/eh3yU8Pw==",
};

} // namespace updrift
