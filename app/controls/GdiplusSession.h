// The platform's image library, started for as long as its owner lives.
// Pictures decoded with it must be gone before the session ends.
#pragma once

#include <windows.h>

namespace nimbrel {

class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

    bool Started() const { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};

} // namespace nimbrel
