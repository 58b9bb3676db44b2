#include "rules/RuleReader.h"

#include "rules/RuleSafety.h"
#include "win32/Text.h"

#include <cwctype>
#include <set>

namespace scrub {
namespace {

// No sound key is anywhere near this long; a longer line is damage.
constexpr size_t kLongestLine = 8192;

std::wstring Trimmed(const std::wstring& text) {
    const size_t begin = text.find_first_not_of(L" \t\r");
    if (begin == std::wstring::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(L" \t\r") - begin + 1);
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        const size_t stop = text.find(separator, start);
        parts.push_back(text.substr(start, stop == std::wstring::npos ? stop : stop - start));
        if (stop == std::wstring::npos) {
            return parts;
        }
        start = stop + 1;
    }
}

// "FileKey12" is FileKey; the bare name and any number are one family.
bool IsKeyOf(const std::wstring& key, const wchar_t* family) {
    const size_t length = wcslen(family);
    if (key.size() < length || !win32::EqualsNoCase(key.substr(0, length), family)) {
        return false;
    }
    for (size_t i = length; i < key.size(); ++i) {
        if (!iswdigit(key[i])) {
            return false;
        }
    }
    return true;
}

HKEY HiveOf(const std::wstring& name) {
    static const struct {
        const wchar_t* shortName;
        const wchar_t* longName;
        HKEY hive;
    } hives[] = {{L"HKCU", L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                 {L"HKLM", L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                 {L"HKU", L"HKEY_USERS", HKEY_USERS},
                 {L"HKCR", L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT}};
    for (const auto& known : hives) {
        if (win32::EqualsNoCase(name, known.shortName) || win32::EqualsNoCase(name, known.longName)) {
            return known.hive;
        }
    }
    return nullptr;
}

// "HKCU\Software\Vendor" into its hive and key; false for an unknown hive.
bool SplitRegistryPath(const std::wstring& text, HKEY& hive, std::wstring& key) {
    const size_t cut = text.find(L'\\');
    hive = HiveOf(text.substr(0, cut));
    key = cut == std::wstring::npos ? L"" : text.substr(cut + 1);
    while (!key.empty() && key.back() == L'\\') {
        key.pop_back();
    }
    return hive != nullptr;
}

DWORD VersionNumber(const std::wstring& text) {
    const std::vector<std::wstring> parts = Split(Trimmed(text), L'.');
    if (parts.empty() || parts[0].empty()) {
        return 0;
    }
    const DWORD major = static_cast<DWORD>(_wtoi(parts[0].c_str()));
    const DWORD minor = parts.size() > 1 ? static_cast<DWORD>(_wtoi(parts[1].c_str())) : 0;
    return major * 100 + minor;
}

const wchar_t* GroupOfNumber(const std::wstring& number) {
    static const struct {
        const wchar_t* number;
        const wchar_t* group;
    } groups[] = {{L"3021", L"Applications"}, {L"3022", L"Internet"},     {L"3023", L"Multimedia"},
                  {L"3024", L"Utilities"},    {L"3025", L"Windows"},      {L"3026", L"Firefox"},
                  {L"3027", L"Opera"},        {L"3028", L"Safari"},       {L"3029", L"Google Chrome"},
                  {L"3030", L"Thunderbird"},  {L"3031", L"Windows Store"}};
    for (const auto& known : groups) {
        if (number == known.number) {
            return known.group;
        }
    }
    return L"Other";
}

// One entry as the file writes it, before its variables are expanded.
struct RawEntry {
    std::wstring name;
    std::wstring fault; // why the entry cannot be read; empty: sound
    std::vector<std::pair<std::wstring, std::wstring>> keys;
};

class EntryBuilder {
public:
    EntryBuilder(const RuleVariables& variables) : variables_(variables) {}

    // False with `fault` set when the entry cannot run as written.
    bool Build(const RawEntry& raw, RuleEntry& entry, std::wstring& fault) {
        entry.name = raw.name;
        std::wstring langSecRef;
        for (const auto& [key, value] : raw.keys) {
            if (!Add(entry, key, value, langSecRef, fault)) {
                fault = key + L" " + fault;
                return false;
            }
        }
        if (entry.group.empty()) {
            entry.group = GroupOfNumber(langSecRef);
        }
        for (const RuleFileKey& fileKey : entry.fileKeys) {
            const std::wstring refusal = RefusalOfFileKey(fileKey, protectedFolders_);
            if (!refusal.empty()) {
                fault = L"FileKey " + fileKey.folder + L" " + refusal;
                return false;
            }
        }
        for (const RuleRegKey& regKey : entry.regKeys) {
            const std::wstring refusal = RefusalOfRegKey(regKey);
            if (!refusal.empty()) {
                fault = L"RegKey " + regKey.key + L" " + refusal;
                return false;
            }
            if (TouchesExclusion(entry, regKey)) {
                fault = L"RegKey " + regKey.key + L" holds what the entry excludes";
                return false;
            }
        }
        return true;
    }

private:
    // Every text the value stands for once its variables are expanded.
    bool Expand(const std::wstring& text, std::vector<std::wstring>& expanded, std::wstring& fault) {
        expanded = {L""};
        size_t position = 0;
        while (position < text.size()) {
            const size_t open = text.find(L'%', position);
            if (open == std::wstring::npos) {
                for (std::wstring& done : expanded) {
                    done += text.substr(position);
                }
                break;
            }
            const size_t close = text.find(L'%', open + 1);
            if (close == std::wstring::npos) {
                fault = L"has an unmatched %";
                return false;
            }
            const std::wstring name = text.substr(open + 1, close - open - 1);
            const std::vector<std::wstring> folders = variables_(name);
            if (folders.empty()) {
                fault = L"names %" + name + L"%, which this machine cannot expand";
                return false;
            }
            std::vector<std::wstring> next;
            for (const std::wstring& done : expanded) {
                for (const std::wstring& folder : folders) {
                    next.push_back(done + text.substr(position, open - position) + folder);
                }
            }
            expanded = std::move(next);
            position = close + 1;
        }
        return true;
    }

    bool AddFileKey(RuleEntry& entry, const std::wstring& value, std::wstring& fault) {
        const std::vector<std::wstring> parts = Split(value, L'|');
        if (parts.size() < 2 || Trimmed(parts[1]).empty()) {
            fault = L"has no \"|\" and pattern";
            return false;
        }
        RuleFileKey key;
        for (const std::wstring& pattern : Split(parts[1], L';')) {
            if (!Trimmed(pattern).empty()) {
                key.patterns.push_back(Trimmed(pattern));
            }
        }
        for (size_t i = 2; i < parts.size(); ++i) {
            if (win32::EqualsNoCase(parts[i], L"RECURSE")) {
                key.recurse = true;
            } else if (win32::EqualsNoCase(parts[i], L"REMOVESELF")) {
                key.removeSelf = true;
            } else {
                fault = L"has the unknown flag " + parts[i];
                return false;
            }
        }
        std::vector<std::wstring> folders;
        if (!Expand(Trimmed(parts[0]), folders, fault)) {
            return false;
        }
        for (const std::wstring& folder : folders) {
            key.folder = folder;
            entry.fileKeys.push_back(key);
        }
        return true;
    }

    bool AddRegKey(RuleEntry& entry, const std::wstring& value, std::wstring& fault) {
        const size_t bar = value.find(L'|');
        RuleRegKey key;
        if (!SplitRegistryPath(Trimmed(value.substr(0, bar)), key.hive, key.key)) {
            fault = L"names no registry root it may use";
            return false;
        }
        if (bar != std::wstring::npos) {
            key.value = value.substr(bar + 1);
            key.wholeKey = false;
        }
        entry.regKeys.push_back(key);
        return true;
    }

    bool AddExclusion(RuleEntry& entry, const std::wstring& value, std::wstring& fault) {
        const std::vector<std::wstring> parts = Split(value, L'|');
        RuleExclusion exclusion;
        if (parts.size() >= 2 && win32::EqualsNoCase(parts[0], L"REG")) {
            exclusion.kind = RuleExclusion::Kind::Registry;
            if (!SplitRegistryPath(parts[1], exclusion.hive, exclusion.key)) {
                fault = L"names no registry root it may use";
                return false;
            }
            exclusion.value = parts.size() > 2 ? parts[2] : L"";
            entry.exclusions.push_back(exclusion);
            return true;
        }
        const bool file = parts.size() == 3 && win32::EqualsNoCase(parts[0], L"FILE");
        const bool path = parts.size() >= 2 && parts.size() <= 3 && win32::EqualsNoCase(parts[0], L"PATH");
        if (!file && !path) {
            fault = L"is no FILE|, PATH| or REG| exclusion";
            return false;
        }
        exclusion.kind = file ? RuleExclusion::Kind::File : RuleExclusion::Kind::Path;
        exclusion.pattern = parts.size() > 2 ? Trimmed(parts[2]) : L"";
        std::vector<std::wstring> folders;
        if (!Expand(Trimmed(parts[1]), folders, fault)) {
            return false;
        }
        for (const std::wstring& folder : folders) {
            exclusion.folder = folder;
            entry.exclusions.push_back(exclusion);
        }
        return true;
    }

    bool Add(RuleEntry& entry, const std::wstring& key, const std::wstring& value, std::wstring& langSecRef,
             std::wstring& fault) {
        if (IsKeyOf(key, L"FileKey")) {
            return AddFileKey(entry, value, fault);
        }
        if (IsKeyOf(key, L"RegKey")) {
            return AddRegKey(entry, value, fault);
        }
        if (IsKeyOf(key, L"ExcludeKey")) {
            return AddExclusion(entry, value, fault);
        }
        if (IsKeyOf(key, L"DetectFile")) {
            std::vector<std::wstring> files;
            if (!Expand(value, files, fault)) {
                return false;
            }
            entry.detectFiles.insert(entry.detectFiles.end(), files.begin(), files.end());
            return true;
        }
        if (IsKeyOf(key, L"Detect")) {
            RuleRegistryKey detect;
            if (!SplitRegistryPath(value, detect.hive, detect.key)) {
                fault = L"names no registry root it may use";
                return false;
            }
            entry.detectKeys.push_back(detect);
            return true;
        }
        if (win32::EqualsNoCase(key, L"DetectOS")) {
            const std::vector<std::wstring> bounds = Split(value, L'|');
            entry.osMin = VersionNumber(bounds[0]);
            entry.osMax = bounds.size() > 1 ? VersionNumber(bounds[1]) : 0;
            return true;
        }
        if (win32::EqualsNoCase(key, L"Warning")) {
            entry.warning = value;
        } else if (win32::EqualsNoCase(key, L"Section")) {
            entry.group = value;
        } else if (win32::EqualsNoCase(key, L"LangSecRef")) {
            langSecRef = value;
        }
        // Other names (older files' "Default=", notes of other cleaners)
        // name no place: they change nothing.
        return true;
    }

    static bool TouchesExclusion(const RuleEntry& entry, const RuleRegKey& regKey) {
        for (const RuleExclusion& exclusion : entry.exclusions) {
            if (exclusion.kind != RuleExclusion::Kind::Registry || exclusion.hive != regKey.hive) {
                continue;
            }
            const bool below = win32::EqualsNoCase(exclusion.key, regKey.key) ||
                               win32::StartsWithNoCase(exclusion.key, regKey.key + L"\\");
            if ((regKey.wholeKey && below) ||
                (!regKey.wholeKey && win32::EqualsNoCase(exclusion.key, regKey.key) &&
                 (exclusion.value.empty() || win32::EqualsNoCase(exclusion.value, regKey.value)))) {
                return true;
            }
        }
        return false;
    }

    const RuleVariables& variables_;
    const ProtectedFolders protectedFolders_;
};

std::wstring Grouped(size_t number) {
    std::wstring digits = std::to_wstring(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<size_t>(at), L",");
    }
    return digits;
}

} // namespace

bool DecodeRuleText(const std::string& bytes, std::wstring& text) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))) {
        const bool bigEndian = b[0] == 0xFE;
        text.clear();
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text.push_back(static_cast<wchar_t>(bigEndian ? (b[i] << 8) | b[i + 1] : b[i] | (b[i + 1] << 8)));
        }
        return true;
    }
    std::string body = bytes;
    if (body.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        body.erase(0, 3);
    }
    if (body.find('\0') != std::string::npos) {
        return false;
    }
    text = win32::Utf16FromCodePage(body, CP_UTF8);
    if (!body.empty() && text.empty()) {
        text = win32::Utf16FromAnsi(body);
    }
    return true;
}

