// The demonstration behind `make run`: it seeds a throwaway Wine prefix with
// the traces a Windows user's programs leave, scans them through the real
// Scrubcore.dll and prints what it found (and, when asked, cleans it).
//
// Each item category adds one file with a DEMO_CATEGORY: the traces it seeds
// and the items it scans, with their option labels.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace demo {

struct DemoItem {
    const char* exportName;
    const wchar_t* label;
};

struct DemoCategory {
    int order; // position in the fixed category order (0 = Windows)
    const wchar_t* name;
    void (*seed)();
    std::vector<DemoItem> items;
};

// Registered categories, in category order.
std::vector<const DemoCategory*>& Categories();

struct Registrar {
    explicit Registrar(const DemoCategory& category);
};

// Seeding helpers: every path is inside the demo prefix.
void SeedFile(const std::wstring& path, size_t size);
// A settings file with this text.
void SeedText(const std::wstring& path, const std::string& text);
// A real picture (a sunset over the sea, as a bitmap whatever the name says),
// so that the program's preview has something to show.
void SeedPicture(const std::wstring& path, int width, int height);
void SeedFolder(const std::wstring& path);
void SeedString(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text);
void SeedDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value);
void SeedBinary(HKEY root, const std::wstring& key, const std::wstring& name, const std::string& bytes);
std::wstring SpecialFolder(int csidl);

} // namespace demo

#define DEMO_CATEGORY(variable, ...)                                                                         \
    static const ::demo::DemoCategory variable = __VA_ARGS__;                                                \
    static const ::demo::Registrar variable##Registrar(variable)
