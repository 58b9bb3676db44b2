#include "DialogTemplate.h"

#include <cstring>

namespace nimbrel {

namespace {

// Walks the template's bytes; every read is checked against its end, so a
// damaged resource yields nothing instead of a read past it.
class TemplateReader {
public:
    TemplateReader(const void* data, size_t size) : base_(static_cast<const BYTE*>(data)), size_(size) {}

    bool Ok() const { return ok_; }

    template <class T> T Read() {
        T value{};
        if (!ok_ || offset_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, base_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }

    std::wstring ReadString() {
        std::wstring text;
        for (;;) {
            const auto c = Read<wchar_t>();
            if (!ok_ || c == L'\0') {
                return text;
            }
            text += c;
        }
    }

    // A name or an ordinal: 0 (none), 0xFFFF and a number, or a string.
    // True when something was there.
    bool ReadNameOrOrdinal() {
        const auto first = Read<WORD>();
        if (first == 0) {
            return false;
        }
        if (first == 0xFFFF) {
            Read<WORD>();
            return true;
        }
        ReadString();
        return true;
    }

    void Skip(size_t bytes) {
        if (offset_ + bytes > size_) {
            ok_ = false;
            return;
        }
        offset_ += bytes;
    }

    void AlignToDword() { Skip((4 - offset_ % 4) % 4); }

private:
    const BYTE* base_;
    size_t size_;
    size_t offset_ = 0;
    bool ok_ = true;
};

} // namespace

std::optional<DialogTemplateInfo> ParseDialogTemplate(const void* data, size_t size) {
    if (!data) {
        return std::nullopt;
    }
    TemplateReader reader(data, size);
    DialogTemplateInfo info;
    const auto version = reader.Read<WORD>();
    const auto signature = reader.Read<WORD>();
    const bool extended = version == 1 && signature == 0xFFFF;
    if (extended) {
        reader.Read<DWORD>(); // help id
        info.exStyle = reader.Read<DWORD>();
        info.style = reader.Read<DWORD>();
    } else {
        info.style = MAKELONG(version, signature);
        info.exStyle = reader.Read<DWORD>();
    }
    const WORD count = reader.Read<WORD>();
    info.x = reader.Read<short>();
    info.y = reader.Read<short>();
    info.cx = reader.Read<short>();
    info.cy = reader.Read<short>();
    info.hasMenu = reader.ReadNameOrOrdinal();
    reader.ReadNameOrOrdinal(); // window class
    reader.ReadString();        // title
    if (info.style & DS_SETFONT) {
        info.hasFont = true;
        info.pointSize = reader.Read<WORD>();
        if (extended) {
            info.weight = reader.Read<WORD>();
            info.italic = reader.Read<BYTE>() != 0;
            info.charset = reader.Read<BYTE>();
        }
        info.face = reader.ReadString();
    }
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.AlignToDword();
        DialogTemplateItem item;
        if (extended) {
            reader.Read<DWORD>(); // help id
            item.exStyle = reader.Read<DWORD>();
            item.style = reader.Read<DWORD>();
        } else {
            item.style = reader.Read<DWORD>();
            item.exStyle = reader.Read<DWORD>();
        }
        item.x = reader.Read<short>();
        item.y = reader.Read<short>();
        item.cx = reader.Read<short>();
        item.cy = reader.Read<short>();
        item.id = extended ? static_cast<WORD>(reader.Read<DWORD>()) : reader.Read<WORD>();
        reader.ReadNameOrOrdinal();       // class
        reader.ReadNameOrOrdinal();       // title
        reader.Skip(reader.Read<WORD>()); // creation data
        info.items.push_back(item);
    }
    if (!reader.Ok()) {
        return std::nullopt;
    }
    return info;
}

std::optional<DialogTemplateInfo> LoadDialogTemplate(HINSTANCE module, UINT templateId) {
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!resource) {
        return std::nullopt;
    }
    HGLOBAL loaded = LoadResource(module, resource);
    if (!loaded) {
        return std::nullopt;
    }
    return ParseDialogTemplate(LockResource(loaded), SizeofResource(module, resource));
}

} // namespace nimbrel
