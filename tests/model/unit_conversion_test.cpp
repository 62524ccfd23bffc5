// A change of unit system keeps the project's values as physical
// quantities and can be undone by changing back.
#include "model/unit_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "analysis/batch_run.h"

namespace qelvorn {
namespace {

// The fields of an input file text, split at commas and line ends.
std::vector<std::string> FileFields(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == ',' || c == '\n') out.emplace_back();
        else if (c != '\r') out.back() += c;
    }
    return out;
}

TEST(ChangeUnits, ConvertsEveryValueAndRoundTripsToSixDigits) {
    Project p = testing::LoadExample("pile-aashto-both-sidewalls-english");
    p.pile1v = 20000, p.pile1m = 1.2e6f, p.Qsc = 1.666667f, p.Wbarrier = 41.66667f;

    Project m = p;
    ChangeUnits(m, "metric");
    EXPECT_EQ(m.LblLength, "m");
    // One value of each kind, converted by hand (English display -> Metric display).
    const std::pair<double, double> byHand[] = {
        {m.Hw / 1000.0, 14 * 0.3048},                  // 14 ft wall height -> m
        {m.PILEX[1] / 1000.0, 1.5 * 0.3048},           // pile row 1.5 ft from the toe
        {m.SAsw, 12 * 25.4},                           // bar spacing 12 in -> mm
        {m.Asw, 0.79 * 645.16},                        // bar area in^2 -> mm^2
        {m.PileP / 1000.0, 100 * 4.4482216},           // 100 kip pile capacity -> kN
        {m.pile1m / 1e6, 100 * 1.3558179},             // 100 k-ft -> kN-m
        {m.fc, 4000 * 0.006894757},                    // psi -> MPa
        {m.Qsc * 1000.0, 240 * 0.04788026},            // 240 psf surcharge -> kPa
        {m.rhoc * 1e6, 150 * 0.1570875},               // 150 pcf concrete -> kN/m^3
        {m.Wbarrier, 0.5 * 14.593903},                 // 0.5 kip/ft barrier -> kN/m
        {m.ExpFactor, 130000 * 0.17512683},            // crack control z, lb/in -> N/mm
        {m.Fdamax[3], 1.3},                            // load factors have no unit
    };
    for (const auto& [converted, expected] : byHand) EXPECT_NEAR(converted, expected, 5e-6 * expected);

    ChangeUnits(m, "english");
    const std::vector<std::string> before = FileFields(InputFileText(p)), after = FileFields(InputFileText(m));
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        char* end = nullptr;
        const double a = std::strtod(before[i].c_str(), &end), b = std::strtod(after[i].c_str(), nullptr);
        if (before[i].empty() || *end != '\0') {  // texts and keywords
            EXPECT_EQ(after[i], before[i]);
            continue;
        }
        EXPECT_NEAR(b, a, 5e-6 * std::fabs(a)) << "field " << i << " of the file";
    }

    // Unitless exposure factor under AASHTO LRFD; an unknown system converts nothing.
    p.Criteria = "lrfd";
    p.ExpFactor = 1;
    ChangeUnits(p, "metric");
    EXPECT_EQ(p.ExpFactor, 1.0f);
    const float hw = p.Hw;
    ChangeUnits(p, "imperial");
    ChangeUnits(p, "english");
    EXPECT_EQ(p.Hw, hw);
}

}  // namespace
}  // namespace qelvorn
