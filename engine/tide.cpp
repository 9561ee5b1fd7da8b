// Tide heights from the prepared constituents and the high and low waters of a day.
// Heights in cm above chart datum; times in hours (heights) or minutes (detector).
#include "engine/tide.h"

#include "engine/cosines.h"

namespace marevo {

namespace {

// Adds the terms of constituents first ... first + N - 1 to h in constituent order, rounding to
// single precision after each one. The angles a are in degrees; their cosines are taken
// first, as one row.
template <int N>
inline __attribute__((always_inline)) float AddTerms(float h, const double (&a)[N], int first, const Station& s, const ConstituentTables& c)
{
    double radians[N], cosine[N];
    for (int i = 0; i < N; ++i) radians[i] = a[i] * DegToRad;
    Cosines(radians, cosine);
    for (int i = 0; i < N; ++i)
        h = static_cast<float>(h + cosine[i] * (static_cast<double>(s.Amplitude[first + i]) *
                                                c.NodalFactor[first + i]));
    return h;
}

// MeanSeaLevel plus the 40 terms, then the 20 further ones when the station carries any: a
// station of 40 constituents gives the same bits as if there were no others. angle(i) is the
// argument of constituent i in degrees.
template <class Angle>
inline __attribute__((always_inline)) float SumTerms(Angle angle, const Station& s, const ConstituentTables& c)
{
    double a[ConstituentCount];
    for (int i = 0; i < ConstituentCount; ++i) a[i] = angle(i);
    const float h = AddTerms(s.MeanSeaLevel, a, 0, s, c);
    if (s.ExtraConstituents == 0) return h;
    double extra[ExtraConstituentCount];
    for (int i = 0; i < ExtraConstituentCount; ++i) extra[i] = angle(ConstituentCount + i);
    return AddTerms(h, extra, ConstituentCount, s, c);
}

} // namespace

// TideHeight: predicted height t hours after 0 h of the prepared date. Returns cm.
static inline __attribute__((always_inline)) float HeightAt(double t, const Station& s, const ConstituentTables& c)
{
    return SumTerms([&](int i) { return c.ConstituentSpeed[i] * t + c.PhaseOffset[i] - s.PhaseLag[i]; },
                    s, c);
}

// TideHeightAtStep: height at step k of a grid of stepHours, sigma*t formed as k*sigma*step.
static inline __attribute__((always_inline)) float HeightAtStep(int k, float stepHours, const Station& s,
                                                               const ConstituentTables& c)
{
    return SumTerms(
        [&](int i) {
            return k * static_cast<double>(c.ConstituentSpeed[i]) * stepHours + c.PhaseOffset[i] -
                   s.PhaseLag[i];
        },
        s, c);
}

// The two heights compiled for each instruction set and chosen once from the processor.
// Every operation is the same IEEE operation in the same order (no fused multiply-add, the
// single-precision sum term by term), so wider vectors change the speed, never the bits.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(_WIN32)
#define MAREVO_VECTOR_DISPATCH 1
#endif

namespace {
using HeightFn = float (*)(double, const Station&, const ConstituentTables&);
using HeightAtStepFn = float (*)(int, float, const Station&, const ConstituentTables&);

float HeightBaseline(double t, const Station& s, const ConstituentTables& c) { return HeightAt(t, s, c); }
float HeightAtStepBaseline(int k, float step, const Station& s, const ConstituentTables& c)
{
    return HeightAtStep(k, step, s, c);
}
#if MAREVO_VECTOR_DISPATCH
__attribute__((target("avx2"))) float HeightAvx2(double t, const Station& s, const ConstituentTables& c)
{
    return HeightAt(t, s, c);
}
__attribute__((target("avx2"))) float HeightAtStepAvx2(int k, float step, const Station& s,
                                                      const ConstituentTables& c)
{
    return HeightAtStep(k, step, s, c);
}
__attribute__((target("avx512f"))) float HeightAvx512(double t, const Station& s, const ConstituentTables& c)
{
    return HeightAt(t, s, c);
}
__attribute__((target("avx512f"))) float HeightAtStepAvx512(int k, float step, const Station& s,
                                                           const ConstituentTables& c)
{
    return HeightAtStep(k, step, s, c);
}
#endif

struct HeightFunctions {
    HeightFn height;
    HeightAtStepFn atStep;
};
const HeightFunctions Levels[] = {
    {HeightBaseline, HeightAtStepBaseline},
#if MAREVO_VECTOR_DISPATCH
    {HeightAvx2, HeightAtStepAvx2},
    {HeightAvx512, HeightAtStepAvx512},
#endif
};

VectorLevel DetectWidest()
{
#if MAREVO_VECTOR_DISPATCH
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f")) return VectorLevel::Avx512;
    if (__builtin_cpu_supports("avx2")) return VectorLevel::Avx2;
#endif
    return VectorLevel::Baseline;
}

// Constant-initialised, so that a height asked for before the choice is made still computes.
HeightFunctions Chosen = {HeightBaseline, HeightAtStepBaseline};
const VectorLevel Widest = [] {
    const VectorLevel widest = DetectWidest();
    Chosen = Levels[static_cast<int>(widest)];
    return widest;
}();
} // namespace

VectorLevel WidestVectorLevel() { return Widest; }

void UseVectorLevel(VectorLevel level)
{
    if (level > Widest) level = Widest;
    Chosen = Levels[static_cast<int>(level)];
}

float TideHeight(double t, const Station& s, const ConstituentTables& c) { return Chosen.height(t, s, c); }

float TideHeightAtStep(int k, float stepHours, const Station& s, const ConstituentTables& c)
{
    return Chosen.atStep(k, stepHours, s, c);
}

// DetectExtreme: feeds one sample (t minutes, h cm) at a constant step. Returns 1 and the
// interpolated extreme in t and h when the rise/fall sign changes, else 0.
int DetectExtreme(ExtremeDetector& d, float& t, float& h)
{
    if (t == DetectorReset) d.count = 0;
    d.count += 1;
    const float prevH = d.H[3];
    for (int i = 0; i < 3; ++i) {
        d.T[i] = d.T[i + 1];
        d.H[i] = d.H[i + 1];
    }
    d.T[3] = t;
    d.H[3] = h;
    d.D[0] = d.D[1];
    d.D[1] = d.D[2];
    d.D[2] = static_cast<float>(static_cast<double>(h) - prevH);
    d.sign[0] = d.sign[1];
    d.sign[1] = d.sign[2];
    d.sign[2] = SignOf(d.D[2]);
    if (d.count <= 3) return 0;
    if (d.sign[0] == d.sign[1]) return 0;
    const double step = static_cast<double>(d.T[3]) - d.T[2];
    const double m3 = d.T[0] + step / 2, m2 = d.T[1] + step / 2, m1 = d.T[2] + step / 2;
    const double x = -static_cast<double>(d.D[0]) / (static_cast<double>(d.D[1]) - d.D[0]);
    const float te = static_cast<float>(((1 - x) * 0.5 * m3 + x * m2) * (2 - x) - x * (1 - x) * 0.5 * m1);
    if (te <= 0) return 0;
    const double y = (te - static_cast<double>(d.T[1])) / (static_cast<double>(d.T[2]) - d.T[1]);
    const float he = static_cast<float>(((1 - y) * 0.5 * d.H[1] + y * d.H[2]) * (2 - y) -
                                        y * (1 - y) * 0.5 * d.H[3]);
    t = te;
    h = he;
    return 1;
}

// Converts an extreme's time in minutes to whole hour and minute (truncated, never 60).
void MinutesToEvent(float t, float h, TideEvent& e)
{
    e.hour = static_cast<float>(std::floor(t * 0.016666666666666666));
    e.minute = static_cast<float>(std::floor(t - 60.0 * e.hour));
    if (e.minute == 60.0f) e.minute = 59.0f;
    e.height = h;
}

// FindDayExtremes: the high and low waters strictly inside the prepared day, in time order.
void FindDayExtremes(const Station& s, const ConstituentTables& c, ExtremeDetector& d,
                     DayExtremes& out)
{
    out.count = 0;
    float t = DetectorReset, h = 0;
    DetectExtreme(d, t, h);
    for (int k = -5; k <= 74; ++k) {
        h = TideHeightAtStep(k, 0.33333334f, s, c);
        t = 20.0f * k;
        if (DetectExtreme(d, t, h)) {
            TideEvent e;
            MinutesToEvent(t, h, e);
            if (e.hour < 24 && out.count < MaxDayEvents) out.events[out.count++] = e;
        }
    }
}

} // namespace marevo
