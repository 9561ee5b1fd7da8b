// The prefecture table and the regions of the port tree (JIS X 0401 codes and names).
#include "shell/prefectures.h"

namespace marevo {

namespace {

const char* const RegionNames[RegionCount + 1] = {
    nullptr,  u8"北海道", u8"東北", u8"関東", u8"中部",
    u8"近畿", u8"中国",   u8"四国", u8"九州", u8"その他",
};

} // namespace

// clang-format off
const Prefecture Prefectures[47] = {
    { 1, 1, u8"北海道",   "Hokkaido"},
    { 2, 2, u8"青森県",   "Aomori"},
    { 3, 2, u8"岩手県",   "Iwate"},
    { 4, 2, u8"宮城県",   "Miyagi"},
    { 5, 2, u8"秋田県",   "Akita"},
    { 6, 2, u8"山形県",   "Yamagata"},
    { 7, 2, u8"福島県",   "Fukushima"},
    { 8, 3, u8"茨城県",   "Ibaraki"},
    { 9, 0, u8"栃木県",   "Tochigi"},
    {10, 0, u8"群馬県",   "Gunma"},
    {11, 0, u8"埼玉県",   "Saitama"},
    {12, 3, u8"千葉県",   "Chiba"},
    {13, 3, u8"東京都",   "Tokyo"},
    {14, 3, u8"神奈川県", "Kanagawa"},
    {15, 4, u8"新潟県",   "Niigata"},
    {16, 4, u8"富山県",   "Toyama"},
    {17, 4, u8"石川県",   "Ishikawa"},
    {18, 4, u8"福井県",   "Fukui"},
    {19, 0, u8"山梨県",   "Yamanashi"},
    {20, 0, u8"長野県",   "Nagano"},
    {21, 0, u8"岐阜県",   "Gifu"},
    {22, 4, u8"静岡県",   "Shizuoka"},
    {23, 4, u8"愛知県",   "Aichi"},
    {24, 5, u8"三重県",   "Mie"},
    {25, 0, u8"滋賀県",   "Shiga"},
    {26, 5, u8"京都府",   "Kyoto"},
    {27, 5, u8"大阪府",   "Osaka"},
    {28, 5, u8"兵庫県",   "Hyogo"},
    {29, 0, u8"奈良県",   "Nara"},
    {30, 5, u8"和歌山県", "Wakayama"},
    {31, 6, u8"鳥取県",   "Tottori"},
    {32, 6, u8"島根県",   "Shimane"},
    {33, 6, u8"岡山県",   "Okayama"},
    {34, 6, u8"広島県",   "Hiroshima"},
    {35, 6, u8"山口県",   "Yamaguchi"},
    {36, 7, u8"徳島県",   "Tokushima"},
    {37, 7, u8"香川県",   "Kagawa"},
    {38, 7, u8"愛媛県",   "Ehime"},
    {39, 7, u8"高知県",   "Kochi"},
    {40, 8, u8"福岡県",   "Fukuoka"},
    {41, 8, u8"佐賀県",   "Saga"},
    {42, 8, u8"長崎県",   "Nagasaki"},
    {43, 8, u8"熊本県",   "Kumamoto"},
    {44, 8, u8"大分県",   "Oita"},
    {45, 8, u8"宮崎県",   "Miyazaki"},
    {46, 8, u8"鹿児島県", "Kagoshima"},
    {47, 8, u8"沖縄県",   "Okinawa"},
};
// clang-format on

const char* RegionName(int region)
{
    return region >= 1 && region <= RegionCount ? RegionNames[region] : nullptr;
}

const Prefecture* PrefectureOf(int code)
{
    return code >= 1 && code <= 47 ? &Prefectures[code - 1] : nullptr;
}

} // namespace marevo
