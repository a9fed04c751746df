// The built executables as the system sees them: each loads at a random address (dynamic base,
// relocations kept) with its data not executable, 64-bit ones with high-entropy addresses; and a
// started program loads no DLL by bare name from its own directory.

#include "BuiltPrograms.h"
#include "PeImage.h"
#include "ProgramRun.h"

#include "TestText.h"

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr bool k64Bit = sizeof(void*) == 8;
constexpr const wchar_t* kProbe = L"hardening_probe.dll";

using testtext::narrow;

// The .exe files in directory, by name.
std::vector<std::wstring> executablesIn(const std::wstring& directory)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((directory + L"*.exe").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.emplace_back(found.cFileName);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

TEST(Executables, EveryOneLoadsAtRandomAddressesWithDataNotExecutable)
{
    const std::wstring bin = wt::binDirectory();
    std::vector<std::wstring> paths;
    for (const std::wstring& name : executablesIn(bin))
        paths.push_back(bin + name);
    const std::wstring stubs = bin + L"stubs\\";
    for (const std::wstring& name : executablesIn(stubs))
        paths.push_back(stubs + name);

    const std::vector<std::wstring> programs = builtPrograms();
    ASSERT_FALSE(programs.empty());
    for (const std::wstring& program : programs) {
        EXPECT_NE(paths.end(), std::find(paths.begin(), paths.end(), bin + program + L".exe"))
            << narrow(program) << ".exe is not built";
    }

    for (const std::wstring& path : paths) {
        SCOPED_TRACE(narrow(path));
        const std::optional<pe::Image> image = pe::readImage(path);
        ASSERT_TRUE(image.has_value()) << "not a PE image";
        EXPECT_EQ(k64Bit ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386, image->machine);
        EXPECT_EQ(k64Bit ? IMAGE_NT_OPTIONAL_HDR64_MAGIC : IMAGE_NT_OPTIONAL_HDR32_MAGIC, image->magic);
        const WORD flags = image->dllCharacteristics;
        EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE) << "no ASLR";
        EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT) << "no DEP";
        EXPECT_EQ(k64Bit, (flags & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA) != 0) << "high-entropy addresses";
        // Without its relocations the loader cannot move the image, whatever the flag says.
        EXPECT_FALSE(image->characteristics & IMAGE_FILE_RELOCS_STRIPPED) << "relocations stripped";
        EXPECT_NE(0u, image->relocations.VirtualAddress) << "no base relocation directory";
        EXPECT_NE(0u, image->relocations.Size) << "empty base relocation directory";
    }
}

bool moduleLoaded(DWORD processId, const wchar_t* name)
{
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = ::Module32FirstW(snapshot, &module); more && !found; more = ::Module32NextW(snapshot, &module))
        found = _wcsicmp(module.szModule, name) == 0;
    ::CloseHandle(snapshot);
    return found;
}

// Has the program's process call LoadLibraryW(name) and waits for it; false if that did not run.
bool loadLibraryIn(HANDLE process, const std::wstring& name)
{
    const SIZE_T bytes = (name.size() + 1) * sizeof(wchar_t);
    void* remote = ::VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr)
        return false;
    bool ran = false;
    // kernel32 lies at the same address in every process of a session.
    const FARPROC loadLibrary = ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW");
    if (::WriteProcessMemory(process, remote, name.c_str(), bytes, nullptr) && loadLibrary != nullptr) {
        const auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void (*)()>(loadLibrary));
        if (const HANDLE thread = ::CreateRemoteThread(process, nullptr, 0, start, remote, 0, nullptr)) {
            ran = ::WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
            ::CloseHandle(thread);
        }
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return ran;
}

TEST(DllSearch, ProgramsLoadNoDllByBareNameFromTheirOwnDirectory)
{
    // Without the restriction the bare name finds the probe beside the executable.
    const HMODULE here = ::LoadLibraryW(kProbe);
    ASSERT_NE(nullptr, here) << narrow(kProbe) << " is not built beside the programs";
    ::FreeLibrary(here);

    for (const std::wstring& program : builtPrograms()) {
        SCOPED_TRACE(narrow(program));
        const wt::ProgramRun run(program + L".exe");
        ASSERT_NE(nullptr, run.window()) << "the program did not show its window";
        const HANDLE process = ::OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION
                                                 | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                             FALSE, run.processId());
        ASSERT_NE(nullptr, process);
        ASSERT_TRUE(loadLibraryIn(process, kProbe));
        EXPECT_FALSE(moduleLoaded(run.processId(), kProbe)) << "loaded by bare name from the program's directory";
        // The probe itself loads there, through its full path.
        ASSERT_TRUE(loadLibraryIn(process, wt::binDirectory() + kProbe));
        EXPECT_TRUE(moduleLoaded(run.processId(), kProbe));
        ::CloseHandle(process);
    }
}

}  // namespace
