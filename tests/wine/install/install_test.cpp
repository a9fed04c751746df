// The release's installer as a user and an administrator meet it, on a machine of its own (a
// throwaway Wine prefix, made by run_in_fresh_prefix.sh): a quiet install puts the programs, their
// Start-menu shortcuts and an uninstall entry in place, an installed program starts, installing
// again changes nothing, a later version replaces this one, the uninstall leaves nothing behind,
// and a missing or damaged package installs nothing.

#include "Driver.h"
#include "Machine.h"
#include "Snapshot.h"
#include "TestText.h"

#include <windows.h>
#include <msi.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using testtext::narrow;

const wchar_t* const kPrograms[] = {L"velmora2", L"velmora3", L"velmora4", L"varnix"};
const std::wstring kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// Given by the build (CMakeLists.txt) and the runner (run_in_fresh_prefix.sh).
const std::wstring kUpgradeCode = L"{" MSI_UPGRADE_CODE L"}";
const std::wstring kVersion = RELEASE_VERSION;
const std::wstring kLaterVersion = LATER_VERSION;
std::wstring releaseMsi() { return it::environmentVariable(L"VELMORA_MSI"); }
std::wstring laterMsi() { return it::environmentVariable(L"VELMORA_LATER_MSI"); }
std::wstring builtPrograms() { return it::environmentVariable(L"VELMORA_BIN"); }

std::wstring quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// Program Files of the installer's width: the test is built with the programs' width, as a
// 32-bit process on a 64-bit system sees Program Files (x86) here.
std::wstring installFolder() { return it::shellFolder(CSIDL_PROGRAM_FILES) + L"\\velmora"; }

// The Start-menu folder of a per-machine install is the common one; Wine's Windows Installer
// puts every install's ProgramMenuFolder in the user's profile, so look there when it is not.
std::wstring startMenuFolder()
{
    const std::wstring common = it::shellFolder(CSIDL_COMMON_PROGRAMS) + L"\\velmora";
    return it::folderExists(common) ? common : it::shellFolder(CSIDL_PROGRAMS) + L"\\velmora";
}

// The one product installed under the upgrade code, or empty.
std::wstring installedProduct()
{
    const std::vector<std::wstring> products = it::productsOf(kUpgradeCode);
    return products.size() == 1 ? products.front() : std::wstring();
}

// Uninstalls the way Add/Remove Programs does, by the entry's uninstall command, quietly.
std::optional<DWORD> uninstallByEntry(const std::wstring& productCode)
{
    const std::optional<std::wstring> command =
        it::registryText(HKEY_LOCAL_MACHINE, kUninstallKey + productCode, L"UninstallString");
    if (!command)
        return std::nullopt;
    return it::run(*command + L" /qn");
}

// The icons a file holds, as the shell counts them.
UINT iconCount(const std::wstring& path) { return ::ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0); }

struct Shortcut {
    std::wstring target;
    std::wstring workingFolder;
    std::wstring iconFile;  // empty: the target's own icon
    int iconIndex = 0;
};

class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (ok_)
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (p_ != nullptr)
            p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface* operator->() const { return p_; }
    Interface** out() { return &p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    Interface* p_ = nullptr;
};

std::optional<Shortcut> readShortcut(const std::wstring& path)
{
    const ComApartment apartment;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(link.out())))
        || FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out())))
        || FAILED(file->Load(path.c_str(), STGM_READ)))
        return std::nullopt;
    Shortcut shortcut;
    wchar_t text[MAX_PATH] = {};
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
        shortcut.target = text;
    text[0] = L'\0';
    if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
        shortcut.workingFolder = text;
    text[0] = L'\0';
    if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &shortcut.iconIndex)))
        shortcut.iconFile = text;
    return shortcut;
}

bool samePath(const std::wstring& a, const std::wstring& b)
{
    auto trimmed = [](std::wstring path) {
        while (!path.empty() && path.back() == L'\\')
            path.pop_back();
        return path;
    };
    return _wcsicmp(trimmed(a).c_str(), trimmed(b).c_str()) == 0;
}

