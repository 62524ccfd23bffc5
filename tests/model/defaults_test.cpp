// Unit factors and labels, and the derived concrete properties.
#include "model/defaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qelvorn {
namespace {

TEST(SetUnits, FactorsRoundedOnceAndUnknownSystemsShowEnglishLabels) {
    Project p;
    p.Units = "english";
    SetUnits(p);
    // Quotients rounded once from double: 240 psf is stored as 1.6666666 psi.
    EXPECT_EQ(p.PressureFactor, static_cast<float>(1.0 / 144.0));
    EXPECT_EQ(p.VolumeFactor, static_cast<float>(1.0 / 46656.0));
    p.Hw = 240;
    p.Units = "metric";
    SetUnits(p);
    EXPECT_EQ(p.Hw, 240.0f);  // switching never converts stored values

    // An unknown system keeps the factors but shows English labels.
    p.Units = "imperial";
    SetUnits(p);
    EXPECT_EQ(p.LengthFactor, 1000.0f);
    EXPECT_EQ(p.LblForce, "kip");
}

Project WithStrength(const char* criteria, const char* units, float fc) {
    Project p;
    p.Criteria = criteria;
    p.Units = units;
    p.fc = fc;
    DeriveConcreteProperties(p);
    return p;
}

TEST(DeriveConcreteProperties, EveryCriteriaBothSystemsAndLimits) {
    // Ec and fr by hand; Beta1 = 0.85 - 0.05 per 1000 psi (7 MPa) above
    // 4000 psi (28 MPa) within 0.65..0.85; s6: Alpha1 = 0.85 - 0.0015 fc,
    // Beta1 = 0.97 - 0.0025 fc, both at least 0.67, English via MPa.
    // Ec, fr and n = Es / Ec are checked where given (n < 0: limits only).
    const struct {
        const char* criteria;
        const char* units;
        float fc, Ec, fr, alpha1, beta1;
        int n;
    } cases[] = {
        // 57000 sqrt(5000) = 4030508.65, 7.5 sqrt(5000) = 530.33, n = 7.2
        {"aashto", "english", 5000, 4030509, 530.33f, 0.85f, 0.8f, 7},
        {"aashto", "english", 9000, -1, -1, 0.85f, 0.65f, -1},  // 0.60 raised
        {"arema", "english", 2500, -1, -1, 0.85f, 0.85f, -1},   // 0.925 lowered
        {"aashto", "english", 4750, -1, -1, 0.85f, 0.813f, -1},  // 0.8125 half up
        {"arema", "metric", 63, -1, -1, 0.85f, 0.65f, -1},
        // 1820000 sqrt(5) = 4069643.7, 240 sqrt(5) = 536.66, n = 7.13
        {"lrfd", "english", 5000, 4069644, 536.656f, 0.85f, 0.8f, 7},
        {"lrfd", "english", 10000, -1, -1, 0.85f, 0.65f, -1},
        // 4800 sqrt(35) = 28397.18, 0.63 sqrt(35) = 3.7271, n = 7.04
        {"lrfd", "metric", 35, 28397, 3.7271f, 0.85f, 0.8f, 7},
        {"lrfd", "metric", 20, -1, -1, 0.85f, 0.85f, -1},
        // (3000 sqrt(30) + 6900)(2450/2300)^1.5 = 25650.94, 0.4 sqrt(30), n = 7.80
        {"s6", "metric", 30, 25651, 2.19089f, 0.805f, 0.895f, 8},
        {"s6", "metric", 150, -1, -1, 0.67f, 0.67f, -1},  // 0.625, 0.595 raised
        {"s6", "english", 21756, -1, -1, 0.67f, 0.67f, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.criteria) + " " + c.units + " " + std::to_string(c.fc));
        const Project p = WithStrength(c.criteria, c.units, c.fc);
        EXPECT_FLOAT_EQ(p.Alpha1, c.alpha1);
        EXPECT_FLOAT_EQ(p.Beta1, c.beta1);
        if (c.n < 0) continue;
        EXPECT_NEAR(p.Ec, c.Ec, 1.0f);
        EXPECT_NEAR(p.ModRupture, c.fr, 0.005f);
        EXPECT_EQ(p.ModRatio, c.n);
    }
    const Project s = WithStrength("s6", "metric", 30);
    EXPECT_FLOAT_EQ(s.Ecu, 0.0035f);
    EXPECT_FLOAT_EQ(s.PhiConcrete, 0.75f);
    EXPECT_FLOAT_EQ(WithStrength("lrfd", "english", 4000).PhiShear, 0.9f);
    // Modular ratio halves go to even: 4700 sqrt(11.589) = 16000.03 -> Ec
    // 16000, n = 12.5; 4700 sqrt(289.724) = 80000.06 -> Ec 80000, n = 2.5.
    EXPECT_EQ(WithStrength("aashto", "metric", 11.589f).ModRatio, 12);
    EXPECT_EQ(WithStrength("aashto", "metric", 289.724f).ModRatio, 2);
    // s6 English, single precision in the formula's order: psi first, then
    // the density factor (the other order gives 5205931).
    EXPECT_EQ(WithStrength("s6", "english", 10684).Ec, 5205932.0f);
}

TEST(DeriveConcreteProperties, MissingStrengthKeepsEveryProperty) {
    Project before;
    ResetProject(before);
    for (float fc : {0.0f, -4000.0f}) {
        SCOPED_TRACE(fc);
        Project p = before;
        p.fc = fc;
        DeriveConcreteProperties(p);
        for (float Project::*field : {&Project::Ec, &Project::Es, &Project::ModRupture, &Project::Alpha1,
                                      &Project::Beta1, &Project::Ecu, &Project::PhiFlexure, &Project::PhiShear,
                                      &Project::PhiConcrete, &Project::PhiSteel})
            EXPECT_EQ(p.*field, before.*field);
        EXPECT_EQ(p.ModRatio, before.ModRatio);
    }
}

TEST(DeriveConcreteProperties, UnknownCriteriaOnlySetsEsAlpha1AndRatio) {
    Project p;
    ResetProject(p);
    p.Criteria = "eurocode";
    p.Units = "metric";
    p.fc = 30;
    p.Ec = 25000;
    p.Beta1 = 0.77f;
    DeriveConcreteProperties(p);
    EXPECT_EQ(p.Es, 200000.0f);
    EXPECT_FLOAT_EQ(p.Alpha1, 0.85f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.77f);
    EXPECT_EQ(p.ModRatio, 8);
}

}  // namespace
}  // namespace qelvorn
