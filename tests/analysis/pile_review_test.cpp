// Pile footing lines whose last printed digit depends on how the single
// precision products are grouped: each case is hand-checked in exact
// arithmetic and pins the line the formula gives.
#include <gtest/gtest.h>

#include <string>

#include "analysis/pile_footing.h"
#include "analysis/sections.h"
#include "model/defaults.h"

using namespace qelvorn;

namespace {

// An English pile cap 10 ft wide and 20 ft long, toe 4 ft, stem 2 ft, no
// passive soil and no battered piles; one load combination, only its
// service case loaded.
Project Cap() {
    Project p;
    p.Units = "english";
    SetUnits(p);
    p.FootingType = "pile"; p.Criteria = "aashto"; p.ConcreteDesign = "usd";
    p.PileHead = "pin"; p.WallType = "nohaunch";
    p.fc = 4000; p.fs = 60000; p.ExpFactor = 170;
    DeriveConcreteProperties(p);
    p.rhoc = 150.0f / 1728.0f; p.rhos = 120.0f / 1728.0f;
    p.Wf = 120; p.Lf = 240; p.Lw = 240; p.Tf = 30; p.Ht = 0; p.Dt = 48; p.Tw = 24;
    p.PILED = 12;
    p.Asfbt = p.Asfbh = 0.79f; p.Asft = 0.6f; p.AsLf = 0.6f; p.AsTSf = 0.31f;
    p.SAsfbt = p.SAsfbh = p.SAsft = p.SAsLf = p.SAsTSf = 12;
    p.CAsft = 2; p.CAsfb = 3;
    p.ResizeLoadCombinations(1);
    p.Fsls[1] = 1;
    for (auto* x : {&p.Xsls, &p.Xuls1, &p.Xuls2, &p.Xuls3, &p.Xuls4, &p.Xuls2st}) x->assign(2, 0.0f);
    return p;
}

void Rows(Project& p, std::initializer_list<std::pair<int, float>> rows) {
    p.ResizePileRows(static_cast<std::int32_t>(rows.size()));
    int i = 1;
    for (const auto& [n, x] : rows) {
        p.PILEN[i] = n;
        p.PILEX[i] = x;
        p.PILES[i] = 72;
        ++i;
    }
}

void SizeTables(Project& p) {
    for (auto* t : {&p.PileVert, &p.PileLat, &p.PileMom}) t->resize(p.NROWS, 6, p.NLC);
    for (auto* t : {&p.Ppass, &p.Hbatter, &p.Vtoe, &p.Mtoe, &p.Vheel, &p.Mheel}) t->resize(6, p.NLC);
}

bool Has(const std::string& out, const std::string& line) { return out.find(line) != std::string::npos; }

class PileReview : public ::testing::Test {
protected:
    void SetUp() override { ClearArithmeticFaults(); }
    void TearDown() override { ClearArithmeticFaults(); }
};

}  // namespace

// The group inertia sums each row's count times its squared distance from
// the centroid. Rows 3 piles at 28 in, 1 at 60 in, 5 at 104 in: Xcg =
// 664/9 in, Ipile = 894528/81 in^2. V = 882 kip at 39 in, e = 313/9 in:
// row 1 carries 882000/9 + (412/9)(313/9)(882000)/(894528/81) = 225150.2 lb.
TEST_F(PileReview, VerticalLoadUsesTheSquaredDistanceOfEachRow) {
    Project p = Cap();
    Rows(p, {{3, 28.0f}, {1, 60.0f}, {5, 104.0f}});
    PileGroupProperties(p);
    EXPECT_NEAR(p.Ipile, 894528.0f / 81.0f, 0.01f);
    SizeTables(p);
    Report r;
    PileLoads(p, r, 1, 5, "SLS", 0, 882000, 39);
    EXPECT_TRUE(Has(r.allText(), "          1        SLS        1        225.2     0.0       0.0\r\n")) << r.allText();
}

