// Where the community rules file lives and how it is brought up to date.
// The user's copy (roaming application data, "Nimbrel\winapp2.ini") wins
// over the one the installer puts beside Nimbrel.exe; an update is written
// next to the user's copy and takes its place only when it reads as a
// rules file, so a broken download never replaces rules that work.
#pragma once

#include <functional>
#include <string>

namespace nimbrel {

inline constexpr wchar_t kRulesFileName[] = L"winapp2.ini";
// The community's published file, unless an administrator names another
// address in the settings value below (HKEY_LOCAL_MACHINE\SOFTWARE\Nimbrel).
inline constexpr wchar_t kCommunityRulesAddress[] =
    L"https://raw.githubusercontent.com/MoscaDotTo/Winapp2/master/Non-CCleaner/Winapp2.ini";
inline constexpr wchar_t kRulesAddressSetting[] = L"rulesaddress";

std::wstring UserRulesFile();
std::wstring ProgramRulesFile();
// The user's file when it is there, else the program folder's when that is
// there, else empty.
std::wstring RulesFileInUse();
// The address an update fetches: the setting's (blanks around it don't
// count) or the community's.
std::wstring RulesAddress(const std::wstring& product);

// Copies the file at an address into a new file at a path; 1 when all of
// it arrived (the updater's AuDownloadFile, or a test's stand-in).
using RulesDownloadFunction = int (*)(const wchar_t* url, const wchar_t* path);

struct RulesUpdateOutcome {
    bool updated = false;
    std::wstring text; // for the user: what happened, one sentence or two
};

// Fetches the newest rules file and puts it in the user's folder when it
// reads as rules (at least one entry); the Community items are read again
// either way. Blocks until the download ends.
// An empty `download` has nowhere to fetch from.
using RulesDownload = std::function<int(const wchar_t* url, const wchar_t* path)>;
RulesUpdateOutcome UpdateRulesFile(const std::wstring& product, const RulesDownload& download);

} // namespace nimbrel
