// Owners for the handles the updater opens, on the engine's handle template:
// every path out of a function closes what it opened.
#pragma once

#include "core/Handles.h"

#include <wininet.h>

namespace updrift {

using scrub::UniqueFile;
using scrub::UniqueHandle;
using scrub::UniqueKernelHandle;
using scrub::UniqueKey;

struct InternetTraits {
    using Handle = HINTERNET;
    static HINTERNET Invalid() { return nullptr; }
    static void Close(HINTERNET h) { InternetCloseHandle(h); }
};

using UniqueInternet = UniqueHandle<InternetTraits>;

} // namespace updrift
