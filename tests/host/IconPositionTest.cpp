#include "IconPosition.h"

#include <gtest/gtest.h>

namespace {

TEST(CentredIconPosition, HalvesTheSpareRoomTruncatingTowardZero)
{
    struct Case {
        const char* name;
        int clientWidth, clientHeight, iconWidth, iconHeight;
        int x, y;
    };
    // Width and height differ so that swapped arguments show.
    const Case cases[] = {
        {"normal client area", 640, 480, 32, 16, 304, 232},
        {"odd spare room rounds up", 101, 50, 32, 16, 35, 17},
        {"client equal to icon", 32, 16, 32, 16, 0, 0},
        {"one pixel smaller", 31, 15, 32, 16, 0, 0},
        {"two pixels smaller truncates to zero", 30, 14, 32, 16, 0, 0},
        {"three pixels smaller", 29, 13, 32, 16, -1, -1},
        {"empty client area", 0, 0, 32, 16, -15, -7},
        {"one pixel client area", 1, 1, 32, 16, -15, -7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const shell::Point at = shell::centredIconPosition(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
        EXPECT_EQ(at.x, c.x);
        EXPECT_EQ(at.y, c.y);
    }
}

}  // namespace
