#include "DllExports.h"

#include "TestProcess.h"

namespace {

HMODULE LoadedScrubcore() {
    static HMODULE module = LoadLibraryW((testing_support::ProgramFolder() + L"\\Scrubcore.dll").c_str());
    return module;
}

} // namespace

const std::set<std::string>& ScrubcoreExportNames() {
    static const std::set<std::string> names = [] {
        std::set<std::string> result;
        const auto base = reinterpret_cast<const BYTE*>(LoadedScrubcore());
        if (!base) {
            return result;
        }
        const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
        const auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
        const auto nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
        for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
            result.insert(reinterpret_cast<const char*>(base + nameRvas[i]));
        }
        return result;
    }();
    return names;
}

FARPROC ScrubcoreExport(const char* name) {
    HMODULE module = LoadedScrubcore();
    return module ? GetProcAddress(module, name) : nullptr;
}
