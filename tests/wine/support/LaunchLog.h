#pragma once
// What the stand-in paint program and calculator record: one line per start, "<name>|<arguments>".
// Construction points the command interpreter at the stubs (the current directory, which it
// searches first) and the stubs at a fresh log; destruction restores the current directory.

#include <windows.h>

#include <string>
#include <vector>

namespace wt {

// The only two commands a program may ever hand the command interpreter.
const std::string kPaint = "mspaint.exe";
const std::string kCalc = "calc.exe";
using Commands = std::vector<std::string>;

class LaunchLog {
public:
    LaunchLog();
    ~LaunchLog();
    LaunchLog(const LaunchLog&) = delete;
    LaunchLog& operator=(const LaunchLog&) = delete;

    // The lines the stubs write when started by exactly these commands: their own names and
    // never an argument.
    static std::vector<std::string> linesFor(const std::vector<std::string>& commands);

    std::vector<std::string> lines() const;
    // Waits until the log has at least `count` lines; returns them.
    std::vector<std::string> waitForLines(size_t count) const;

private:
    std::wstring path_;
    std::wstring previousDirectory_;
};

}  // namespace wt
