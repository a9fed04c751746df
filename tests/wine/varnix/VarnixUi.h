#pragma once
// What varnix's tests know of its window: the control ids, written here rather than taken from
// the program so that the tests check the ids themselves.

namespace varnixui {

constexpr int kExit = 1000;
constexpr int kTest = 1001;
constexpr int kClear = 1002;
constexpr int kEdit = 1003;
constexpr int kVisible = 1004;
constexpr int kEnabled = 1005;

}  // namespace varnixui
