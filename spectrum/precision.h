// The spectrum routines evaluate every expression in double precision and
// round it to single precision once, when it is stored. That gives the same
// bits on every target only if a double is a true 64-bit double: x87
// extended precision (32-bit x86 without -mfpmath=sse) would change results,
// and so would contraction into fused multiply-adds, which the build turns
// off with -ffp-contract=off.
#pragma once

#include <cfloat>

static_assert(FLT_EVAL_METHOD == 0,
              "the spectrum code needs true double arithmetic: build 32-bit x86 with -msse2 -mfpmath=sse");
