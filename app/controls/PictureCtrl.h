// A picture control that keeps the bytes of the last loaded image file in
// memory, so that the file may change or vanish while the picture shows,
// and draws it through the platform's image library (which its owner
// starts: CGdiplusSession), fitted into the control and centred.
#pragma once

#include "SubclassedControl.h"

#include <objidl.h>

#include <cstdint>
#include <memory>
#include <string>

namespace Gdiplus {
class Image;
}

namespace nimbrel {

class CPictureCtrl : public CSubclassedControl {
public:
    // A preview has no business holding more than this in memory: larger
    // files are not read at all, larger pictures not drawn.
    static constexpr uint64_t kMaxFileBytes = 16ull << 20;
    static constexpr uint64_t kMaxPixels = 40ull * 1000 * 1000;

    CPictureCtrl();
    ~CPictureCtrl() override;

    // Copies the whole file into memory and redraws. False when the file
    // could not be read or is larger than `maxBytes`: the control is then
    // empty and the thread's last error says why.
    bool LoadFromFile(const std::wstring& path, uint64_t maxBytes = kMaxFileBytes);
    // Forgets the picture.
    void Clear();

    bool IsLoaded() const { return loaded_; }
    // The image bytes, positioned at their start; null when none is loaded.
    IStream* Stream() const { return stream_; }
    // Whether the loaded bytes are a picture it will draw (decoded once).
    bool HasPicture();

    // Where a picture of `image` pixels goes in a control of `control`
    // pixels: its own size when it fits, else shrunk in proportion until it
    // does; centred.
    static RECT PlacePicture(SIZE image, SIZE control);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);

    IStream* stream_ = nullptr;
    bool loaded_ = false;
    bool decoded_ = false;
    std::unique_ptr<Gdiplus::Image> image_;
};

} // namespace nimbrel
