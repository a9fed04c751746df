#include "DialogTemplate.h"

#include <cstring>

namespace wt {
namespace {

// Reads little-endian fields in order, failing softly once the data runs out.
class Reader {
public:
    Reader(const void* data, size_t size) : begin_(static_cast<const BYTE*>(data)), size_(size) {}

    bool ok() const { return ok_; }

    template <class T>
    T read()
    {
        T value{};
        if (offset_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, begin_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }

    std::wstring string()
    {
        std::wstring text;
        for (WORD c = read<WORD>(); ok_ && c != 0; c = read<WORD>())
            text.push_back(static_cast<wchar_t>(c));
        return text;
    }

    // A name or an ordinal: 0 for none, 0xFFFF followed by a number, or a string.
    std::wstring nameOrOrdinal()
    {
        const WORD first = read<WORD>();
        if (first == 0)
            return {};
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(read<WORD>());
        std::wstring text(1, static_cast<wchar_t>(first));
        return text + string();
    }

    void alignDword() { offset_ = (offset_ + 3) & ~size_t{3}; }

    void skip(size_t bytes)
    {
        if (offset_ + bytes > size_)
            ok_ = false;
        offset_ += bytes;
    }

private:
    const BYTE* begin_;
    size_t size_;
    size_t offset_ = 0;
    bool ok_ = true;
};

std::wstring predefinedClass(const std::wstring& name)
{
    if (name == L"#128")
        return L"Button";
    if (name == L"#129")
        return L"Edit";
    if (name == L"#130")
        return L"Static";
    if (_wcsicmp(name.c_str(), L"button") == 0)
        return L"Button";
    if (_wcsicmp(name.c_str(), L"edit") == 0)
        return L"Edit";
    if (_wcsicmp(name.c_str(), L"static") == 0)
        return L"Static";
    return name;
}

}  // namespace

std::optional<DialogTemplate> parseDialogTemplate(const void* data, size_t size)
{
    Reader in(data, size);
    DialogTemplate dialog;
    const WORD version = in.read<WORD>();
    const WORD signature = in.read<WORD>();
    dialog.extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (dialog.extended) {
        dialog.helpId = in.read<DWORD>();
        dialog.exStyle = in.read<DWORD>();
        dialog.style = in.read<DWORD>();
    } else {
        dialog.style = MAKELONG(version, signature);
        dialog.exStyle = in.read<DWORD>();
    }
    count = in.read<WORD>();
    dialog.x = in.read<short>();
    dialog.y = in.read<short>();
    dialog.cx = in.read<short>();
    dialog.cy = in.read<short>();
    dialog.menu = in.nameOrOrdinal();
    dialog.className = in.nameOrOrdinal();
    dialog.title = in.string();
    if (dialog.style & DS_SETFONT) {  // only it adds the font; DS_FIXEDSYS alone does not
        dialog.pointSize = in.read<WORD>();
        if (dialog.extended) {
            dialog.weight = in.read<WORD>();
            dialog.italic = in.read<BYTE>();
            dialog.charset = in.read<BYTE>();
        }
        dialog.typeface = in.string();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.alignDword();
        TemplateControl control;
        if (dialog.extended) {
            control.helpId = in.read<DWORD>();
            control.exStyle = in.read<DWORD>();
            control.style = in.read<DWORD>();
        } else {
            control.style = in.read<DWORD>();
            control.exStyle = in.read<DWORD>();
        }
        control.x = in.read<short>();
        control.y = in.read<short>();
        control.cx = in.read<short>();
        control.cy = in.read<short>();
        control.id = dialog.extended ? static_cast<int>(in.read<DWORD>()) : static_cast<short>(in.read<WORD>());
        control.className = predefinedClass(in.nameOrOrdinal());
        control.text = in.nameOrOrdinal();
        in.skip(in.read<WORD>());  // creation data
        dialog.controls.push_back(control);
    }
    if (!in.ok())
        return std::nullopt;
    return dialog;
}

}  // namespace wt
