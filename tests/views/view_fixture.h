// A port and a view model for the tests of the views: the worked-example position
// (35°39' N, 139°46' E, meridian 135), and tide tables either prepared by the engine or
// made by hand from one constituent whose curve is known in closed form.
#pragma once

#include <cmath>
#include <cstring>

#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/station.h"
#include "views/palette.h"
#include "views/view_model.h"

namespace marevo {
namespace testing_views {

inline Station ExampleStation()
{
    Station s;
    std::strcpy(s.StationName, "  東京");
    std::strcpy(s.MeanSeaLevelText, "150.0");
    s.LatitudeDM = 35.39f;
    s.LongitudeDM = 139.46f;
    s.Latitude = 35.65f;
    s.Longitude = 139.766667f;
    s.StandardMeridian = 135.0f;
    s.MeanSeaLevel = 150.0f;
    s.Amplitude[IndexM2] = 100.0f;
    s.LevelPlusM2 = 250.0f;
    s.LevelMinusM2 = 50.0f;
    return s;
}

// Everything a view reads, owned in one place.
struct ViewSetup {
    Station station = ExampleStation();
    Calendar calendar;
    ConstituentTables tables;
    ConstituentTables dayBefore; // used by the views only after OneConstituent
    ViewPalette palette;
    ViewModel model;

    ViewSetup(int year, int month, int day, float scale = 2.0f, int paletteMode = 1)
    {
        SetViewPalette(palette, paletteMode);
        Prepare(year, month, day);
        model.verticalScale = scale;
    }

    // The engine's preparation of the station's constituents for 0 h of the date.
    void Prepare(int year, int month, int day)
    {
        SetFebruaryForYear(calendar, year);
        PrepareConstituents(year, month, day, station, calendar, tables);
        model.dayBefore = nullptr; // the views prepare it
        Bind(year, month, day);
    }

    // Tables made by hand: only constituent 0 counts, with the given speed (degrees an hour)
    // and phase: h(t) = Z0 + amplitude cos(speed t + phase) exactly.
    void OneConstituent(float speedDegPerHour, float phaseDeg, float amplitudeCm)
    {
        station = ExampleStation();
        for (int i = 0; i < ConstituentCount; ++i) {
            station.Amplitude[i] = 0;
            station.PhaseLag[i] = 0;
            tables.ConstituentSpeed[i] = 0;
            tables.NodalFactor[i] = 1;
            tables.PhaseOffset[i] = 0;
        }
        station.Amplitude[0] = amplitudeCm;
        tables.ConstituentSpeed[0] = speedDegPerHour;
        tables.PhaseOffset[0] = phaseDeg;
        // The same curve seen from 0 h of the day before: 24 hours further along.
        dayBefore = tables;
        dayBefore.PhaseOffset[0] = static_cast<float>(std::fmod(phaseDeg - 24.0 * speedDegPerHour, 360.0));
        model.dayBefore = &dayBefore;
    }

    void Bind(int year, int month, int day)
    {
        model.year = year;
        model.month = month;
        model.day = day;
        model.station = &station;
        model.calendar = &calendar;
        model.tables = &tables;
        model.palette = &palette;
    }
};

} // namespace testing_views
} // namespace marevo
