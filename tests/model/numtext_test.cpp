#include "model/numtext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <cmath>
#include <limits>
#include <random>

using namespace qelvorn;

TEST(FormatNumber, FixedPatternsRoundHalvesAwayFromZero) {
    EXPECT_EQ(FormatNumber(0.125f, "0.00"), "0.13");
    EXPECT_EQ(FormatNumber(-0.125f, "0.00"), "-0.13");
    // The single nearest 2.675 lies just below it; it still reads 2.675.
    EXPECT_EQ(FormatNumber(2.675f, "0.00"), "2.68");
    EXPECT_EQ(FormatNumber(2.5f, "0"), "3");
    EXPECT_EQ(FormatNumber(3.5f, "0"), "4");
    EXPECT_EQ(FormatNumber(-2.5f, "0"), "-3");
    EXPECT_EQ(FormatNumber(0.05f, "0.0"), "0.1");
    EXPECT_EQ(FormatNumber(0.00005f, "0.0000"), "0.0001");
    EXPECT_EQ(FormatNumber(9.9996f, "0.000"), "10.000");
    EXPECT_EQ(FormatNumber(999.95f, "0.0"), "1000.0");
    EXPECT_EQ(FormatNumber(1.6666666f, "0.000"), "1.667");
    EXPECT_EQ(FormatNumber(57000.0f, "0."), "57000");
    EXPECT_EQ(FormatNumber(3604.997f, "0."), "3605");
}

TEST(FormatNumber, LeadingDigitSignAndTrailingBlank) {
    EXPECT_EQ(FormatNumber(0.5f, "0.00"), "0.50");
    EXPECT_EQ(FormatNumber(0.0f, "0.000"), "0.000");
    EXPECT_EQ(FormatNumber(-0.0004f, "0.000"), "-0.000");
    EXPECT_EQ(FormatNumber(-0.3f, "0"), "-0");
    EXPECT_EQ(FormatNumber(12.345f, "0.00 "), "12.35 ");
    EXPECT_EQ(FormatNumber(7.0f, "0 "), "7 ");
    // Large values keep every digit, padded with zeros beyond the seventh.
    EXPECT_EQ(FormatNumber(1.234568e10f, "0.0"), "12345680000.0");
    EXPECT_EQ(FormatNumber(1.0e-9f, "0.0000"), "0.0000");
}

TEST(FormatNumber, ExponentPatterns) {
    EXPECT_EQ(FormatNumber(1234.5f, "0.000E+00"), "1.235E+03");
    EXPECT_EQ(FormatNumber(0.0f, "0.000E+00"), "0.000E+00");
    EXPECT_EQ(FormatNumber(-0.00012345f, "0.00E+00 "), "-1.23E-04 ");
    EXPECT_EQ(FormatNumber(9.9996f, "0.000E+00"), "1.000E+01");
    EXPECT_EQ(FormatNumber(2.9e6f, "0.00E+00 "), "2.90E+06 ");
    EXPECT_EQ(FormatNumber(1.5e-30f, "0.000E+00"), "1.500E-30");
    EXPECT_EQ(FormatNumber(3.0e38f, "0.000E+00"), "3.000E+38");
}

TEST(ShortestText, DecimalForms) {
    EXPECT_EQ(ShortestText(0.975f), ".975");
    EXPECT_EQ(ShortestText(-0.5f), "-.5");
    EXPECT_EQ(ShortestText(1.6666666f), "1.666667");
    EXPECT_EQ(ShortestText(240.0f / 144.0f), "1.666667");
    EXPECT_EQ(ShortestText(1200.0f), "1200");
    EXPECT_EQ(ShortestText(0.0f), "0");
    EXPECT_EQ(ShortestText(-0.0f), "0");
    EXPECT_EQ(ShortestText(-3.0f), "-3");
    EXPECT_EQ(ShortestText(0.0001f), ".0001");
    EXPECT_EQ(ShortestText(9999999.0f), "9999999");
    EXPECT_EQ(ShortestText(0.1f), ".1");
    EXPECT_EQ(ShortestText(1.0f / 1728.0f), ".0005787037");
}

