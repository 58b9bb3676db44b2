#include "catalogue/Roots.h"

#include "discovery/Discovery.h"
#include "files/LinkedRoots.h"

namespace scrub {
namespace {

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// "C:\..." or "C:" (what is left of a drive's root once its backslash is
// dropped: the suffixes start with one), or a share "\\server\...".
bool IsAbsoluteFolder(const std::wstring& path) {
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':') {
        return path.size() == 2 || path[2] == L'\\';
    }
    return path.size() > 2 && path[0] == L'\\' && path[1] == L'\\';
}

} // namespace

std::wstring InstallationRoot(const std::wstring& found) {
    std::wstring folder = found;
    while (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    return IsAbsoluteFolder(folder) ? NotedRoot(folder) : std::wstring();
}

std::wstring IcqFolder() {
    return InstallationRoot(AppPathsFolder(L"ICQ.exe"));
}
std::wstring IcqLiteFolder() {
    return InstallationRoot(AppPathsFolder(L"ICQLite.exe"));
}
std::wstring YahooFolder() {
    return InstallationRoot(MessengerProtocolFolder());
}
std::wstring TrillianFolder() {
    return InstallationRoot(AimProtocolFolder());
}
std::wstring PocoMailFolder() {
    return InstallationRoot(MailClientFolder());
}

} // namespace scrub
