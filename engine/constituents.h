// ConstituentTables: the 60 constituents (the 40 and the 20 further ones) prepared for 0 h zone time of one civil date.
// Speeds in degrees per hour, angles in degrees; values kept in single precision.
#pragma once

#include "engine/calendar.h"
#include "engine/station.h"

namespace marevo {

struct ConstituentTables {
    float ConstituentSpeed[MaxConstituents] = {};
    float NodalFactor[MaxConstituents] = {};
    float NodalAngle[MaxConstituents] = {};
    float EquilibriumArgument[MaxConstituents] = {}; // V0 + u reduced after preparation
    int Species[MaxConstituents] = {};
    float PhaseOffset[MaxConstituents] = {};
};

struct AstronomicalAngles {
    float s, h, p, N; // mean longitudes of moon, sun, lunar perigee; lunar node (degrees)
};

// Base nodal factors / angles in this order: Mm, Mf, O1, K1, J1, OO1, M2, K2, L2, M1.
enum BaseNodal { NodMm, NodMf, NodO1, NodK1, NodJ1, NodOO1, NodM2, NodK2, NodL2, NodM1, NodCount };

AstronomicalAngles AstronomicalArguments(int year, int n);
void BaseNodalFactors(float p, float N, float f[NodCount]);
void BaseNodalAngles(float p, float N, float u[NodCount]);
void EquilibriumArguments(float s, float h, float p, float v0[MaxConstituents]);

// Prepares every table for the date (already normalised). cal.MonthLengths must hold the
// February of that year; cal.Weekday is written.
void PrepareConstituents(int year, int month, int day, const Station& station, Calendar& cal,
                         ConstituentTables& tables);

} // namespace marevo
