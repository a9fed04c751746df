#pragma once
// What the stress runs share: platform services that can record boxes without showing them, the
// process's window-manager and graphics object counts, texts of a given size, and the random
// input storm.

#include "DialogRun.h"
#include "RecordingPlatform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace stress {

// Records every message box; shows the real one only while showBoxes is set, otherwise answers
// IDOK at once, so that thousands of boxes need no one to close them.
class QuietPlatform : public wt::RecordingPlatform {
public:
    int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) override;
    int messageBoxA(HWND owner, const char* text, const char* caption, UINT type) override;

    std::vector<std::wstring> boxTexts() const;
    std::atomic<bool> showBoxes{false};

private:
    mutable std::mutex mutex_;
    std::vector<std::wstring> texts_;
};

// GetGuiResources's counts and, as Wine does not implement that call (it answers 0), the
// process's windows and live graphics objects counted directly, device contexts apart.
struct GuiCounts {
    DWORD userObjects;
    DWORD gdiObjects;
    size_t windows;
    size_t graphicsObjects;  // all but device contexts
    size_t deviceContexts;

    bool operator==(const GuiCounts& o) const
    {
        return userObjects == o.userObjects && gdiObjects == o.gdiObjects && windows == o.windows
               && graphicsObjects == o.graphicsObjects && deviceContexts == o.deviceContexts;
    }
};
std::ostream& operator<<(std::ostream& out, const GuiCounts& c);
GuiCounts guiCounts();

// The counts before and after `times` cycles, measured once ten cycles have warmed Wine up. Stops
// at a fatal failure inside a cycle.
struct CountsAround {
    GuiCounts before;
    GuiCounts after;
    int cycles;
};
CountsAround countsAround(const std::function<void()>& cycle, int times);

// Windows and GetGuiResources's counts exactly as before. Wine's own caches keep a few more
// objects now and then, bounded, and a busy machine fills them further:
// - its cache of window device contexts (64 entries) may fill, each new one with its visible region;
// - other graphics objects may grow by less than one for every ten cycles (seen: 8 more after 200
//   message boxes, then none in 300 more).
// A leak of one object a cycle is far beyond either.
constexpr size_t kDeviceContextCache = 64;
testing::AssertionResult leftNothingBehind(const CountsAround& counts);

// About `bytes` bytes of text (two per character) made of `pattern` repeated.
std::wstring textOfSize(const std::wstring& pattern, size_t bytes);

// The dialogs of the UI thread other than the main one: message boxes, About boxes.
std::vector<HWND> otherDialogs(const wt::Ui& ui);
// Closes them all (Cancel, as Escape would), nested ones included; false if some stayed open.
bool closeOtherDialogs(const wt::Ui& ui);
// The UI thread still answers (within a generous bound).
bool responsive(const wt::Ui& ui);

using Script = std::function<void(wt::Ui&)>;
using Runner = std::function<INT_PTR(const Script&)>;

// Runs a fresh main dialog of the program, as its application object would, with a time-out
// long enough for a thousand-step script.
template <class MainDialog>
INT_PTR runMain(shell::Application& app, const Script& script)
{
    MainDialog dialog(nullptr);
    return wt::runAsMainWindow(app, dialog, script, 240000);
}

struct StormResult {
    int runs = 0;           // dialogs started; each one after the first because the storm ended one
    int unresponsive = 0;   // batches after which the UI thread did not answer
    int leftOpen = 0;       // batches after which a box could not be closed
};

// Posts `events` random inputs (seeded, so every run is the same) to whatever window is on top:
// typed characters, printable and control, and now and then one of `words` whole; Tab, Enter,
// Escape, arrows, Backspace, Delete; Alt+letters; clicks on any button; the focus moved to any
// control; the About item and the close box. A storm that ends the dialog goes on in a fresh one;
// boxes it opens are closed after each batch.
StormResult storm(uint32_t seed, int events, const Runner& run, const std::vector<std::wstring>& words = {});

}  // namespace stress
