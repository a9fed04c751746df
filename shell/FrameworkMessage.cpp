#include "FrameworkMessage.h"

#include "Application.h"

#include <cwchar>
#include <string_view>

namespace shell {
namespace {

// String `id` of the table in `language` alone: a string table resource is a block of 16
// counted strings, block n holding the ids 16(n-1) to 16n-1.
std::wstring_view stringInLanguage(HMODULE module, UINT id, LANGID language)
{
    const HRSRC found = ::FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const auto* entry = static_cast<const wchar_t*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (entry == nullptr)
        return {};
    const wchar_t* const end = entry + ::SizeofResource(module, found) / sizeof(wchar_t);
    for (UINT index = id % 16;; --index) {
        if (entry >= end || static_cast<size_t>(end - entry - 1) < *entry)
            return {};  // a damaged block
        if (index == 0)
            return {entry + 1, *entry};
        entry += 1 + *entry;
    }
}

}  // namespace

FrameworkMessage::FrameworkMessage(UINT id)
{
    const Application* app = Application::current();
    const HMODULE module = app != nullptr ? app->instance() : ::GetModuleHandleW(nullptr);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    std::wstring_view text;
    if (PRIMARYLANGID(::GetThreadUILanguage()) == LANG_RUSSIAN)
        text = stringInLanguage(module, id, MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    if (text.empty())
        text = stringInLanguage(module, id, english);
    const size_t room = sizeof text_ / sizeof text_[0] - 1;  // and the terminating null
    std::wmemcpy(text_, text.data(), text.size() < room ? text.size() : room);
}

}  // namespace shell
