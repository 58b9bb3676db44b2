#include "FileShredder.h"

#include "win32/Text.h"

#include <bcrypt.h>

#include <algorithm>
#include <cstring>

namespace nimbrel {

namespace {

constexpr size_t kBlockBytes = CPatternSource::kBlockBytes;

void SystemRandom(void* bytes, size_t size) {
    BCryptGenRandom(nullptr, static_cast<PUCHAR>(bytes), static_cast<ULONG>(size),
                    BCRYPT_USE_SYSTEM_PREFERRED_RNG);
}

// The full long form of a path as the user may have written it (short
// names, "." and ".." resolved), to compare with where a handle really is.
std::wstring FullLongPath(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    full.resize(length < full.size() ? length : 0);
    std::wstring longForm(MAX_PATH, L'\0');
    length = GetLongPathNameW(full.c_str(), longForm.data(), static_cast<DWORD>(longForm.size()));
    if (length >= longForm.size()) {
        longForm.resize(length);
        length = GetLongPathNameW(full.c_str(), longForm.data(), static_cast<DWORD>(longForm.size()));
    }
    if (length == 0 || length >= longForm.size()) {
        return full;
    }
    longForm.resize(length);
    return longForm;
}

// Where the open file really is, in the form "C:\folder\name" (or
// "\\server\share\..."); empty when the system cannot tell.
std::wstring FinalPath(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    if (length == 0 || length >= path.size()) {
        return L"";
    }
    path.resize(length);
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        return L"\\" + path.substr(7);
    }
    if (path.rfind(L"\\\\?\\", 0) == 0) {
        return path.substr(4);
    }
    return path;
}

// A name for the file's last moments: as long as its own name, so the
// folder keeps no hint of it, and never one of the reserved device names
// (CON, PRN, AUX, NUL, COMn, LPTn), which would not name a file at all.
std::wstring MeaninglessName(size_t length) {
    static constexpr wchar_t kFirst[] = L"bdefghijkmoqrstuvwxyz";
    static constexpr wchar_t kOthers[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::vector<unsigned char> random(length);
    SystemRandom(random.data(), random.size());
    std::wstring name(length, L'x');
    for (size_t i = 0; i < length; ++i) {
        name[i] = i == 0 ? kFirst[random[i] % (std::size(kFirst) - 1)]
                         : kOthers[random[i] % (std::size(kOthers) - 1)];
    }
    return name;
}

bool RenameOpenFile(HANDLE file, const std::wstring& newPath) {
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + newPath.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(newPath.size() * sizeof(wchar_t));
    std::memcpy(rename->FileName, newPath.c_str(), newPath.size() * sizeof(wchar_t));
    return SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(buffer.size())) !=
           FALSE;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ||
           GetLastError() == ERROR_ACCESS_DENIED || GetLastError() == ERROR_SHARING_VIOLATION;
}

} // namespace

std::vector<ShredPattern> PassPatterns(int passes) {
    using P = ShredPattern;
    switch (passes) {
    case 1:
        return {P::Random};
    case 3:
        return {P::Zeros, P::Ones, P::Random};
    case 7:
        return {P::Zeros, P::Ones, P::Random, P::Zeros, P::Ones, P::Random, P::Random};
    default:
        return std::vector<ShredPattern>(static_cast<size_t>(std::max(passes, 0)), P::Random);
    }
}

ShredTarget OpenShredTarget(const std::wstring& path, DWORD share) {
    ShredTarget target;
    // A link named in the list shows itself here on Windows: opening it
    // below would reach the link, never its target, but it is no file to
    // shred either.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        target.refusal = ShredRefusal::Link;
        return target;
    }
    target.file.Reset(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, share, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!target.file || !GetFileInformationByHandle(target.file.Get(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        // Read-only counts as in use whoever asks: an administrator's open
        // for writing may succeed where the user's would not.
        target.file.Reset();
        return target;
    }
    // Overwriting a file with other names destroys it under those names
    // too; a path that leads elsewhere (a link the system follows, a
    // folder link on the way) would overwrite a file the user never picked.
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || info.nNumberOfLinks > 1 ||
        !win32::EqualsNoCase(FinalPath(target.file.Get()), FullLongPath(path))) {
        target.file.Reset();
        target.refusal = ShredRefusal::Link;
        return target;
    }
    target.size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    target.refusal = ShredRefusal::None;
    return target;
}