// ---------------------------------------------------------------------------------------------
// The release installed once, quietly, for the checks of what the install puts in place.

class Installed : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        installExit_ = it::msiexec(L"/i " + quoted(releaseMsi()));
        product_ = installedProduct();
    }
    static void TearDownTestSuite()
    {
        if (!product_.empty())
            it::msiexec(L"/x " + product_);
    }
    void SetUp() override
    {
        ASSERT_FALSE(releaseMsi().empty()) << "VELMORA_MSI is not set";
        ASSERT_EQ(std::optional<DWORD>(0), installExit_) << "the quiet install failed";
        ASSERT_FALSE(product_.empty()) << "no product installed under the upgrade code";
    }

    static std::optional<DWORD> installExit_;
    static std::wstring product_;
};

std::optional<DWORD> Installed::installExit_;
std::wstring Installed::product_;

TEST_F(Installed, PutsEachProgramAsBuiltIntoProgramFilesVelmora)
{
    for (const wchar_t* program : kPrograms) {
        SCOPED_TRACE(narrow(program));
        const std::optional<std::string> installed = it::fileContent(installFolder() + L"\\" + program + L".exe");
        ASSERT_TRUE(installed.has_value()) << narrow(installFolder()) << " has no " << narrow(program) << ".exe";
        EXPECT_EQ(it::fileContent(builtPrograms() + L"\\" + program + L".exe"), installed) << "not the built program";
    }
    EXPECT_TRUE(it::fileExists(installFolder() + L"\\README.txt"));
}

TEST_F(Installed, StartMenuFolderHoldsOneShortcutPerProgramShowingItsIcon)
{
    for (const wchar_t* program : kPrograms) {
        SCOPED_TRACE(narrow(program));
        const std::wstring installed = installFolder() + L"\\" + program + L".exe";
        const std::optional<Shortcut> shortcut = readShortcut(startMenuFolder() + L"\\" + program + L".lnk");
        ASSERT_TRUE(shortcut.has_value()) << "no shortcut in " << narrow(startMenuFolder());
        EXPECT_TRUE(samePath(installed, shortcut->target)) << narrow(shortcut->target);
        EXPECT_TRUE(samePath(installFolder(), shortcut->workingFolder)) << narrow(shortcut->workingFolder);
        // No icon of its own: the shell shows the first icon of the target, the program's.
        const std::wstring iconFile = shortcut->iconFile.empty() ? shortcut->target : shortcut->iconFile;
        EXPECT_TRUE(samePath(installed, iconFile)) << narrow(iconFile);
        EXPECT_EQ(0, shortcut->iconIndex);
        EXPECT_GE(iconCount(installed), 1u) << "the program has no icon to show";
    }
}

TEST_F(Installed, AddRemoveProgramsEntryNamesTheProductWithItsVersionAndIcon)
{
    const std::wstring entry = kUninstallKey + product_;
    EXPECT_EQ(std::optional<std::wstring>(L"velmora"), it::registryText(HKEY_LOCAL_MACHINE, entry, L"DisplayName"));
    EXPECT_EQ(std::optional<std::wstring>(kVersion), it::registryText(HKEY_LOCAL_MACHINE, entry, L"DisplayVersion"));
    EXPECT_EQ(std::optional<std::wstring>(L"velmora"), it::registryText(HKEY_LOCAL_MACHINE, entry, L"Publisher"));
    const std::optional<std::wstring> uninstall = it::registryText(HKEY_LOCAL_MACHINE, entry, L"UninstallString");
    ASSERT_TRUE(uninstall.has_value());
    EXPECT_NE(std::wstring::npos, uninstall->find(product_)) << narrow(*uninstall);
    // Add/Remove Programs shows DisplayIcon, or for an installer-made entry without one (as Wine
    // writes it) the product icon the Windows Installer keeps.
    std::wstring icon = it::registryText(HKEY_LOCAL_MACHINE, entry, L"DisplayIcon").value_or(L"");
    if (icon.empty())
        icon = it::productInfo(product_, INSTALLPROPERTY_PRODUCTICON);
    if (const size_t comma = icon.find(L','); comma != std::wstring::npos)
        icon.resize(comma);  // the icon's index
    ASSERT_FALSE(icon.empty()) << "no icon";
    EXPECT_GE(iconCount(icon), 1u) << narrow(icon) << " holds no icon";
    // Per machine: for every user of the machine, not only the one who installed it.
    EXPECT_EQ(kVersion, it::machineProductInfo(product_, INSTALLPROPERTY_VERSIONSTRING));
}