TEST(ShortestText, ExponentFormOutsideTheDecimalRange) {
    EXPECT_EQ(ShortestText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(ShortestText(10000000.0f), "1E+07");
    EXPECT_EQ(ShortestText(2.356e-5f), "2.356E-05");
    EXPECT_EQ(ShortestText(-2.356e-5f), "-2.356E-05");
    EXPECT_EQ(ShortestText(1.0e-9f), "1E-09");
    EXPECT_EQ(ShortestText(std::numeric_limits<float>::max()), "3.402823E+38");
    // Rounding to seven digits can carry into the exponent range.
    EXPECT_EQ(ShortestText(99999996.0f), "1E+08");
}

TEST(ShortestText, ReadsBackToTheSameSevenDigits) {
    std::mt19937 gen(12345);
    std::uniform_real_distribution<float> mant(-10.0f, 10.0f);
    std::uniform_int_distribution<int> ex(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        const float v = mant(gen) * std::pow(10.0f, static_cast<float>(ex(gen)));
        const std::string s = ShortestText(v);
        const float back = std::strtof(s.c_str(), nullptr);
        EXPECT_EQ(ShortestText(back), s) << v;
        EXPECT_NEAR(back, v, std::fabs(v) * 6e-7f) << s;
    }
}

TEST(SignedNumberText, BlankOrMinusInFront) {
    EXPECT_EQ(SignedNumberText(5.0f), " 5");
    EXPECT_EQ(SignedNumberText(-2.5f), "-2.5");
    EXPECT_EQ(SignedNumberText(0.975f), " .975");
    EXPECT_EQ(BareNumber(0.975f), " .975 ");
    EXPECT_EQ(BareNumber(-2.0f), "-2 ");
    EXPECT_EQ(BareNumber(0.0f), " 0 ");
}

TEST(LeadingNumber, ReadsTheLeadingNumberOfATypedText) {
    EXPECT_EQ(LeadingNumber("12ft"), 12.0);
    EXPECT_EQ(LeadingNumber("1 500"), 1500.0);
    EXPECT_EQ(LeadingNumber(" \t\n-2.5"), -2.5);
    EXPECT_EQ(LeadingNumber("- 2 .5"), -2.5);
    EXPECT_EQ(LeadingNumber("&H1F"), 31.0);
    EXPECT_EQ(LeadingNumber("&hff"), 255.0);
    EXPECT_EQ(LeadingNumber("&O17"), 15.0);
    EXPECT_EQ(LeadingNumber("&O19"), 1.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("1D3"), 1000.0);
    EXPECT_EQ(LeadingNumber("2.5e-2"), 0.025);
    EXPECT_EQ(LeadingNumber("1E"), 1.0);
    EXPECT_EQ(LeadingNumber("3E+x"), 3.0);
    EXPECT_EQ(LeadingNumber(".75"), 0.75);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("+4"), 4.0);
    // Beyond the range of a double: no number.
    EXPECT_EQ(LeadingNumber("1E999"), 0.0);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1e12), 2147483647);
    EXPECT_EQ(RoundHalfEven(-1e12), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(RoundByFormat, RoundsAsTheFormattedText) {
    EXPECT_EQ(RoundByFormat(0.8499999f, "0.000"), 0.85f);
    EXPECT_EQ(RoundByFormat(3604.5f, "0."), 3605.0f);
    EXPECT_EQ(RoundByFormat(8.0449996f, "0."), 8.0f);
    EXPECT_EQ(RoundByFormat(0.0025f, "0.000"), 0.003f);
    EXPECT_EQ(RoundByFormat(-0.0025f, "0.000"), -0.003f);
}

// A single that sits exactly halfway at the seventh digit reads with the
// half taken away from zero, as the true value it stands for: the modulus
// 57000*sqrt(4000) = 3604996.53 is held as 3604996.5 and must round to
// 3604997, not to the even 3604996.
TEST(FormatNumber, SeventhDigitHalvesGoAwayFromZero) {
    EXPECT_EQ(FormatNumber(3604996.5f, "0."), "3604997");
    EXPECT_EQ(FormatNumber(-3604996.5f, "0.0"), "-3604997.0");
    EXPECT_EQ(ShortestText(9999999.5f), "1E+07");
    EXPECT_EQ(RoundByFormat(57000.0f * std::sqrt(4000.0f), "0."), 3604997.0f);
}

// Every number text goes through the single's seven-digit decimal form. The
// quick whole-number path must give exactly what the full decimal expansion
// of the single gives, rounded at the seventh digit with halves away from
// zero; checked here against that expansion on many singles of every size.
TEST(FormatNumber, SevenDigitFormMatchesTheExactExpansion) {
    auto reference = [](float v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.25e", std::fabs(static_cast<double>(v)));
        std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 25);
        int exp = std::atoi(std::strchr(buf, 'e') + 1);
        std::string seven = digits.substr(0, 7);
        if (digits[7] >= '5') {
            int i = 6;
            while (i >= 0 && seven[static_cast<std::size_t>(i)] == '9') seven[static_cast<std::size_t>(i--)] = '0';
            if (i < 0) {
                seven = "1000000";
                ++exp;
            } else {
                ++seven[static_cast<std::size_t>(i)];
            }
        }
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exp < 0 ? '-' : '+', exp < 0 ? -exp : exp);
        return std::string(v < 0 ? "-" : "") + seven.substr(0, 1) + "." + seven.substr(1) + e;
    };
    std::mt19937 gen(20261206);
    for (int n = 0; n < 200000; ++n) {
        const std::uint32_t bits = gen();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v) || v == 0.0f) continue;
        ASSERT_EQ(FormatNumber(v, "0.000000E+00"), reference(v)) << v;
    }
    // Ties and near-ties at the eighth digit, and values next to powers of ten.
    for (float v : {3604996.5f, 0.125f, 2.5f, 1234567.5f, 9999999.5f, 0.15625f, 1.0e-5f, 99999.99f}) {
        EXPECT_EQ(FormatNumber(v, "0.000000E+00"), reference(v)) << v;
        EXPECT_EQ(FormatNumber(std::nextafter(v, 0.0f), "0.000000E+00"), reference(std::nextafter(v, 0.0f)));
        EXPECT_EQ(FormatNumber(std::nextafter(v, 1e30f), "0.000000E+00"), reference(std::nextafter(v, 1e30f)));
    }
}

