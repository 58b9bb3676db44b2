#include "CommandOutput.h"

#include "win32/PathText.h"
#include "win32/Text.h"

#include <algorithm>

namespace nimbrel {

namespace {

// Gathered output is written after this long at most, or once it is this big.
constexpr ULONGLONG kFlushIntervalMs = 200;
constexpr size_t kFlushSize = 16384;
// The console takes long texts in pieces.
constexpr size_t kConsoleChunk = 8192;

void WriteBytes(HANDLE handle, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(handle, bytes.data() + done, size, &written, nullptr) || written == 0) {
            return; // a closed pipe: the rest has nowhere to go
        }
        done += written;
    }
}

} // namespace

CCommandOutput::Target CCommandOutput::Inherited(DWORD standardHandle) {
    Target target;
    const HANDLE handle = GetStdHandle(standardHandle);
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        return target;
    }
    DWORD mode = 0;
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
    case FILE_TYPE_PIPE:
        target = {Target::Kind::Bytes, handle};
        break;
    case FILE_TYPE_CHAR:
        // A console the program already shares, or a device such as NUL.
        target = {GetConsoleMode(handle, &mode) ? Target::Kind::Console : Target::Kind::Bytes, handle};
        break;
    default:
        break;
    }
    return target;
}

CCommandOutput::CCommandOutput() {
    // Both handles are taken before attaching to a console, which may set
    // the standard handles anew.
    out_ = Inherited(STD_OUTPUT_HANDLE);
    error_ = Inherited(STD_ERROR_HANDLE);
    if (out_.kind != Target::Kind::None && error_.kind != Target::Kind::None) {
        return;
    }
    // Started from a command prompt: its console shows what goes nowhere
    // else. Started by Explorer or the Task Scheduler there is none.
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    console_.Reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
    if (!console_) {
        return;
    }
    for (Target* target : {&out_, &error_}) {
        if (target->kind == Target::Kind::None) {
            *target = {Target::Kind::Console, console_.Get()};
        }
    }
}

CCommandOutput::~CCommandOutput() {
    Flush();
}

bool CCommandOutput::OpenReport(const std::wstring& path) {
    report_.Reset(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!report_) {
        return false;
    }
    WriteBytes(report_.Get(), "\xEF\xBB\xBF");
    reportPath_ = path;
    return true;
}

std::vector<std::wstring> CCommandOutput::OwnFiles() const {
    std::vector<std::wstring> files;
    if (!reportPath_.empty()) {
        files.push_back(reportPath_);
    }
    for (const Target* target : {&out_, &error_}) {
        if (target->kind != Target::Kind::Bytes || GetFileType(target->handle) != FILE_TYPE_DISK) {
            continue;
        }
        wchar_t path[32768];
        const DWORD length =
            GetFinalPathNameByHandleW(target->handle, path, 32768, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length > 0 && length < 32768) {
            files.push_back(win32::WithoutLongPathPrefix(std::wstring(path, length)));
        }
    }
    return files;
}

void CCommandOutput::Print(const std::wstring& text) {
    pending_ += text;
    if (pending_.size() >= kFlushSize) {
        Flush();
    }
}

void CCommandOutput::PrintError(const std::wstring& text) {
    Flush();
    Write(error_, text);
    WriteToReport(text);
}

void CCommandOutput::FlushIfDue() {
    if (!pending_.empty() && GetTickCount64() - writtenAt_ >= kFlushIntervalMs) {
        Flush();
    }
}

void CCommandOutput::Flush() {
    writtenAt_ = GetTickCount64();
    if (pending_.empty()) {
        return;
    }
    Write(out_, pending_);
    WriteToReport(pending_);
    pending_.clear();
}

void CCommandOutput::Write(const Target& target, const std::wstring& text) {
    switch (target.kind) {
    case Target::Kind::Bytes:
        WriteBytes(target.handle, win32::Utf8FromUtf16(text));
        break;
    case Target::Kind::Console:
        for (size_t done = 0; done < text.size();) {
            DWORD written = 0;
            size_t size = std::min(kConsoleChunk, text.size() - done);
            if (size > 1 && IS_HIGH_SURROGATE(text[done + size - 1])) {
                --size; // a character is never cut in two
            }
            if (!WriteConsoleW(target.handle, text.data() + done, static_cast<DWORD>(size), &written,
                               nullptr) ||
                written == 0) {
                return;
            }
            done += written;
        }
        break;
    case Target::Kind::None:
        break;
    }
}

void CCommandOutput::WriteToReport(const std::wstring& text) {
    if (report_) {
        WriteBytes(report_.Get(), win32::Utf8FromUtf16(text));
    }
}

} // namespace nimbrel
