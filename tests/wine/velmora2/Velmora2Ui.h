#pragma once
// What velmora2's tests know of its window: the control ids, written here rather than taken from
// the program so that the tests check the ids themselves.

namespace velmora2ui {

constexpr int kField = 1000;
constexpr int kBailOut = 1001;
constexpr int kVisible = 1002;
constexpr int kEnabled = 1003;

}  // namespace velmora2ui
