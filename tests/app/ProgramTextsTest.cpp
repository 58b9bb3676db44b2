// Texts the program builds without a window: the update page's address and
// the start-up command.
#include "StartupEntry.h"
#include "VendorAddresses.h"

#include <gtest/gtest.h>

using namespace nimbrel;

TEST(UpdatePageAddress, TheVendorsServerUnlessTheSettingNamesAnother) {
    EXPECT_EQ(UpdatePageAddress(L""), L"https://www.nimbrel.com/updates/updates.asp");
    EXPECT_EQ(UpdatePageAddress(L"   "), L"https://www.nimbrel.com/updates/updates.asp");
    EXPECT_EQ(UpdatePageAddress(L"https://staging.example:8080"),
              L"https://staging.example:8080/updates/updates.asp");
    // A folder on the server, a trailing slash, blanks around it.
    EXPECT_EQ(UpdatePageAddress(L" http://127.0.0.1:8000/qa/ "),
              L"http://127.0.0.1:8000/qa/updates/updates.asp");
}

TEST(StartupCommand, TheProgramPathInQuotes) {
    EXPECT_EQ(StartupCommand(L"C:\\Program Files\\Nimbrel"), L"\"C:\\Program Files\\Nimbrel\\Nimbrel.exe\"");
}
