#include "check/InternetSession.h"

#include "support/Text.h"
#include "win32/Text.h"

#include <algorithm>
#include <vector>

namespace updrift {

namespace {

constexpr wchar_t kAgent[] = L"Microsoft Internet Explorer";
constexpr DWORD kBlockSize = 64 * 1024;

// Status codes other than 2xx carry an error page, never the update itself.
bool AnsweredWithSuccess(HINTERNET request) {
    DWORD code = 0;
    DWORD size = sizeof code;
    if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size, nullptr)) {
        return false;
    }
    return code >= 200 && code < 300;
}

// The length the server announced, or -1 when it announced none.
long long AnnouncedLength(HINTERNET request) {
    wchar_t text[32] = {};
    DWORD size = sizeof text;
    if (!HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) {
        return -1;
    }
    return ParseDecimal(text);
}

} // namespace

bool IsWebAddress(const std::wstring& url) {
    if (win32::StartsWithNoCase(url, L"https://")) {
        return url.size() > 8;
    }
    constexpr size_t kAuthorityStart = 7; // after "http://"
    if (!win32::StartsWithNoCase(url, L"http://")) {
        return false;
    }
    // The authority: the host and a port. A user part ("name:pass@host")
    // could dress another host up as this machine, so there is none.
    const size_t authorityEnd = std::min(url.find_first_of(L"/?#", kAuthorityStart), url.size());
    const std::wstring authority = url.substr(kAuthorityStart, authorityEnd - kAuthorityStart);
    if (authority.empty() || authority.find_first_of(L"@\\") != std::wstring::npos) {
        return false;
    }
    size_t hostEnd = 0;
    if (authority[0] == L'[') {
        hostEnd = authority.find(L']');
        if (hostEnd == std::wstring::npos) {
            return false;
        }
        ++hostEnd;
    } else {
        hostEnd = std::min(authority.find(L':'), authority.size());
    }
    if (hostEnd < authority.size()) {
        const std::wstring port = authority.substr(hostEnd);
        if (port[0] != L':' || port.find_first_not_of(L"0123456789", 1) != std::wstring::npos) {
            return false;
        }
    }
    const std::wstring host = authority.substr(0, hostEnd);
    for (const wchar_t* loopback : {L"127.0.0.1", L"localhost", L"[::1]"}) {
        if (win32::EqualsNoCase(host, loopback)) {
            return true;
        }
    }
    return false;
}

bool CInternetSession::Open() {
    session_.Reset(InternetOpenW(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    return session_.Valid();
}

win32::UniqueInternet CInternetSession::OpenAddress(const std::wstring& url, DWORD flags,
                                                    const wchar_t* headers) {
    if (!session_ || !IsWebAddress(url)) {
        return win32::UniqueInternet();
    }
    // The user is never asked anything on the updater's behalf (no
    // credential or certificate dialogs): a check runs unattended.
    win32::UniqueInternet request(InternetOpenUrlW(session_.Get(), url.c_str(), headers,
                                                   headers ? static_cast<DWORD>(-1) : 0,
                                                   flags | INTERNET_FLAG_NO_UI, 0));
    if (request && !AnsweredWithSuccess(request.Get())) {
        request.Reset();
    }
    return request;
}

template <class Sink>
bool CInternetSession::ReadAll(HINTERNET request, Sink&& sink, unsigned long long& bytes) {
    std::vector<char> block(kBlockSize);
    bytes = 0;
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(request, block.data(), kBlockSize, &read)) {
            return false;
        }
        if (read == 0) {
            break;
        }
        if (!sink(block.data(), read)) {
            return false;
        }
        bytes += read;
    }
    // A connection that closes early ends the body without an error; the
    // announced length tells that something is missing.
    const long long announced = AnnouncedLength(request);
    return announced < 0 || static_cast<unsigned long long>(announced) == bytes;
}

bool CInternetSession::FetchPage(const std::wstring& url, std::string& body, size_t limit) {
    // Always the server's current page, never a cached copy.
    win32::UniqueInternet request =
        OpenAddress(url, INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD, L"Accept: */*\r\n");
    if (!request) {
        return false;
    }
    body.clear();
    unsigned long long bytes = 0;
    return ReadAll(
        request.Get(),
        [&](const char* data, DWORD size) {
            if (size > limit - body.size()) {
                return false;
            }
            body.append(data, size);
            return true;
        },
        bytes);
}

bool CInternetSession::Download(const std::wstring& url, HANDLE file, unsigned long long& bytes) {
    win32::UniqueInternet request = OpenAddress(
        url, INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, nullptr);
    if (!request) {
        return false;
    }
    return ReadAll(
        request.Get(),
        [&](const char* data, DWORD size) {
            DWORD written = 0;
            return WriteFile(file, data, size, &written, nullptr) && written == size;
        },
        bytes);
}

} // namespace updrift
