// The cursor position and the colour of the screen pixel under it.
#include "inspect/probes.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

using testing_support::MoveCursorTo;
using testing_support::PumpFor;
using testing_support::TestWindow;

namespace {

TEST(ReadScreenColor, ReadsThePixelUnderTheCursor) {
    struct Case {
        COLORREF fill;
        int red, green, blue;
    } const cases[] = {
        {RGB(255, 0, 0), 255, 0, 0},
        {RGB(255, 255, 255), 255, 255, 255},
        {RGB(12, 34, 56), 12, 34, 56},
    };
    for (const Case& c : cases) {
        TestWindow w({{300, 300, 500, 500}, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, nullptr, c.fill});
        PumpFor(50);
        ASSERT_TRUE(MoveCursorTo(400, 400));
        const ScreenColor color = ReadScreenColor();
        EXPECT_EQ(color.red, c.red);
        EXPECT_EQ(color.green, c.green);
        EXPECT_EQ(color.blue, c.blue);
    }
}

TEST(ColorFromPixel, SplitsAColorrefAndReadsAFailureAsWhite) {
    const ScreenColor c = ColorFromPixel(0x00563412);
    EXPECT_EQ(c.red, 0x12);
    EXPECT_EQ(c.green, 0x34);
    EXPECT_EQ(c.blue, 0x56);
    const ScreenColor failed = ColorFromPixel(CLR_INVALID);
    EXPECT_EQ(failed.red, 255);
    EXPECT_EQ(failed.green, 255);
    EXPECT_EQ(failed.blue, 255);
}

TEST(ReadCursor, ReadsBothCoordinates) {
    ASSERT_TRUE(MoveCursorTo(123, 456));
    EXPECT_EQ(ReadCursorX(), 123);
    EXPECT_EQ(ReadCursorY(), 456);
}

}  // namespace
