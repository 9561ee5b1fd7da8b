// A port and a view model for the tests of the views, prepared by PrepareView: the worked-example position
// (35°39' N, 139°46' E, meridian 135), and tide tables either prepared by the engine or
// made by hand from one constituent whose curve is known in closed form.
#pragma once

#include <cmath>
#include <cstring>
#include <vector>

#include "engine/station.h"
#include "views/prepare_view.h"
#include "views/recorder.h"

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

// Everything a view reads, prepared as the window prepares it (the scale and palette given).
struct ViewSetup {
    Station station = ExampleStation();
    PreparedView view;
    Calendar& calendar = view.calendar;
    ConstituentTables& tables = view.tables;
    ViewModel& model = view.model;
    ViewPalette& palette = view.palette;
    float scale;
    int paletteMode;

    ViewSetup(int year, int month, int day, float scale = 2.0f, int paletteMode = 1)
        : scale(scale), paletteMode(paletteMode)
    {
        Prepare(year, month, day);
    }

    // The station's constituents prepared for 0 h of the date (and of the day before).
    void Prepare(int year, int month, int day)
    {
        PrepareView(station, year, month, day, OneDay, LineGraph, paletteMode, view);
        model.verticalScale = scale;
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
        view.dayBefore = tables;
        view.dayBefore.PhaseOffset[0] =
            static_cast<float>(std::fmod(phaseDeg - 24.0 * speedDegPerHour, 360.0));
    }
};

// The boxes of a recording filled with a colour, in drawing order.
inline std::vector<CanvasCall> BoxesFilled(const RecordingCanvas& c, Color fill)
{
    std::vector<CanvasCall> out;
    for (const CanvasCall& b : c.CallsOf(CanvasOp::DrawBox))
        if (b.color == fill) out.push_back(b);
    return out;
}

} // namespace testing_views
} // namespace marevo
