// A machine for one updater test: the program installed in a folder of its
// own ("...\Program Files\Nimbrel"), a temporary folder of its own, which
// TMP and TEMP name while the test runs (child processes inherit them), and
// the build's test key trusted as an administrator trusts a mirror's key.
#pragma once

#include "TestFiles.h"
#include "TestSigning.h"

#include "check/UpdateCheck.h"
#include "install/Installer.h"

#include <string>
#include <vector>

class UpdateMachine {
public:
    UpdateMachine();
    UpdateMachine(const UpdateMachine&) = delete;
    UpdateMachine& operator=(const UpdateMachine&) = delete;
    ~UpdateMachine();

    const std::wstring& ProgramFolder() const { return program_; }
    std::wstring ProgramFile(const std::wstring& relative) const { return program_ + L"\\" + relative; }
    // The staging folder an installation test fills (a check makes its own).
    const std::wstring& StagingFolder() const { return staging_; }
    std::wstring StagingFile(const std::wstring& relative) const { return staging_ + L"\\" + relative; }
    std::wstring ListPath() const { return StagingFile(L"updatetmp.tmp"); }

    updrift::CheckPlaces CheckPlaces() const;
    updrift::InstallPlaces InstallPlaces() const;

    // What updates left behind: everything in the temporary folder, as
    // "name|size", and the names of the program folder's staging folders and
    // set-aside copies ("~upd...").
    std::vector<std::wstring> Leftovers() const;
    // Copies the stand-in program in under a name, and the real library.
    void AddStandIn(const std::wstring& name = L"Nimbrel.exe") const;
    void AddLibrary() const;
    // The lines the stand-in program recorded in a file beside itself.
    std::vector<std::string> Recorded(const std::wstring& file = L"runs.txt") const;
    // The updater's log of refusals.
    std::vector<std::string> UpdateLog() const;
    // An installation list with these lines after the program folder line.
    void WriteList(const std::vector<std::wstring>& lines) const;
    // A file as a check would have staged it, with its signature.
    void Downloaded(const std::wstring& name, const std::string& bytes) const;

private:
    testing_support::TestFolder box_;
    TrustedKey trust_;
    std::wstring program_;
    std::wstring staging_;
    std::wstring temp_;
    std::wstring savedTmp_;
    std::wstring savedTemp_;
};

// An update page: the lines joined by line feeds, with a final one.
std::string Page(const std::vector<std::string>& lines);
std::string Narrow(const std::wstring& text);
// The lines of a text file (UTF-8), without line ends.
std::vector<std::string> LinesOf(const std::wstring& path);
