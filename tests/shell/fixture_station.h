// A port file of the fixture folder by its Shift-JIS name ("24尾鷲"), opened as the file
// functions take such a name: through the wide ones under Windows, as UTF-8 elsewhere.
#pragma once

#include <cstdio>
#include <string>

#include "engine/station.h"
#include "text/shift_jis.h"
#include "text/wide_text.h"

namespace marevo {

inline LoadStatus LoadFixture(const std::string& fileName, Station& station)
{
#ifdef _WIN32
    const std::string path = std::string(MAREVO_FIXTURE_DT) + "/" + fileName + ".MV2";
    std::FILE* file = OpenSjisFile(path.c_str(), "rb");
#else
    const std::string path = std::string(MAREVO_FIXTURE_DT) + "/" + SjisToUtf8(fileName) + ".MV2";
    std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
    return LoadStationFrom(file, path.c_str(), station);
}

} // namespace marevo
