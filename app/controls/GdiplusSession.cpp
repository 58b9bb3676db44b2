#include "GdiplusSession.h"

#include <objidl.h>

#include <gdiplus.h>

namespace nimbrel {

CGdiplusSession::CGdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) {
        token_ = 0;
    }
}

CGdiplusSession::~CGdiplusSession() {
    if (token_) {
        Gdiplus::GdiplusShutdown(token_);
    }
}

} // namespace nimbrel
