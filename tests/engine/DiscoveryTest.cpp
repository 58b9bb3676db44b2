// Installation folders found in the registry, and the bounded text read
// underneath them.
#include "TestRegistry.h"

#include "discovery/Discovery.h"
#include "registry/RegistryText.h"

#include <gtest/gtest.h>
#include <sddl.h>

using namespace testing_support;
using namespace scrub;

namespace {

const std::wstring kAppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

} // namespace

TEST(Discovery, AppPathsGiveTheProgramsFolder) {
    TestRegistry registry;
    registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"ICQ.exe", L"", L"C:\\Program Files\\ICQ\\ICQ.exe");
    registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"NoFolder.exe", L"", L"NoFolder.exe");
    registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"Expanding.exe", L"", L"");
    registry.ExpandString(HKEY_LOCAL_MACHINE, kAppPaths + L"Expanding.exe", L"",
                          L"%SystemRoot%\\Expanding\\Expanding.exe");

    EXPECT_EQ(L"C:\\Program Files\\ICQ", AppPathsFolder(L"ICQ.exe"));
    EXPECT_EQ(L"C:\\Program Files\\ICQ", AppPathsFolder(L"icq.EXE")) << "key names match without case";
    EXPECT_EQ(L"", AppPathsFolder(L"NoFolder.exe"));
    EXPECT_EQ(L"", AppPathsFolder(L"NotInstalled.exe"));
    wchar_t windows[MAX_PATH];
    GetEnvironmentVariableW(L"SystemRoot", windows, MAX_PATH);
    EXPECT_EQ(std::wstring(windows) + L"\\Expanding", AppPathsFolder(L"Expanding.exe"));
}

TEST(Discovery, ThirtyTwoBitInstallationsAreFoundOnA64BitSystem) {
    TestRegistry registry;
    registry.String(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Kazaa.exe",
                    L"", L"C:\\Program Files (x86)\\Kazaa\\Kazaa.exe");
    EXPECT_EQ(L"C:\\Program Files (x86)\\Kazaa", AppPathsFolder(L"Kazaa.exe"));
    // The program's own view wins when both hold the key.
    registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"Kazaa.exe", L"", L"C:\\Program Files\\Kazaa\\Kazaa.exe");
    EXPECT_EQ(L"C:\\Program Files\\Kazaa", AppPathsFolder(L"Kazaa.exe"));
}

TEST(Discovery, MessengerCommandIsCutToTheProgramsFolder) {
    EXPECT_EQ(L"C:\\PROGRA~1\\Yahoo!\\MESSEN~1",
              MessengerCommandFolder(L"C:\\PROGRA~1\\Yahoo!\\MESSEN~1\\ypager.exe \"%1\""));
    EXPECT_EQ(L"", MessengerCommandFolder(L"\"C:\\PROGRA~1\\Yahoo!\\MESSEN~1\\ypager.exe\" \"%1\""));
    EXPECT_EQ(L"", MessengerCommandFolder(L"C:\\Yahoo\\ypager.exe"));
    EXPECT_EQ(L"", MessengerCommandFolder(L""));

    TestRegistry registry;
    registry.String(HKEY_CLASSES_ROOT, L"ymsgr\\shell\\open\\command", L"",
                    L"C:\\PROGRA~1\\Yahoo!\\MESSEN~1\\ypager.exe \"%1\"");
    EXPECT_EQ(L"C:\\PROGRA~1\\Yahoo!\\MESSEN~1", MessengerProtocolFolder());
}

TEST(Discovery, AimAndMailClientLookups) {
    EXPECT_EQ(L"", AimProtocolFolder());
    EXPECT_EQ(L"", MailClientFolder());
    TestRegistry registry;
    registry.String(HKEY_CLASSES_ROOT, L"AIM\\shell\\open\\command", L"",
                    L"C:\\Program Files\\Trillian\\trillian.exe -url \"%1\"");
    registry.String(HKEY_CURRENT_USER, L"Software\\Poco Systems Inc\\PocoMail 4", L"path",
                    L"C:\\Program Files\\PocoMail\\");
    EXPECT_EQ(L"C:\\Program Files\\Trillian", AimProtocolFolder());
    EXPECT_EQ(L"C:\\Program Files\\PocoMail\\", MailClientFolder()) << "returned exactly as stored";
}

