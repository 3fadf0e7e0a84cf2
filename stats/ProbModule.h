#pragma once

// The upper-tail probability of the chi-square distribution. The steps, their
// order and the short constants are kept as they are, so that p agrees to the
// last shown digit with the values users already have; only very large
// statistics, where those steps broke down, are mended.
namespace ProbModule {

// A probability together with the number of series passes that produced it; the
// pass count is what the running time depends on.
struct X2Result {
    double p;
    long passes;
};

// The upper-tail probability of x with df degrees of freedom, df truncated to a
// whole number. The series stops once a term falls to a millionth of the running
// sum, so small tails come out a few millionths too large; results above
// 0.99999999 are capped there. Far in the tail, where the series would overflow
// or its prefactor vanish, the result is 0. A negative x gives NaN.
double x2prob(double x, double df);

// x2prob with its pass count.
X2Result x2probDetailed(double x, double df);

}  // namespace ProbModule
