// A real web server on 127.0.0.1 for the updater tests: Python's http.server
// (update_server.py beside the test programs) serving files the tests write,
// each with its signature by the test key beside it, as a release signed by
// the vendor's key is served. One server runs for the whole test program;
// every test serves its files from a folder of its own.
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

    // Serves the bytes under the name and their signature by the test key
    // under the name with ".sig" appended; returns the file's address.
    std::wstring Put(const std::wstring& name, const std::string& bytes);
    // Serves the bytes under the name and leaves its signature as it is
    // (for signatures themselves, tampered files, unsigned files).
    std::wstring PutUnsigned(const std::wstring& name, const std::string& bytes);
    // The address of a name, served or not.
    std::wstring Url(const std::wstring& name) const;
    // The server announces the whole file but hangs up after half of it.
    void CutShort(const std::wstring& name);
    // The names of this folder the server was asked for, in order.
    std::vector<std::wstring> Requested() const;
    // The same without the signatures.
    std::vector<std::wstring> RequestedFiles() const;
    // The folder's path on this machine (where a release is signed).
    const std::wstring& Folder() const { return folderPath_; }

private:
    std::wstring folderName_;
    std::wstring folderPath_;
};

// A local address where nothing listens.
std::wstring UnreachableUrl();
// The address of the server itself (for pages outside any test folder).
std::wstring ServerUrl(const std::wstring& path);
