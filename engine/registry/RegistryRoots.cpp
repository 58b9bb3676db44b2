#include "registry/RegistryPrimitives.h"

namespace scrub {
namespace {

struct RootEntry {
    HKEY root;
    const wchar_t* name;
};

const RootEntry* Roots(size_t& count) {
    static const RootEntry roots[] = {
        {HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT"},         {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"},
        {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"},       {HKEY_USERS, L"HKEY_USERS"},
        {HKEY_PERFORMANCE_DATA, L"HKEY_PERFORMANCE_DATA"}, {HKEY_CURRENT_CONFIG, L"HKEY_CURRENT_CONFIG"},
    };
    count = sizeof(roots) / sizeof(roots[0]);
    return roots;
}

} // namespace

std::wstring RootName(HKEY root) {
    size_t count = 0;
    const RootEntry* roots = Roots(count);
    for (size_t i = 0; i < count; ++i) {
        if (roots[i].root == root) {
            return roots[i].name;
        }
    }
    return {};
}

HKEY RootFromName(const std::wstring& name) {
    size_t count = 0;
    const RootEntry* roots = Roots(count);
    for (size_t i = 0; i < count; ++i) {
        if (name == roots[i].name) {
            return roots[i].root;
        }
    }
    return nullptr;
}

std::wstring RegistryText(HKEY root, const std::wstring& subkey, const std::wstring& valueName) {
    return RootName(root) + L"||" + subkey + L"=" + valueName;
}

bool ParseRegistryText(const std::wstring& text, RegistryTextParts& parts) {
    const auto bars = text.find(L"||");
    if (bars == std::wstring::npos) {
        return false;
    }
    const auto equals = text.rfind(L'=');
    if (equals == std::wstring::npos || equals < bars + 2) {
        return false;
    }
    parts.rootName = text.substr(0, bars);
    parts.subkey = text.substr(bars + 2, equals - bars - 2);
    parts.valueName = text.substr(equals + 1);
    return true;
}

bool IsRegistryText(const std::wstring& text) {
    const auto bars = text.find(L"||");
    return bars != std::wstring::npos && RootFromName(text.substr(0, bars)) != nullptr;
}

} // namespace scrub
