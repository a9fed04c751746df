#include "LaunchLog.h"

#include "Driver.h"
#include "ProgramRun.h"

#include <cstdio>

namespace wt {

LaunchLog::LaunchLog()
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    wchar_t file[MAX_PATH] = {};
    ::GetTempFileNameW(temp, L"lch", 0, file);  // creates it empty
    path_ = file;
    ::SetEnvironmentVariableW(L"LAUNCH_LOG", path_.c_str());

    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    previousDirectory_ = current;
    ::SetCurrentDirectoryW((binDirectory() + L"stubs").c_str());
}

LaunchLog::~LaunchLog()
{
    ::SetCurrentDirectoryW(previousDirectory_.c_str());
    ::DeleteFileW(path_.c_str());
}

std::vector<std::string> LaunchLog::linesFor(const std::vector<std::string>& commands)
{
    std::vector<std::string> result;
    result.reserve(commands.size());
    for (const std::string& command : commands)
        result.push_back(command + "|");
    return result;
}

std::vector<std::string> LaunchLog::lines() const
{
    std::vector<std::string> result;
    // The file exists from construction on, so a failed open is a passing clash with a stub
    // writing to it: try again rather than report no lines.
    FILE* in = nullptr;
    waitFor([&] { return (in = ::_wfopen(path_.c_str(), L"r")) != nullptr; });
    if (in == nullptr)
        return result;
    std::string line;
    for (int c; (c = std::fgetc(in)) != EOF;) {
        if (c == '\n') {
            result.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line.push_back(static_cast<char>(c));
        }
    }
    std::fclose(in);
    return result;
}

std::vector<std::string> LaunchLog::waitForLines(size_t count) const
{
    std::vector<std::string> result;
    waitFor([&] { return (result = lines()).size() >= count; });
    return result;
}

}  // namespace wt
