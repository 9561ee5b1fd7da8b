// The hour angle at which a body of given declination crosses a given altitude at a given
// latitude. Degrees throughout.
#include <cmath>

#include "astro/ephemeris.h"
#include "engine/calendar.h"
#include "engine/elementary.h"

namespace marevo {

float HourAngleAtAltitude(float altitudeDeg, float latitudeDeg, float declinationDeg)
{
    const double q =
        (elementary::Sin(altitudeDeg * DegToRad) -
         elementary::Sin(latitudeDeg * DegToRad) * elementary::Sin(declinationDeg * DegToRad)) /
        elementary::Cos(latitudeDeg * DegToRad) / elementary::Cos(declinationDeg * DegToRad);
    // Above h0 all day (q < -1) or never up to it (q > 1). A NaN (a pole) is no event either.
    if (!(q >= -1.0 && q <= 1.0)) return NoEvent;
    return static_cast<float>(elementary::Acos(q) * RadToDeg);
}

} // namespace marevo
