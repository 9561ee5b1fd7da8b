// Low-precision positions of the sun and the moon, sidereal time, and the hour angle at
// which a body of given declination stands at a given altitude.
// All angles in degrees; T in Julian centuries of 36525 days from 2000 January 1.5 (UT).
#pragma once

namespace marevo {

// The value stored in place of a sun or moon time (or returned as an hour angle) when the
// event does not occur; shown as "*****". Comparisons against it are exact.
constexpr float NoEvent = 360.0f;

// T = (dayNumber + fraction) / 36525, as the program forms it (a product, kept as float).
float CenturiesOf(double days);

/*
**  CosineTerm: one periodic term of the series below.
**  Given: rateDeg (degrees per century), T (centuries), phaseDeg (degrees), all single.
**  Returns: cos((rate T + phase) reduced into [0, 360)), the reduction made before the
**  conversion to radians.
*/
double CosineTerm(float rateDeg, float T, float phaseDeg);

/*
**  SunLongitude: ecliptic longitude of the sun from its mean anomaly and a one-term
**  equation of centre.
**  Given: T (centuries, single). Returns: longitude in [0, 360), single.
**  Reference: the usual low-precision solar formula (mean anomaly 357.53 + 36000.77 T,
**  perihelion 282.94, equation of centre 1.91 sin M).
*/
float SunLongitude(float T);

// Equatorial position of a body: right ascension in [0, 360) and declination, degrees.
struct Equatorial {
    float rightAscension = 0;
    float declination = 0;
};

/*
**  SunEquatorial: the sun's right ascension and declination, latitude zero, fixed
**  obliquity 23.44 degrees.
**  Given: T (centuries). Returns: alpha in [0, 360) and delta, degrees, single.
*/
Equatorial SunEquatorial(float T);

/*
**  SiderealAngle: Greenwich mean sidereal time.
**  Given: T (centuries), fraction f of the day elapsed since 0 h UT.
**  Returns: theta = 36000.7695 T + 360 f + 100.4604 reduced into [0, 360), degrees.
*/
float SiderealAngle(float T, float f);

/*
**  MoonLongitude: ecliptic longitude of the moon, mean longitude plus thirteen periodic
**  terms. Given: T (centuries). Returns: longitude in [0, 360), single.
*/
float MoonLongitude(float T);

/*
**  MoonLatitude: ecliptic latitude of the moon, four periodic terms.
**  Given: T (centuries). Returns: latitude in degrees, single.
*/
float MoonLatitude(float T);

/*
**  MoonParallax: horizontal parallax of the moon, one periodic term.
**  Given: T (centuries). Returns: parallax in degrees, single.
*/
float MoonParallax(float T);

// The moon's place for rise, set and transit: longitude, equatorial position, parallax and
// semi-diameter.
struct MoonPlace {
    float longitude = 0;       // ecliptic, degrees [0, 360)
    float rightAscension = 0;  // degrees [0, 360)
    float declination = 0;     // degrees
    float parallaxArcmin = 0;  // horizontal parallax, arc minutes
    float semiDiameterArcmin = 0; // 0.2725 of the parallax, arc minutes
};

/*
**  MoonEquatorial: the moon's longitude, right ascension, declination, parallax and
**  semi-diameter.
**  Given: T (centuries). Returns: MoonPlace (degrees; parallax and semi-diameter in arc
**  minutes). The obliquity 23.43928 - 0.01300417 T depends on T here.
*/
MoonPlace MoonEquatorial(float T);

/*
**  HourAngleAtAltitude: the hour angle at which a body crosses an altitude.
**  Given: altitude h0, latitude phi, declination delta (degrees).
**  Returns: H0 = acos((sin h0 - sin phi sin delta) / cos phi / cos delta) in degrees
**  (0 to 180), or NoEvent when the cosine lies outside [-1, 1] (the body stays above h0
**  all day, or never reaches it).
*/
float HourAngleAtAltitude(float altitudeDeg, float latitudeDeg, float declinationDeg);

} // namespace marevo
