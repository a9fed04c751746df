// Starts each program, brings up its main window, About box and message boxes, and saves a
// picture of each as a BMP in the given folder (tools/screenshots.sh turns them into PNGs).
// Usage: screenshots <folder>   (run under Wine, beside the built programs)

#include "Driver.h"
#include "ProgramRun.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// The screen area of the windows, as a 24-bit BMP: what a user sees, frames and boxes on top.
bool capture(const std::vector<HWND>& windows, const std::wstring& path)
{
    RECT area{};
    for (HWND window : windows) {
        RECT r{};
        ::GetWindowRect(window, &r);
        ::UnionRect(&area, &area, &r);
    }
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::SelectObject(memory, previous);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<BYTE> pixels(stride * static_cast<DWORD>(height));
    ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
                DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = ::_wfopen(path.c_str(), L"wb");
    if (out == nullptr)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
    return true;
}

// Waits until the windows have painted everything, then captures them.
bool shoot(const std::vector<HWND>& windows, const std::wstring& path)
{
    for (HWND window : windows) {
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        wt::waitFor([window] { return !::GetUpdateRect(window, nullptr, FALSE); }, 2000);
    }
    ::Sleep(300);  // the other process paints on its own thread
    const bool ok = capture(windows, path);
    std::printf("%ls %s\n", path.c_str(), ok ? "saved" : "FAILED");
    return ok;
}

void setText(HWND dialog, int id, const wchar_t* text)
{
    ::SendMessageW(wt::item(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Shoots the main window, then each scene: an action that brings up a window, shot on its own
// and dismissed again.
struct Scene {
    const wchar_t* name;
    std::function<void(HWND)> action;
};

int shootProgram(const std::wstring& folder, const wchar_t* program, const std::function<void(HWND)>& prepare,
                 const std::vector<Scene>& scenes)
{
    int failures = 0;
    wt::ProgramRun run(std::wstring(program) + L".exe");
    if (run.window() == nullptr) {
        std::printf("%ls did not start\n", program);
        return 1;
    }
    if (prepare)
        prepare(run.window());
    ::SetForegroundWindow(run.window());
    failures += !shoot({run.window()}, folder + program + L".bmp");
    for (const Scene& scene : scenes) {
        scene.action(run.window());
        const HWND shown = run.waitForOtherDialog();
        if (shown == nullptr) {
            std::printf("%ls: no window for %ls\n", program, scene.name);
            ++failures;
            continue;
        }
        ::SetForegroundWindow(shown);
        failures += !shoot({shown}, folder + program + L"-" + scene.name + L".bmp");
        ::PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
        ::PostMessageW(shown, WM_COMMAND, IDOK, 0);
        wt::waitFor([shown] { return !::IsWindow(shown); });
    }
    return failures;
}

void about(HWND window)
{
    wt::systemCommand(window, 0x0010);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots <folder>\n");
        return 2;
    }
    std::wstring folder = argv[1];
    if (folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';

    int failures = 0;
    failures += shootProgram(folder, L"velmora4", nullptr,
                             {{L"about", about}, {L"hello", [](HWND w) { wt::clickItem(w, IDOK); }}});
    failures += shootProgram(
        folder, L"velmora3",
        [](HWND w) {
            setText(w, 1000, L"100");
            setText(w, 1001, L"10");
            ::SendMessageW(w, WM_COMMAND, MAKEWPARAM(1003, BN_CLICKED), 0);  // RUN, so P shows a result
        },
        {{L"about", about},
         {L"refusal",
          [](HWND w) {
              setText(w, 1000, L"0");
              wt::clickItem(w, 1003);
          }},
         {L"unreadable", [](HWND w) {
              setText(w, 1000, L"100");
              setText(w, 1001, L"ten");
              wt::clickItem(w, 1003);
          }}});
    failures += shootProgram(folder, L"velmora2", nullptr, {});
    failures += shootProgram(folder, L"varnix", nullptr, {{L"about", about}});
    return failures == 0 ? 0 : 1;
}
