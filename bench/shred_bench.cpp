// What one shred pass costs against the least any writer of the same bytes
// pays.
//
//   shred_bench [megabytes=256] [rounds=3]
//
// Round by round, interleaved, on one file of the given size:
//   (w) a plain sequential write: a new file written from start to end in
//       1 MB blocks of one byte value, flushed to the disk;
//   (r) one shred pass over that file in place with random bytes (the
//       costliest pattern: the bytes are made as they go), flushed;
//   (z) one shred pass with zeros, flushed.
// Prints the medians side by side and the ratios of throughput (r)/(w) and
// (z)/(w) (target >= 0.8 each).
#include "FileShredder.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const std::wstring kFolder = L"C:\\nimbrel-bench";
const std::wstring kFile = kFolder + L"\\shred-bench.bin";

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// (w): what copying the file's bytes to the disk costs at least.
double PlainWrite(uint64_t size) {
    static const std::vector<unsigned char> block(nimbrel::CPatternSource::kBlockBytes, 'x');
    const auto start = Clock::now();
    win32::UniqueFile file(
        CreateFileW(kFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        std::printf("cannot create %ls\n", kFile.c_str());
        return 0;
    }
    for (uint64_t left = size; left > 0;) {
        const DWORD chunk = static_cast<DWORD>(std::min<uint64_t>(left, block.size()));
        DWORD written = 0;
        if (!WriteFile(file.Get(), block.data(), chunk, &written, nullptr) || written != chunk) {
            std::printf("plain write fell short\n");
            return 0;
        }
        left -= chunk;
    }
    FlushFileBuffers(file.Get());
    file.Reset();
    return Seconds(start);
}

// (r) and (z): one pass of the shredder over the file as it opens it.
double ShredPass(nimbrel::ShredPattern pattern, nimbrel::CPatternSource& source) {
    const auto start = Clock::now();
    nimbrel::ShredTarget target = nimbrel::OpenShredTarget(kFile, 0);
    if (target.refusal != nimbrel::ShredRefusal::None ||
        !nimbrel::OverwritePass(target.file.Get(), target.size, pattern, source)) {
        std::printf("the shred pass failed\n");
        return 0;
    }
    target.file.Reset();
    return Seconds(start);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const unsigned megabytes = argc > 1 ? static_cast<unsigned>(std::wcstoul(argv[1], nullptr, 10)) : 256;
    const int rounds = argc > 2 ? static_cast<int>(std::wcstol(argv[2], nullptr, 10)) : 3;
    if (megabytes == 0 || rounds <= 0) {
        std::fputs("usage: shred_bench [megabytes=256] [rounds=3]\n", stderr);
        return 2;
    }
    const uint64_t size = static_cast<uint64_t>(megabytes) << 20;
    CreateDirectoryW(kFolder.c_str(), nullptr);
    nimbrel::CPatternSource source;
    std::vector<double> plain, random, zeros;
    for (int round = 0; round < rounds; ++round) {
        plain.push_back(PlainWrite(size));
        random.push_back(ShredPass(nimbrel::ShredPattern::Random, source));
        zeros.push_back(ShredPass(nimbrel::ShredPattern::Zeros, source));
    }
    DeleteFileW(kFile.c_str());

    const double mw = Median(plain), mr = Median(random), mz = Median(zeros);
    const auto rate = [&](double seconds) { return seconds > 0 ? megabytes / seconds : 0.0; };
    std::printf("file of %u MB, median of %d rounds, each flushed to the disk:\n", megabytes, rounds);
    std::printf("  (w) plain sequential write   %8.3f s  %8.1f MB/s\n", mw, rate(mw));
    std::printf("  (r) shred pass, random bytes %8.3f s  %8.1f MB/s\n", mr, rate(mr));
    std::printf("  (z) shred pass, zeros        %8.3f s  %8.1f MB/s\n", mz, rate(mz));
    std::printf("throughput ratios: (r)/(w) = %.2f   (z)/(w) = %.2f   (target >= 0.8)\n",
                mr > 0 ? mw / mr : 0.0, mz > 0 ? mw / mz : 0.0);
    return 0;
}
