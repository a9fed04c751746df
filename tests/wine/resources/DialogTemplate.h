#pragma once
// A dialog template as stored in an executable, classic or extended form, read back into plain
// values so that tests can compare it with what the window is meant to be.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace wt {

struct TemplateControl {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;              // -1 for "none"
    std::wstring className;  // predefined classes by name: "Button", "Edit", "Static"
    std::wstring text;       // "#128" for an ordinal
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu;
    std::wstring className;
    std::wstring title;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<TemplateControl> controls;
};

// nullopt when the data ends before the template does.
std::optional<DialogTemplate> parseDialogTemplate(const void* data, size_t size);

}  // namespace wt
