#include "Accessibility.h"

#include "Driver.h"

#include <gtest/gtest.h>

namespace wt {

namespace {

// The calling thread in COM for one reading, as a screen reader's thread is.
class ComScope {
public:
    ComScope() : started_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComScope()
    {
        if (started_)
            ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool started_;
};

// Takes over a BSTR.
std::wstring take(BSTR text)
{
    std::wstring result = text != nullptr ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return result;
}

}  // namespace

Spoken spoken(HWND control)
{
    const ComScope com;
    Spoken result;
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object)))
        || object == nullptr)
        return result;
    result.found = true;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    result.nameStatus = object->get_accName(self, &text);
    result.name = take(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accDescription(self, &text)))
        result.description = take(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accValue(self, &text)))
        result.value = take(text);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4)
        result.role = role.lVal;
    ::VariantClear(&role);
    object->Release();
    return result;
}

std::vector<int> tabStops(HWND window)
{
    std::vector<int> ids;
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0)
            ids.push_back(controlId(child));
    }
    return ids;
}

void expectSpokenAsListed(HWND window, const std::vector<SpokenControl>& expected)
{
    std::vector<int> listed;
    listed.reserve(expected.size());
    for (const SpokenControl& control : expected)
        listed.push_back(control.id);
    EXPECT_EQ(listed, tabStops(window)) << "the window's tab stops";
    for (const SpokenControl& control : expected) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        const Spoken heard = spoken(item(window, control.id));
        ASSERT_TRUE(heard.found) << "no accessible object";
        EXPECT_EQ(S_OK, heard.nameStatus);
        EXPECT_EQ(control.name, heard.name);
        if (!control.description.empty()) {
            EXPECT_EQ(control.description, heard.description);
        }
    }
}

}  // namespace wt
