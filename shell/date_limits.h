// The years the date commands of the window keep to, as marevo-cli does (Gregorian years).
#pragma once

namespace marevo {

constexpr int FirstYear = 1, LastYear = 9999;

} // namespace marevo
