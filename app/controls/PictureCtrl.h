// A picture control that keeps the bytes of the last loaded image file in
// memory, so that the file may change or vanish while the picture shows.
#pragma once

#include "SubclassedControl.h"

#include <objidl.h>

#include <string>

namespace nimbrel {

class CPictureCtrl : public CSubclassedControl {
public:
    CPictureCtrl() = default;
    ~CPictureCtrl() override;

    // Copies the whole file into memory and redraws. False when the file
    // could not be read: the control is then empty and the thread's last
    // error says why.
    bool LoadFromFile(const std::wstring& path);
    // Forgets the picture.
    void Clear();

    bool IsLoaded() const { return loaded_; }
    // The image bytes, positioned at their start; null when none is loaded.
    IStream* Stream() const { return stream_; }

private:
    IStream* stream_ = nullptr;
    bool loaded_ = false;
};

} // namespace nimbrel
