#include "Application.h"

#include "CommandHandler.h"
#include "Dialog.h"
#include "FrameworkMessage.h"
#include "Platform.h"
#include "resource.h"

namespace shell {
namespace {

Application* theApplication = nullptr;

Text moduleBaseName(HINSTANCE module)
{
    Text path;
    DWORD length = 0;
    for (size_t room = MAX_PATH;; room *= 2) {
        path = Text::withLength(room);
        length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(room));
        if (length == 0)
            return {};
        if (length < room)
            break;
    }
    std::wstring_view name(path.c_str(), length);
    if (const size_t slash = name.find_last_of(L"\\/"); slash != std::wstring_view::npos)
        name.remove_prefix(slash + 1);
    if (const size_t dot = name.find_last_of(L'.'); dot != std::wstring_view::npos && dot > 0)
        name.remove_suffix(name.size() - dot);
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
    messageBox(mainWindow != nullptr ? mainWindow->handle() : nullptr, FrameworkMessage(IDS_NO_HELP).text(), nullptr,
               MB_OK | MB_ICONINFORMATION);
}

int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (caption == nullptr && theApplication != nullptr)
        caption = theApplication->name();
    return platform().messageBox(owner, text != nullptr ? text : L"", caption, type);
}

}  // namespace shell
