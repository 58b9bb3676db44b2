// One update check: read the page, let the host decide entry by entry,
// download the accepted files and hand them to the installation. The page
// and every download count only with a valid signature beside them.
#pragma once

#include "check/InternetSession.h"
#include "trust/SignatureCheck.h"
#include "updrift/Updrift.h"

#include <string>
#include <vector>

namespace updrift {

struct CheckPlaces {
    std::wstring programFolder; // the host program's folder, where updates go and are staged
};

enum class CheckOutcome {
    Ended,            // reported 10 or 11 (or 4); nothing more to do
    InstallSeparately // reported 8; the staging folder waits for a separate installation process
};

class CUpdateCheck {
public:
    // Either callback may be null: without a decision callback nothing is
    // taken. The keys trusted now are the ones the check accepts.
    CUpdateCheck(CheckPlaces places, UpdriftDecideCallBack decide, UpdriftStatusCallBack status);

    CheckOutcome Run(const std::wstring& url);
    // After InstallSeparately: the staging folder (with trailing backslash).
    const std::wstring& StagingFolder() const { return stagingFolder_; }
    // After InstallSeparately, when no installation process could be
    // started: removes the staging folder and reports 4.
    void Abandon();

private:
    bool FetchPage(const std::wstring& url, std::wstring& page);
    // The signature served beside `url`, checked against `bytes` (or against
    // the staged file). A refusal is logged.
    bool FetchSignature(const std::wstring& url, std::string& signature);
    CheckOutcome ProcessPage(const std::wstring& page);
    // False when the download failed or its signature does not hold (what
    // it left is removed).
    bool DownloadFile(const std::vector<std::wstring>& fields, std::wstring& downloadName);
    bool StoreVerifiedDownload(const std::wstring& url, const std::wstring& path);
    CheckOutcome FailWith(int code, const wchar_t* text);
    void RemoveStaging();
    void Refused(const std::wstring& url, const wchar_t* reason);
    void Report(int code, const wchar_t* text = nullptr);
    bool Decide(const std::wstring& component, const std::wstring& version);

    CheckPlaces places_;
    UpdriftDecideCallBack decide_;
    UpdriftStatusCallBack status_;
    CSignatureCheck signatures_;
    CInternetSession session_;
    std::wstring stagingFolder_;
    std::vector<std::wstring> downloads_; // names in the staging folder
    std::vector<std::wstring> listLines_;
    std::wstring restartComponent_; // the first entry that asked for a separate installation
};

// Starts "rundll32" on the library's InstallUpdates in a process of its own,
// telling it the staging folder's name.
bool StartInstallerProcess(const std::wstring& libraryPath, const std::wstring& stagingName);

} // namespace updrift
