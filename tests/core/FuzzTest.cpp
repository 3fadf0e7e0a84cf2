#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "calculator/HaitovskyCalculation.h"
#include "framework/RuntimeFunctions.h"

namespace {

// Texts are held in heap buffers of exactly their length, so that any read past the
// end is one that AddressSanitizer sees.
class RandomText {
  public:
    // Typical field values lie below `typicalLimit`.
    RandomText(std::mt19937& rng, double typicalLimit) : rng_(rng), typicalLimit_(typicalLimit) {}

    std::string_view next() {
        // A third of the texts start with a plausible number, so that all three
        // checks get passed now and then; the rest lean on the characters a number
        // is made of, or are any bytes at all, invalid UTF-8 included.
        const int kind = int(pick(3));
        std::string head;
        if (kind == 0) {
            head = std::to_string(std::uniform_real_distribution<double>(0, typicalLimit_)(rng_));
        }
        std::size_t tail = pick(13);
        if (std::bernoulli_distribution(0.05)(rng_)) tail = 13 + pick(400);
        const std::size_t length = head.size() + tail;
        buffer_ = std::make_unique<char[]>(length);
        std::memcpy(buffer_.get(), head.data(), head.size());
        static constexpr std::string_view kNumberChars = "0123456789.+-eE /";
        for (std::size_t i = head.size(); i < length; ++i) {
            buffer_[i] =
                kind == 1 ? kNumberChars[pick(kNumberChars.size())] : static_cast<char>(pick(256));
        }
        return {buffer_.get(), length};
    }

  private:
    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(rng_);
    }

    std::mt19937& rng_;
    double typicalLimit_;
    std::unique_ptr<char[]> buffer_;
};

TEST(FuzzTest, AnyBytesGiveARejectionOrThreeTexts) {
    std::mt19937 rng(20240521);
    RandomText k(rng, 110), n(rng, 11000), det(rng, 1.1);
    int calculated = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::string_view kText = k.next(), nText = n.next(), detText = det.next();
        const Outcome outcome = calculateHaitovsky(kText, nText, detText);
        if (const auto* rejection = std::get_if<Rejection>(&outcome)) {
            const auto sentence = rejection->input == Input::k   ? kVariablesMessage
                                  : rejection->input == Input::n ? kParticipantsMessage
                                                                 : kDeterminantMessage;
            ASSERT_EQ(rejection->message, std::string(sentence) + std::string(EndOfLine::macOS));
        } else {
            const auto& results = std::get<Results>(outcome);
            ASSERT_FALSE(results.h.empty() || results.df.empty() || results.p.empty());
            ++calculated;
        }

        ASSERT_FALSE(std::isnan(Val(kText))) << testing::PrintToString(kText);
        const std::int64_t code = Asc(kText);
        ASSERT_TRUE(code >= 0 && code <= 0x10FFFF) << code;
        if (!kText.empty() && static_cast<unsigned char>(kText[0]) < 0x80) {
            ASSERT_EQ(code, static_cast<unsigned char>(kText[0]));
        }
    }
    // Some random inputs must get through all three checks, or the results
    // branch went untried.
    EXPECT_GT(calculated, 0);
}

// Str and Format must give back, through Val, the number they were given, to the
// digits they promise.
TEST(FuzzTest, StrAndFormatReadBackThroughVal) {
    std::mt19937_64 rng(7);
    for (int i = 0; i < 4000; ++i) {
        const std::uint64_t bits = rng();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        const double back = Val(Str(value));
        ASSERT_LE(std::fabs(back - value), 5e-7 * std::fabs(value)) << Str(value);

        const double small = std::ldexp(value, -std::ilogb(value) - 1) * 3;  // |small| < 3
        ASSERT_NEAR(Val(Format(small, ".000000000")), small, 5e-10 + 1e-16)
            << Format(small, ".000000000");
    }
}

}  // namespace
