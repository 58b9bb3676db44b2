// Owners for the Internet client's session, connection and request handles
// (wininet).
#pragma once

#include "win32/Handles.h"

#include <wininet.h>

namespace win32 {

struct InternetTraits {
    using Handle = HINTERNET;
    static HINTERNET Invalid() { return nullptr; }
    static void Close(HINTERNET h) { InternetCloseHandle(h); }
};

using UniqueInternet = UniqueHandle<InternetTraits>;

} // namespace win32
