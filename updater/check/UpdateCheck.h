// One update check: read the page, let the host decide entry by entry,
// download the accepted files and hand them to the installation.
#pragma once

#include "check/InternetSession.h"
#include "updrift/Updrift.h"

#include <string>
#include <vector>

namespace updrift {

struct CheckPlaces {
    std::wstring programFolder; // the host program's folder, where updates go
    std::wstring tempFolder;    // downloads and the installation list
};

enum class CheckOutcome {
    Ended,            // reported 10 or 11 (or 4); nothing more to do
    InstallSeparately // reported 8; the list waits for a separate installation process
};

class CUpdateCheck {
public:
    // Either callback may be null: without a decision callback nothing is taken.
    CUpdateCheck(CheckPlaces places, UpdriftDecideCallBack decide, UpdriftStatusCallBack status);

    CheckOutcome Run(const std::wstring& url);
    // After InstallSeparately, when no installation process could be
    // started: removes the list and the downloads and reports 4.
    void Abandon();

private:
    bool FetchPage(const std::wstring& url, std::wstring& page);
    CheckOutcome ProcessPage(const std::wstring& page);
    // False when the download failed (its partial file is removed).
    bool DownloadFile(const std::vector<std::wstring>& fields, std::wstring& downloadName);
    CheckOutcome FailWith(int code, const wchar_t* text);
    void RemoveDownloads();
    void Report(int code, const wchar_t* text = nullptr);
    bool Decide(const std::wstring& component, const std::wstring& version);
    // Whether new files can be put into the program folder at all.
    bool CanChangeProgramFolder() const;

    CheckPlaces places_;
    UpdriftDecideCallBack decide_;
    UpdriftStatusCallBack status_;
    CInternetSession session_;
    std::vector<std::wstring> downloads_; // names in the temporary folder
    std::vector<std::wstring> listLines_;
    std::wstring restartComponent_; // the first entry that asked for a separate installation
};

// Starts "rundll32" on the library's InstallUpdates in a process of its own.
bool StartInstallerProcess(const std::wstring& libraryPath);

} // namespace updrift
