#pragma once
// The programs this build made, by name (PROGRAM_NAMES, a comma-separated list the build defines).

#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::wstring> builtPrograms()
{
    std::vector<std::wstring> names;
    std::wstringstream in(PROGRAM_NAMES);
    for (std::wstring name; std::getline(in, name, L',');)
        names.push_back(name);
    return names;
}
