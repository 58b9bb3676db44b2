// A Windows user's browser traces, laid out in the test prefix the way the
// browsers themselves leave them, and removed again afterwards.
#pragma once

#include "TestFiles.h"
#include "TestRegistry.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The folders the browsers use, asked of the platform.
struct UserFolders {
    std::wstring appData;       // Application Data (roaming)
    std::wstring localAppData;  // Local Settings\Application Data
    std::wstring localSettings; // the folder that holds the local application data
    std::wstring internetCache; // Temporary Internet Files
    std::wstring cookies;
    std::wstring favorites;
    std::wstring profile; // the user's profile folder
    std::wstring windows;
    std::wstring history;
    std::wstring commonAppData;
    std::wstring programFiles;
};
const UserFolders& Folders();

// Puts a registry value (or its absence) back as it was.
class KeptValue {
public:
    KeptValue(HKEY root, std::wstring key, std::wstring name);
    ~KeptValue();
    KeptValue(const KeptValue&) = delete;
    KeptValue& operator=(const KeptValue&) = delete;

private:
    HKEY root_;
    std::wstring key_, name_;
    bool existed_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
};

class BrowserTraces {
public:
    BrowserTraces();
    ~BrowserTraces();
    BrowserTraces(const BrowserTraces&) = delete;
    BrowserTraces& operator=(const BrowserTraces&) = delete;

    // Internet Explorer 6 on XP: cache, history, cookies, favourites,
    // remembered folders and pages, typed addresses, saved passwords.
    void InternetExplorer();
    // The cookie index IE keeps beside the cookies.
    void CookieIndex();
    // The auto-complete store, with the access lists Windows gives it: only
    // the system may read its data.
    void ProtectedStore();
    // Netscape 8 with two profiles, and a stray file beside them.
    void Netscape();
    // Firefox 2 with two profiles (cache under the local application data),
    // and a stray file beside them.
    void Firefox();
    // Opera 9's profile folder.
    void Opera();
    // A browser built on Chromium as a user of Windows 10 leaves it: two
    // profiles, each with its traces beside the bookmarks, settings,
    // extensions and extension data that stay; the browser's "Local State";
    // a folder that is no profile; a linked profile folder. Opera kept its
    // one profile as the user-data folder, and keeps its cache apart.
    struct ChromiumSeed {
        std::vector<std::wstring> items[6]; // found by each item, in item order
        std::vector<std::wstring> kept;     // never found
    };
    ChromiumSeed Chromium(const struct ChromiumCase& browser);
    // Firefox 115 and later with two profiles, and Firefox's folders of
    // both application data folders; a copy from the Microsoft Store with
    // one profile; a profile profiles.ini lists outside (at
    // firefoxOutsideProfile).
    void CurrentFirefox();
    std::wstring firefoxOutsideProfile;

    // AOL 9.0 installed twice (the second time as "9.0 SE"), found through
    // the registry; or AOL 8.0 in Program Files.
    void Aol9();
    void Aol8();

    // Seeded files below a folder, sorted.
    std::vector<std::wstring> FilesUnder(const std::wstring& folder) const;
    // Their size in kilobytes as Privacy_GetFilesSize writes it.
    std::string Kilobytes(const std::vector<std::wstring>& files) const;
    // How many of them hold at least one byte.
    unsigned long long NonEmpty(const std::vector<std::wstring>& files) const;

    // The user's store key and the keys below it that were made.
    std::wstring storeIdentityKey;
    std::vector<std::wstring> storeKeys;

    std::wstring File(const std::wstring& path, uint64_t size);
    void Value(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
               DWORD size);
    void Text(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text);
    void Place(const std::wstring& folder);

private:
    testing_support::TestRegistry registry_;
    std::vector<testing_support::TestFolder> outside_; // where linked profiles lead
    std::vector<std::unique_ptr<KeptValue>> kept_;
    std::vector<testing_support::TestFolder> places_;
    std::map<std::wstring, uint64_t> files_;
};

// The five browsers built on Chromium, as a user of Windows 10 finds them.
struct ChromiumCase {
    const char* name;
    const wchar_t* program; // its process
    std::wstring userData;
    std::wstring cacheApart; // Opera: where it keeps its cache apart
    // Cache, cookies and site data, history, sessions, form data, passwords.
    std::vector<int (*)(unsigned char)> items;
    bool profileIsUserData; // Opera's one profile before it kept several
};
const std::vector<ChromiumCase>& ChromiumCases();

// The application's own folder below the application data folder that holds
// the path ("...\\AppData\\Local\\Google" for Chrome's user data).
std::wstring VendorFolder(const std::wstring& path);

// "HKEY_CURRENT_USER||" + key + "=" + value.
std::wstring UserValue(const std::wstring& key, const std::wstring& value);
std::wstring MachineValue(const std::wstring& key, const std::wstring& value);

// Paths compared as the file system compares them: ignoring letter case.
std::vector<std::wstring> CaseFolded(std::vector<std::wstring> paths);

// What one item export found in a fresh recording.
struct ItemScan {
    std::vector<std::wstring> found; // sorted
    unsigned long long files = 0;    // files counted
    unsigned long long values = 0;   // registry values met
    std::string kilobytes;           // as Privacy_GetFilesSize writes them
};
ItemScan ScanItem(int (*item)(unsigned char));
