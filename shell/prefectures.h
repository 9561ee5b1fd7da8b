// The prefectures of Japan by their JIS X 0401 codes, with the region the port tree lists
// each coastal one under: the one table the window's tree and marevo-cli read. Names are
// UTF-8 (the window converts them to Shift-JIS where it shows them).
#pragma once

namespace marevo {

// Regions of the port tree, 1 ... RegionCount; 北海道 is a region and a prefecture at once,
// and その他 holds the ports of the files whose code names no coastal prefecture.
constexpr int RegionCount = 9;
constexpr int HokkaidoCode = 1, OtherRegion = 9, OtherCode = 80;

struct Prefecture {
    int code;           // JIS X 0401, 1 ... 47
    int region;         // the tree's region, 1 ... 8; 0 for a prefecture without a port
    const char* name;   // 三重県
    const char* romaji; // Mie
};

// The 47 prefectures in code order.
extern const Prefecture Prefectures[47];

// The region's name (UTF-8) for 1 ... RegionCount, else nullptr.
const char* RegionName(int region);
// The row of a code, or nullptr.
const Prefecture* PrefectureOf(int code);

} // namespace marevo
