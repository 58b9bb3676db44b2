#include "check/UpdateCheck.h"

#include "check/UpdateInfo.h"
#include "install/InstallList.h"
#include "install/Installer.h"
#include "install/StagingFolder.h"
#include "support/Paths.h"
#include "support/RandomName.h"
#include "support/Text.h"
#include "support/UpdateLog.h"
#include "trust/StagedFile.h"
#include "win32/Text.h"

#include <utility>

namespace updrift {

namespace {

// The host gets at most this much of a component name or version text.
constexpr size_t kLongestHostText = 1023;
constexpr size_t kDownloadNameLength = 10;
constexpr int kDownloadNameAttempts = 16;

} // namespace

CUpdateCheck::CUpdateCheck(CheckPlaces places, UpdriftDecideCallBack decide, UpdriftStatusCallBack status)
    : places_(std::move(places)), decide_(decide), status_(status) {}

void CUpdateCheck::Report(int code, const wchar_t* text) {
    if (status_) {
        status_(code, text);
    }
}

bool CUpdateCheck::Decide(const std::wstring& component, const std::wstring& version) {
    if (!decide_) {
        return false;
    }
    const std::wstring name = Bounded(component, kLongestHostText);
    const std::wstring offered = Bounded(version, kLongestHostText);
    return decide_(name.c_str(), offered.c_str()) != 0;
}

CheckOutcome CUpdateCheck::Run(const std::wstring& url) {
    Report(UPDRIFT_STATUS_CHECKING);
    // What earlier updates left behind goes first; none of it is ever
    // installed with this one.
    RemoveUpdateLeftovers(places_.programFolder);
    if (!session_.Open()) {
        return FailWith(UPDRIFT_STATUS_ERROR, UPDRIFT_TEXT_CANNOT_CONNECT);
    }
    Report(UPDRIFT_STATUS_CONNECTED);
    std::wstring page;
    if (!FetchPage(url, page)) {
        return FailWith(UPDRIFT_STATUS_ERROR, UPDRIFT_TEXT_CANNOT_CONNECT);
    }
    if (decide_) {
        decide_(nullptr, nullptr);
    }
    return ProcessPage(page);
}

bool CUpdateCheck::FetchPage(const std::wstring& url, std::wstring& page) {
    std::string body;
    std::string signature;
    if (!session_.FetchPage(url, body) || !FetchSignature(url, signature)) {
        return false;
    }
    // The page's exact bytes, before anything reads them.
    if (!signatures_.Verify(body, signature)) {
        Refused(url, L"its signature does not match it or was made by no trusted key");
        return false;
    }
    page = win32::Utf16FromCodePage(body, CP_ACP);
    return true;
}

bool CUpdateCheck::FetchSignature(const std::wstring& url, std::string& signature) {
    if (!session_.FetchPage(url + kSignatureSuffix, signature, kLargestSignatureFile)) {
        Refused(url, L"no signature could be read beside it");
        return false;
    }
    return true;
}

void CUpdateCheck::Refused(const std::wstring& url, const wchar_t* reason) {
    LogUpdateEvent(places_.programFolder, L"Update refused: " + url + L": " + reason + L".");
}

CheckOutcome CUpdateCheck::ProcessPage(const std::wstring& page) {
    const std::vector<std::wstring> lines = SplitLines(page);
    if (lines.empty()) {
        Report(UPDRIFT_STATUS_FINISHED);
        return CheckOutcome::Ended;
    }
    const long long entries = ParseDecimal(lines[0]);
    if (entries < 1) {
        return FailWith(UPDRIFT_STATUS_ERROR, UPDRIFT_TEXT_BAD_INFORMATION);
    }
    // An update the folder cannot take would be offered (and asked about),
    // downloaded and, with a restart, restart the program at every start,
    // all in vain. The staging folder goes into it: making that folder is
    // the test.
    stagingFolder_ = CreateStagingFolder(places_.programFolder);
    if (stagingFolder_.empty()) {
        return FailWith(UPDRIFT_STATUS_ERROR, UPDRIFT_TEXT_CANNOT_INSTALL);
    }

    // Counts come from the network: every one is held against the lines
    // that are really there before anything is read.
    size_t next = 1;
    std::wstring lastAccepted;
    for (long long entry = 0; entry < entries; ++entry) {
        if (next >= lines.size()) {
            return FailWith(UPDRIFT_STATUS_ERROR, UPDRIFT_TEXT_BAD_INFORMATION);
        }
        const auto header = ReadEntryHeader(lines[next++]);
        if (!header || header->fileLines < 0 ||
            static_cast<unsigned long long>(header->fileLines) > lines.size() - next) {
            return FailWith(UPDRIFT_STATUS_ERROR, UPDRIFT_TEXT_BAD_INFORMATION);
        }
        const size_t fileLines = static_cast<size_t>(header->fileLines);
        const std::wstring component = Bounded(header->component, kLongestHostText);
        if (header->restart && restartComponent_.empty()) {
            restartComponent_ = component;
        }
        if (!Decide(header->component, header->version)) {
            next += fileLines;
            continue;
        }
        lastAccepted = component;
        for (size_t i = 0; i < fileLines; ++i) {
            const std::wstring& line = lines[next++];
            const auto fields = FieldsOf(line, kFileLineFields);
            if (!fields || !IsSafeRelativePath((*fields)[kDestinationField])) {
                return FailWith(UPDRIFT_STATUS_ERROR, UPDRIFT_TEXT_BAD_INFORMATION);
            }
            Report(UPDRIFT_STATUS_DOWNLOADING, component.c_str());
            std::wstring downloadName;
            if (!DownloadFile(*fields, downloadName)) {
                return FailWith(UPDRIFT_STATUS_DOWNLOAD_FAILED, component.c_str());
            }
            listLines_.push_back(line + L"\t" + downloadName);
        }
        Report(UPDRIFT_STATUS_COMPONENT_READY, component.c_str());
    }

    if (downloads_.empty()) {
        RemoveStaging();
        Report(UPDRIFT_STATUS_FINISHED);
        return CheckOutcome::Ended;
    }
    const InstallListContent list{places_.programFolder, listLines_};
    const bool listed = WriteInstallList(InstallListPath(stagingFolder_), list);
    if (!listed) {
        return FailWith(UPDRIFT_STATUS_DOWNLOAD_FAILED, lastAccepted.c_str());
    }
    Report(UPDRIFT_STATUS_READY_TO_INSTALL);
    if (!restartComponent_.empty()) {
        return CheckOutcome::InstallSeparately;
    }
    // The program keeps running: it is neither waited for nor started again.
    if (InstallFromList({stagingFolder_, places_.programFolder}, AfterInstall::KeepRunning) != 1) {
        return FailWith(UPDRIFT_STATUS_DOWNLOAD_FAILED, lastAccepted.c_str());
    }
    Report(UPDRIFT_STATUS_FINISHED);
    return CheckOutcome::Ended;
}

bool CUpdateCheck::DownloadFile(const std::vector<std::wstring>& fields, std::wstring& downloadName) {
    // A name nobody can predict, created exclusively: nothing that is in
    // the staging folder already is ever overwritten or installed.
    std::wstring path;
    win32::UniqueFile file;
    for (int attempt = 0; attempt < kDownloadNameAttempts && !file; ++attempt) {
        downloadName = RandomName(kDownloadNameLength);
        path = JoinPath(stagingFolder_, downloadName);
        file.Reset(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file && GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    if (!file) {
        return false;
    }
    unsigned long long bytes = 0;
    bool complete = session_.Download(fields[kAddressField], file.Get(), bytes);
    file.Reset();
    // A transfer cut short must not be installed.
    const long long announced = ParseDecimal(fields[kSizeField]);
    if (announced != 0 && (announced < 0 || static_cast<unsigned long long>(announced) != bytes)) {
        complete = false;
    }
    if (!complete || !StoreVerifiedDownload(fields[kAddressField], path)) {
        DeleteFileW(path.c_str());
        return false;
    }
    downloads_.push_back(downloadName);
    return true;
}

bool CUpdateCheck::StoreVerifiedDownload(const std::wstring& url, const std::wstring& path) {
    std::string signature;
    if (!FetchSignature(url, signature)) {
        return false;
    }
    // Checked where it lies now, as the installation will find it; the
    // installation checks it once more, with the signature kept beside it.
    if (!OpenVerifiedFile(path, signature, signatures_)) {
        Refused(url, L"its signature does not match it or was made by no trusted key");
        return false;
    }
    return WriteNewFile(SignaturePathOf(path), signature);
}

CheckOutcome CUpdateCheck::FailWith(int code, const wchar_t* text) {
    // Nothing of a failed check is ever installed: its downloads go.
    RemoveStaging();
    Report(code, text);
    return CheckOutcome::Ended;
}

void CUpdateCheck::RemoveStaging() {
    if (!stagingFolder_.empty()) {
        RemoveStagingFolder(stagingFolder_);
        stagingFolder_.clear();
    }
    downloads_.clear();
    listLines_.clear();
}

void CUpdateCheck::Abandon() {
    RemoveStaging();
    Report(UPDRIFT_STATUS_DOWNLOAD_FAILED, restartComponent_.c_str());
}

} // namespace updrift
