#include "LogTime.h"

#include <cwchar>

namespace nimbrel {

namespace {

const wchar_t* Meridiem(const SYSTEMTIME& time) {
    return time.wHour < 12 ? L"AM" : L"PM";
}

} // namespace

SYSTEMTIME SystemLocalTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

std::wstring LogFileName(const SYSTEMTIME& t) {
    wchar_t text[64];
    swprintf(text, 64, L"LOGS_%02u_%02u_%04u_%02u_%02u_%02u_%ls.log", t.wMonth, t.wDay, t.wYear, t.wHour,
             t.wMinute, t.wSecond, Meridiem(t));
    return text;
}

std::wstring LogLineStamp(const SYSTEMTIME& t) {
    wchar_t text[64];
    swprintf(text, 64, L"%02u/%02u/%04u %02u:%02u:%02u %ls:", t.wMonth, t.wDay, t.wYear, t.wHour, t.wMinute,
             t.wSecond, Meridiem(t));
    return text;
}

std::wstring ArchiveFileName(const SYSTEMTIME& t) {
    wchar_t text[64];
    swprintf(text, 64, L"LOGS_%02u_%02u_%04u_%02u_%02u_%02u.zip", t.wMonth, t.wDay, t.wYear, t.wHour,
             t.wMinute, t.wSecond);
    return text;
}

} // namespace nimbrel
