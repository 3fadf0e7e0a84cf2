#include "stats/ProbModule.h"

#include <cmath>
#include <cstdint>

#include "framework/RuntimeFunctions.h"

namespace ProbModule {
namespace {

// ln Gamma(a + 1) by the short six-term Lanczos series. The grouping and the
// short coefficients are kept as they are: changing either moves the last digits
// of p that users have on record.
double logGammaOfSuccessor(double a) {
    const double z = a + 1;
    const double w = z - 1;
    const double t = w + 5.5;
    const double g0 = (w + 0.5) * Log(t) - t;
    double s = 1 + 76.18009173 / (w + 1);
    s = s + -86.50532033 / (w + 2);
    s = s + 24.01409822 / (w + 3);
    s = s + -1.231739516 / (w + 4);
    s = s + 0.00120858 / (w + 5);
    s = s + -5.364e-6 / (w + 6);
    return g0 + Log(2.506628275 * s);
}

}  // namespace

X2Result x2probDetailed(double x, double df) {
    const std::int64_t m = ToInt64(df);
    const double a = 0.5 * static_cast<double>(m);
    const double y = 0.5 * x;

    const double g = logGammaOfSuccessor(a);
    const double e = Exp((a * Log(y) - g) - y);

    double sum = 0;
    long passes = 0;
    if (e != 0) {  // a NaN prefactor still runs the series, which keeps p NaN
        double term = 1;
        sum = 1;
        double b = a;
        do {
            b = 1 + b;
            term = (term * y) / b;
            sum = term + sum;
            ++passes;
        } while (term / sum > 1e-6);
    }

    // Far above its degrees of freedom the statistic overflows the series or
    // underflows the prefactor, and 1 - sum * e would claim -infinity or 1. The
    // true tail there is below 1e-300.
    if (!std::isfinite(sum) || (e == 0 && y > a + 1)) return {0.0, passes};

    double p = 1 - sum * e;
    if (p > 0.99999999) p = 0.99999999;
    return {p, passes};
}

double x2prob(double x, double df) { return x2probDetailed(x, df).p; }

}  // namespace ProbModule
