#pragma once
// The installed machine as a user or administrator sees it: the Windows Installer run as from a
// command line, the product registration it keeps, files, folders and registry values.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace it {

// Runs a command line and waits for it to end; its exit code, or nullopt if it could not start
// or did not end within the time-out.
std::optional<DWORD> run(const std::wstring& commandLine);
// msiexec with the arguments and /qn (no user interface).
std::optional<DWORD> msiexec(const std::wstring& arguments);

// The product codes the Windows Installer has installed under an upgrade code.
std::vector<std::wstring> productsOf(const std::wstring& upgradeCode);
// A property of an installed product (MsiGetProductInfo), empty if it has none.
std::wstring productInfo(const std::wstring& productCode, const wchar_t* property);
// The same of a product installed for the whole machine, empty if it is not.
std::wstring machineProductInfo(const std::wstring& productCode, const wchar_t* property);

// A text value of the registry, in the machine's own view; nullopt if there is none.
std::optional<std::wstring> registryText(HKEY root, const std::wstring& key, const wchar_t* value);
bool registryKeyExists(HKEY root, const std::wstring& key);

std::wstring environmentVariable(const wchar_t* name);
std::wstring shellFolder(int csidl);
bool fileExists(const std::wstring& path);
bool folderExists(const std::wstring& path);
std::optional<std::string> fileContent(const std::wstring& path);

// Whether this runs under Wine rather than Windows.
bool underWine();

}  // namespace it
