// The prefecture table: JIS X 0401 codes in order, names and regions of known rows, and
// the tree's coastal prefectures under each region.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/prefectures.h"

using namespace marevo;

TEST(Prefectures, CodesNamesAndRegions)
{
    for (int code = 1; code <= 47; ++code) {
        ASSERT_NE(PrefectureOf(code), nullptr);
        EXPECT_EQ(PrefectureOf(code)->code, code);
    }
    EXPECT_EQ(PrefectureOf(0), nullptr);
    EXPECT_EQ(PrefectureOf(48), nullptr);
    EXPECT_EQ(PrefectureOf(OtherCode), nullptr);
    struct { int code, region; const char* name; const char* romaji; } rows[] = {
        {1, 1, u8"北海道", "Hokkaido"}, {13, 3, u8"東京都", "Tokyo"}, {24, 5, u8"三重県", "Mie"},
        {26, 5, u8"京都府", "Kyoto"},   {47, 8, u8"沖縄県", "Okinawa"}, {9, 0, u8"栃木県", "Tochigi"},
        {29, 0, u8"奈良県", "Nara"},
    };
    for (auto r : rows) {
        const Prefecture* p = PrefectureOf(r.code);
        EXPECT_EQ(p->region, r.region) << r.code;
        EXPECT_STREQ(p->name, r.name) << r.code;
        EXPECT_STREQ(p->romaji, r.romaji) << r.code;
    }
    // The eight prefectures without a coast list no ports; 39 have one.
    int perRegion[RegionCount + 1] = {};
    for (const Prefecture& p : Prefectures) ++perRegion[p.region];
    const int expected[RegionCount + 1] = {8, 1, 6, 4, 6, 5, 5, 4, 8, 0};
    for (int i = 0; i <= RegionCount; ++i) EXPECT_EQ(perRegion[i], expected[i]) << i;
    EXPECT_STREQ(RegionName(5), u8"近畿");
    EXPECT_STREQ(RegionName(OtherRegion), u8"その他");
    EXPECT_EQ(RegionName(0), nullptr);
    EXPECT_EQ(RegionName(RegionCount + 1), nullptr);
}