CPatternSource::CPatternSource() : block_(kBlockBytes) {
    SystemRandom(state_, sizeof state_);
    if (!(state_[0] | state_[1] | state_[2] | state_[3])) {
        state_[0] = 0x9E3779B97F4A7C15ull; // the generator must not start from all zeros
    }
}

// xoshiro256**: fast enough to keep up with the disk, and the pass needs
// no more than bytes that tell nothing of what was there.
uint64_t CPatternSource::NextRandom() {
    const auto rotate = [](uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
    const uint64_t result = rotate(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotate(state_[3], 45);
    return result;
}

const unsigned char* CPatternSource::Next(ShredPattern pattern, size_t bytes) {
    bytes = std::min(bytes, block_.size());
    if (pattern == ShredPattern::Random) {
        for (size_t i = 0; i < bytes; i += sizeof(uint64_t)) {
            const uint64_t value = NextRandom();
            std::memcpy(block_.data() + i, &value, std::min(sizeof value, bytes - i));
        }
    } else if (pattern != filledWith_) {
        std::fill(block_.begin(), block_.end(), pattern == ShredPattern::Zeros ? 0x00 : 0xFF);
    }
    filledWith_ = pattern;
    return block_.data();
}

bool OverwritePass(HANDLE file, uint64_t size, ShredPattern pattern, CPatternSource& source,
                   const std::function<void(uint64_t written)>& afterBlock) {
    const LARGE_INTEGER start{};
    if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) {
        return false;
    }
    for (uint64_t left = size; left > 0;) {
        const DWORD chunk = static_cast<DWORD>(std::min<uint64_t>(left, kBlockBytes));
        DWORD written = 0;
        if (!WriteFile(file, source.Next(pattern, chunk), chunk, &written, nullptr) || written != chunk) {
            return false;
        }
        left -= chunk;
        if (afterBlock) {
            afterBlock(size - left);
        }
    }
    // The next pass must not merely replace this one in the cache.
    return FlushFileBuffers(file) != FALSE;
}

ShredRefusal CFileShredder::Check(const std::wstring& path) const {
    return OpenShredTarget(path, FILE_SHARE_DELETE).refusal;
}

bool CFileShredder::Shred(const std::wstring& path, int passes, const Progress& progress) {
    // Nobody else may open the file until it is gone.
    ShredTarget target = OpenShredTarget(path, 0);
    if (target.refusal != ShredRefusal::None) {
        return false;
    }
    const std::vector<ShredPattern> patterns = PassPatterns(passes);
    const int passCount = static_cast<int>(patterns.size());
    int pass = 0;
    for (ShredPattern pattern : patterns) {
        ++pass;
        std::function<void(uint64_t)> afterBlock;
        if (progress) {
            afterBlock = [&](uint64_t written) { progress(pass, passCount, written, target.size); };
        }
        if (!OverwritePass(target.file.Get(), target.size, pattern, patterns_, afterBlock)) {
            return false;
        }
        if (passHook_) {
            passHook_(target.file.Get(), pass);
        }
    }
    // The folder forgets the name before the file goes. A name that is
    // taken already is tried afresh; failing that, the file goes under its
    // own name, its content destroyed all the same.
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    const size_t nameLength = path.size() - folder.size();
    std::wstring current = path;
    for (int attempt = 0; attempt < 3 && current == path && nameLength > 0; ++attempt) {
        const std::wstring renamed = folder + MeaninglessName(nameLength);
        if (RenameOpenFile(target.file.Get(), renamed)) {
            current = renamed;
        }
    }
    FILE_DISPOSITION_INFO dispose{TRUE};
    const bool marked =
        SetFileInformationByHandle(target.file.Get(), FileDispositionInfo, &dispose, sizeof dispose) != FALSE;
    target.file.Reset();
    if (!marked) {
        DeleteFileW(current.c_str());
    }
    return !Exists(current);
}

} // namespace nimbrel
