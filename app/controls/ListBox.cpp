#include "ListBox.h"

#include <vector>

namespace nimbrel {

std::wstring CListBox::GetText(int index) const {
    const auto length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR) {
        return {};
    }
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    const auto copied = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return copied == LB_ERR ? std::wstring() : std::wstring(text.data(), static_cast<size_t>(copied));
}

} // namespace nimbrel