TEST_F(Installed, InstalledProgramStartsFromItsFolderAndShowsItsWindow)
{
    std::wstring commandLine = quoted(installFolder() + L"\\velmora4.exe");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 installFolder().c_str(), &startup, &info));
    ::CloseHandle(info.hThread);
    // The first window on a fresh machine also starts Wine's desktop: a longer bound than a test's.
    constexpr DWORD kFirstWindowTimeoutMs = 60000;
    HWND window = nullptr;
    EXPECT_TRUE(wt::waitFor([&] { return (window = wt::firstDialog(wt::processWindows(info.dwProcessId))) != nullptr; },
                            kFirstWindowTimeoutMs))
        << "no window";
    if (window != nullptr) {
        EXPECT_TRUE(::IsWindowVisible(window));
        EXPECT_FALSE(wt::text(window).empty()) << "a window without a caption";
        ::WaitForInputIdle(info.hProcess, 5000);  // meet it at rest before closing it
        wt::systemCommand(window, SC_CLOSE);
    }
    const bool ended = ::WaitForSingleObject(info.hProcess, wt::kTimeoutMs) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended) << "the close box did not end the program";
    if (!ended)
        ::TerminateProcess(info.hProcess, 99);
    ::CloseHandle(info.hProcess);
}

TEST_F(Installed, InstallingTheSameVersionAgainChangesNothing)
{
    const it::Snapshot before = it::takeSnapshot();
    EXPECT_EQ(std::optional<DWORD>(0), it::msiexec(L"/i " + quoted(releaseMsi())));
    EXPECT_EQ(std::vector<std::wstring>{product_}, it::productsOf(kUpgradeCode));
    // Only the Windows Installer's list of places it has seen the package (SourceList) may grow.
    EXPECT_EQ("", it::difference(it::without(before, L"\\SourceList\\"),
                                 it::without(it::takeSnapshot(), L"\\SourceList\\")));
}

// ---------------------------------------------------------------------------------------------
// Whole lives of an install, each from a machine without the product.

TEST(Uninstall, ByItsAddRemoveProgramsEntryLeavesNothingTheInstallCreated)
{
    ASSERT_TRUE(installedProduct().empty()) << "an earlier test left the product installed";
    const it::Snapshot before = it::takeSnapshot();
    ASSERT_EQ(std::optional<DWORD>(0), it::msiexec(L"/i " + quoted(releaseMsi())));
    const std::wstring product = installedProduct();
    ASSERT_FALSE(product.empty());

    EXPECT_EQ(std::optional<DWORD>(0), uninstallByEntry(product));
    EXPECT_TRUE(it::productsOf(kUpgradeCode).empty());
    EXPECT_FALSE(it::registryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey + product));
    EXPECT_FALSE(it::folderExists(installFolder()));
    EXPECT_FALSE(it::folderExists(startMenuFolder()));
    // Files, folders, shortcuts, registry keys and values: all as before the install.
    EXPECT_EQ("", it::difference(before, it::takeSnapshot()));
}

