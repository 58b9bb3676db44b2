#include "HelpFile.h"

#include "ProgramFolder.h"
#include "ShellSeams.h"

namespace nimbrel {

std::wstring HelpFilePath(const std::wstring& programFolder) {
    return programFolder + L"\\" + kHelpFileName;
}

void OpenHelp() {
    ShellOpen(L"open", HelpFilePath(ProgramFolder()));
}

} // namespace nimbrel
