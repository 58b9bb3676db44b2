// The keys the updater trusts: the vendor's, built in, and the key texts an
// administrator may write into the registry.
#include "TestSigning.h"

#include "trust/TrustedKeys.h"
#include "trust/VendorKeys.h"

#include <gtest/gtest.h>

#include <set>

using updrift::EcPointFromKeyText;

TEST(TrustedKeys, TheLibraryCarriesMoreThanOneVendorKeyAndNoTestKey) {
    std::set<std::string> points;
    for (const wchar_t* text : updrift::kVendorKeyTexts) {
        const std::string point = EcPointFromKeyText(text);
        EXPECT_EQ(64u, point.size()) << "a vendor key that is no P-256 key would never be trusted";
        points.insert(point);
    }
    EXPECT_GE(points.size(), 2u) << "a second key lets the vendor change keys";
    EXPECT_EQ(0u, points.count(EcPointFromKeyText(SigningKey::Test().PublicText())));
}

TEST(TrustedKeys, OnlyTheTextOfAP256PublicKeyIsAKey) {
    const std::wstring text = SigningKey::Test().PublicText();
    const std::string point = EcPointFromKeyText(text);
    ASSERT_EQ(64u, point.size());
    // As pasted from a PEM file, over two lines.
    EXPECT_EQ(point, EcPointFromKeyText(L" " + text.substr(0, 64) + L"\r\n" + text.substr(64) + L"\r\n"));
    const std::wstring noKeys[] = {
        L"",
        L"not a key at all",
        text.substr(0, text.size() - 8),
        text + L"AAAA",
        // A key on another curve (P-384).
        L"MHYwEAYHKoZIzj0CAQYFK4EEACIDYgAEO/"
        L"nC25gk8USfzSYCMYPh7SlPmVsKEC1X59TUX3IJI8viNFk9vfwhXNzxr9R11sSUBcljzMrn/"
        L"QswZtZIdGIsnr9WbMDDNqvMhxEM6fMXSktaCfNwwUaqLaWPUfxO5dFb",
    };
    for (const std::wstring& noKey : noKeys) {
        EXPECT_TRUE(EcPointFromKeyText(noKey).empty()) << std::string(noKey.begin(), noKey.end());
    }
}