RuleSet ReadRules(const std::string& bytes, const RuleVariables& variables) {
    RuleSet rules;
    std::wstring text;
    if (!DecodeRuleText(bytes, text)) {
        rules.notText = true;
        rules.notes.push_back(L"the file is no text");
        return rules;
    }
    EntryBuilder builder(variables);
    std::set<std::wstring> names;
    RawEntry raw;
    bool inEntry = false;
    auto finish = [&] {
        if (!inEntry) {
            return;
        }
        inEntry = false;
        std::wstring upper = raw.name;
        for (wchar_t& c : upper) {
            c = static_cast<wchar_t>(towupper(c));
        }
        if (raw.fault.empty() && !names.insert(upper).second) {
            raw.fault = L"repeats an earlier entry's name";
        }
        RuleEntry entry;
        std::wstring fault = raw.fault;
        if (fault.empty() && builder.Build(raw, entry, fault)) {
            rules.entries.push_back(std::move(entry));
            return;
        }
        ++rules.skipped;
        rules.notes.push_back(raw.name + L": " + fault);
    };
    size_t start = 0;
    while (start < text.size()) {
        size_t stop = text.find(L'\n', start);
        if (stop == std::wstring::npos) {
            stop = text.size();
        }
        const std::wstring line = Trimmed(text.substr(start, std::min(stop - start, kLongestLine + 1)));
        const bool overlong = stop - start > kLongestLine;
        start = stop + 1;
        if (line.empty() || line[0] == L';') {
            continue;
        }
        if (line[0] == L'[') {
            finish();
            inEntry = true;
            raw = RawEntry{};
            const size_t close = line.find(L']');
            raw.name = Trimmed(line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
            if (raw.name.size() > 2 && raw.name.compare(raw.name.size() - 2, 2, L" *") == 0) {
                raw.name.erase(raw.name.size() - 2);
            }
            if (close == std::wstring::npos || overlong || raw.name.empty()) {
                raw.fault = L"has a damaged header line";
            }
            continue;
        }
        if (!inEntry) {
            continue; // lines before the first entry name nothing
        }
        if (overlong) {
            raw.fault = L"has a line too long to be sound";
            continue;
        }
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos || equals == 0) {
            raw.fault = L"has a line without \"key=value\"";
            continue;
        }
        raw.keys.emplace_back(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
    }
    finish();
    return rules;
}

std::wstring RulesSummary(const RuleSet& rules) {
    std::wstring summary =
        Grouped(rules.entries.size()) + L" entries read, " + Grouped(rules.skipped) + L" skipped";
    for (size_t i = 0; i < rules.notes.size() && i < 3; ++i) {
        summary += (i == 0 ? L": " : L"; ") + rules.notes[i];
    }
    if (rules.notes.size() > 3) {
        summary += L"; ...";
    }
    return summary;
}

} // namespace scrub