// Lateral resistance of the service row: the number of piles times the
// service capacity of one pile raised by Fsls, 5 x (8.9 kip x 1.3) =
// 5 x 11.57 = 57.85 kip.
TEST_F(PileReview, ServiceLateralResistanceIsPilesTimesRaisedCapacity) {
    Project p = Cap();
    Rows(p, {{2, 24.0f}, {3, 96.0f}});
    p.PileV = 8900; p.PileP = 200000; p.PileT = 50000;
    p.PilePu = p.PilePeq = 300000; p.PileTu = p.PileTeq = 80000; p.PileVu = p.PileVeq = 30000;
    p.Fsls[1] = 1.3f; p.Fdasls[1] = 1;
    p.Vsls[1] = 500000; p.Xsls[1] = 60; p.Hsls[1] = 40000;
    Report r;
    PileFootingSection(p, r);
    EXPECT_TRUE(Has(r.allText(), "          1        SLS       40.0      57.9      OKAY\r\n")) << r.allText();
}

// The downward pressure on a toe row of the cap: thickness times its load
// factor times the unit weight, 2.5 ft x 1.25 x 150 pcf = 468.75 psf, which
// governs over the small pile reaction; moment 468.75 x 6^2 / 10.
TEST_F(PileReview, LongitudinalToePressureOfTheCapWeight) {
    Project p = Cap();
    Rows(p, {{2, 24.0f}, {3, 96.0f}});
    p.Fdamax[1] = 1.25f; p.Fdemax[1] = 1.35f;
    SizeTables(p);
    p.PileVert(1, 1, 1) = 1000;  // 2 x 1000 lb over 20 ft x 5 ft: 20 psf
    Report r;
    PileCapLongitudinal(p, r);
    const std::string out = r.allText();
    EXPECT_TRUE(Has(out, "     ULS CALCULATIONS FOR FOOTING TOE:\r\n\r\n"
                         "          Pressure = 468.8 psf\r\n"
                         "          Spacing  = 6.000 ft\r\n"))
        << out;
    EXPECT_TRUE(Has(out, "Factored moment = 1.688 k-ft/ft")) << out;
}

// The downward load on a toe without piles under it: pressure times the
// toe length squared over two. 2180 psf on a 116 in (9.667 ft) toe:
// 2180 x 9.667^2 / 2 = 101854.4 lb-ft per ft, shear 2180 x 9.667 = 21073.3
// lb per ft, both acting down.
TEST_F(PileReview, ToeMomentOfTheDownwardPressureAlone) {
    Project p = Cap();
    p.Wf = 240; p.Dt = 116;
    Rows(p, {{2, 150.0f}, {3, 200.0f}});
    SizeTables(p);
    Report r;
    PileCapLoads(p, r, 1, 5, 2180.0f / 144.0f, 0);
    FootingLoadsTable(p, r);
    EXPECT_TRUE(Has(r.allText(), "          1     SLS          -21.073   -101.854  0.000     0.000\r\n"))
        << r.allText();
}

// A single row has no group inertia whatever the rounding of its centroid
// (3 x 3.9 in / 3 is not 3.9 in single precision): the run stops with the
// cause named instead of printing pile loads of 1E+11 kip.
TEST_F(PileReview, SingleRowStopsTheRunEvenWhenTheCentroidRoundsOff) {
    Project p = Cap();
    Rows(p, {{3, 3.9f}});
    p.PileP = 200000; p.PileT = 50000; p.PileV = 20000;
    p.Fdasls[1] = 1; p.Vsls[1] = 300000; p.Xsls[1] = 60;
    PileGroupProperties(p);
    EXPECT_EQ(p.Ipile, 0.0f);
    Report r;
    try {
        PileFootingSection(p, r);
        ADD_FAILURE() << r.allText();
    } catch (const CalculationFault& f) {
        EXPECT_EQ(f.cause(), "all piles in one row: the pile group cannot resist overturning by axial loads");
    }
}
