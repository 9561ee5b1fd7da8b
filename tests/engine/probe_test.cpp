#include <gtest/gtest.h>
#include <cstring>
#include "engine/calendar.h"
TEST(Probe, LeapAndCharset) {
    EXPECT_TRUE(marevo::IsLeapYear(2008));
    EXPECT_EQ(std::strlen("表"), 2u);
    EXPECT_EQ((unsigned char)"表"[1], 0x5C);
}
