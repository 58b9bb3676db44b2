#include "win32/Text.h"

#include <windows.h>

#include <cstdio>

namespace win32 {

namespace {

std::string BytesFromUtf16(const std::wstring& text, unsigned codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) {
        WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), n, nullptr, nullptr);
    }
    return bytes;
}

} // namespace

std::wstring Utf16FromCodePage(const std::string& bytes, unsigned codePage) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) {
        MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), n);
    }
    return wide;
}

std::wstring Utf16FromAnsi(const std::string& text) {
    return Utf16FromCodePage(text, CP_ACP);
}

std::string Utf8FromUtf16(const std::wstring& text) {
    return BytesFromUtf16(text, CP_UTF8);
}

std::string AnsiFromUtf16(const std::wstring& text) {
    return BytesFromUtf16(text, CP_ACP);
}

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                        static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

namespace {

bool IsControlCharacter(wchar_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

std::wstring EscapeOf(wchar_t c) {
    switch (c) {
    case L'\r':
        return L"\\r";
    case L'\n':
        return L"\\n";
    case L'\t':
        return L"\\t";
    default: {
        wchar_t text[8];
        swprintf(text, 8, L"\\x%02X", static_cast<unsigned>(c));
        return text;
    }
    }
}

wchar_t MarkOf(wchar_t c) {
    if (c < 0x20) {
        return static_cast<wchar_t>(0x2400 + c);
    }
    return c == 0x7F ? L'\x2421' : L'\xFFFD';
}

} // namespace

std::wstring WithControlsShown(const std::wstring& text, ControlCharacters how) {
    size_t first = 0;
    while (first < text.size() && !IsControlCharacter(text[first])) {
        ++first;
    }
    if (first == text.size()) {
        return text; // the usual case: nothing to show
    }
    std::wstring shown = text.substr(0, first);
    for (size_t i = first; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (!IsControlCharacter(c)) {
            shown += c;
        } else if (how == ControlCharacters::Escaped) {
            shown += EscapeOf(c);
        } else {
            shown += MarkOf(c);
        }
    }
    return shown;
}

} // namespace win32
