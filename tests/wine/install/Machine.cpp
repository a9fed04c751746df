#include "Machine.h"

#include <msi.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>

namespace it {
namespace {

constexpr DWORD kInstallerTimeoutMs = 120000;

// Both registry views of a 64-bit system, whichever the caller's width, as Add/Remove Programs
// reads them: the Windows Installer registers a 32-bit product in one or the other.
constexpr REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

}  // namespace

std::optional<DWORD> run(const std::wstring& commandLine)
{
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return std::nullopt;
    ::CloseHandle(info.hThread);
    std::optional<DWORD> code;
    if (::WaitForSingleObject(info.hProcess, kInstallerTimeoutMs) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        if (::GetExitCodeProcess(info.hProcess, &exitCode))
            code = exitCode;
    } else {
        ::TerminateProcess(info.hProcess, 99);
        ::WaitForSingleObject(info.hProcess, 5000);
    }
    ::CloseHandle(info.hProcess);
    return code;
}

std::optional<DWORD> msiexec(const std::wstring& arguments)
{
    return run(L"msiexec.exe " + arguments + L" /qn");
}

std::vector<std::wstring> productsOf(const std::wstring& upgradeCode)
{
    std::vector<std::wstring> products;
    wchar_t product[39] = {};
    for (DWORD index = 0; ::MsiEnumRelatedProductsW(upgradeCode.c_str(), 0, index, product) == ERROR_SUCCESS; ++index)
        products.emplace_back(product);
    return products;
}

std::wstring productInfo(const std::wstring& productCode, const wchar_t* property)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (::MsiGetProductInfoW(productCode.c_str(), property, value, &length) != ERROR_SUCCESS)
        return {};
    return value;
}

std::wstring machineProductInfo(const std::wstring& productCode, const wchar_t* property)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (::MsiGetProductInfoExW(productCode.c_str(), nullptr, MSIINSTALLCONTEXT_MACHINE, property, value, &length)
        != ERROR_SUCCESS)
        return {};
    return value;
}

std::optional<std::wstring> registryText(HKEY root, const std::wstring& key, const wchar_t* value)
{
    for (const REGSAM view : kViews) {
        HKEY opened = nullptr;
        if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS)
            continue;
        wchar_t text[1024] = {};
        DWORD bytes = sizeof text - sizeof(wchar_t);
        DWORD type = 0;
        const LSTATUS read = ::RegQueryValueExW(opened, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes);
        ::RegCloseKey(opened);
        if (read == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ))
            return std::wstring(text);
    }
    return std::nullopt;
}

bool registryKeyExists(HKEY root, const std::wstring& key)
{
    for (const REGSAM view : kViews) {
        HKEY opened = nullptr;
        if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, &opened) == ERROR_SUCCESS) {
            ::RegCloseKey(opened);
            return true;
        }
    }
    return false;
}

std::wstring environmentVariable(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value) : std::wstring();
}

std::wstring shellFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    return SUCCEEDED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? std::wstring(path)
                                                                                            : std::wstring();
}

bool fileExists(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool folderExists(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> fileContent(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool underWine()
{
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace it
