// One Internet client session of an update check: the update page and the
// files of the accepted updates all come through it.
#pragma once

#include "support/UpdriftHandles.h"

#include <string>

namespace updrift {

// Only web addresses are followed: "http://" or "https://", any case.
bool IsWebAddress(const std::wstring& url);

class CInternetSession {
public:
    // The system's preconfigured proxy settings apply.
    bool Open();

    // The whole body of the page. False when the address is not a web
    // address, cannot be reached, the server answers with an error status,
    // or reading fails part-way.
    bool FetchPage(const std::wstring& url, std::string& body);

    // Copies the file at the address into `file` and counts the bytes. False
    // on the same failures as FetchPage and when fewer bytes arrive than the
    // server announced.
    bool Download(const std::wstring& url, HANDLE file, unsigned long long& bytes);

private:
    UniqueInternet OpenAddress(const std::wstring& url, DWORD flags, const wchar_t* headers);
    template <class Sink> bool ReadAll(HINTERNET request, Sink&& sink, unsigned long long& bytes);

    UniqueInternet session_;
};

} // namespace updrift
