#include "Snapshot.h"

#include "TestText.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace it {
namespace {

// Entries the system keeps of its own accord, which no install makes and no uninstall removes:
// the Windows Installer's cache folder, made by the first install on a fresh system, and the
// network adapters Wine lists in the registry at some moment after its start.
const wchar_t* const kSystemEntries[] = {
    L"file C:\\windows\\Installer",
};
const wchar_t* const kSystemParts[] = {
    L"\\Windows NT\\CurrentVersion\\NetworkCards",
};

bool isSystemEntry(const std::wstring& entry)
{
    return std::any_of(std::begin(kSystemEntries), std::end(kSystemEntries),
                       [&](const wchar_t* system) { return _wcsicmp(entry.c_str(), system) == 0; })
        || std::any_of(std::begin(kSystemParts), std::end(kSystemParts),
                       [&](const wchar_t* part) { return entry.find(part) != std::wstring::npos; });
}

void addFiles(const std::wstring& directory, Snapshot& snapshot)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((directory + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = directory + L"\\" + name;
        snapshot.insert(L"file " + path);
        const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (!folder || (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            continue;
        // Windows' own folder, too large to list at every step, only where an installer writes.
        if (_wcsicmp(path.c_str(), L"C:\\windows") == 0) {
            for (const wchar_t* part : {L"\\Installer", L"\\Temp"})
                addFiles(path + part, snapshot);
        } else {
            addFiles(path, snapshot);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

void addKeys(HKEY root, const std::wstring& rootName, const std::wstring& path, REGSAM view, Snapshot& snapshot)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return;
    const std::wstring name = rootName + L"\\" + path;
    snapshot.insert(L"key " + name);
    std::vector<wchar_t> buffer(16384);  // the longest value name, and more than a key name
    for (DWORD index = 0;; ++index) {
        auto length = static_cast<DWORD>(buffer.size());
        if (::RegEnumValueW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        snapshot.insert(L"value " + name + L" : " + buffer.data());
    }
    std::vector<std::wstring> subkeys;
    for (DWORD index = 0;; ++index) {
        auto length = static_cast<DWORD>(buffer.size());
        if (::RegEnumKeyExW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.emplace_back(buffer.data());
    }
    ::RegCloseKey(key);
    for (const std::wstring& subkey : subkeys) {
        std::wstring subpath = path;
        if (!subpath.empty())
            subpath += L"\\";
        subpath += subkey;
        // The file types and COM classes of the system, too many to list at every step, apart
        // from the Windows Installer's products; the 32-bit view is listed on its own.
        const bool skipped = (_wcsicmp(path.c_str(), L"Software\\Classes") == 0 && _wcsicmp(subkey.c_str(), L"Installer") != 0)
            || _wcsicmp(subpath.c_str(), L"Software\\Wow6432Node") == 0;
        if (!skipped)
            addKeys(root, rootName, subpath, view, snapshot);
    }
}

}  // namespace

Snapshot takeSnapshot()
{
    Snapshot snapshot;
    addFiles(L"C:", snapshot);
    addKeys(HKEY_LOCAL_MACHINE, L"HKLM64", L"Software", KEY_WOW64_64KEY, snapshot);
    addKeys(HKEY_LOCAL_MACHINE, L"HKLM32", L"Software", KEY_WOW64_32KEY, snapshot);
    addKeys(HKEY_CURRENT_USER, L"HKCU", L"", 0, snapshot);
    for (auto entry = snapshot.begin(); entry != snapshot.end();)
        entry = isSystemEntry(*entry) ? snapshot.erase(entry) : std::next(entry);
    return snapshot;
}

Snapshot without(const Snapshot& snapshot, const std::wstring& part)
{
    Snapshot kept;
    for (const std::wstring& entry : snapshot) {
        if (entry.find(part) == std::wstring::npos)
            kept.insert(entry);
    }
    return kept;
}

std::string difference(const Snapshot& before, const Snapshot& after)
{
    std::string lines;
    for (const std::wstring& entry : after) {
        if (before.count(entry) == 0)
            lines += "+ " + testtext::narrow(entry) + "\n";
    }
    for (const std::wstring& entry : before) {
        if (after.count(entry) == 0)
            lines += "- " + testtext::narrow(entry) + "\n";
    }
    return lines;
}

}  // namespace it
