// HarmonicFit: a port's mean level and harmonic constants fitted by least squares to a year of
// hourly heights, in the program's own constituent arguments, nodal factors and phase
// convention, so that the program's TideHeight reproduces the fitted curve.
// Heights and amplitudes in cm; phase lags in degrees referred to the port's meridian.
#pragma once

#include <string>

#include "engine/station.h"
#include "tools/fit/jma_table.h"

namespace marevo::fit {

// Every constituent the engine prepares takes part in the fit: the 40 and the 20 further ones.
constexpr int FitCount = MaxConstituents;

struct HarmonicFit {
    double meanLevelCm = 0;             // Z0
    double amplitudeCm[FitCount] = {};  // H
    double phaseLagDeg[FitCount] = {};  // kappa in [0, 360)
    double amplitudeErrorCm[FitCount] = {}; // standard error of H from the residual scatter
    double phaseErrorDeg[FitCount] = {};    // standard error of kappa (large when H is small)
    double residualRmsCm = 0;           // of the fitted curve against the hourly heights
    double residualMaxCm = 0;
    double conditionNumber = 0;         // of the design matrix, columns scaled to unit length
    int rows = 0;
};

/*
**  FitHarmonics: least-squares fit of Z0 and the constituents to the hourly heights.
**  Given: station with Longitude, Latitude and StandardMeridian set as the program derives
**         them from the port file's header; table, a year of hourly heights (JST).
**  Returns: the fit. Each hour is one equation
**             height = Z0 + sum_i f_i (A_i cos a_i + B_i sin a_i),
**             a_i = (sigma_i t + PhaseOffset_i) DegToRad,
**           with f_i, sigma_i and PhaseOffset_i from PrepareConstituents for 0 h zone time of
**           the hour's date and t the hour in zone time; then H_i = hypot(A_i, B_i) and
**           kappa_i = atan2(B_i, A_i) RadToDeg, since the program sums
**           f_i H_i cos((sigma_i t + PhaseOffset_i - kappa_i) DegToRad).
**  Method: Householder QR of the design matrix (Eigen); standard errors from the residual
**          variance and the inverse of R.
*/
HarmonicFit FitHarmonics(const Station& station, const JmaTable& table);

} // namespace marevo::fit
