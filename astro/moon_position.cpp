// The moon's ecliptic longitude, latitude and parallax from short periodic series, and its
// equatorial position. Angles in degrees (parallax and semi-diameter of MoonEquatorial in
// arc minutes); T in Julian centuries. Running sums kept as float, as the series are made.
#include <cmath>

#include "astro/angles.h"
#include "astro/ephemeris.h"
#include "engine/calendar.h"
#include "engine/elementary.h"

namespace marevo {

namespace {

// 10800 / pi with pi taken as 3.141593: radians to arc minutes.
constexpr double RadToArcmin = 3437.7463917191058;

struct FloatTerm {
    float coefficient, rate, phase; // degrees, degrees per century, degrees
};
struct DoubleTerm {
    double coefficient;
    float rate, phase;
};

// Longitude: coefficient, rate and phase all single.
const FloatTerm LongitudeTerms[13] = {
    // coefficient  rate        phase
    {6.2888f,       477198.88f, 44.963f},
    {1.274f,        413335.34f, 10.74f},
    {0.6583f,       890534.25f, 145.7f},
    {0.2136f,       954397.75f, 179.93f},
    {0.1851f,       35999.05f,  87.53f},
    {0.1144f,       966404.0f,  276.5f},
    {0.0588f,       63863.5f,   124.2f},
    {0.0571f,       377336.3f,  13.2f},
    {0.0533f,       1367733.1f, 280.7f},
    {0.0458f,       854535.2f,  148.2f},
    {0.0409f,       441199.8f,  47.4f},
    {0.0347f,       445267.1f,  27.9f},
    {0.0304f,       513197.9f,  222.5f},
};

// Latitude: coefficients double, rate and phase single.
const DoubleTerm LatitudeTerms[4] = {
    // coefficient  rate        phase
    {5.1281,        483202.03f, 3.273f},
    {0.2806,        960400.9f,  138.24f},
    {0.2777,        6003.15f,   48.31f},
    {0.1733,        407332.2f,  52.43f},
};

} // namespace

float MoonLongitude(float T)
{
    const float m = static_cast<float>(ReduceDegrees(481267.8809 * T));
    float sum = static_cast<float>(m - 0.00133 * T * T + 218.316f);
    for (const FloatTerm& term : LongitudeTerms)
        sum = static_cast<float>(sum + term.coefficient * CosineTerm(term.rate, T, term.phase));
    return ReduceLongitude(sum);
}

float MoonLatitude(float T)
{
    float sum = 0;
    for (const DoubleTerm& term : LatitudeTerms)
        sum = static_cast<float>(sum + term.coefficient * CosineTerm(term.rate, T, term.phase));
    return sum;
}

float MoonParallax(float T)
{
    return static_cast<float>(0.950725f + 0.05182f * CosineTerm(477198.88f, T, 134.963f));
}

MoonPlace MoonEquatorial(float T)
{
    MoonPlace place;
    place.longitude = MoonLongitude(T);
    const float beta = MoonLatitude(T);
    place.parallaxArcmin =
        static_cast<float>(elementary::Asin(MoonParallax(T) * DegToRad) * RadToArcmin);
    place.semiDiameterArcmin = static_cast<float>(0.2725 * place.parallaxArcmin);

    const float epsilon = static_cast<float>(23.43928 - 0.01300417 * T);
    const double sl = elementary::Sin(place.longitude * DegToRad),
                 cl = elementary::Cos(place.longitude * DegToRad);
    const double sb = elementary::Sin(beta * DegToRad), cb = elementary::Cos(beta * DegToRad);
    const double se = elementary::Sin(epsilon * DegToRad), ce = elementary::Cos(epsilon * DegToRad);
    const double x = cl * cb;
    const double y = ce * sl * cb - se * sb;
    const double z = se * sl * cb + ce * sb;
    place.rightAscension = static_cast<float>(Reduce360(elementary::Atan2(y, x) * RadToDeg));
    place.declination =
        static_cast<float>(elementary::Atan(z / std::sqrt(x * x + y * y)) * RadToDeg);
    return place;
}

} // namespace marevo
