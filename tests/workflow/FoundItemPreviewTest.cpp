// Which found-item texts the scan page previews: pictures on a drive only,
// never a registry text, a Recycle Bin name or a place on the network.
#include "FoundItemPreview.h"

#include <gtest/gtest.h>

TEST(FoundItemPreview, OnlyPictureFilesOnADriveArePreviewed) {
    const struct {
        const wchar_t* text;
        bool previewed;
    } cases[] = {
        {L"C:\\Temp\\IMG_0042.JPG", true},
        {L"D:\\Photos\\scan.jpeg", true},
        {L"C:\\Program Files\\App\\app.Ico", true},
        {L"C:\\Cache\\banner[2].gif", true},
        {L"C:\\Temp\\notes.txt", false},
        {L"C:\\Temp\\holiday.jpg.zip", false},
        {L"C:\\photos.png\\readme", false},
        {L"HKEY_CURRENT_USER||Software\\Microsoft\\Paint=holiday.bmp", false},
        {L"photo.jpg", false},                        // a Recycle Bin entry's name
        {L"C:photo.jpg", false},                      // relative to a drive's current folder
        {L"\\\\fileserver\\share\\photo.jpg", false}, // never the network
        {L"C:\\Temp\\missing shortcut.lnk", false},
        {L"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!nimbrel::PreviewPictureFor(c.text).empty(), c.previewed) << c.text;
    }
}
