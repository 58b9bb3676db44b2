// The picture control's in-memory copy of an image file, its limit, and
// where it draws the picture.
#include "PictureCtrl.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::string StreamContent(IStream* stream) {
    std::string bytes;
    char chunk[700];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(chunk, sizeof chunk, &read)) && read > 0) {
        bytes.append(chunk, read);
    }
    return bytes;
}

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 7 + i / 1024);
    }
    return bytes;
}

} // namespace

TEST(PictureCtrl, KeepsTheWholeFileInMemoryWhateverHappensToTheFile) {
    TestFolder folder;
    const std::string image = Pattern(5000); // not a multiple of the read size
    const std::wstring path = folder.FileWithContent(L"photo.jpg", image);
    nimbrel::CPictureCtrl picture;

    ASSERT_TRUE(picture.LoadFromFile(path));
    EXPECT_TRUE(picture.IsLoaded());
    DeleteFileW(path.c_str());
    EXPECT_EQ(image, StreamContent(picture.Stream()));

    const std::wstring empty = folder.FileWithContent(L"empty.png", "");
    ASSERT_TRUE(picture.LoadFromFile(empty));
    EXPECT_EQ("", StreamContent(picture.Stream())) << "the previous picture is gone";
}

TEST(PictureCtrl, AFileThatCannotBeReadLeavesTheControlEmptyAndSaysWhy) {
    TestFolder folder;
    nimbrel::CPictureCtrl picture;
    ASSERT_TRUE(picture.LoadFromFile(folder.FileWithContent(L"first.bmp", "BM")));

    EXPECT_FALSE(picture.LoadFromFile(folder.Path(L"missing.bmp")));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_FALSE(picture.IsLoaded());
    EXPECT_EQ(nullptr, picture.Stream());

    const std::wstring locked = folder.FileWithContent(L"locked.bmp", "BM");
    HeldOpen exclusive(locked, GENERIC_READ | GENERIC_WRITE, 0);
    EXPECT_FALSE(picture.LoadFromFile(locked));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
    EXPECT_FALSE(picture.IsLoaded());
}

TEST(PictureCtrl, AFileOverTheLimitIsNotReadAtAll) {
    TestFolder folder;
    nimbrel::CPictureCtrl picture;
    const std::wstring path = folder.FileWithContent(L"large.png", Pattern(4097));
    EXPECT_FALSE(picture.LoadFromFile(path, 4096));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_TOO_LARGE), GetLastError());
    EXPECT_EQ(nullptr, picture.Stream());
    EXPECT_TRUE(picture.LoadFromFile(path, 4097));
}

TEST(PictureCtrl, APictureKeepsItsSizeWhenItFitsElseShrinksInProportionAndIsCentred) {
    const struct {
        SIZE image;
        RECT place;
    } cases[] = {
        {{100, 50}, {135, 92, 235, 142}}, // its own size, in the middle
        {{1000, 100}, {0, 99, 370, 136}}, // as wide as the control, from its left edge
        {{200, 940}, {160, 0, 210, 235}}, // as high as the control
        {{370, 235}, {0, 0, 370, 235}},
    };
    for (const auto& c : cases) {
        const RECT place = nimbrel::CPictureCtrl::PlacePicture(c.image, SIZE{370, 235});
        EXPECT_TRUE(EqualRect(&place, &c.place))
            << c.image.cx << " x " << c.image.cy << ": " << place.left << "," << place.top << " "
            << place.right << "," << place.bottom;
    }
}
