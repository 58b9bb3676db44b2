// One Internet client session of an update check: the update page and the
// files of the accepted updates all come through it.
#pragma once

#include "win32/InternetHandles.h"

#include <string>

namespace updrift {

// Only addresses the updater may trust are followed: "https://" (any case),
// or plain "http://" to this machine itself (a local test or staging
// server). Whoever sits on the network between the user and a plain-http
// server could hand out programs that the program folder then runs.
bool IsWebAddress(const std::wstring& url);

class CInternetSession {
public:
    // The system's preconfigured proxy settings apply.
    bool Open();

    // The whole body of the page. False when the address is not a web
    // address, cannot be reached, the server answers with an error status,
    // reading fails part-way, or the body grows beyond `limit` bytes.
    bool FetchPage(const std::wstring& url, std::string& body, size_t limit = std::string::npos);

    // Copies the file at the address into `file` and counts the bytes. False
    // on the same failures as FetchPage and when fewer bytes arrive than the
    // server announced.
    bool Download(const std::wstring& url, HANDLE file, unsigned long long& bytes);

private:
    win32::UniqueInternet OpenAddress(const std::wstring& url, DWORD flags, const wchar_t* headers);
    template <class Sink> bool ReadAll(HINTERNET request, Sink&& sink, unsigned long long& bytes);

    win32::UniqueInternet session_;
};

} // namespace updrift
