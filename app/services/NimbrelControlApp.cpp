#include "NimbrelControlApp.h"

#include "ProgramFolder.h"

namespace nimbrel {

CNimbrelControlApp theApp;

CNimbrelControlApp::CNimbrelControlApp() : log(ProgramFolder()) {}

void WriteLog(const std::wstring& message) {
    theApp.log.WriteLog(message);
}

} // namespace nimbrel
