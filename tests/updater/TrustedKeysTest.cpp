// The keys the updater trusts: the vendor's, built in, and the key texts an
// administrator writes into the registry.
#include "TestSigning.h"

#include "trust/TrustedKeys.h"
#include "trust/VendorKeys.h"

#include <gtest/gtest.h>

#include <set>

using updrift::EcPointFromKeyText;

TEST(TrustedKeys, TheLibraryCarriesMoreThanOneVendorKeyAndNoTestKey) {
    std::set<std::string> points;
    for (const wchar_t* text : updrift::kVendorKeyTexts) {
        EXPECT_EQ(64u, EcPointFromKeyText(text).size()) << "a key that is no P-256 key is never trusted";
        points.insert(EcPointFromKeyText(text));
    }
    EXPECT_GE(points.size(), 2u) << "a second key lets the vendor move to a new one";
    EXPECT_EQ(0u, points.count(EcPointFromKeyText(SigningKey::Test().PublicText())));
}

TEST(TrustedKeys, OnlyTheTextOfAP256PublicKeyIsAKey) {
    const std::wstring text = SigningKey::Test().PublicText();
    ASSERT_EQ(64u, EcPointFromKeyText(text).size());
    // As copied out of a PEM file, over two lines.
    EXPECT_EQ(EcPointFromKeyText(text),
              EcPointFromKeyText(text.substr(0, 64) + L"\r\n " + text.substr(64) + L"\n"));
    const std::wstring p384 =
        L"MHYwEAYHKoZIzj0CAQYFK4EEACIDYgAEO/nC25gk8USfzSYCMYPh7SlPmVsKEC1X59TUX3IJI8viNFk9vfwhXNzx"
        L"r9R11sSUBcljzMrn/QswZtZIdGIsnr9WbMDDNqvMhxEM6fMXSktaCfNwwUaqLaWPUfxO5dFb";
    for (const std::wstring& noKey :
         {std::wstring(), std::wstring(124, L'!'), text.substr(0, 120), text + L"AAAA", p384}) {
        EXPECT_TRUE(EcPointFromKeyText(noKey).empty()) << std::string(noKey.begin(), noKey.end());
    }
}
