// Destroying one file the user listed: its whole length overwritten in
// place, pass after pass, each pass on the disk before the next begins;
// then a meaningless name of the same length, then deleted. No window is
// involved, so the page and the benchmark share it.
#pragma once

#include "win32/Handles.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nimbrel {

enum class ShredPattern { Zeros, Ones, Random };

// What each level writes, pass by pass: Quick (1) random bytes; Safe (3)
// zeros, ones, random; Thorough (7) zeros, ones, random, zeros, ones,
// random, random. Any other count: that many random passes.
std::vector<ShredPattern> PassPatterns(int passes);

// Why a listed file cannot be shredded as it is.
enum class ShredRefusal {
    None,
    // Missing, read-only, a folder, or open in another program.
    Busy,
    // Writing it would reach other data than the listed file alone: a link,
    // a path through a folder link, or a file with more than one name.
    Link,
};

// A listed file opened as shredding writes it: the file itself (a link is
// opened as the link, never followed), for reading, writing and deleting.
struct ShredTarget {
    win32::UniqueFile file;
    ShredRefusal refusal = ShredRefusal::Busy;
    uint64_t size = 0;
};
// `share`: what others may do meanwhile (the lock test lets them delete).
ShredTarget OpenShredTarget(const std::wstring& path, DWORD share);

// Bytes for the passes, made a large block at a time.
class CPatternSource {
public:
    static constexpr size_t kBlockBytes = 1 << 20;
    CPatternSource();
    // `bytes` (at most kBlockBytes) of the pattern; random bytes are new on
    // every call.
    const unsigned char* Next(ShredPattern pattern, size_t bytes);

private:
    uint64_t NextRandom();

    std::vector<unsigned char> block_;
    ShredPattern filledWith_ = ShredPattern::Random;
    uint64_t state_[4] = {};
};

// One pass: the file's first `size` bytes overwritten with the pattern from
// its start, then flushed to the disk. False when any write fell short.
// `afterBlock`, when given, hears how many bytes are written after each block.
bool OverwritePass(HANDLE file, uint64_t size, ShredPattern pattern, CPatternSource& source,
                   const std::function<void(uint64_t written)>& afterBlock = nullptr);

class CFileShredder {
public:
    // Called after each pass has reached the disk, with the file still open
    // (for reading too) and the pass number from 1.
    using PassHook = std::function<void(HANDLE file, int pass)>;
    void SetPassHook(PassHook hook) { passHook_ = std::move(hook); }
    // Hears of each block a pass writes (a large file takes minutes): the
    // pass from 1 of `passes`, and the bytes written of the file's `size`.
    using Progress = std::function<void(int pass, int passes, uint64_t written, uint64_t size)>;

    // The lock test: can the file be shredded now? It is opened as the
    // shred opens it and closed again.
    ShredRefusal Check(const std::wstring& path) const;
    // Overwrites the file `passes` times, renames and deletes it. True only
    // when every pass was written and the file is gone.
    bool Shred(const std::wstring& path, int passes, const Progress& progress = nullptr);

private:
    PassHook passHook_;
    CPatternSource patterns_;
};

} // namespace nimbrel