TEST(Upgrade, LaterVersionReplacesThisOne)
{
    ASSERT_FALSE(laterMsi().empty()) << "VELMORA_LATER_MSI is not set";
    ASSERT_TRUE(installedProduct().empty()) << "an earlier test left the product installed";
    const it::Snapshot before = it::takeSnapshot();
    ASSERT_EQ(std::optional<DWORD>(0), it::msiexec(L"/i " + quoted(releaseMsi())));
    const std::wstring first = installedProduct();

    EXPECT_EQ(std::optional<DWORD>(0), it::msiexec(L"/i " + quoted(laterMsi())));
    const std::vector<std::wstring> products = it::productsOf(kUpgradeCode);
    ASSERT_EQ(1u, products.size()) << "both versions are installed";
    EXPECT_NE(first, products.front());
    EXPECT_EQ(kLaterVersion, it::productInfo(products.front(), INSTALLPROPERTY_VERSIONSTRING));
    EXPECT_FALSE(it::registryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey + first)) << "the old entry is left";
    for (const wchar_t* program : kPrograms)
        EXPECT_TRUE(it::fileExists(installFolder() + L"\\" + program + L".exe")) << narrow(program);

    // An earlier version does not install over a later one.
    EXPECT_NE(std::optional<DWORD>(0), it::msiexec(L"/i " + quoted(releaseMsi())));
    EXPECT_EQ(products, it::productsOf(kUpgradeCode));

    EXPECT_EQ(std::optional<DWORD>(0), uninstallByEntry(products.front()));
    EXPECT_EQ("", it::difference(before, it::takeSnapshot()));
}

// ---------------------------------------------------------------------------------------------
// Packages that cannot install: a failure exit, and nothing half-installed.

struct BrokenPackage {
    const char* name;
    // Wine's Windows Installer does not roll back the component registrations of an install that
    // fails while copying files (a damaged cabinet); Windows does.
    bool needsRollback;
    // Writes the package into the folder and gives its path.
    std::function<std::wstring(const std::wstring& folder)> make;
};

std::wstring writeFile(const std::wstring& path, const std::string& bytes)
{
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
    return path;
}

const BrokenPackage kBrokenPackages[] = {
    {"a path where there is no file", false, [](const std::wstring& folder) { return folder + L"\\missing\\velmora.msi"; }},
    {"the release cut to its first half", false,
     [](const std::wstring& folder) {
         const std::string whole = it::fileContent(releaseMsi()).value_or("");
         return writeFile(folder + L"\\velmora-cut.msi", whole.substr(0, whole.size() / 2));
     }},
    {"the release with its middle overwritten", true,
     [](const std::wstring& folder) {
         std::string bytes = it::fileContent(releaseMsi()).value_or("");
         for (size_t at = bytes.size() / 4; at < bytes.size() * 3 / 4; ++at)
             bytes[at] = static_cast<char>(at * 7);
         return writeFile(folder + L"\\velmora-overwritten.msi", bytes);
     }},
    {"a text named .msi", false, [](const std::wstring& folder) { return writeFile(folder + L"\\velmora-text.msi", "velmora\r\n"); }},
};

TEST(BrokenPackage, FailsAndInstallsNothing)
{
    ASSERT_TRUE(installedProduct().empty()) << "an earlier test left the product installed";
    const std::wstring folder = it::environmentVariable(L"TEMP") + L"\\velmora-broken";
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
    for (const BrokenPackage& package : kBrokenPackages) {
        SCOPED_TRACE(package.name);
        if (package.needsRollback && it::underWine()) {
            std::printf("skipped under Wine, which does not roll back a failed install: %s\n", package.name);
            continue;
        }
        const std::wstring path = package.make(folder);
        const it::Snapshot before = it::takeSnapshot();
        const std::optional<DWORD> exit = it::msiexec(L"/i " + quoted(path));
        ASSERT_TRUE(exit.has_value()) << "msiexec did not end";
        EXPECT_NE(0u, *exit);
        EXPECT_NE(static_cast<DWORD>(ERROR_SUCCESS_REBOOT_REQUIRED), *exit);
        EXPECT_TRUE(it::productsOf(kUpgradeCode).empty());
        EXPECT_EQ("", it::difference(before, it::takeSnapshot()));
        ::DeleteFileW(path.c_str());
    }
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
