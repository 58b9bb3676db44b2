#include "support/UpdriftApp.h"

namespace updrift {

CUpdriftApp theApp;

int CUpdriftApp::ShowMessage(const std::wstring& text, const std::wstring& caption) {
    const UINT type = MB_OK | MB_ICONINFORMATION;
    if (messageBox) {
        return messageBox(text, caption, type);
    }
    return MessageBoxW(nullptr, text.c_str(), caption.c_str(), type);
}

} // namespace updrift
