// Reads a dialog template resource (classic or extended form): the
// dialog's size and font and every control's place, in dialog units.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace nimbrel {

struct DialogTemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    WORD id = 0;
};

struct DialogTemplateInfo {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    bool hasMenu = false;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = FW_NORMAL;
    bool italic = false;
    BYTE charset = DEFAULT_CHARSET;
    std::wstring face;
    std::vector<DialogTemplateItem> items;
};

// Nothing when the bytes are not a whole template.
std::optional<DialogTemplateInfo> ParseDialogTemplate(const void* data, size_t size);
std::optional<DialogTemplateInfo> LoadDialogTemplate(HINSTANCE module, UINT templateId);

} // namespace nimbrel
