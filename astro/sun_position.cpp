// The sun's ecliptic longitude and equatorial position, and Greenwich mean sidereal time.
// Angles in degrees; T in Julian centuries from 2000 January 1.5. Values kept as float
// between steps, each expression evaluated in double.
#include <cmath>

#include "astro/angles.h"
#include "astro/ephemeris.h"
#include "engine/calendar.h"
#include "engine/elementary.h"

namespace marevo {

namespace {
// Obliquity of the ecliptic for the sun: 23.44 degrees, fixed, in radians.
constexpr double SunObliquityRad = 0.4091052310988426;
} // namespace

float CenturiesOf(double days) { return static_cast<float>(days * 2.7378507871321012e-05); }

double CosineTerm(float rateDeg, float T, float phaseDeg)
{
    return elementary::Cos(ReduceDegrees(static_cast<double>(rateDeg) * T + phaseDeg) * DegToRad);
}

float SunLongitude(float T)
{
    // Mean anomaly: the product is reduced in double (a float product would lose up to
    // 0.0001 degree at present T), the anomaly then kept as a float.
    const float a = static_cast<float>(ReduceDegrees(36000.77 * T) + 357.53);
    const double lambda = a - (77.06 - 1.91 * elementary::Sin(a * DegToRad));
    // Reduced twice, so that a value rounding to 360.0 as a float comes back as 0.
    return static_cast<float>(Reduce360(Reduce360(lambda)));
}

Equatorial SunEquatorial(float T)
{
    const float lambda = SunLongitude(T);
    const double x = elementary::Cos(lambda * DegToRad);
    const double y = elementary::Cos(SunObliquityRad) * elementary::Sin(lambda * DegToRad);
    const double z = elementary::Sin(SunObliquityRad) * elementary::Sin(lambda * DegToRad);
    Equatorial eq;
    eq.rightAscension = static_cast<float>(Reduce360(elementary::Atan2(y, x) * RadToDeg));
    eq.declination = static_cast<float>(elementary::Atan(z / std::sqrt(x * x + y * y)) * RadToDeg);
    return eq;
}

float SiderealAngle(float T, float f)
{
    return static_cast<float>(Reduce360(36000.7695 * T + 360.0 * f + 100.4604));
}

} // namespace marevo
