#pragma once
// What velmora3's tests know of its window: the control ids and the texts of its boxes, written
// here rather than taken from the program so that the tests check the ids themselves.

#include <string>

namespace velmora3ui {

constexpr int kTst = 1000;
constexpr int kT = 1001;
constexpr int kP = 1002;
constexpr int kRun = 1003;
constexpr int kX = 1004;

const std::wstring kRefusal = L"Znachenie dolzhno byt bolshe 0!";
const std::wstring kUnreadable = L"Please enter a number.";

}  // namespace velmora3ui
