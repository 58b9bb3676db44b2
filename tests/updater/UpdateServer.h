// A real web server on 127.0.0.1 for the updater tests: Python's http.server
// (update_server.py beside the test programs) serving files the tests write.
// One server runs for the whole test program; every test serves its files
// from a folder of its own.
#pragma once

#include <string>
#include <vector>

// The files one test serves, below a folder of their own on the server.
class ServedFiles {
public:
    ServedFiles();
    ServedFiles(const ServedFiles&) = delete;
    ServedFiles& operator=(const ServedFiles&) = delete;
    ~ServedFiles();

    // Serves the bytes under the name; returns the file's address.
    std::wstring Put(const std::wstring& name, const std::string& bytes);
    // The address of a name, served or not.
    std::wstring Url(const std::wstring& name) const;
    // The server announces the whole file but hangs up after half of it.
    void CutShort(const std::wstring& name);
    // The names of this folder the server was asked for, in order.
    std::vector<std::wstring> Requested() const;

private:
    std::wstring folderName_;
    std::wstring folderPath_;
};

// A local address where nothing listens.
std::wstring UnreachableUrl();
// The address of the server itself (for pages outside any test folder).
std::wstring ServerUrl(const std::wstring& path);
