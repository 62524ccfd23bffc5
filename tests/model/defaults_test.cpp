// Unit factors and labels, derived concrete properties, the defaults of a
// new project and the input completeness check.
#include "model/defaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qelvorn {
namespace {

// ---------------------------------------------------------------------------
// Unit systems

// Every unit label, in one line, so a whole system is compared at once.
std::string Labels(const Project& p) {
    std::string all;
    for (const std::string* s :
         {&p.LblForce, &p.LblLineLoadSmall, &p.LblLineLoad, &p.LblStress, &p.LblPressure, &p.LblUnitWeight,
          &p.LblMomentPerLength, &p.LblSmallLength, &p.LblLength, &p.LblArea, &p.LblWeightP, &p.LblForceP,
          &p.LblLineLoadP, &p.LblPressureP, &p.LblMomentP, &p.LblMomentPerLengthP, &p.LblSmallLengthP,
          &p.LblLengthP, &p.LblAreaP, &p.LblVolumeP})
        all += *s + " ";
    return all;
}

const char* const kEnglishLabels =
    "kip lb/in kip/ft psi psf pcf k-ft/ft in ft in^2 (lb) (kip) (kip/ft) (psf) (k-ft) (k-ft/ft) (in) (ft) "
    "(in^2) (yd^3) ";
const char* const kMetricLabels =
    "kN N/mm kN/m MPa kPa kN/m^3 kN-m/m mm m mm^2 (kg) (kN) (kN/m) (kPa) (kN-m) (kN-m/m) (mm) (m) (mm^2) "
    "(m^3) ";

TEST(SetUnits, EnglishFactorsConstantsAndLabels) {
    Project p;
    p.Units = "english";
    SetUnits(p);
    EXPECT_EQ(p.ForceFactor, 1000.0f);
    EXPECT_EQ(p.MomentFactor, 12000.0f);  // kip-ft -> lb-in
    EXPECT_EQ(p.LengthFactor, 12.0f);
    EXPECT_EQ(p.SurchargeDeduct, 6.0f);
    // Quotients rounded once from double: 1/144, 1/1728, 1/46656.
    EXPECT_EQ(p.PressureFactor, static_cast<float>(1.0 / 144.0));
    EXPECT_EQ(p.UnitWeightFactor, static_cast<float>(1.0 / 1728.0));
    EXPECT_EQ(p.VolumeFactor, static_cast<float>(1.0 / 46656.0));
    EXPECT_FLOAT_EQ(p.LineLoadFactor, 83.333336f);  // kip/ft -> lb/in
    EXPECT_EQ(p.MmPerIn, 25.4f);
    EXPECT_EQ(p.Mm2PerIn2, 645.16f);
    EXPECT_EQ(p.NPerLb, 4.448222f);
    EXPECT_EQ(p.MPaPerPsi, 0.006894757f);
    EXPECT_FLOAT_EQ(p.NmmPerLbin, 0.17512686f);

    // 240 psf typed is 1.6666666 psi stored and 240 again when shown.
    const float q = 240.0f * p.PressureFactor;
    EXPECT_FLOAT_EQ(q, 1.6666666f);
    EXPECT_FLOAT_EQ(q / p.PressureFactor, 240.0f);

    EXPECT_EQ(Labels(p), kEnglishLabels);
}

TEST(SetUnits, MetricFactorsConstantsAndLabels) {
    Project p;
    p.Units = "metric";
    SetUnits(p);
    EXPECT_EQ(p.ForceFactor, 1000.0f);
    EXPECT_EQ(p.MomentFactor, 1000000.0f);  // kN-m -> N-mm
    EXPECT_EQ(p.LengthFactor, 1000.0f);
    EXPECT_EQ(p.SurchargeDeduct, 150.0f);
    EXPECT_EQ(p.PressureFactor, 0.001f);
    EXPECT_EQ(p.UnitWeightFactor, 0.000001f);
    EXPECT_EQ(p.VolumeFactor, 0.000000001f);
    // kN/m is N/mm: a 10 kN/m barrier is stored as 10.
    EXPECT_EQ(p.LineLoadFactor, 1.0f);
    EXPECT_EQ(10.0f * p.LineLoadFactor, 10.0f);
    // The conversion constants do not depend on the unit system.
    EXPECT_EQ(p.MmPerIn, 25.4f);
    EXPECT_FLOAT_EQ(p.NmmPerLbin, 0.17512686f);

    EXPECT_EQ(Labels(p), kMetricLabels);
}

TEST(SetUnits, UnknownSystemKeepsFactorsWithEnglishLabels) {
    Project p;
    p.Units = "metric";
    SetUnits(p);
    p.Units = "imperial";
    SetUnits(p);
    EXPECT_EQ(p.LengthFactor, 1000.0f);
    EXPECT_EQ(p.MomentFactor, 1000000.0f);
    EXPECT_EQ(p.SurchargeDeduct, 150.0f);
    EXPECT_EQ(p.LineLoadFactor, 1.0f);
    EXPECT_EQ(Labels(p), kEnglishLabels);
}

TEST(SetUnits, SwitchingSystemsNeverConvertsStoredValues) {
    Project p;
    ResetProject(p);
    p.Hw = 240;  // 20 ft
    p.Units = "metric";
    SetUnits(p);
    EXPECT_EQ(p.Hw, 240.0f);
    EXPECT_FLOAT_EQ(p.Hw / p.LengthFactor, 0.24f);  // now read as 0.240 m
    p.Units = "english";
    SetUnits(p);
    EXPECT_EQ(p.Hw, 240.0f);
    EXPECT_EQ(p.fc, 4000.0f);
}

// ---------------------------------------------------------------------------
// Derived concrete properties

Project WithStrength(const char* criteria, const char* units, float fc) {
    Project p;
    p.Criteria = criteria;
    p.Units = units;
    p.fc = fc;
    DeriveConcreteProperties(p);
    return p;
}

TEST(DeriveConcreteProperties, AashtoAndAremaEnglish) {
    for (const char* criteria : {"aashto", "arema"}) {
        SCOPED_TRACE(criteria);
        // Beta1 = 0.85 - 0.05 (5000 - 4000) / 1000; Ec = 57000 sqrt(5000)
        // = 4030508.65; fr = 7.5 sqrt(5000) = 530.33; n = 29e6 / Ec = 7.2.
        const Project p = WithStrength(criteria, "english", 5000);
        EXPECT_FLOAT_EQ(p.Beta1, 0.8f);
        EXPECT_EQ(p.Ec, 4030509.0f);
        EXPECT_NEAR(p.ModRupture, 530.33f, 0.005f);
        EXPECT_EQ(p.Es, 29000000.0f);
        EXPECT_EQ(p.ModRatio, 7);
        EXPECT_FLOAT_EQ(p.Alpha1, 0.85f);
        EXPECT_FLOAT_EQ(p.PhiFlexure, 0.9f);
        EXPECT_FLOAT_EQ(p.PhiShear, 0.85f);
        EXPECT_FLOAT_EQ(p.Ecu, 0.003f);
        EXPECT_EQ(p.PhiSteel, 1.0f);
        EXPECT_EQ(p.PhiConcrete, 1.0f);

        // Beta1 limits: 0.60 raised to 0.65, 0.925 lowered to 0.85.
        EXPECT_FLOAT_EQ(WithStrength(criteria, "english", 9000).Beta1, 0.65f);
        EXPECT_FLOAT_EQ(WithStrength(criteria, "english", 2500).Beta1, 0.85f);
        // 4750 psi gives exactly 0.8125: three decimals, half away from zero.
        EXPECT_FLOAT_EQ(WithStrength(criteria, "english", 4750).Beta1, 0.813f);
    }
}

TEST(DeriveConcreteProperties, AashtoAndAremaMetric) {
    for (const char* criteria : {"aashto", "arema"}) {
        SCOPED_TRACE(criteria);
        // Ec = 4700 sqrt(28) = 24870.06; fr = 7.5 sqrt(28) / 12 = 3.3072;
        // n = 200000 / 24870 = 8.04.
        const Project p = WithStrength(criteria, "metric", 28);
        EXPECT_EQ(p.Ec, 24870.0f);
        EXPECT_NEAR(p.ModRupture, 3.3072f, 0.0001f);
        EXPECT_FLOAT_EQ(p.Beta1, 0.85f);
        EXPECT_EQ(p.Es, 200000.0f);
        EXPECT_EQ(p.ModRatio, 8);
        // 0.05 per 7 MPa above 28 MPa, within 0.65..0.85.
        EXPECT_FLOAT_EQ(WithStrength(criteria, "metric", 35).Beta1, 0.8f);
        EXPECT_FLOAT_EQ(WithStrength(criteria, "metric", 63).Beta1, 0.65f);
        EXPECT_FLOAT_EQ(WithStrength(criteria, "metric", 20).Beta1, 0.85f);
    }
}

TEST(DeriveConcreteProperties, LrfdBothSystems) {
    // Ec = 1820000 sqrt(5) = 4069643.7; fr = 240 sqrt(5) = 536.66; n = 7.13.
    Project p = WithStrength("lrfd", "english", 5000);
    EXPECT_EQ(p.Ec, 4069644.0f);
    EXPECT_NEAR(p.ModRupture, 536.656f, 0.001f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.8f);
    EXPECT_EQ(p.ModRatio, 7);
    EXPECT_FLOAT_EQ(p.PhiFlexure, 0.9f);
    EXPECT_FLOAT_EQ(p.PhiShear, 0.9f);
    EXPECT_FLOAT_EQ(p.Ecu, 0.003f);
    EXPECT_EQ(p.PhiConcrete, 1.0f);
    EXPECT_FLOAT_EQ(WithStrength("lrfd", "english", 10000).Beta1, 0.65f);
    EXPECT_FLOAT_EQ(WithStrength("lrfd", "english", 3000).Beta1, 0.85f);

    // Ec = 4800 sqrt(35) = 28397.18; fr = 0.63 sqrt(35) = 3.7271; n = 7.04.
    p = WithStrength("lrfd", "metric", 35);
    EXPECT_EQ(p.Ec, 28397.0f);
    EXPECT_NEAR(p.ModRupture, 3.7271f, 0.0001f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.8f);
    EXPECT_EQ(p.ModRatio, 7);
    EXPECT_FLOAT_EQ(WithStrength("lrfd", "metric", 70).Beta1, 0.65f);
}

TEST(DeriveConcreteProperties, S6Metric) {
    // Alpha1 = 0.85 - 0.0015 fc, Beta1 = 0.97 - 0.0025 fc, both >= 0.67;
    // Ec = (3000 sqrt(fc) + 6900)(2450/2300)^1.5 = 25650.94 for 30 MPa.
    Project p = WithStrength("s6", "metric", 30);
    EXPECT_FLOAT_EQ(p.Alpha1, 0.805f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.895f);
    EXPECT_EQ(p.Ec, 25651.0f);
    EXPECT_NEAR(p.ModRupture, 0.4f * std::sqrt(30.0f), 1e-5f);
    EXPECT_EQ(p.ModRatio, 8);  // 200000 / 25651 = 7.80
    EXPECT_FLOAT_EQ(p.Ecu, 0.0035f);
    EXPECT_EQ(p.PhiFlexure, 1.0f);
    EXPECT_EQ(p.PhiShear, 1.0f);
    EXPECT_FLOAT_EQ(p.PhiConcrete, 0.75f);
    EXPECT_FLOAT_EQ(p.PhiSteel, 0.9f);

    p = WithStrength("s6", "metric", 60);
    EXPECT_FLOAT_EQ(p.Alpha1, 0.76f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.82f);
    p = WithStrength("s6", "metric", 150);  // 0.625 and 0.595 raised
    EXPECT_FLOAT_EQ(p.Alpha1, 0.67f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.67f);
}

TEST(DeriveConcreteProperties, S6English) {
    // 4350 psi is 29.99 MPa: the Metric formulas, Ec converted to psi
    // (3720015), fr = 4.8 sqrt(4350) = 316.58 psi.
    Project p = WithStrength("s6", "english", 4350);
    EXPECT_FLOAT_EQ(p.Alpha1, 0.805f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.895f);
    EXPECT_NEAR(p.Ec, 3720015.0f, 1.0f);
    EXPECT_NEAR(p.ModRupture, 316.58f, 0.005f);
    EXPECT_EQ(p.Es, 29000000.0f);
    EXPECT_EQ(p.ModRatio, 8);

    p = WithStrength("s6", "english", 8702);  // 60.0 MPa
    EXPECT_FLOAT_EQ(p.Alpha1, 0.76f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.82f);
    p = WithStrength("s6", "english", 21756);  // 150 MPa
    EXPECT_FLOAT_EQ(p.Alpha1, 0.67f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.67f);
}

TEST(DeriveConcreteProperties, ModularRatioHalvesGoToEven) {
    // 4700 sqrt(11.589) = 16000.03 -> Ec 16000, n = 200000 / 16000 = 12.5.
    EXPECT_EQ(WithStrength("aashto", "metric", 11.589f).ModRatio, 12);
    // 4700 sqrt(289.724) = 80000.06 -> Ec 80000, n = 2.5.
    EXPECT_EQ(WithStrength("aashto", "metric", 289.724f).ModRatio, 2);
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
    p.Alpha1 = 0.7f;
    p.Beta1 = 0.77f;
    DeriveConcreteProperties(p);
    EXPECT_EQ(p.Es, 200000.0f);
    EXPECT_FLOAT_EQ(p.Alpha1, 0.85f);
    EXPECT_FLOAT_EQ(p.Beta1, 0.77f);
    EXPECT_EQ(p.Ec, 25000.0f);
    EXPECT_EQ(p.ModRatio, 8);
}

}  // namespace
}  // namespace qelvorn
