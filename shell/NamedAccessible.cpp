#include "NamedAccessible.h"

#include <ole2.h>
#include <oleacc.h>

#include <new>

namespace shell {

namespace {

// ---- The system functions, loaded from the system folder on first use ----

// No program imports these DLLs: most users never ask for an accessible object.
HMODULE loadSystemLibrary(const wchar_t* name)
{
    if (const HMODULE module = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    // Systems that do not know the flag refuse it: name the file by its full path instead.
    wchar_t path[MAX_PATH];
    const UINT folder = ::GetSystemDirectoryW(path, MAX_PATH);
    UINT length = folder;
    if (folder == 0 || folder >= MAX_PATH)
        return nullptr;
    path[length++] = L'\\';
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        if (length + 1 >= MAX_PATH)
            return nullptr;
        path[length++] = *c;
    }
    path[length] = L'\0';
    return ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

template <class Function>
Function systemFunction(HMODULE module, const char* name)
{
    const FARPROC found = module != nullptr ? ::GetProcAddress(module, name) : nullptr;
    // Through void (*)(): the one function pointer type GCC lets any other convert to and from quietly.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

struct SystemFunctions {
    HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**) = nullptr;
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
    BSTR(WINAPI* sysAllocString)(const OLECHAR*) = nullptr;
    HRESULT(WINAPI* coInitializeEx)(LPVOID, DWORD) = nullptr;
};

SystemFunctions functions;
bool functionsLoaded = false;

// Null when a function the object cannot do without is missing. The DLLs stay loaded: objects
// handed out may be in use until the program ends.
const SystemFunctions* systemFunctions()
{
    if (!functionsLoaded) {
        functionsLoaded = true;
        const HMODULE oleacc = loadSystemLibrary(L"oleacc.dll");
        functions.createStdAccessibleObject =
            systemFunction<decltype(functions.createStdAccessibleObject)>(oleacc, "CreateStdAccessibleObject");
        functions.lresultFromObject =
            systemFunction<decltype(functions.lresultFromObject)>(oleacc, "LresultFromObject");
        functions.sysAllocString =
            systemFunction<decltype(functions.sysAllocString)>(loadSystemLibrary(L"oleaut32.dll"), "SysAllocString");
        functions.coInitializeEx =
            systemFunction<decltype(functions.coInitializeEx)>(loadSystemLibrary(L"ole32.dll"), "CoInitializeEx");
    }
    const bool complete = functions.createStdAccessibleObject != nullptr && functions.lresultFromObject != nullptr
                          && functions.sysAllocString != nullptr;
    return complete ? &functions : nullptr;
}

// ---- The object ----

bool isSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// Everything comes from the standard object but the name and, where the row has one, the
// description of the control itself.
class NamedAccessible final : public IAccessible {
public:
    // Takes over the reference to `standard`; null (and `standard` released) when out of memory.
    static NamedAccessible* create(IAccessible* standard, const AccessibleName& row, const SystemFunctions& system)
    {
        void* memory = ::HeapAlloc(::GetProcessHeap(), 0, sizeof(NamedAccessible));
        if (memory == nullptr) {
            standard->Release();
            return nullptr;
        }
        return new (memory) NamedAccessible(standard, row, system);
    }

    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown. The standard object's other interfaces (its window, its children) are handed out
    // as they are; any other, marshalling's included, would hand out the standard object instead.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        if (iid == __uuidof(IOleWindow) || iid == __uuidof(IEnumVARIANT))
            return standard_->QueryInterface(iid, object);
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) {
            this->~NamedAccessible();
            ::HeapFree(::GetProcessHeap(), 0, this);
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch. Invoke goes through the type information to this object's own methods, so a
    // caller by name hears the same name; without type information it is the standard's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override
    {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override
    {
        ITypeInfo* info = nullptr;
        if (SUCCEEDED(standard_->GetTypeInfo(0, locale, &info)) && info != nullptr) {
            const HRESULT status = info->Invoke(static_cast<IAccessible*>(this), member, flags, params, result,
                                                exception, argumentError);
            info->Release();
            return status;
        }
        return standard_->Invoke(member, iid, locale, flags, params, result, exception, argumentError);
    }

    // IAccessible: the two answers of its own.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return isSelf(child) ? copy(row_.name, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return isSelf(child) && row_.description != nullptr ? copy(row_.description, description)
                                                            : standard_->get_accDescription(child, description);
    }

    // IAccessible: the standard object's answers.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override { return standard_->accSelect(how, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard_->put_accValue(child, value);
    }

private:
    NamedAccessible(IAccessible* standard, const AccessibleName& row, const SystemFunctions& system)
        : standard_(standard), row_(row), system_(system)
    {
    }
    ~NamedAccessible() { standard_->Release(); }

    HRESULT copy(const wchar_t* text, BSTR* out) const
    {
        if (out == nullptr)
            return E_POINTER;
        *out = system_.sysAllocString(text);
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    LONG references_ = 1;
    IAccessible* standard_;  // owned: one reference
    const AccessibleName& row_;
    const SystemFunctions& system_;
};

}  // namespace

LRESULT namedAccessibleResult(HWND control, WPARAM flags, const AccessibleName& row)
{
    const SystemFunctions* system = systemFunctions();
    if (system == nullptr)
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(system->createStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&standard)))
        || standard == nullptr)
        return 0;
    NamedAccessible* named = NamedAccessible::create(standard, row, *system);
    if (named == nullptr)
        return 0;
    LRESULT result = system->lresultFromObject(__uuidof(IAccessible), flags, named);
    // The reference travels through COM, which a program that never used COM has not started on
    // this thread: it starts it here, once, as a window thread's apartment, and keeps it.
    if (static_cast<HRESULT>(result) == CO_E_NOTINITIALIZED && system->coInitializeEx != nullptr
        && SUCCEEDED(system->coInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        result = system->lresultFromObject(__uuidof(IAccessible), flags, named);
    named->Release();  // the reference, if made, holds its own
    return result > 0 ? result : 0;
}

}  // namespace shell
