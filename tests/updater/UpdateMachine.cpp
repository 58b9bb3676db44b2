#include "UpdateMachine.h"

#include "TestProcess.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace testing_support;

namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    const DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(value, n) : std::wstring();
}

void CopyInto(const std::wstring& from, const std::wstring& to) {
    ASSERT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE)) << "cannot copy " << Narrow(from);
}

} // namespace

UpdateMachine::UpdateMachine() {
    program_ = box_.Folder(L"Program Files\\Nimbrel");
    staging_ = program_ + L"\\~updstageTESTSTAGE0";
    temp_ = box_.Folder(L"Temp");
    savedTmp_ = Environment(L"TMP");
    savedTemp_ = Environment(L"TEMP");
    SetEnvironmentVariableW(L"TMP", temp_.c_str());
    SetEnvironmentVariableW(L"TEMP", temp_.c_str());
}

UpdateMachine::~UpdateMachine() {
    // A program the test started may still be ending with its folder as its
    // working folder: give it time to let go before the box is removed.
    WaitFor([&] {
        RemoveTree(box_.Path());
        return !FolderExists(box_.Path());
    });
    SetEnvironmentVariableW(L"TMP", savedTmp_.empty() ? nullptr : savedTmp_.c_str());
    SetEnvironmentVariableW(L"TEMP", savedTemp_.empty() ? nullptr : savedTemp_.c_str());
}

updrift::CheckPlaces UpdateMachine::CheckPlaces() const {
    return {program_ + L"\\"};
}

updrift::InstallPlaces UpdateMachine::InstallPlaces() const {
    return {staging_ + L"\\", program_ + L"\\"};
}

std::vector<std::wstring> UpdateMachine::Leftovers() const {
    std::vector<std::wstring> left = Snapshot(temp_);
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((program_ + L"\\~upd*").c_str(), &found);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &found)) {
        left.push_back(found.cFileName);
    }
    if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
    }
    return left;
}

void UpdateMachine::AddStandIn(const std::wstring& name) const {
    CopyInto(TestProgramFolder() + L"\\standin\\Nimbrel.exe", ProgramFile(name));
}

void UpdateMachine::AddLibrary() const {
    CopyInto(testing_support::ProgramFolder() + L"\\Updrift.dll", ProgramFile(L"Updrift.dll"));
}

std::vector<std::string> UpdateMachine::Recorded(const std::wstring& file) const {
    return LinesOf(ProgramFile(file));
}

void UpdateMachine::WriteList(const std::vector<std::wstring>& lines) const {
    std::wstring text = program_ + L"\\\r\n";
    for (const std::wstring& line : lines) {
        text += line + L"\r\n";
    }
    MakeFileWithContent(ListPath(), Narrow(text));
}

std::vector<std::string> UpdateMachine::UpdateLog() const {
    return LinesOf(ProgramFile(L"LOGS\\Updrift.log"));
}

void UpdateMachine::Downloaded(const std::wstring& name, const std::string& bytes) const {
    MakeFileWithContent(StagingFile(name), bytes);
    MakeFileWithContent(StagingFile(name + L".sig"), SigningKey::Test().Sign(bytes));
}

std::string Page(const std::vector<std::string>& lines) {
    std::string page;
    for (const std::string& line : lines) {
        page += line + "\n";
    }
    return page;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += static_cast<char>(c);
    }
    return out;
}

std::vector<std::string> LinesOf(const std::wstring& path) {
    std::vector<std::string> lines;
    if (!FileExists(path)) {
        return lines;
    }
    std::istringstream text(ReadAll(path));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}
