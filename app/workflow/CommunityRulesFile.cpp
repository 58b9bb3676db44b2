#include "CommunityRulesFile.h"

#include "CommunityItems.h"
#include "NimbrelControlApp.h"
#include "ProgramFolder.h"
#include "SettingsStore.h"
#include "scrubcore/CommunityRules.h"

#include <windows.h>

#include <shlobj.h>

namespace nimbrel {

namespace {

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring UserRulesFolder() {
    wchar_t appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) {
        return {};
    }
    return std::wstring(appData) + L"\\" + kProductTitle;
}

RulesUpdateOutcome Failed(std::wstring text) {
    WriteLog(L"Rules update: " + text);
    return {false, text + L" The rules in use stay as they are."};
}

} // namespace

std::wstring UserRulesFile() {
    const std::wstring folder = UserRulesFolder();
    return folder.empty() ? folder : folder + L"\\" + kRulesFileName;
}

std::wstring ProgramRulesFile() {
    return ProgramFolder() + L"\\" + kRulesFileName;
}

std::wstring RulesFileInUse() {
    for (const std::wstring& file : {UserRulesFile(), ProgramRulesFile()}) {
        if (!file.empty() && FileExists(file)) {
            return file;
        }
    }
    return {};
}

std::wstring RulesAddress(const std::wstring& product) {
    const std::wstring setting = GetString(product, kRulesAddressSetting);
    const size_t first = setting.find_first_not_of(L" \t");
    if (first == std::wstring::npos) {
        return kCommunityRulesAddress;
    }
    return setting.substr(first, setting.find_last_not_of(L" \t") - first + 1);
}

RulesUpdateOutcome UpdateRulesFile(const std::wstring& product, const RulesDownload& download) {
    const std::wstring address = RulesAddress(product);
    const std::wstring folder = UserRulesFolder();
    WriteLog(L"Rules update from " + address);
    if (folder.empty() || !download) {
        return Failed(L"The rules file has no place to go.");
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring target = folder + L"\\" + kRulesFileName;
    const std::wstring fresh = target + L".new";
    if (download(address.c_str(), fresh.c_str()) != 1) {
        DeleteFileW(fresh.c_str());
        return Failed(L"The rules file could not be downloaded from " + address +
                      L" (only https:// addresses are followed).");
    }
    // The engine reads the new file in place of the rules it holds; the
    // Community items are read again below whichever file is kept.
    const bool sound = Scrubcore_LoadRules(fresh.c_str()) > 0;
    const bool swapped = sound && MoveFileExW(fresh.c_str(), target.c_str(),
                                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!swapped) {
        DeleteFileW(fresh.c_str());
    }
    if (CommunityItems().Loaded()) {
        CommunityItems().Reload();
    }
    if (!sound) {
        return Failed(L"The file downloaded from " + address + L" holds no cleaning rules.");
    }
    if (!swapped) {
        return Failed(L"The rules file cannot be written to " + target + L".");
    }
    CommunityItems().EnsureLoaded();
    const std::wstring text = L"The community rules were updated: " + CommunityItems().Summary() + L".";
    WriteLog(L"Rules update: " + text);
    return {true, text};
}

} // namespace nimbrel
