// The Recycle Bin as the shell shows it: one entry per deleted file or
// folder, under the name it had before it was deleted.
#pragma once

#include <string>
#include <vector>

namespace scrub {

struct RecycleBinEntry {
    std::wstring name;            // as the bin shows it
    bool sizeKnown = false;       // whether the shell told the size
    unsigned long long bytes = 0; // the size of the deleted file
};

// Every entry of every drive's bin, in the shell's order; sizes are asked
// only when wanted. Empty when the shell cannot show the bin.
std::vector<RecycleBinEntry> RecycleBinEntries(bool withSizes);

// Whether the bin holds an entry of that name (ignoring case).
bool RecycleBinHolds(const std::wstring& name);

} // namespace scrub
