#include "model/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using namespace qelvorn;

TEST(FormatNumber, TiesSignsAndPatterns) {
    const struct {
        float v;
        const char* pattern;
        const char* text;
    } cases[] = {
        {0.125f, "0.00", "0.13"},
        {2.675f, "0.00", "2.68"},  // the single lies just below 2.675 but reads 2.675
        {2.5f, "0", "3"},
        {-0.0004f, "0.000", "-0.000"},
        {-0.3f, "0", "-0"},
        {12.345f, "0.00 ", "12.35 "},
        // 57000 sqrt(4000) = 3604996.53 is held as 3604996.5: the seventh
        // digit's half goes away from zero, as for the true value.
        {3604996.5f, "0.", "3604997"},
        {-3604996.5f, "0.0", "-3604997.0"},
        {1234.5f, "0.000E+00", "1.235E+03"},
        {-0.00012345f, "0.00E+00 ", "-1.23E-04 "},
        {9.9996f, "0.000E+00", "1.000E+01"},
        {1.5e-30f, "0.000E+00", "1.500E-30"},
        {3.4028235e38f, "0.00", "340282300000000000000000000000000000000.00"},
        {-0.00049999f, "0.000", "-0.000"},
        {-9.995f, "0.00", "-10.00"},  // the carry reaches the whole part
        {1.25e-5f, "0.000000", "0.000013"},  // six places: the tie at the seventh digit
        {1.0e20f, "0.0", "100000000000000000000.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.v, c.pattern), c.text) << c.v << " " << c.pattern;
}

TEST(ShortestText, DecimalAndExponentForms) {
    const struct {
        float v;
        const char* text;
    } cases[] = {
        {0.975f, ".975"},      {-0.5f, "-.5"},     {1.6666666f, "1.666667"},   {1200.0f, "1200"},
        {-0.0f, "0"},          {0.0001f, ".0001"}, {9999999.0f, "9999999"},    {12345678.0f, "1.234568E+07"},
        {1.0e7f, "1E+07"},     {1.0e-9f, "1E-09"}, {2.356e-5f, "2.356E-05"},   {99999996.0f, "1E+08"},
        {9999999.5f, "1E+07"}, {std::numeric_limits<float>::max(), "3.402823E+38"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortestText(c.v), c.text) << c.v;
    EXPECT_EQ(SignedNumberText(0.975f), " .975");
    EXPECT_EQ(SignedNumberText(-2.5f), "-2.5");
    EXPECT_EQ(BareNumber(0.0f), " 0 ");
    EXPECT_EQ(BareNumber(-2.0f), "-2 ");
}

TEST(LeadingNumber, ReadsTheLeadingNumberOfATypedText) {
    const struct {
        const char* text;
        double v;
    } cases[] = {
        {"12ft", 12},  {"1 500", 1500}, {" \t\n-2.5", -2.5}, {"- 2 .5", -2.5}, {"&H1F", 31},  {"&hff", 255},
        {"&O17", 15},  {"&O19", 1},     {"abc", 0},          {"", 0},          {"-", 0},      {"1D3", 1000},
        {"2.5e-2", 0.025}, {"1E", 1},   {"3E+x", 3},         {".75", 0.75},    {"1.2.3", 1.2},
        {"1E999", 0},  // beyond the range of a double: no number
    };
    for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.v) << c.text;
}

TEST(Rounding, HalfEvenCountsAndFormatRounding) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(1e12), 2147483647);  // saturates instead of overflowing
    EXPECT_EQ(RoundHalfEven(-1e12), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundByFormat(0.8499999f, "0.000"), 0.85f);
    EXPECT_EQ(RoundByFormat(-0.0025f, "0.000"), -0.003f);
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
