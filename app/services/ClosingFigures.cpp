#include "ClosingFigures.h"

#include "SettingsStore.h"

#include <cwctype>

namespace nimbrel {

namespace {

bool IsBlank(const std::wstring& text) {
    for (wchar_t c : text) {
        if (!std::iswspace(c)) {
            return false;
        }
    }
    return true;
}

} // namespace

void SettleFiguresAtClose(const std::wstring& product) {
    if (IsBlank(GetString(product, L"ttf"))) {
        SetString(product, L"ttf", L"0");
    }
    if (GetString(product, L"showerrs").find(L'-') != std::wstring::npos) {
        SetString(product, L"showerrs", L"0");
    }
}

} // namespace nimbrel
