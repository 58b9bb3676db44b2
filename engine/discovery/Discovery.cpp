#include "discovery/Discovery.h"

#include "registry/RegistryText.h"

#include <windows.h>

namespace scrub {

std::wstring FolderOfProgramPath(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos);
}

std::wstring AppPathsFolder(const std::wstring& programFile) {
    const std::wstring key = L"Software\\Microsoft\\WINDOWS\\CurrentVersion\\App Paths\\" + programFile;
    return FolderOfProgramPath(ReadRegistryText(HKEY_LOCAL_MACHINE, key, L""));
}

std::wstring MessengerCommandFolder(const std::wstring& command) {
    std::wstring text = command;
    // Keep only the last q + 3 characters, q being the position of the last
    // quote (-1 without one); the whole text when that is not shorter.
    const auto lastQuote = text.rfind(L'"');
    const long long keep = (lastQuote == std::wstring::npos ? -1LL : static_cast<long long>(lastQuote)) + 3;
    if (keep < static_cast<long long>(text.size())) {
        text = text.substr(text.size() - static_cast<size_t>(keep));
    }
    // The program path ends where the first quote begins.
    const auto firstQuote = text.find(L'"');
    text = (firstQuote == std::wstring::npos) ? std::wstring() : text.substr(0, firstQuote);
    return FolderOfProgramPath(text);
}

std::wstring MessengerProtocolFolder() {
    return MessengerCommandFolder(ReadRegistryText(HKEY_CLASSES_ROOT, L"ymsgr\\shell\\open\\command", L""));
}

std::wstring AimProtocolFolder() {
    return FolderOfProgramPath(ReadRegistryText(HKEY_CLASSES_ROOT, L"AIM\\shell\\open\\command", L""));
}

std::wstring MailClientFolder() {
    return ReadRegistryText(HKEY_CURRENT_USER, L"Software\\Poco Systems Inc\\PocoMail 4", L"path");
}

} // namespace scrub
