#include "calculator/HaitovskyCalculation.h"

#include <cstdint>
#include <utility>

#include "framework/RuntimeFunctions.h"
#include "stats/ProbModule.h"

namespace {

Rejection reject(std::string_view sentence, std::string_view lineEnd, Input input) {
    std::string message(sentence);
    message += lineEnd;
    return {std::move(message), input};
}

}  // namespace

Outcome calculateHaitovsky(std::string_view kText, std::string_view nText,
                           std::string_view detText) {
    const std::string_view lineEnd = EndOfLine::macOS;

    // Text such as "1e300" gives a double that no 64-bit integer holds; it becomes the
    // smallest one, which the lower bound rejects.
    const std::int64_t k = ToInt64(Val(kText));
    if (k < 2 || k > 99) return reject(kVariablesMessage, lineEnd, Input::k);

    const std::int64_t n = ToInt64(Val(nText));
    if (n < 30 || n > 9999) return reject(kParticipantsMessage, lineEnd, Input::n);

    // Ordered comparisons, so a NaN would pass; Val never gives one.
    const double det = Val(detText);
    if (det < 1e-12 || det > 0.99999999999)
        return reject(kDeterminantMessage, lineEnd, Input::determinant);

    // Integer arithmetic first, then doubles in this grouping: any other order
    // moves the last digit of H away from the values the help text quotes.
    const double h =
        ((1.0 + static_cast<double>(2 * k + 5) / 6.0) - static_cast<double>(n)) * Log(1.0 - det);
    const auto df = static_cast<std::int64_t>(static_cast<double>(k * (k - 1)) / 2.0);
    const double p = ProbModule::x2prob(h, static_cast<double>(df));

    std::string pText = Format(p, ".000000000");
    return Results{Str(h), Str(df), std::move(pText)};
}