// The fixed patterns round the seven-digit form (pinned above through the
// exponent pattern) once more to their places, halves away from zero: here
// by decimal string arithmetic on that form, over singles of every size the
// whole-number path handles and beyond it.
TEST(FormatNumber, FixedPatternsRoundTheSevenDigitForm) {
    auto reference = [](float v, int places) {
        const std::string e = FormatNumber(v, "0.000000E+00");  // [-]d.ddddddE+xx
        const bool negative = e[0] == '-';
        const std::size_t at = negative ? 1 : 0;
        const std::string digits = e.substr(at, 1) + e.substr(at + 2, 6);
        const int exp = std::atoi(e.c_str() + e.find('E') + 1);
        // Value = 0.digits x 10^(exp+1): pad to a whole part and `places`.
        std::string whole, frac;
        const int point = exp + 1;  // digits before the point
        if (point <= 0) {
            whole = "0";
            frac = std::string(static_cast<std::size_t>(-point), '0') + digits;
        } else if (point >= 7) {
            whole = digits + std::string(static_cast<std::size_t>(point - 7), '0');
        } else {
            whole = digits.substr(0, static_cast<std::size_t>(point));
            frac = digits.substr(static_cast<std::size_t>(point));
        }
        frac.resize(std::max(frac.size(), static_cast<std::size_t>(places) + 1), '0');
        const bool up = frac[static_cast<std::size_t>(places)] >= '5';
        std::string kept = whole + frac.substr(0, static_cast<std::size_t>(places));
        for (std::size_t i = kept.size(); up && i-- > 0;) {
            if (kept[i] == '9') {
                kept[i] = '0';
                if (i == 0) kept.insert(kept.begin(), '1');
            } else {
                ++kept[i];
                break;
            }
        }
        const std::size_t intLen = kept.size() - static_cast<std::size_t>(places);
        std::string s = negative ? "-" : "";
        s += kept.substr(0, intLen);
        if (places > 0) s += "." + kept.substr(intLen);
        return s;
    };
    const char* const patterns[] = {"0.", "0.0", "0.00", "0.000", "0.0000", "0.000000"};
    std::mt19937 gen(61206);
    std::uniform_real_distribution<float> exponent(-9.0f, 26.0f);
    for (int n = 0; n < 40000; ++n) {
        float v = std::pow(10.0f, exponent(gen));
        if (gen() & 1) v = -v;
        if (!std::isfinite(v)) continue;
        for (int places = 0; places <= 5; ++places) {
            const int p = places == 5 ? 6 : places;
            ASSERT_EQ(FormatNumber(v, patterns[places]), reference(v, p)) << v << " " << patterns[places];
        }
    }
    EXPECT_EQ(FormatNumber(3.4028235e38f, "0.00"), "340282300000000000000000000000000000000.00");
    EXPECT_EQ(FormatNumber(-0.00049999f, "0.000"), "-0.000");
    EXPECT_EQ(FormatNumber(-9.995f, "0.00"), "-10.00");  // the carry reaches the whole part
}