TEST(RegistryTextRead, NeverReadsPastTheValueOrTheBuffer) {
    TestRegistry registry;
    const std::wstring key = L"Software\\NimbrelTests\\Text";
    registry.String(HKEY_CURRENT_USER, key, L"fits", std::wstring(511, L'a'));
    registry.String(HKEY_CURRENT_USER, key, L"too long", std::wstring(512, L'b'));
    const std::wstring full(512, L'c');
    registry.Raw(HKEY_CURRENT_USER, key, L"full, no terminator", REG_SZ, full.data(), 1024);
    registry.Raw(HKEY_CURRENT_USER, key, L"short, no terminator", REG_SZ, L"abc", 6);
    registry.Raw(HKEY_CURRENT_USER, key, L"odd size", REG_SZ, L"abc", 5);
    registry.Dword(HKEY_CURRENT_USER, key, L"number", 7);
    registry.Binary(HKEY_CURRENT_USER, key, L"bytes", "C:\\x");

    EXPECT_EQ(std::wstring(511, L'a'), ReadRegistryText(HKEY_CURRENT_USER, key, L"fits"));
    EXPECT_EQ(L"", ReadRegistryText(HKEY_CURRENT_USER, key, L"too long"));
    // Whether a full buffer without room for a terminator is "too long" is the
    // platform's call; either way nothing beyond the value is read.
    const std::wstring cut = ReadRegistryText(HKEY_CURRENT_USER, key, L"full, no terminator");
    EXPECT_TRUE(cut.empty() || cut == std::wstring(511, L'c'));
    EXPECT_EQ(L"abc", ReadRegistryText(HKEY_CURRENT_USER, key, L"short, no terminator"));
    EXPECT_EQ(L"ab", ReadRegistryText(HKEY_CURRENT_USER, key, L"odd size"));
    EXPECT_EQ(L"", ReadRegistryText(HKEY_CURRENT_USER, key, L"number"));
    EXPECT_EQ(L"", ReadRegistryText(HKEY_CURRENT_USER, key, L"bytes"));
    EXPECT_EQ(L"", ReadRegistryText(HKEY_CURRENT_USER, key, L"missing"));
    TestRegistry::DeleteTree(HKEY_CURRENT_USER, L"Software\\NimbrelTests");
}

namespace {

// Replaces a key's access list (SDDL form), for keys a user may only read.
bool SetKeyAccess(HKEY root, const std::wstring& key, const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr)) {
        return false;
    }
    HKEY opened = nullptr;
    bool done = false;
    if (RegOpenKeyExW(root, key.c_str(), 0, WRITE_DAC, &opened) == ERROR_SUCCESS) {
        done = RegSetKeySecurity(opened, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
        RegCloseKey(opened);
    }
    LocalFree(descriptor);
    return done;
}

} // namespace

TEST(Discovery, AKeyTheUserMayOnlyReadStillGivesTheFolder) {
    TestRegistry registry;
    const std::wstring key = kAppPaths + L"ReadOnly.exe";
    registry.String(HKEY_LOCAL_MACHINE, key, L"", L"C:\\Program Files\\ReadOnly\\ReadOnly.exe");
    // Everyone may read the key and change its access list, nothing else.
    ASSERT_TRUE(SetKeyAccess(HKEY_LOCAL_MACHINE, key, L"D:P(A;;KRWD;;;WD)"));
    HKEY full = nullptr;
    const LONG fullOpen = RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS, &full);
    if (fullOpen == ERROR_SUCCESS) {
        RegCloseKey(full);
    }

    const std::wstring folder = AppPathsFolder(L"ReadOnly.exe");

    SetKeyAccess(HKEY_LOCAL_MACHINE, key, L"D:P(A;;KA;;;WD)");
    EXPECT_EQ(ERROR_ACCESS_DENIED, fullOpen) << "the access list did not take effect";
    EXPECT_EQ(L"C:\\Program Files\\ReadOnly", folder);
}
