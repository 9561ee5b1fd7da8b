// Tide heights from the prepared constituents and the high and low waters of a day.
// Heights in cm above chart datum; times in hours (heights) or minutes (detector).
#include "engine/tide.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

// The argument of constituent i in degrees at step k of a grid of stepHours, sigma*t formed
// as k*sigma*step.
static inline __attribute__((always_inline)) double StepAngle(int k, float stepHours, const Station& s,
                                                              const ConstituentTables& c, int i)
{
    return k * static_cast<double>(c.ConstituentSpeed[i]) * stepHours + c.PhaseOffset[i] - s.PhaseLag[i];
}

// TideHeightAtStep.
static inline __attribute__((always_inline)) float HeightAtStep(int k, float stepHours, const Station& s,
                                                               const ConstituentTables& c)
{
    return SumTerms([&](int i) { return StepAngle(k, stepHours, s, c, i); }, s, c);
}

// The heights of Lanes consecutive steps first, first + 1, ... at once: each lane is the sum
// of HeightAtStep, operation for operation, but the lanes' sums run side by side instead of
// one long chain of dependent additions.
constexpr int Lanes = 8;
static inline __attribute__((always_inline)) void HeightsAtSteps(int first, float stepHours, const Station& s,
                                                                const ConstituentTables& c, float (&h)[Lanes])
{
    for (int j = 0; j < Lanes; ++j) h[j] = s.MeanSeaLevel;
    const int count = s.ExtraConstituents == 0 ? ConstituentCount : MaxConstituents;
    for (int i = 0; i < count; ++i) {
        double radians[Lanes], cosine[Lanes];
        for (int j = 0; j < Lanes; ++j) radians[j] = StepAngle(first + j, stepHours, s, c, i) * DegToRad;
        Cosines(radians, cosine);
        const double weight = static_cast<double>(s.Amplitude[i]) * c.NodalFactor[i];
        for (int j = 0; j < Lanes; ++j) h[j] = static_cast<float>(h[j] + cosine[j] * weight);
    }
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
using HeightsAtStepsFn = void (*)(int, float, const Station&, const ConstituentTables&, float (&)[Lanes]);

// The three heights compiled with the given attributes, named with the given suffix.
#define MAREVO_HEIGHT_FUNCTIONS(SUFFIX, ATTRIBUTES)                                                     \
    ATTRIBUTES float Height##SUFFIX(double t, const Station& s, const ConstituentTables& c)            \
    {                                                                                                   \
        return HeightAt(t, s, c);                                                                       \
    }                                                                                                   \
    ATTRIBUTES float HeightAtStep##SUFFIX(int k, float step, const Station& s, const ConstituentTables& c) \
    {                                                                                                   \
        return HeightAtStep(k, step, s, c);                                                             \
    }                                                                                                   \
    ATTRIBUTES void HeightsAtSteps##SUFFIX(int first, float step, const Station& s,                    \
                                           const ConstituentTables& c, float (&h)[Lanes])              \
    {                                                                                                   \
        HeightsAtSteps(first, step, s, c, h);                                                           \
    }
MAREVO_HEIGHT_FUNCTIONS(Baseline, )
#if MAREVO_VECTOR_DISPATCH
MAREVO_HEIGHT_FUNCTIONS(Avx2, __attribute__((target("avx2"))))
MAREVO_HEIGHT_FUNCTIONS(Avx512, __attribute__((target("avx512f"))))
#endif
#undef MAREVO_HEIGHT_FUNCTIONS

