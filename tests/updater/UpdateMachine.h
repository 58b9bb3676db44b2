// A machine for one updater test: the program installed in a folder of its
// own ("...\Program Files\Nimbrel") and a temporary folder of its own, which
// TMP and TEMP name while the test runs (child processes inherit them).
#pragma once

#include "TestFiles.h"

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
    const std::wstring& TempFolder() const { return temp_; }
    std::wstring ProgramFile(const std::wstring& relative) const { return program_ + L"\\" + relative; }
    std::wstring TempFile(const std::wstring& relative) const { return temp_ + L"\\" + relative; }
    std::wstring ListPath() const { return TempFile(L"updatetmp.tmp"); }

    updrift::CheckPlaces CheckPlaces() const;
    updrift::InstallPlaces InstallPlaces() const;

    // Everything in the temporary folder, as "name|size" (sorted).
    std::vector<std::wstring> TempContents() const;
    // Copies the stand-in program in under a name, and the real library.
    void AddStandIn(const std::wstring& name = L"Nimbrel.exe") const;
    void AddLibrary() const;
    // The lines the stand-in program recorded in a file beside itself.
    std::vector<std::string> Recorded(const std::wstring& file = L"runs.txt") const;
    // An installation list with these lines after the program folder line.
    void WriteList(const std::vector<std::wstring>& lines) const;
    // A file as an earlier check would have downloaded it.
    void Downloaded(const std::wstring& name, const std::string& bytes) const;

private:
    testing_support::TestFolder box_;
    std::wstring program_;
    std::wstring temp_;
    std::wstring savedTmp_;
    std::wstring savedTemp_;
};

// An update page: the lines joined by line feeds, with a final one.
std::string Page(const std::vector<std::string>& lines);
std::string Narrow(const std::wstring& text);
// The lines of a text file (UTF-8), without line ends.
std::vector<std::string> LinesOf(const std::wstring& path);
