// Starts each program and its floor (the same main template on a bare dialog procedure) in turn,
// drives them from outside as a user would, and reports medians and ratios to the floor:
//   start -> main window shown and painted, private memory once shown,
//   click -> its visible effect, the ending command -> process gone.
// Usage: bench_driver <pairs> <program>...   (run under Wine, beside the built programs)

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

namespace {

double now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / frequency;  // milliseconds
}

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

// Spins (yielding) until the condition holds; the elapsed milliseconds since `start`, or kMissing.
double until(double start, const std::function<bool()>& condition, double timeoutMs = 20000)
{
    for (;;) {
        if (condition())
            return now() - start;
        if (now() - start > timeoutMs)
            return kMissing;
        ::Sleep(0);
    }
}

std::wstring text(HWND window)
{
    wchar_t buffer[256] = {};
    ::SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

struct Search {
    DWORD processId;
    HWND except;
    HWND found;
};

BOOL CALLBACK findVisible(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && window != search->except && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND visibleWindow(DWORD processId, HWND except = nullptr)
{
    Search search{processId, except, nullptr};
    ::EnumWindows(findVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK checkPainted(HWND child, LPARAM pending)
{
    if (::GetUpdateRect(child, nullptr, FALSE))
        *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

bool painted(HWND window)
{
    bool pending = ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!pending)
        ::EnumChildWindows(window, checkPainted, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// How a program shows the effect of a click, and which command ends it.
struct Target {
    const wchar_t* name;
    std::function<void(HWND)> prepare;           // before the click, not timed
    int clickId;
    std::function<bool(HWND, DWORD)> effectShown;
    std::function<void(HWND, DWORD)> settle;     // after the effect, not timed
    int endId;
    const wchar_t* effectFloor;  // a floor with the same visible effect, where the plain one has none
    const wchar_t* startFloor;   // a floor with the shell's start-up work, where the program does it
};

const Target targets[] = {
    {L"velmora4", nullptr, IDOK,
     [](HWND window, DWORD pid) { return visibleWindow(pid, window) != nullptr; },
     [](HWND window, DWORD pid) {
         HWND box = visibleWindow(pid, window);
         ::PostMessageW(box, WM_COMMAND, IDOK, 0);
         until(now(), [box] { return !::IsWindow(box); });
     },
     IDCANCEL, L"floor_greeting_velmora4", L"floor_shell_velmora4"},
    {L"velmora3",
     [](HWND window) {
         ::SendMessageW(::GetDlgItem(window, 1000), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"100"));
         ::SendMessageW(::GetDlgItem(window, 1001), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10"));
     },
     1003, [](HWND window, DWORD) { return text(::GetDlgItem(window, 1002)) != L"0"; }, nullptr, IDCANCEL, nullptr,
     L"floor_shell_velmora3"},
    {L"velmora2", nullptr, IDOK, [](HWND window, DWORD) { return text(::GetDlgItem(window, 1000)) == L"dgfdg"; },
     nullptr, 1001, nullptr, nullptr},
    {L"varnix", nullptr, 1001, [](HWND window, DWORD) { return text(::GetDlgItem(window, 1003)) == L"dgfdg"; },
     nullptr, IDCANCEL, nullptr, L"floor_shell_varnix"},
};

struct Figures {
    double startMs = kMissing, clickMs = kMissing, endMs = kMissing, privateKb = kMissing;
};

std::wstring directory()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring d(path);
    return d.substr(0, d.find_last_of(L"\\/") + 1);
}

// One run of an executable from start to exit, driven as `target`. With clickEnds (the floors) the
// click ends the dialog: its effect is the window gone, and that command is also the ending one.
Figures measure(const Target& target, const std::wstring& exe, bool clickEnds)
{
    Figures figures;
    std::wstring commandLine = L"\"" + directory() + exe + L".exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double started = now();
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return figures;
    HWND window = nullptr;
    figures.startMs = until(started, [&] {
        if (window == nullptr)
            window = visibleWindow(process.dwProcessId);
        return window != nullptr && painted(window);
    });

    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        figures.privateKb = static_cast<double>(memory.PagefileUsage) / 1024.0;  // private commit; Wine leaves PrivateUsage 0

    if (window != nullptr) {
        if (clickEnds) {
            const double clicked = now();
            ::PostMessageW(::GetDlgItem(window, target.clickId), BM_CLICK, 0, 0);
            figures.clickMs = until(clicked, [window] { return !::IsWindowVisible(window); });
            figures.endMs = until(clicked, [&] { return ::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; });
        } else {
            if (target.prepare)
                target.prepare(window);
            const double clicked = now();
            ::PostMessageW(::GetDlgItem(window, target.clickId), BM_CLICK, 0, 0);
            figures.clickMs = until(clicked, [&] { return target.effectShown(window, process.dwProcessId); });
            if (target.settle)
                target.settle(window, process.dwProcessId);
            const double ending = now();
            ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(target.endId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(window, target.endId)));
            figures.endMs = until(ending, [&] { return ::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; });
        }
    }
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return figures;
}

struct Summary {
    double median, min, max;
};

Summary summarise(std::vector<double> values)
{
    values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return std::isnan(v); }), values.end());
    if (values.empty())
        return {kMissing, kMissing, kMissing};
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

void printRow(const char* figure, const char* unit, const std::vector<double>& program, const std::vector<double>& floor,
              bool ratio)
{
    std::vector<double> relative;
    for (size_t i = 0; i < program.size() && i < floor.size(); ++i) {
        if (!std::isnan(program[i]) && !std::isnan(floor[i]) && floor[i] > 0)
            relative.push_back(ratio ? program[i] / floor[i] : program[i] - floor[i]);
    }
    const Summary p = summarise(program), f = summarise(floor), r = summarise(relative);
    std::printf("| %-22s | %8.2f (%.2f-%.2f) | %8.2f (%.2f-%.2f) | %s%.3f (%.3f-%.3f) %s |\n", figure, p.median, p.min,
                p.max, f.median, f.min, f.max, ratio ? "x" : "+", r.median, r.min, r.max, unit);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_driver <pairs> <program>...\n");
        return 2;
    }
    const int pairs = std::max(1, _wtoi(argv[1]));
    std::printf("| program | figure | program median (min-max) | floor median (min-max) | pairwise, median (min-max) |\n");
    std::printf("|---|---|---|---|---|\n");
    for (int a = 2; a < argc; ++a) {
        const auto target = std::find_if(std::begin(targets), std::end(targets),
                                         [&](const Target& t) { return std::wcscmp(t.name, argv[a]) == 0; });
        if (target == std::end(targets))
            continue;
        const std::wstring floorName = std::wstring(L"floor_") + target->name;
        measure(*target, target->name, false);  // warm-up: caches, Wine's desktop process
        measure(*target, floorName, true);
        std::vector<Figures> program, floor, effectFloor, startFloor;
        for (int i = 0; i < pairs; ++i) {
            program.push_back(measure(*target, target->name, false));
            floor.push_back(measure(*target, floorName, true));
            if (target->effectFloor != nullptr)
                effectFloor.push_back(measure(*target, target->effectFloor, false));
            if (target->startFloor != nullptr)
                startFloor.push_back(measure(*target, target->startFloor, true));
        }
        auto column = [](const std::vector<Figures>& runs, double Figures::*field) {
            std::vector<double> values;
            values.reserve(runs.size());
            for (const Figures& f : runs)
                values.push_back(f.*field);
            return values;
        };
        std::printf("| %ls ", target->name);
        printRow("start to painted (ms)", "", column(program, &Figures::startMs), column(floor, &Figures::startMs), true);
        if (!startFloor.empty()) {
            std::printf("| %ls ", target->name);
            printRow("same vs. shell's start", "", column(program, &Figures::startMs),
                     column(startFloor, &Figures::startMs), true);
        }
        std::printf("| %ls ", target->name);
        printRow("click to effect (ms)", "ms", column(program, &Figures::clickMs), column(floor, &Figures::clickMs), false);
        if (!effectFloor.empty()) {
            std::printf("| %ls ", target->name);
            printRow("same vs. bare C (ms)", "ms", column(program, &Figures::clickMs),
                     column(effectFloor, &Figures::clickMs), false);
        }
        std::printf("| %ls ", target->name);
        printRow("end to gone (ms)", "ms", column(program, &Figures::endMs), column(floor, &Figures::endMs), false);
        std::printf("| %ls ", target->name);
        printRow("private memory (KB)", "KB", column(program, &Figures::privateKb), column(floor, &Figures::privateKb),
                 false);
        std::fflush(stdout);
    }
    return 0;
}
