#include "UpdateServer.h"

#include "TestSigning.h"

#include "TestFiles.h"
#include "TestProcess.h"

#include <winsock2.h>
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <sstream>

using namespace testing_support;

namespace {

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class UpdateServer {
public:
    UpdateServer() : files_(new TestFolder()) {
        root_ = files_->Folder(L"www");
        portFile_ = files_->Path(L"port.txt");
        requestLog_ = files_->Path(L"requests.log");
        const std::wstring script = TestProgramFolder() + L"\\update_server.py";
        const std::wstring command = L"\\\\?\\unix\\usr\\bin\\python3 \"" + Widen(UnixPath(script)) +
                                     L"\" \"" + Widen(UnixPath(root_)) + L"\" \"" +
                                     Widen(UnixPath(portFile_)) + L"\" \"" + Widen(UnixPath(requestLog_)) +
                                     L"\"";
        std::vector<wchar_t> line(command.begin(), command.end());
        line.push_back(0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            return;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (WaitFor([&] { return FileExists(portFile_); }, std::chrono::milliseconds(15000))) {
            port_ = std::stoi(ReadAll(portFile_));
        }
    }

    ~UpdateServer() { Stop(); }

    void Stop() {
        if (port_ == 0) {
            return;
        }
        // The server runs outside Wine: it is asked to end, not killed.
        HINTERNET session = InternetOpenW(L"updater tests", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
        if (session) {
            HINTERNET request = InternetOpenUrlW(session, Url(L"/__stop").c_str(), nullptr, 0,
                                                 INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
            if (request) {
                InternetCloseHandle(request);
            }
            InternetCloseHandle(session);
        }
        port_ = 0;
    }

    bool Running() const { return port_ != 0; }
    const std::wstring& Root() const { return root_; }
    std::wstring Url(const std::wstring& path) const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
    }
    std::vector<std::wstring> Requests() const {
        std::vector<std::wstring> paths;
        std::istringstream log(ReadAll(requestLog_));
        for (std::string line; std::getline(log, line);) {
            paths.push_back(Widen(line));
        }
        return paths;
    }

private:
    std::unique_ptr<TestFolder> files_;
    std::wstring root_;
    std::wstring portFile_;
    std::wstring requestLog_;
    int port_ = 0;
};

UpdateServer* theServer = nullptr;

class ServerEnvironment : public testing::Environment {
public:
    void TearDown() override {
        delete theServer;
        theServer = nullptr;
    }
};

const auto* const registered = testing::AddGlobalTestEnvironment(new ServerEnvironment);

UpdateServer& Server() {
    if (!theServer) {
        theServer = new UpdateServer();
    }
    return *theServer;
}

} // namespace

ServedFiles::ServedFiles() {
    static std::atomic<int> counter{0};
    folderName_ = L"t" + std::to_wstring(++counter);
    EXPECT_TRUE(Server().Running()) << "the local web server did not start";
    folderPath_ = Server().Root() + L"\\" + folderName_;
    MakeFolders(folderPath_);
}

ServedFiles::~ServedFiles() {
    RemoveTree(folderPath_);
}

std::wstring ServedFiles::Put(const std::wstring& name, const std::string& bytes) {
    PutUnsigned(name + L".sig", SigningKey::Test().Sign(bytes));
    return PutUnsigned(name, bytes);
}

std::wstring ServedFiles::PutUnsigned(const std::wstring& name, const std::string& bytes) {
    MakeFileWithContent(folderPath_ + L"\\" + name, bytes);
    return Url(name);
}

std::wstring ServedFiles::Url(const std::wstring& name) const {
    return Server().Url(L"/" + folderName_ + L"/" + name);
}

void ServedFiles::CutShort(const std::wstring& name) {
    MakeFileWithContent(folderPath_ + L"\\" + name + L".cut", "");
}

std::vector<std::wstring> ServedFiles::Requested() const {
    const std::wstring prefix = L"/" + folderName_ + L"/";
    std::vector<std::wstring> names;
    for (const std::wstring& path : Server().Requests()) {
        if (path.rfind(prefix, 0) == 0) {
            names.push_back(path.substr(prefix.size()));
        }
    }
    return names;
}

std::vector<std::wstring> ServedFiles::RequestedFiles() const {
    std::vector<std::wstring> files;
    for (const std::wstring& name : Requested()) {
        if (name.size() < 4 || name.compare(name.size() - 4, 4, L".sig") != 0) {
            files.push_back(name);
        }
    }
    return files;
}

std::wstring UnreachableUrl() {
    // A port the system just handed out and took back: nothing listens there.
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    unsigned short port = 9;
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (probe != INVALID_SOCKET) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
            port = ntohs(address.sin_port);
        }
        closesocket(probe);
    }
    WSACleanup();
    return L"http://127.0.0.1:" + std::to_wstring(port) + L"/updates/updates.asp";
}

std::wstring ServerUrl(const std::wstring& path) {
    return Server().Url(path);
}
