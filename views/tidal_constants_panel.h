// The non-harmonic tidal constants of a port, drawn as nine text lines in the top box of
// the one-day view. Heights in cm above chart datum, the age of the tide in days, the
// lunitidal interval in hours.
#pragma once

#include "engine/station.h"
#include "views/canvas.h"
#include "views/placed_text.h"

namespace marevo {

// The nine values, as the panel shows them.
struct TidalConstants {
    double highestHighWater; // H(K1) + H(O1) + H(S2) + H(M2) + Z0
    double springRise;       // H(S2) + H(M2) + Z0
    double springRange;      // 2 (H(S2) + H(M2))
    double neapRise;         // H(M2) - H(S2) + Z0
    double neapRange;        // 2 (H(M2) - H(S2))
    double meanSeaLevel;     // Z0
    double meanRange;        // 2 H(M2)
    double ageOfTideDays;    // (kappa(S2) - kappa(M2)) reduced to [0, 360) over 24.5 deg/day
    double intervalHours;    // kappa(M2) / 29 deg/h
};

/*
**  TidalConstantsOf: the customary non-harmonic constants of a port from four of its
**  harmonic constituents (O1, K1, M2, S2, amplitudes and phase lags as stored, no nodal
**  factor) and its mean sea level Z0 read again from the file's text.
**  Given: station. Returns: the nine values (cm, days, hours).
**  Reference: the usual Japanese tide-table definitions (spring rise = Z0 + H(M2) + H(S2),
**  age of the tide = (kappa(S2) - kappa(M2)) / (sigma(S2) - sigma(M2)), with 24.5 degrees a
**  day, mean high-water interval = kappa(M2) / sigma(M2), with 29 degrees an hour).
*/
TidalConstants TidalConstantsOf(const Station& station);

// The nine lines (texts from x 360 and 500, y 29 to 109) in a 12-unit font in black.
PlacedTexts TidalConstantsTexts(const Station& station);
// Draws them.
void DrawTidalConstantsPanel(Canvas& canvas, const Station& station);

} // namespace marevo