struct HeightFunctions {
    HeightFn height;
    HeightAtStepFn atStep;
    HeightsAtStepsFn atSteps;
};
const HeightFunctions Levels[] = {
    {HeightBaseline, HeightAtStepBaseline, HeightsAtStepsBaseline},
#if MAREVO_VECTOR_DISPATCH
    {HeightAvx2, HeightAtStepAvx2, HeightsAtStepsAvx2},
    {HeightAvx512, HeightAtStepAvx512, HeightsAtStepsAvx512},
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

// The vector level is chosen here, once, while the program loads (static initialisation,
// before main and so before the window program or marevo-cli start any thread); nothing
// but the benchmarks and the level tests changes it afterwards (UseVectorLevel).
// Constant-initialised, so that a height asked for before the choice is made still computes.
HeightFunctions Chosen = {HeightBaseline, HeightAtStepBaseline, HeightsAtStepsBaseline};
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

void TideHeightsAtSteps(int first, int count, float stepHours, const Station& s, const ConstituentTables& c,
                        float* out)
{
    for (int done = 0; done < count; done += Lanes) {
        float h[Lanes];
        Chosen.atSteps(first + done, stepHours, s, c, h);
        std::copy(h, h + std::min(Lanes, count - done), out + done);
    }
}

namespace {

// A turning point of the sampled curve: its interpolated time and height, where it lies
// between the two midpoints (x from 0 to 1) and whether it is a maximum.
struct Turn {
    float t, h;
    double x;
    bool high;
};

// Feeds one sample and reports any turning point, wherever its time lies.
bool FindTurn(ExtremeDetector& d, float t, float h, Turn& turn)
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
    if (d.count <= 3) return false;
    if (d.sign[0] == d.sign[1]) return false;
    const double step = static_cast<double>(d.T[3]) - d.T[2];
    const double m3 = d.T[0] + step / 2, m2 = d.T[1] + step / 2, m1 = d.T[2] + step / 2;
    const double x = -static_cast<double>(d.D[0]) / (static_cast<double>(d.D[1]) - d.D[0]);
    const float te = static_cast<float>(((1 - x) * 0.5 * m3 + x * m2) * (2 - x) - x * (1 - x) * 0.5 * m1);
    const double y = (te - static_cast<double>(d.T[1])) / (static_cast<double>(d.T[2]) - d.T[1]);
    turn.h = static_cast<float>(((1 - y) * 0.5 * d.H[1] + y * d.H[2]) * (2 - y) -
                                y * (1 - y) * 0.5 * d.H[3]);
    turn.t = te;
    turn.x = x;
    // A rise (or a level step) followed by a fall (or a level step) is a crest.
    turn.high = d.sign[0] > d.sign[1];
    return true;
}

} // namespace

