// What the real Scrubcore.dll in the program folder exports.
#pragma once

#include <windows.h>

#include <set>
#include <string>

// Every export name of build\bin\Scrubcore.dll, read from its export table.
const std::set<std::string>& ScrubcoreExportNames();
// The address of an export in the loaded DLL (null when missing).
FARPROC ScrubcoreExport(const char* name);

// The export as a function of the given type (null when missing).
template <class Function> Function ScrubcoreFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(ScrubcoreExport(name)));
}
