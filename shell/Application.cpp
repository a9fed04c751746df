#include "Application.h"

#include "CommandHandler.h"
#include "Dialog.h"
#include "Platform.h"

namespace shell {
namespace {

Application* theApplication = nullptr;

std::wstring moduleBaseName(HINSTANCE module)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0)
        name.resize(dot);
    return name;
}

}  // namespace

Application::Application(const wchar_t* name)
    : instance_(::GetModuleHandleW(nullptr)), name_(name != nullptr ? name : moduleBaseName(instance_))
{
    theApplication = this;
}

Application::~Application()
{
    if (theApplication == this)
        theApplication = nullptr;
}

Application* Application::current()
{
    return theApplication;
}

const CommandTable<Application> Application::baseTable{nullptr};

const CommandTable<Application>* Application::commandTable() const
{
    return &baseTable;
}

bool Application::initInstance()
{
    return false;
}

int Application::start(HINSTANCE instance, const wchar_t* commandTail, int showCommand)
{
    if (instance != nullptr)
        instance_ = instance;
    commandTail_ = commandTail != nullptr ? commandTail : L"";
    showCommand_ = showCommand;
    // The programs' initialisation runs the whole program and returns false: there is no
    // message loop of the framework's own to enter afterwards.
    initInstance();
    return 0;
}

HICON Application::loadIcon(UINT id) const
{
    return ::LoadIconW(instance_, MAKEINTRESOURCEW(id));
}

// There is no help file: say so rather than fail silently.
void Application::onHelp()
{
    messageBox(mainWindow != nullptr ? mainWindow->handle() : nullptr, L"No help is available for this program.",
               nullptr, MB_OK | MB_ICONINFORMATION);
}

int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (caption == nullptr && theApplication != nullptr)
        caption = theApplication->name().c_str();
    return platform().messageBox(owner, text != nullptr ? text : L"", caption, type);
}

}  // namespace shell
