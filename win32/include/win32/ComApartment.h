// The component library, initialised on this thread for as long as the
// object lives (shell links, image codecs). Nested uses are fine: each
// balances its own initialisation.
#pragma once

#include <objbase.h>

namespace win32 {

class CComApartment {
public:
    CComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~CComApartment() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

    // False when the thread runs another model already (its objects still work).
    bool Initialised() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

} // namespace win32
