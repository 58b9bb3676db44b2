// The eight built-in tabs of the Options page, one dialog each (the
// browsers' own file: it holds more than its tree; the ninth, Community, is
// OptCommunityDlg.h).
#pragma once

#include "OptCategoryDlg.h"
#include "OptIntBrowserDlg.h"
#include "resource.h"

namespace nimbrel {

class COptWindowsDlg : public COptCategoryDlg {
public:
    explicit COptWindowsDlg(std::wstring product)
        : COptCategoryDlg(IDD_OPT_WINDOWS, ItemCategory::Windows, std::move(product)) {}
};

class COptInsMessengerDlg : public COptCategoryDlg {
public:
    explicit COptInsMessengerDlg(std::wstring product)
        : COptCategoryDlg(IDD_OPT_INSMESSENGER, ItemCategory::InstantMessengers, std::move(product)) {}
};

class COptMSOfficeDlg : public COptCategoryDlg {
public:
    explicit COptMSOfficeDlg(std::wstring product)
        : COptCategoryDlg(IDD_OPT_MSOFFICE, ItemCategory::MSOffice, std::move(product)) {}
};

class COptMultiMediaDlg : public COptCategoryDlg {
public:
    explicit COptMultiMediaDlg(std::wstring product)
        : COptCategoryDlg(IDD_OPT_MULTIMEDIA, ItemCategory::Multimedia, std::move(product)) {}
};

class COptFileSharingDlg : public COptCategoryDlg {
public:
    explicit COptFileSharingDlg(std::wstring product)
        : COptCategoryDlg(IDD_OPT_FILESHARING, ItemCategory::FileSharing, std::move(product)) {}
};

class COptEmailDlg : public COptCategoryDlg {
public:
    explicit COptEmailDlg(std::wstring product)
        : COptCategoryDlg(IDD_OPT_EMAIL, ItemCategory::Email, std::move(product)) {}
};

class COptThirdPartyDlg : public COptCategoryDlg {
public:
    explicit COptThirdPartyDlg(std::wstring product)
        : COptCategoryDlg(IDD_OPT_THIRDPARTY, ItemCategory::ThirdParty, std::move(product)) {}
};

} // namespace nimbrel
