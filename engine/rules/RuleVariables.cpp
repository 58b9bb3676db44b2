#include "rules/RuleReader.h"

#include "catalogue/Roots.h"
#include "win32/Text.h"

#include <shlobj.h>

namespace scrub {
namespace {

std::vector<std::wstring> OneOrNone(const std::wstring& folder) {
    return folder.empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{folder};
}

// A folder and its 32-bit twin where Windows keeps two.
std::vector<std::wstring> BothOf(int native, int x86) {
    std::vector<std::wstring> folders = OneOrNone(SpecialFolder(native));
    const std::wstring other = SpecialFolder(x86);
    if (!other.empty() && (folders.empty() || !win32::EqualsNoCase(other, folders[0]))) {
        folders.push_back(other);
    }
    return folders;
}

std::wstring Environment(const std::wstring& name) {
    wchar_t buffer[32768];
    const DWORD length = GetEnvironmentVariableW(name.c_str(), buffer, 32768);
    return length > 0 && length < 32768 ? std::wstring(buffer, length) : std::wstring();
}

std::wstring WithoutTrailingBackslash(std::wstring folder) {
    while (folder.size() > 3 && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

} // namespace

RuleVariables MachineRuleVariables() {
    struct Named {
        const wchar_t* name;
        std::vector<std::wstring> folders;
    };
    // Asked once per file: some four thousand entries name the same dozen.
    const std::wstring localAppData = SpecialFolder(CSIDL_LOCAL_APPDATA);
    const std::wstring profile = SpecialFolder(CSIDL_PROFILE);
    const std::wstring winDir = WinDirFolder();
    std::wstring systemDrive = Environment(L"SystemDrive");
    if (systemDrive.empty() && winDir.size() >= 2) {
        systemDrive = winDir.substr(0, 2);
    }
    std::wstring publicFolder = Environment(L"PUBLIC");
    if (publicFolder.empty()) {
        publicFolder = SpecialFolder(CSIDL_COMMON_DOCUMENTS);
        if (!publicFolder.empty()) {
            publicFolder = publicFolder.substr(0, publicFolder.rfind(L'\\'));
        }
    }
    const std::wstring temp = WithoutTrailingBackslash(TempPathFolder());
    std::vector<Named> table = {
        {L"AppData", OneOrNone(SpecialFolder(CSIDL_APPDATA))},
        {L"LocalAppData", OneOrNone(localAppData)},
        {L"LocalLowAppData", OneOrNone(profile.empty() ? L"" : profile + L"\\AppData\\LocalLow")},
        {L"UserProfile", OneOrNone(profile)},
        {L"Documents", OneOrNone(SpecialFolder(CSIDL_PERSONAL))},
        {L"Pictures", OneOrNone(SpecialFolder(CSIDL_MYPICTURES))},
        {L"Music", OneOrNone(SpecialFolder(CSIDL_MYMUSIC))},
        {L"Video", OneOrNone(SpecialFolder(CSIDL_MYVIDEO))},
        {L"Desktop", OneOrNone(SpecialFolder(CSIDL_DESKTOPDIRECTORY))},
        {L"Public", OneOrNone(publicFolder)},
        {L"ProgramFiles", BothOf(CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86)},
        {L"CommonProgramFiles", BothOf(CSIDL_PROGRAM_FILES_COMMON, CSIDL_PROGRAM_FILES_COMMONX86)},
        {L"ProgramData", OneOrNone(SpecialFolder(CSIDL_COMMON_APPDATA))},
        {L"CommonAppData", OneOrNone(SpecialFolder(CSIDL_COMMON_APPDATA))},
        {L"WinDir", OneOrNone(winDir)},
        {L"SystemDrive", OneOrNone(systemDrive)},
        {L"Temp", OneOrNone(temp)},
        {L"Tmp", OneOrNone(temp)},
    };
    return [table](const std::wstring& name) {
        for (const Named& named : table) {
            if (win32::EqualsNoCase(name, named.name)) {
                return named.folders;
            }
        }
        return OneOrNone(WithoutTrailingBackslash(Environment(name)));
    };
}

} // namespace scrub
