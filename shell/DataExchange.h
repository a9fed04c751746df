#pragma once
// One pass of a dialog's exchange list, in one direction. Once a save meets a control it cannot
// read, the rest of the list is skipped: the members before it are stored, the later ones not.

#include "Window.h"

#include <windows.h>

namespace shell {

class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    bool saving() const { return saving_; }
    bool failed() const { return failedId_ != 0; }
    int failedId() const { return failedId_; }

    void text(int id, Text& value);
    // In NumberExchange.cpp, so that only a program with number boxes links the number text.
    void number(int id, double& value);
    void check(int id, int& value);  // 0 or 1
    void control(int id, Window& control);

private:
    HWND item(int id) const;
    static void show(const Window& box, const Text& text);

    HWND dialog_;
    bool saving_;
    int failedId_ = 0;
};

}  // namespace shell
