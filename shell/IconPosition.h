#pragma once
// Where a minimised dialog draws its icon: centred in the client area. The result goes negative
// (and the icon is clipped) when the client area is smaller than the icon.

namespace shell {

struct Point {
    int x;
    int y;
};

constexpr Point centredIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight)
{
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace shell
