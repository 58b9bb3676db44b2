#include "catalogue/browsers/KeptCookieFiles.h"

#include "core/ScrubcoreApp.h"
#include "databases/CookieRows.h"
#include "files/IniText.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <algorithm>

namespace scrub {
namespace {

// A cookie file holds records of nine lines: name, value, "host/path",
// flags, expiry (two lines), creation (two lines), "*".
constexpr size_t kLinesPerCookie = 9;
constexpr size_t kHostLine = 2;

bool HoldsKeptSite(const std::string& bytes, const std::vector<std::string>& keptSites) {
    size_t line = 0;
    for (size_t begin = 0; begin < bytes.size(); ++line) {
        size_t end = bytes.find('\n', begin);
        end = end == std::string::npos ? bytes.size() : end;
        if (line % kLinesPerCookie == kHostLine) {
            const std::string place = bytes.substr(begin, end - begin);
            if (IsKeptHost(place.substr(0, place.find_first_of("/\r")), keptSites)) {
                return true;
            }
        }
        begin = end + 1;
    }
    return false;
}

class OtherSitesTest : public FileTest {
public:
    bool Accepts(const std::wstring& path) const override {
        const std::vector<std::string>& kept = theApp.cookieSitesToKeep;
        const std::wstring name = win32::LastComponent(path);
        if (kept.empty() || name.size() < 4 || !win32::EqualsNoCase(name.substr(name.size() - 4), L".txt")) {
            return true;
        }
        // "user@mail.example[2].txt": the site is in the name.
        const size_t at = name.find(L'@');
        if (at != std::wstring::npos) {
            std::wstring site = name.substr(at + 1, name.size() - 4 - at - 1);
            site.erase(std::min(site.find(L'['), site.size()));
            if (IsKeptHost(win32::Utf8FromUtf16(site), kept)) {
                return false;
            }
        }
        std::string bytes;
        return !ReadFileBytes(path, bytes) || !HoldsKeptSite(bytes, kept);
    }
};

} // namespace

const FileTest& CookieFilesOfOtherSites() {
    static const OtherSitesTest test;
    return test;
}

} // namespace scrub
