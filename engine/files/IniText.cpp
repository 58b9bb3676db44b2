#include "files/IniText.h"

#include "win32/Handles.h"
#include "win32/Text.h"

#include <windows.h>

namespace scrub {
namespace {

constexpr size_t kLargestSettingsFile = 16u << 20;

std::wstring Utf16FromUtf8(const std::string& text) {
    return win32::Utf16FromCodePage(text, CP_UTF8);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string Trimmed(const std::string& bytes, size_t begin, size_t end) {
    while (begin < end && IsBlank(bytes[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(bytes[end - 1])) {
        --end;
    }
    return bytes.substr(begin, end - begin);
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// Calls `line(begin, end, next)` for every line; a byte-order mark belongs to
// no line.
template <class Line> void ForEachLine(const std::string& bytes, Line line) {
    size_t begin = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (begin < bytes.size()) {
        size_t end = bytes.find('\n', begin);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) {
            end = bytes.size();
        }
        if (!line(begin, end, next)) {
            return;
        }
        begin = next;
    }
}

// The name between the brackets of a header line; false for any other line.
bool HeaderName(const std::string& text, std::string& name) {
    if (text.size() < 2 || text.front() != '[' || text.back() != ']') {
        return false;
    }
    name = text.substr(1, text.size() - 2);
    return true;
}

} // namespace

bool ReadFileBytes(const std::wstring& path, std::string& bytes) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.Get(), &size) ||
        size.QuadPart > static_cast<LONGLONG>(kLargestSettingsFile)) {
        return false;
    }
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return false;
    }
    return true;
}

bool FindIniSection(const std::string& bytes, const std::string& section, IniRange& range) {
    bool inside = false;
    ForEachLine(bytes, [&](size_t begin, size_t end, size_t) {
        std::string name;
        if (!HeaderName(Trimmed(bytes, begin, end), name)) {
            return true;
        }
        if (inside) {
            range.end = begin;
            return false;
        }
        if (EqualsIgnoringAsciiCase(name, section)) {
            inside = true;
            range.begin = begin;
            range.end = bytes.size();
        }
        return true;
    });
    return inside;
}

bool HasIniEntries(const std::string& bytes, const IniRange& range) {
    const std::string part = bytes.substr(range.begin, range.end - range.begin);
    bool found = false;
    ForEachLine(part, [&](size_t begin, size_t end, size_t) {
        const std::string text = Trimmed(part, begin, end);
        const size_t equals = text.find('=');
        if (equals != std::string::npos && equals > 0) {
            const std::string value = Trimmed(text, equals + 1, text.size());
            found = !value.empty() && value != "@Invalid()";
        }
        return !found;
    });
    return found;
}

void ForEachIniEntry(
    const std::string& bytes,
    const std::function<void(const std::wstring&, const std::wstring&, const std::wstring&)>& entry) {
    std::wstring section;
    ForEachLine(bytes, [&](size_t begin, size_t end, size_t) {
        const std::string text = Trimmed(bytes, begin, end);
        std::string name;
        if (HeaderName(text, name)) {
            section = Utf16FromUtf8(name);
            return true;
        }
        const size_t equals = text.find('=');
        if (equals != std::string::npos && equals > 0 && text[0] != ';' && text[0] != '#') {
            entry(section, Utf16FromUtf8(Trimmed(text, 0, equals)),
                  Utf16FromUtf8(Trimmed(text, equals + 1, text.size())));
        }
        return true;
    });
}

} // namespace scrub