// DetectExtreme: feeds one sample (t minutes, h cm) at a constant step. Returns 1 and the
// interpolated extreme in t and h when the rise/fall sign changes, else 0.
int DetectExtreme(ExtremeDetector& d, float& t, float& h, bool* high)
{
    Turn turn;
    if (!FindTurn(d, t, h, turn)) return 0;
    if (turn.t <= 0) return 0;
    t = turn.t;
    h = turn.h;
    if (high) *high = turn.high;
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

namespace {

// The search over the 20-minute grid k = -5 ... 74; the samples k <= 2 (up to 40 min after
// the day's start) come from before, the others from tables. The turning point examined at
// k lies between the midpoints 20k - 50 and 20k - 30 minutes: k = 2 straddles the day's
// start and k = 74 its end.
constexpr int StepsPerDay = 72, StartStraddle = 2, EndStraddle = 74;

// beforeShift: the steps from 0 h of before's date to 0 h of the day (72, or 0 when before
// is the day's own preparation).
void SearchDay(const Station& s, const ConstituentTables& before, const ConstituentTables& c,
               int beforeShift, ExtremeDetector& d, DayExtremes& out, CarriedSamples* carry)
{
    out.count = 0;
    Turn turn;
    FindTurn(d, DetectorReset, 0, turn);
    int lastK = -100; // the step of the last turning point, and its kind and height
    bool lastHigh = false;
    float lastH = 0;
    constexpr int First = -5, Samples = EndStraddle - First + 1;
    constexpr int Early = StartStraddle - First + 1; // samples from before
    static_assert(Early == CarriedSamples::Count, "the samples a day leaves are the next day's first");
    float heights[Samples];
    // The first samples are the day before's last ones when that day's search left them.
    if (carry && carry->Matches(s, before)) std::copy(carry->heights, carry->heights + Early, heights);
    else TideHeightsAtSteps(First + beforeShift, Early, 0.33333334f, s, before, heights);
    TideHeightsAtSteps(StartStraddle + 1, Samples - Early, 0.33333334f, s, c, heights + Early);
    if (carry) carry->Keep(s, c, heights + Samples - Early);
    for (int k = First; k <= EndStraddle; ++k) {
        if (!FindTurn(d, 20.0f * k, heights[k - First], turn)) continue;
        // A turning point lies between its two midpoints; heights beyond the float range (a
        // port file with absurd constants) give none that can be placed.
        if (!(turn.x >= 0 && turn.x <= 1)) continue;
        // Two equal samples at a crest or a trough give two reports of one turning point, the
        // middle of their level step: where the rise meets the level step (x = 1) and, a step
        // later, where the level step meets the fall (x = 0). An x of exactly 0 follows a
        // level step only, and the turning point before it began that step; when both are of
        // one kind they are one high or low water, listed once, as the first report gave it.
        if (turn.x == 0 && lastK >= First && lastHigh == turn.high) continue;
        // Two turning points of opposite kinds within two steps lie on a nearly level curve;
        // their heights, each interpolated from its own three samples, can cross by a
        // fraction of a centimetre. The later one then takes the earlier one's height, so
        // that no high water is listed below the low water beside it. (The searches of two
        // days both examine the turning points from 50 minutes before the later day on, so
        // they take the same heights.)
        if (lastK >= k - 2 && lastHigh != turn.high &&
            (turn.high ? turn.h < lastH : turn.h > lastH))
            turn.h = lastH;
        lastK = k;
        lastHigh = turn.high;
        lastH = turn.h;
        if (k < StartStraddle) continue;                          // the day before's
        if (k == StartStraddle && turn.x < 0.5) continue;         // before midnight
        if (k == EndStraddle && !(turn.x < 0.5)) continue;        // the next day's
        // The interpolated time, rounded to single precision, may land on the midnight
        // itself; the event stays on the day that x gave it.
        const float t = std::min(std::max(turn.t, 0.0f), std::nextafter(1440.0f, 0.0f));
        if (out.count == MaxDayEvents) continue;
        TideEvent& e = out.events[out.count++];
        MinutesToEvent(t, turn.h, e);
        e.high = turn.high;
    }
}

} // namespace

bool CarriedSamples::Matches(const Station& s, const ConstituentTables& before) const
{
    return valid && MeanSeaLevel == s.MeanSeaLevel && ExtraConstituents == s.ExtraConstituents &&
           std::memcmp(Amplitude, s.Amplitude, sizeof Amplitude) == 0 &&
           std::memcmp(PhaseLag, s.PhaseLag, sizeof PhaseLag) == 0 &&
           std::memcmp(&tables, &before, sizeof tables) == 0;
}

void CarriedSamples::Keep(const Station& s, const ConstituentTables& c, const float* last)
{
    valid = true;
    MeanSeaLevel = s.MeanSeaLevel;
    ExtraConstituents = s.ExtraConstituents;
    std::memcpy(Amplitude, s.Amplitude, sizeof Amplitude);
    std::memcpy(PhaseLag, s.PhaseLag, sizeof PhaseLag);
    tables = c;
    std::copy(last, last + Count, heights);
}

void FindDayExtremes(const Station& s, const ConstituentTables& before,
                     const ConstituentTables& c, ExtremeDetector& d, DayExtremes& out,
                     CarriedSamples* carry)
{
    SearchDay(s, before, c, StepsPerDay, d, out, carry);
}

void FindDayExtremes(const Station& s, const ConstituentTables& c, ExtremeDetector& d,
                     DayExtremes& out)
{
    SearchDay(s, c, c, 0, d, out, nullptr);
}

void PrepareDayBefore(int year, int month, int day, const Station& s, const Calendar& cal,
                      ConstituentTables& before)
{
    Calendar scratch = cal;
    day -= 1;
    NormalizeDate(year, month, day);
    SetFebruaryForYear(scratch, year);
    PrepareConstituents(year, month, day, s, scratch, before);
}

void FindDateExtremes(int year, int month, int day, const Station& s, const Calendar& cal,
                      DayExtremes& out)
{
    Calendar scratch = cal;
    ConstituentTables before, tables;
    PrepareDayBefore(year, month, day, s, cal, before);
    NormalizeDate(year, month, day);
    SetFebruaryForYear(scratch, year);
    PrepareConstituents(year, month, day, s, scratch, tables);
    ExtremeDetector detector;
    FindDayExtremes(s, before, tables, detector, out);
}

} // namespace marevo
