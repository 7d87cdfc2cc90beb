#include "platform/gui/scaling.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Scaling, DesignPixelsAndTwipsFollowTheScreenResolution)
{
    SetScreenDpi(120);
    EXPECT_EQ(DesignPx(460), 460);
    EXPECT_EQ(TwipsPx(1440), 120);
    SetScreenDpi(96);
    EXPECT_EQ(DesignPx(460), 368);
    EXPECT_EQ(DesignRect(10, 20, 30, 45), QRect(8, 16, 24, 36));
    EXPECT_EQ(TwipsPx(1440), 96);
    EXPECT_EQ(TwipsPx(15), 1);
    EXPECT_EQ(ToDesignPx(368), 460);
    SetScreenDpi(0);
}
