// The program's own elementary functions in double precision (angles in radians): sine,
// cosine, arc tangent of one and of two arguments, arc sine and arc cosine. Made of IEEE-754
// additions, multiplications, divisions and square roots alone, each rounded on its own, so
// that every platform gives the same bits, whatever its C library does.
#pragma once

namespace marevo {
namespace elementary {

/*
**  Sin, Cos: sine and cosine.
**  Given: x (radians), any double.
**  Returns: sin x, cos x, within one unit in the last place of the correctly rounded value;
**  NaN for an infinite or NaN x; Sin keeps the sign of a zero.
**  Method: x = n pi/2 + y, |y| <= pi/4, by pi/2 in three parts (Cody and Waite) below
**  2^20, and by the bits of 2/pi (Payne and Hanek) beyond, slower but as exact; then the
**  minimax polynomials of sin and cos on [-pi/4, pi/4] of Sun's fdlibm as refined in
**  FreeBSD's msun (k_sin.c, k_cos.c). Below 2^20, Cos gives the bits of Cosines
**  (engine/cosines.h), the tide sum's row of cosines.
*/
double Sin(double x);
double Cos(double x);

/*
**  Atan: arc tangent.
**  Given: x, any double. Returns: atan x in [-pi/2, pi/2], within one unit in the last
**  place; NaN for NaN.
**  Method: fdlibm's (s_atan.c): x reduced to |t| <= 7/16 by atan x = atan c + atan t,
**  t = (x - c) / (1 + c x), c one of 0, 1/2, 1, 3/2, infinity (atan c in two parts), then
**  an odd polynomial of degree 23 in t.
*/
double Atan(double x);

/*
**  Atan2: the angle of the point (x, y) from the positive x axis.
**  Given: y, x, any doubles. Returns: radians in [-pi, pi], the quadrant from the signs of
**  both (zeros included: Atan2(+-0, +0) = +-0, Atan2(+-0, -0) = +-pi, Atan2(+-y, 0) =
**  +-pi/2); infinities as C's atan2; NaN if either is NaN.
**  Method: Atan(|y / x|) put into its quadrant with pi in two parts (fdlibm's e_atan2.c).
*/
double Atan2(double y, double x);

/*
**  Asin, Acos: arc sine in [-pi/2, pi/2] and arc cosine in [0, pi].
**  Given: x in [-1, 1]. Returns: within one unit in the last place; NaN outside [-1, 1].
**  Method: fdlibm's (e_asin.c, e_acos.c): a rational approximation of (asin r - r) / r^3 for
**  |r| <= 1/2, and asin x = pi/2 - 2 asin sqrt((1 - x) / 2) beyond, the square root split
**  in two so that its rounding does not reach the result.
*/
double Asin(double x);
double Acos(double x);

} // namespace elementary
} // namespace marevo
