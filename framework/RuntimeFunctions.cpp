#include "framework/RuntimeFunctions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Beyond this an exponent cannot bring any mantissa we could hold back into the
// range of a double, and stopping here keeps the accumulation from overflowing.
constexpr std::int64_t kExponentClamp = 1'000'000'000;

// Text for the values that have no digits; shared by Str and Format so that a
// user never sees a NaN that looks like a number.
std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

}  // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The mantissa is copied without its sign: std::from_chars takes no '+'.
    std::string number;
    std::size_t digitCount = 0;
    std::int64_t intDigits = 0;
    std::int64_t firstNonZero = -1;  // index among all mantissa digits
    auto takeDigits = [&](bool integerPart) {
        while (i < text.size() && isDigit(text[i])) {
            if (firstNonZero < 0 && text[i] != '0') firstNonZero = std::int64_t(digitCount);
            number += text[i];
            ++digitCount;
            if (integerPart) ++intDigits;
            ++i;
        }
    };
    takeDigits(true);
    if (i < text.size() && text[i] == '.') {
        number += '.';
        ++i;
        takeDigits(false);
    }
    if (digitCount == 0) return 0.0;
    if (firstNonZero < 0) return negative ? -0.0 : 0.0;

    // An exponent counts only when a digit follows its letter and sign; "2e" is 2.
    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < kExponentClamp) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (negativeExponent) exponent = -exponent;
        }
    }
    number += 'e';
    number += std::to_string(exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here; the power of ten of the leading
        // digit tells overflow from underflow.
        const std::int64_t leadingPower = exponent + intDigits - 1 - firstNonZero;
        value = leadingPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string Str(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (value == 0.0) return "0";  // no "-0" for a user to puzzle over
    // to_chars rather than printf: the decimal point must not follow the locale.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 7);
    return std::string(buffer.data(), result.ptr);
}

std::string Str(std::int64_t value) { return std::to_string(value); }

std::string Format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (pattern.empty()) return Str(value);

    const std::size_t point = pattern.find('.');
    const std::string_view integerPattern = pattern.substr(0, point);
    const std::string_view fractionPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    auto isPlaceholder = [](char c) { return c == '0' || c == '#'; };
    std::size_t integerPlaces = 0;
    std::size_t requiredIntegerDigits = 0;
    for (char c : integerPattern) {
        integerPlaces += isPlaceholder(c);
        requiredIntegerDigits += c == '0';
    }
    std::size_t fractionPlaces = 0;
    for (char c : fractionPattern) fractionPlaces += isPlaceholder(c);

    // Fixed notation rounds the exact binary value to nearest at the last place.
    std::string fixed(std::numeric_limits<double>::max_exponent10 + 3 + fractionPlaces, '\0');
    const auto result = std::to_chars(fixed.data(), fixed.data() + fixed.size(), std::fabs(value),
                                      std::chars_format::fixed, int(fractionPlaces));
    fixed.resize(std::size_t(result.ptr - fixed.data()));
    const std::size_t fixedPoint = fixed.find('.');
    std::string integerDigits = fixed.substr(0, fixedPoint);
    std::string fractionDigits =
        fixedPoint == std::string::npos ? std::string{} : fixed.substr(fixedPoint + 1);

    // A value that rounds to zero carries no sign.
    const bool negative = value < 0 && fixed.find_first_not_of("0.") != std::string::npos;

    // A zero integer part is written only where the pattern asks for a digit; a
    // larger one is always written whole, so ".000000000" never hides a 1.
    if (integerDigits == "0" && requiredIntegerDigits == 0) integerDigits.clear();
    if (integerDigits.size() < requiredIntegerDigits)
        integerDigits.insert(0, requiredIntegerDigits - integerDigits.size(), '0');

    // Trailing '#' places drop their zeros; '0' places keep them.
    std::size_t keptFraction = fractionDigits.size();
    std::size_t index = fractionPlaces;
    for (auto it = fractionPattern.rbegin(); it != fractionPattern.rend(); ++it) {
        if (!isPlaceholder(*it)) continue;
        --index;
        if (*it != '#' || fractionDigits[index] != '0') break;
        keptFraction = index;
    }

    std::string out;
    if (negative) out += '-';
    // Integer digits fill the placeholders from the right; digits beyond the
    // placeholders all go where the first one stands.
    const std::ptrdiff_t surplus =
        std::ptrdiff_t(integerDigits.size()) - std::ptrdiff_t(integerPlaces);
    std::size_t slot = 0;
    for (char c : integerPattern) {
        if (!isPlaceholder(c)) {
            out += c;
            continue;
        }
        const std::ptrdiff_t digit = std::ptrdiff_t(slot) + surplus;
        if (slot == 0 && surplus > 0)
            out.append(integerDigits, 0, std::size_t(surplus) + 1);
        else if (digit >= 0)
            out += integerDigits[std::size_t(digit)];
        ++slot;
    }
    if (integerPlaces == 0) out += integerDigits;
    if (point != std::string_view::npos) out += '.';
    std::size_t place = 0;
    for (char c : fractionPattern) {
        if (!isPlaceholder(c)) {
            out += c;
            continue;
        }
        if (place < keptFraction) out += fractionDigits[place];
        ++place;
    }
    return out;
}

std::int64_t Asc(std::string_view text) {
    if (text.empty()) return 0;
    constexpr std::int64_t kReplacement = 0xFFFD;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) return lead;

    std::size_t length = 0;
    unsigned code = 0;
    // The second byte's range also rules out overlong forms, surrogates and
    // code points beyond U+10FFFF.
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return kReplacement;
    }
    if (text.size() < length) return kReplacement;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned next = byte(i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return kReplacement;
        code = (code << 6) | (next & 0x3F);
    }
    return code;
}

std::int64_t ToInt64(double value) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (!(value >= -kLimit && value < kLimit)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

double Log(double value) { return std::log(value); }

double Exp(double value) { return std::exp(value); }
