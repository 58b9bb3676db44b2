#include "core/ExportGuard.h"
#include "core/ScrubcoreApp.h"
#include "files/IniText.h"
#include "rules/RuleReader.h"
#include "rules/RuleRunner.h"
#include "scrubcore/CommunityRules.h"

#include <algorithm>

namespace scrub {
namespace {

const RuleEntry* EntryAt(int entry) {
    const auto& rules = theApp.communityRules;
    if (!rules || entry < 0 || static_cast<size_t>(entry) >= rules->entries.size()) {
        return nullptr;
    }
    return &rules->entries[static_cast<size_t>(entry)];
}

int CopyText(const std::wstring& text, wchar_t* buffer, int capacity) {
    if (buffer && capacity > 0) {
        const size_t length = std::min(text.size(), static_cast<size_t>(capacity - 1));
        std::copy_n(text.data(), length, buffer);
        buffer[length] = 0;
    }
    return static_cast<int>(text.size() + 1);
}

} // namespace
} // namespace scrub

SCRUBCORE_API int Scrubcore_LoadRules(const wchar_t* path) {
    return scrub::GuardedResult(0, [&] {
        auto rules = std::make_shared<scrub::RuleSet>();
        std::string bytes;
        if (path && scrub::ReadFileBytes(path, bytes)) {
            *rules = scrub::ReadRules(bytes, scrub::MachineRuleVariables());
        } else {
            rules->notes.push_back(L"the file cannot be read");
        }
        scrub::theApp.communityRules = rules;
        return static_cast<int>(rules->entries.size());
    });
}

SCRUBCORE_API int Scrubcore_RulesCount(void) {
    const auto& rules = scrub::theApp.communityRules;
    return rules ? static_cast<int>(rules->entries.size()) : 0;
}

SCRUBCORE_API int Scrubcore_RulesSkipped(void) {
    const auto& rules = scrub::theApp.communityRules;
    return rules ? static_cast<int>(rules->skipped) : 0;
}

SCRUBCORE_API int Scrubcore_RuleText(int entry, int kind, wchar_t* buffer, int capacity) {
    return scrub::GuardedResult(0, [&] {
        if (kind == SCRUBCORE_RULES_SUMMARY) {
            const auto& rules = scrub::theApp.communityRules;
            return scrub::CopyText(rules ? scrub::RulesSummary(*rules) : L"", buffer, capacity);
        }
        const scrub::RuleEntry* rule = scrub::EntryAt(entry);
        if (!rule) {
            return 0;
        }
        switch (kind) {
        case SCRUBCORE_RULE_NAME:
            return scrub::CopyText(rule->name, buffer, capacity);
        case SCRUBCORE_RULE_GROUP:
            return scrub::CopyText(rule->group, buffer, capacity);
        case SCRUBCORE_RULE_WARNING:
            return scrub::CopyText(rule->warning, buffer, capacity);
        default:
            return 0;
        }
    });
}

SCRUBCORE_API int Scrubcore_RuleDetected(int entry) {
    return scrub::GuardedResult(0, [&] {
        const scrub::RuleEntry* rule = scrub::EntryAt(entry);
        return rule && scrub::RuleDetected(*rule) ? 1 : 0;
    });
}

SCRUBCORE_API int Scrubcore_RunRule(int entry) {
    // The rules stay alive for the run even when the host loads others.
    const auto rules = scrub::theApp.communityRules;
    return scrub::Guarded(1, [&] {
        const scrub::RuleEntry* rule = scrub::EntryAt(entry);
        if (rule && !scrub::theApp.stopRequested) {
            scrub::RunRule(*rule);
        }
    });
}

SCRUBCORE_API int Scrubcore_RuleRemoveEmptied(int entry) {
    const auto rules = scrub::theApp.communityRules;
    return scrub::Guarded(1, [&] {
        if (const scrub::RuleEntry* rule = scrub::EntryAt(entry)) {
            scrub::RemoveEmptiedRuleFolders(*rule);
        }
    });
}
