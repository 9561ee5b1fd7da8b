// Correctly rounded values of the elementary functions at chosen arguments: multiples of
// 90 degrees as the program converts them, zeros, tiny and huge arguments, the interval
// ends of the arc tangent and arc sine, and the double nearest a multiple of pi/2 of all
// (6381956970095103 * 2^797). Computed with MPFR 4.2 and rounded to nearest; every entry
// is one where the program's function returns that value itself.
#pragma once

#include "engine/elementary.h"

namespace elementary_reference {

using marevo::elementary::Acos;
using marevo::elementary::Asin;
using marevo::elementary::Atan;
using marevo::elementary::Cos;
using marevo::elementary::Sin;

struct OneArgument {
    double (*function)(double);
    double x;
    double expected;
};

// 45, 90, 180, 270, 360, -90 and -180 degrees appear as the program's products with
// DegToRad (0x1.921fb82c2bd7fp+0 is 90 degrees).
const OneArgument OneArgumentCases[] = {
    {Sin, 0x0p+0, 0x0p+0},
    {Sin, -0x0p+0, -0x0p+0},
    {Sin, 0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997},
    {Sin, 0x1p-30, 0x1p-30},
    {Sin, 0x1p-1, 0x1.eaee8744b05fp-2},
    {Sin, -0x1.8p-1, -0x1.5cffc16bf8f0dp-1},
    {Sin, 0x1.921fb82c2bd7fp-1, 0x1.6a09e875f9df3p-1},
    {Sin, 0x1.921fb82c2bd7fp+0, 0x1.fffffffffff79p-1},
    {Sin, 0x1.921fb82c2bd7fp+1, -0x1.73f48335cb331p-22},
    {Sin, 0x1.2d97ca2120e1fp+2, -0x1.ffffffffffb4p-1},
    {Sin, 0x1.921fb82c2bd7fp+2, 0x1.73f48335cb1a8p-21},
    {Sin, -0x1.921fb82c2bd7fp+0, -0x1.fffffffffff79p-1},
    {Sin, -0x1.921fb82c2bd7fp+1, 0x1.73f48335cb331p-22},
    {Sin, 0x1.921fb54442d18p+0, 0x1p+0},
    {Sin, 0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53},
    {Sin, 0x1.63p+8, -0x1.f9bd0307d1de3p-16},
    {Sin, 0x1.f4p+9, 0x1.a75cc150a206bp-1},
    {Sin, 0x1.76fp+11, 0x1.51fbceb4d79b4p-1},
    {Sin, 0x1.fffffp+19, -0x1.4cb305757fa66p-3},
    {Sin, 0x1p+20, 0x1.526ccb2fc8656p-2},
    {Sin, -0x1.e848033333333p+19, 0x1.04d6d8e2aef7dp-2},
    {Sin, 0x1.0f0cf064dd592p+73, -0x1.b453ab76bf397p-1},
    {Sin, 0x1p+1000, -0x1.460b8ae1c886ep-3},
    {Sin, 0x1.6ac5b262ca1ffp+849, 0x1p+0},
    {Cos, 0x0p+0, 0x1p+0},
    {Cos, -0x0p+0, 0x1p+0},
    {Cos, 0x1.56e1fc2f8f359p-997, 0x1p+0},
    {Cos, 0x1p-30, 0x1p+0},
    {Cos, 0x1p-1, 0x1.c1528065b7d5p-1},
    {Cos, -0x1.8p-1, 0x1.769fec655211fp-1},
    {Cos, 0x1.921fb82c2bd7fp-1, 0x1.6a09e459ed976p-1},
    {Cos, 0x1.921fb82c2bd7fp+0, -0x1.73f48335cb393p-23},
    {Cos, 0x1.921fb82c2bd7fp+1, -0x1.ffffffffffde4p-1},
    {Cos, 0x1.2d97ca2120e1fp+2, 0x1.16f76266585eap-21},
    {Cos, 0x1.921fb82c2bd7fp+2, 0x1.ffffffffff78ep-1},
    {Cos, -0x1.921fb82c2bd7fp+0, -0x1.73f48335cb393p-23},
    {Cos, -0x1.921fb82c2bd7fp+1, -0x1.ffffffffffde4p-1},
    {Cos, 0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54},
    {Cos, 0x1.921fb54442d18p+1, -0x1p+0},
    {Cos, 0x1.63p+8, -0x1.fffffffc18e4cp-1},
    {Cos, 0x1.76fp+11, -0x1.809792c8cc98p-1},
    {Cos, 0x1.fffffp+19, 0x1.f932ec65b1d71p-1},
    {Cos, 0x1p+20, 0x1.e33ada92fe2aep-1},
    {Cos, -0x1.e848033333333p+19, 0x1.ef1c5e8cbb69ap-1},
    {Cos, 0x1.0f0cf064dd592p+73, 0x1.0be2cef01c8f4p-1},
    {Cos, 0x1p+1000, 0x1.f9785160c8815p-1},
    {Cos, 0x1.6ac5b262ca1ffp+849, -0x1.14ae72e6ba22fp-61},
    {Atan, 0x0p+0, 0x0p+0},
    {Atan, -0x0p+0, -0x0p+0},
    {Atan, 0x1.b7cdfd9d7bdbbp-34, 0x1.b7cdfd9d7bdbbp-34},
    {Atan, 0x1.3333333333333p-2, 0x1.2a73a661eaf06p-2},
    {Atan, 0x1.cp-2, 0x1.a64eec3cc23fdp-2},
    {Atan, -0x1p-1, -0x1.dac670561bb4fp-2},
    {Atan, 0x1.6p-1, 0x1.345f01cce37bbp-1},
    {Atan, 0x1p+0, 0x1.921fb54442d18p-1},
    {Atan, 0x1.3p+0, 0x1.bde70ed439fe7p-1},
    {Atan, -0x1.8p+0, -0x1.f730bd281f69bp-1},
    {Atan, 0x1.38p+1, 0x1.2e75728833a54p+0},
    {Atan, 0x1.4p+3, 0x1.789bd2c160054p+0},
    {Atan, 0x1.5af1d78b58c4p+66, 0x1.921fb54442d18p+0},
    {Atan, -0x1.7e43c8800759cp+996, -0x1.921fb54442d18p+0},
    {Asin, 0x0p+0, 0x0p+0},
    {Asin, -0x0p+0, -0x0p+0},
    {Asin, 0x1.b7cdfd9d7bdbbp-34, 0x1.b7cdfd9d7bdbbp-34},
    {Asin, 0x1.3333333333333p-2, 0x1.380159e14f6ffp-2},
    {Asin, 0x1p-1, 0x1.0c152382d7366p-1},
    {Asin, -0x1p-1, -0x1.0c152382d7366p-1},
    {Asin, 0x1.7ae147ae147aep-1, 0x1.aa8832b0b0525p-1},
    {Asin, 0x1.f2b020c49ba5ep-1, 0x1.579ea14c91a41p+0},
    {Asin, -0x1.f3b645a1cac08p-1, -0x1.59ec9e036730ap+0},
    {Asin, 0x1.fff2e48e8a71ep-1, 0x1.8e80e1a01556ap+0},
    {Asin, 0x1p+0, 0x1.921fb54442d18p+0},
    {Asin, -0x1p+0, -0x1.921fb54442d18p+0},
    {Acos, 0x0p+0, 0x1.921fb54442d18p+0},
    {Acos, -0x0p+0, 0x1.921fb54442d18p+0},
    {Acos, 0x1.b7cdfd9d7bdbbp-34, 0x1.921fb543d4dep+0},
    {Acos, 0x1.3333333333333p-2, 0x1.441f5ecbeef59p+0},
    {Acos, 0x1p-1, 0x1.0c152382d7366p+0},
    {Acos, -0x1p-1, 0x1.0c152382d7366p+1},
    {Acos, 0x1.7ae147ae147aep-1, 0x1.79b737d7d550bp-1},
    {Acos, 0x1.f2b020c49ba5ep-1, 0x1.d4089fbd896b9p-3},
    {Acos, -0x1.f3b645a1cac08p-1, 0x1.760629a3d5011p+1},
    {Acos, 0x1.fff2e48e8a71ep-1, 0x1.cf69d216bd74bp-7},
    {Acos, 0x1p+0, 0x0p+0},
    {Acos, -0x1p+0, 0x1.921fb54442d18p+1},
};

struct TwoArguments {
    double y, x;
    double expected;
};

const TwoArguments Atan2Cases[] = {
    {0x1p+0, 0x1p+0, 0x1.921fb54442d18p-1},
    {0x1p+0, -0x1p+0, 0x1.2d97c7f3321d2p+1},
    {-0x1p+0, -0x1p+0, -0x1.2d97c7f3321d2p+1},
    {-0x1p+0, 0x1p+0, -0x1.921fb54442d18p-1},
    {0x1.8p+1, 0x1p+2, 0x1.4978fa3269ee1p-1},
    {-0x1p+2, 0x1.8p+1, -0x1.dac670561bb4fp-1},
    {0x1.56e1fc2f8f359p-997, -0x1p+0, 0x1.921fb54442d18p+1},
    {0x1.79ca10c924223p-67, 0x1p+0, 0x1.79ca10c924223p-67},
    {0x1.5af1d78b58c4p+66, -0x1p+0, 0x1.921fb54442d18p+0},
    {0x1p-1, 0x1p+1, 0x1.f5b75f92c80ddp-3},
    {-0x1.4p+1, -0x1.999999999999ap-4, -0x1.9c5bc055fe183p+0},
};

} // namespace elementary_reference
