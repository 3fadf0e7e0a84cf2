#pragma once

#include <string>
#include <string_view>
#include <variant>

// The calculation behind "Calculate": three input texts in, either the first
// rejected input or the three result texts out. It needs no window, so the
// handler only carries the outcome out on the controls.

// The three inputs, in the order in which they are checked.
enum class Input { k, n, determinant };

// The first input out of range: the message to show (its sentence followed by
// EndOfLine::macOS) and which input it was, so that its field can take the focus.
struct Rejection {
    std::string message;
    Input input;
};

// The texts for the H, df and p fields.
struct Results {
    std::string h;
    std::string df;
    std::string p;
};

using Outcome = std::variant<Rejection, Results>;

// The sentences of the three rejections, without the line end.
inline constexpr std::string_view kVariablesMessage =
    "Please enter the number of variables (2-99).";
inline constexpr std::string_view kParticipantsMessage =
    "Please enter the number of participants(30-9999).";
inline constexpr std::string_view kDeterminantMessage =
    "Please enter a determinant between 0.000000000001 and 0.99999999999.";

// Checks k (2 to 99), n (30 to 9999) and the determinant (1e-12 to
// 0.99999999999) in that order, then gives H = (1 + (2k + 5)/6 - n) ln(1 - det),
// df = k(k - 1)/2 and the upper-tail p of H. k and n are truncated toward zero.
Outcome calculateHaitovsky(std::string_view kText, std::string_view nText,
                           std::string_view detText);
