#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The runtime's global text and number functions. None of them needs a window,
// so they live in the Qt-free core library.

// The number at the start of the text, after any blanks or tabs: optional sign,
// digits, optional "." and digits, optional exponent. Stops at the first character
// that cannot continue the number; no number gives 0. Out of range gives an
// infinity or 0. Locale-independent; never throws.
double Val(std::string_view text);

// Default conversion of a double: seven significant digits, no trailing zeros
// ("0.1923238", "12.34907", "-3.350211", "2296.829"); an exponent only below 1e-4
// or from 1e7 on, where plain digits would mislead ("1.234568e+07"). NaN and the
// infinities read "NaN", "Infinity" and "-Infinity".
std::string Str(double value);

// Default conversion of an integer: decimal ("45").
std::string Str(std::int64_t value);

// Number to text by a pattern of digit placeholders: '0' always writes a digit,
// '#' only a significant one, '.' the decimal point; other characters are copied.
// Rounds to nearest at the last place. ".000000000" gives ".999999990"; an integer
// part other than 0 is always written whole ("1.000000000"). NaN gives "NaN", the
// infinities "Infinity" and "-Infinity"; an empty pattern gives Str(value).
std::string Format(double value, std::string_view pattern);

// The Unicode code point of the first character of UTF-8 text; 0 for empty text.
// Malformed UTF-8 is never read past its end and gives U+FFFD.
std::int64_t Asc(std::string_view text);

// A double as a 64-bit integer, truncated toward zero. NaN and values that no 64-bit
// integer holds give the smallest one, as the processor's own conversion does, rather
// than undefined behaviour.
std::int64_t ToInt64(double value);

// Natural logarithm and exponential with IEEE behaviour (Log(0) is -inf, Log of a
// negative number NaN, Exp(-inf) 0).
double Log(double value);
double Exp(double value);

// Line-end texts.
namespace EndOfLine {
// The classic Mac OS X line end, which is the Unix one: one line feed.
inline constexpr std::string_view macOS = "\n";
}  // namespace EndOfLine
