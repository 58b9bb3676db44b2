#include "catalogue/browsers/UserIdentity.h"

#include "win32/Handles.h"

namespace scrub {
namespace {

std::wstring Hexadecimal48(unsigned long long value) {
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text = L"0x";
    for (int shift = 44; shift >= 0; shift -= 4) {
        text += digits[(value >> shift) & 0xF];
    }
    return text;
}

} // namespace

std::wstring SidToText(PSID sid) {
    if (!sid || !IsValidSid(sid)) {
        return {};
    }
    const SID_IDENTIFIER_AUTHORITY* authority = GetSidIdentifierAuthority(sid);
    unsigned long long value = 0;
    for (BYTE part : authority->Value) {
        value = (value << 8) | part;
    }
    std::wstring text = L"S-1-";
    // Authorities beyond 32 bits are written in hexadecimal, as the system
    // itself writes them.
    text += (value >> 32) ? Hexadecimal48(value) : std::to_wstring(value);
    const BYTE count = *GetSidSubAuthorityCount(sid);
    for (BYTE i = 0; i < count; ++i) {
        text += L'-';
        text += std::to_wstring(*GetSidSubAuthority(sid, i));
    }
    return text;
}

std::vector<BYTE> CurrentUserSid() {
    win32::UniqueKernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put())) {
        return {};
    }
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    if (size == 0) {
        return {};
    }
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token.Get(), TokenUser, buffer.data(), size, &size)) {
        return {};
    }
    const PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
    if (!IsValidSid(sid)) {
        return {};
    }
    const DWORD length = GetLengthSid(sid);
    const BYTE* bytes = static_cast<const BYTE*>(sid);
    return std::vector<BYTE>(bytes, bytes + length);
}

} // namespace scrub
