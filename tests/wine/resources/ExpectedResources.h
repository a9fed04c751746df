#pragma once
// What each program's resources must hold: the shared ones, built from the program's name, and
// the main template of each program.

#include "DialogTemplate.h"

#include <string>

namespace wt {

inline constexpr wchar_t kAnyText[] = L"<any non-empty text>";

DialogTemplate expectedAboutTemplate(const std::wstring& program);
// The main template 102 of a program.
DialogTemplate expectedMainTemplate(const std::wstring& program);

}  // namespace wt
