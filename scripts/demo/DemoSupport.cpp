#include "Demo.h"
#include "win32/Handles.h"

#include <shlobj.h>

#include <algorithm>

namespace demo {

std::vector<const DemoCategory*>& Categories() {
    static std::vector<const DemoCategory*> categories;
    return categories;
}

Registrar::Registrar(const DemoCategory& category) {
    auto& all = Categories();
    all.push_back(&category);
    std::sort(all.begin(), all.end(), [](auto* a, auto* b) { return a->order < b->order; });
}

void SeedFolder(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    if (pos != std::wstring::npos && pos > 2) {
        SeedFolder(path.substr(0, pos));
    }
    CreateDirectoryW(path.c_str(), nullptr);
}

void SeedFile(const std::wstring& path, size_t size) {
    SeedText(path, std::string(size, 'x'));
}

void SeedText(const std::wstring& path, const std::string& text) {
    SeedFolder(path.substr(0, path.rfind(L'\\')));
    const win32::UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return;
    }
    DWORD written = 0;
    if (!text.empty()) {
        WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

void SeedPicture(const std::wstring& path, int width, int height) {
    SeedFolder(path.substr(0, path.rfind(L'\\')));
    const int row = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + static_cast<DWORD>(row * height);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom row first
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    const int horizon = height * 2 / 5;
    for (int y = 0; y < height; ++y) {
        std::string line(static_cast<size_t>(row), '\0');
        for (int x = 0; x < width; ++x) {
            int r, g, b;
            const int dx = x - width / 2, dy = y - horizon - height / 8;
            if (y < horizon) { // the sea, darker towards the bottom
                r = 20 + y * 40 / horizon;
                g = 60 + y * 60 / horizon;
                b = 110 + y * 60 / horizon;
            } else if (dx * dx + dy * dy < height * height / 25) { // the sun
                r = 255, g = 210, b = 80;
            } else { // the sky, orange at the horizon, blue above
                const int up = (y - horizon) * 255 / (height - horizon);
                r = 250 - up * 170 / 255;
                g = 140 + up * 20 / 255;
                b = 60 + up * 170 / 255;
            }
            line[static_cast<size_t>(x * 3)] = static_cast<char>(b);
            line[static_cast<size_t>(x * 3 + 1)] = static_cast<char>(g);
            line[static_cast<size_t>(x * 3 + 2)] = static_cast<char>(r);
        }
        bytes += line;
    }
    const win32::UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return;
    }
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

namespace {

void SetValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
              DWORD size) {
    win32::UniqueKey opened;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, opened.Put(), nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(opened.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

} // namespace

void SeedString(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text) {
    SetValue(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void SeedDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value) {
    SetValue(root, key, name, REG_DWORD, &value, sizeof value);
}

void SeedBinary(HKEY root, const std::wstring& key, const std::wstring& name, const std::string& bytes) {
    SetValue(root, key, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

std::wstring SpecialFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, csidl, TRUE)) {
        return {};
    }
    return path;
}

} // namespace demo
