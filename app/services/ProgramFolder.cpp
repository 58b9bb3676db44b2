#include "ProgramFolder.h"

#include <windows.h>

#include <vector>

namespace nimbrel {

std::wstring ProgramFolder() {
    // Paths longer than MAX_PATH are possible when the program was started
    // through a \\?\ path: grow the buffer until the name fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return {};
        }
        if (n < path.size()) {
            const std::wstring file(path.data(), n);
            const auto cut = file.rfind(L'\\');
            return cut == std::wstring::npos ? std::wstring() : file.substr(0, cut);
        }
        path.resize(path.size() * 2);
    }
}

} // namespace nimbrel
