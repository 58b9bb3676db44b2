// Shredding one file: what each pass leaves on the disk, that the file is
// gone afterwards, and that no link ever leads the shredder to another file.
#include "FileShredder.h"

#include "TestFiles.h"
#include "TestProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testing_support;
using nimbrel::CFileShredder;
using nimbrel::ShredPattern;
using nimbrel::ShredRefusal;

namespace {

// A user's file: a secret on every line, so that any piece of it left
// behind shows.
std::string SecretContent(size_t size) {
    std::string content;
    for (int line = 0; content.size() < size; ++line) {
        content += "SECRET account " + std::to_string(line * 7919) + "\r\n";
    }
    content.resize(size);
    return content;
}

std::string ReadThrough(HANDLE file) {
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    const LARGE_INTEGER start{};
    SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
    DWORD read = 0;
    if (!bytes.empty()) {
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    }
    bytes.resize(read);
    return bytes;
}

// What a pass must have left: the whole length, in its pattern, and no
// piece of the old content (a random pass could repeat a tiny file only by
// a chance of one in 2^40).
::testing::AssertionResult Overwritten(const std::string& before, const std::string& now,
                                       ShredPattern pattern) {
    if (now.size() != before.size()) {
        return ::testing::AssertionFailure() << "length " << now.size() << " instead of " << before.size();
    }
    if (pattern != ShredPattern::Random) {
        const char fill = pattern == ShredPattern::Zeros ? '\0' : '\xFF';
        if (std::count(now.begin(), now.end(), fill) != static_cast<long>(now.size())) {
            return ::testing::AssertionFailure() << "not every byte is the pass's pattern";
        }
        return ::testing::AssertionSuccess();
    }
    if (now.find("SECRET") != std::string::npos || (!now.empty() && now == before)) {
        return ::testing::AssertionFailure() << "old bytes are still there";
    }
    if (now.size() >= 4096 && std::count(now.begin(), now.end(), '\0') > static_cast<long>(now.size() / 64)) {
        return ::testing::AssertionFailure() << "a random pass wrote mostly zeros";
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(FileShredder, EveryPassOverwritesTheWholeFileAndTheNameGoesAfterwards) {
    const std::vector<ShredPattern> quick{ShredPattern::Random};
    EXPECT_EQ(nimbrel::PassPatterns(1), quick);
    EXPECT_EQ(nimbrel::PassPatterns(3),
              (std::vector<ShredPattern>{ShredPattern::Zeros, ShredPattern::Ones, ShredPattern::Random}));
    ASSERT_EQ(nimbrel::PassPatterns(7).size(), 7u);

    for (int passes : {1, 3, 7}) {
        for (size_t size : {size_t{0}, size_t{5}, size_t{(3 << 20) + 12345}}) {
            SCOPED_TRACE("passes " + std::to_string(passes) + ", " + std::to_string(size) + " bytes");
            TestFolder folder;
            const std::string secret = SecretContent(size);
            const std::wstring path = folder.FileWithContent(L"tax return 2006.xls", secret);
            const auto patterns = nimbrel::PassPatterns(passes);
            int seen = 0;
            CFileShredder shredder;
            shredder.SetPassHook([&](HANDLE file, int pass) {
                ASSERT_EQ(pass, ++seen);
                EXPECT_TRUE(Overwritten(secret, ReadThrough(file), patterns[static_cast<size_t>(pass - 1)]));
            });
            EXPECT_TRUE(shredder.Shred(path, passes));
            EXPECT_EQ(seen, passes);
            EXPECT_FALSE(FileExists(path));
            EXPECT_TRUE(Snapshot(folder.Path()).empty()) << "no renamed file is left behind";
        }
    }
}

TEST(FileShredder, ALinkOrAFileWithMoreNamesIsRefusedAndWhatItReachesIsUntouched) {
    TestFolder folder;
    const std::string secret = SecretContent(3000);
    const std::wstring target = folder.FileWithContent(L"elsewhere\\system.dat", secret);
    const std::wstring hardLinked = folder.FileWithContent(L"report.doc", secret);
    ASSERT_TRUE(CreateHardLinkW(folder.Path(L"report copy.doc").c_str(), hardLinked.c_str(), nullptr));
    ASSERT_TRUE(MakeUnixSymlink(target, folder.Path(L"innocent.txt")));
    ASSERT_TRUE(MakeUnixSymlink(folder.Path(L"elsewhere"), folder.Path(L"linked folder")));
    const std::wstring plain = folder.FileWithContent(L"plain.txt", secret);

    CFileShredder shredder;
    for (const std::wstring& path : {folder.Path(L"innocent.txt"), folder.Path(L"linked folder\\system.dat"),
                                     folder.Path(L"linked folder"), hardLinked}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(shredder.Check(path), ShredRefusal::Link);
        EXPECT_FALSE(shredder.Shred(path, 7));
    }
    EXPECT_TRUE(ReadAll(target) == secret) << "the link's target";
    EXPECT_TRUE(ReadAll(hardLinked) == secret && ReadAll(folder.Path(L"report copy.doc")) == secret);

    // Read-only, open elsewhere or missing: busy, and left alone.
    const std::wstring readOnly = folder.File(L"read only.txt", 100, FILE_ATTRIBUTE_READONLY);
    const std::wstring open = folder.FileWithContent(L"open.txt", secret);
    HeldOpen elsewhere(open, GENERIC_READ, FILE_SHARE_READ);
    for (const std::wstring& path : {readOnly, open, folder.Path(L"missing.txt")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(shredder.Check(path), ShredRefusal::Busy);
        EXPECT_FALSE(shredder.Shred(path, 1));
    }
    EXPECT_EQ(FileSize(readOnly), 100u);
    EXPECT_TRUE(ReadAll(open) == secret);

    // The same file under its own name, in other letter case, is fine.
    std::wstring otherCase = plain;
    std::transform(otherCase.begin(), otherCase.end(), otherCase.begin(), ::towupper);
    EXPECT_EQ(shredder.Check(otherCase), ShredRefusal::None);
    EXPECT_TRUE(shredder.Shred(otherCase, 1));
    EXPECT_FALSE(FileExists(plain));
}
