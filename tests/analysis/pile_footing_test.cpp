// Pile footing where no example reaches it: passive resistance by case, the
// lateral load - moment curve, pile cap shear sections through straddling
// pile strips, tributary widths, a row under both toe and heel, and
// degenerate groups.
#include "analysis/pile_footing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/sections.h"
#include "model/defaults.h"

using namespace qelvorn;

namespace {

// A pile cap 10 ft wide and 20 ft long on two rows of four piles, 2 ft and
// 8 ft from the toe; toe 3 ft, stem 2 ft, heel 5 ft (no battered stem). One
// load combination whose stability results are set by hand.
Project TwoRowProject() {
    Project p;
    p.Units = "english";
    SetUnits(p);
    p.FootingType = "pile"; p.Criteria = "aashto"; p.ConcreteDesign = "usd";
    p.PileHead = "pin"; p.WallType = "nohaunch";
    p.fc = 4000; p.fs = 60000; p.ExpFactor = 170;
    DeriveConcreteProperties(p);
    p.rhoc = 150.0f / 1728.0f; p.rhos = 120.0f / 1728.0f;
    p.Wf = 120; p.Lf = 240; p.Lw = 240; p.Tf = 36; p.Ht = 24; p.Dt = 36; p.Tw = 24; p.Hw = 0; p.Hb = 0;
    p.Kp = 2; p.Kpu = 3; p.Kpeq = 1;
    p.PILED = 12;
    p.ResizePileRows(2);
    p.PILEX[1] = 24; p.PILEX[2] = 96;
    p.PILEN[1] = p.PILEN[2] = 4;
    p.PILES[1] = p.PILES[2] = 60;
    p.PileP = 200000; p.PileT = 50000; p.PileV = 20000;
    p.PilePu = p.PilePeq = 300000; p.PileTu = p.PileTeq = 80000; p.PileVu = p.PileVeq = 30000;
    p.Asfbt = p.Asfbh = 0.79f; p.Asft = 0.6f; p.AsLf = 0.6f; p.AsTSf = 0.31f;
    p.SAsfbt = p.SAsfbh = p.SAsft = p.SAsLf = p.SAsTSf = 12;
    p.CAsft = 2; p.CAsfb = 3;
    p.ResizeLoadCombinations(1);
    p.Fsls[1] = p.Fdasls[1] = p.Fdesls[1] = 1;
    p.Fdamax[1] = p.Fdemax[1] = 1.3f;
    p.Fdamin[1] = p.Fdemin[1] = 0.9f;
    for (auto* x : {&p.Xsls, &p.Xuls1, &p.Xuls2, &p.Xuls3, &p.Xuls4, &p.Xuls2st}) x->assign(2, 48.0f);
    p.Vsls[1] = 800000; p.Vmax[1] = 1000000; p.Vmin[1] = 700000; p.Vminst[1] = 750000;
    p.Hsls[1] = 300000; p.Hmax[1] = 350000; p.Hmin[1] = 250000;
    return p;
}

void SizeTables(Project& p) {
    p.PileCase.resize(6, p.NLC);
    for (auto* t : {&p.Ppass, &p.Hbatter, &p.Vtoe, &p.Mtoe, &p.Vheel, &p.Mheel}) t->resize(6, p.NLC);
}

class PileFooting : public ::testing::Test {
protected:
    void SetUp() override { ClearArithmeticFaults(); }
    void TearDown() override { ClearArithmeticFaults(); }
};

bool Has(const std::string& out, const std::string& part) { return out.find(part) != std::string::npos; }

// The cause a calculation fault names, or "no fault".
std::string FaultCause(Project p, std::string* text = nullptr) {
    ClearArithmeticFaults();
    Report r;
    try {
        PileFootingSection(p, r);
    } catch (const CalculationFault& f) {
        EXPECT_FALSE(Has(r.allText(), "nan")) << f.cause();
        EXPECT_FALSE(Has(r.allText(), "inf")) << f.cause();
        if (text) *text = r.allText();
        return f.cause();
    }
    return "no fault";
}

std::string RunSection(Project& p) {
    Report r;
    PileFootingSection(p, r);
    return r.allText();
}

}  // namespace

TEST_F(PileFooting, PassiveResistanceByCase) {
    Project p = TwoRowProject();
    p.Fsls[1] = 1.5f;
    // Service: Fsls x Kp; ultimate: Kpu; earthquake only with an earthquake
    // pressure on the wall.
    EXPECT_NEAR(PassiveResistance(p, 5, 1), 1.5f * 60000.0f, 1.0f);
    EXPECT_NEAR(PassiveResistance(p, 1, 1), 90000.0f, 1.0f);
    p.Feqmax[1] = 1;  // earthquake factor without pressure: ordinary Kpu
    EXPECT_NEAR(PassiveResistance(p, 1, 1), 90000.0f, 1.0f);
    p.Peq = 5000;
    EXPECT_NEAR(PassiveResistance(p, 1, 1), 30000.0f, 1.0f);
}

TEST_F(PileFooting, PileMomentFollowsTheLoadMomentCurve) {
    Project p;
    p.pile1v = 10000; p.pile1m = 20000;
    p.pile2v = 20000; p.pile2m = 30000;
    p.pile3v = 40000; p.pile3m = 40000;
    EXPECT_EQ(PileMomentFromLateral(p, -100), 0.0f);
    EXPECT_FLOAT_EQ(PileMomentFromLateral(p, 5000), 10000.0f);   // through the origin
    EXPECT_FLOAT_EQ(PileMomentFromLateral(p, 15000), 25000.0f);  // first to second point
    EXPECT_FLOAT_EQ(PileMomentFromLateral(p, 30000), 35000.0f);  // second to third point
    EXPECT_FLOAT_EQ(PileMomentFromLateral(p, 90000), 40000.0f);  // beyond the last point
}

// Toe 48 in with its bottom bars 30 in deep, heel 48 in behind the stem
// (x0 = 72 in); one row in each, three piles of 12 in.
Project CapProject() {
    Project p = TwoRowProject();
    p.Dt = 48; p.Tw = 24; p.Tf = 36; p.Lf = 300;
    p.CAsfb = 5;
    p.Asfbt = p.Asfbh = 3.1416f;  // bar radius 1 in: depth 36 - 5 - 1 = 30 in
    p.PILEX[1] = 15; p.PILEX[2] = 100;
    p.PILEN[1] = p.PILEN[2] = 3;
    SizeTables(p);
    return p;
}

// Vertical loads of the two rows (equal pile counts) in case 5 of
// combination 1, as a fixed-head case with no head moment carries them.
void SetRowLoads(Project& p, float first, float second) {
    PileGroupProperties(p);
    PileCaseLoads& l = p.PileCase(5, 1);
    l = PileCaseLoads{};
    l.loaded = l.fixedHead = true;
    l.perPile = (first + second) / 2.0f;
    l.overturning = (first - l.perPile) * p.Ipile / p.PileY[1];
}

TEST_F(PileFooting, PileCapShearSectionsAndStraddlingStrips) {
    Project p = CapProject();
    SetRowLoads(p, 100000, 50000);  // 1000 and 500 lb/in of footing
    Report r;
    PileCapLoads(p, r, 1, 5, 2, 3);
    // Toe: -2 x 48^2/2 + 3 x 100000 x 33 / 300 > 0, so the shear section
    // is one depth from the face, x = 18, through the strip 9..21: 3/4.
    EXPECT_NEAR(p.Mtoe(5, 1), -2304.0f + 33000.0f, 0.1f);
    EXPECT_NEAR(p.Vtoe(5, 1), -2.0f * 18.0f + 0.75f * 1000.0f, 0.01f);
    // Heel: -3 x 48^2/2 + 3 x 50000 x 28 / 300 > 0; section at 120 - 18 =
    // 102 through the strip 94..106: 1/3 of the row lies beyond it.
    EXPECT_NEAR(p.Mheel(5, 1), -3456.0f + 14000.0f, 0.1f);
    EXPECT_NEAR(p.Vheel(5, 1), -3.0f * 18.0f + 500.0f / 3.0f, 0.01f);
    // Small reactions: negative moments, sections at the stem faces, whole
    // strips on the cantilever side.
    SetRowLoads(p, 1000, 1000);
    PileCapLoads(p, r, 1, 5, 2, 3);
    EXPECT_LT(p.Mtoe(5, 1), 0.0f);
    EXPECT_NEAR(p.Vtoe(5, 1), -2.0f * 48.0f + 10.0f, 0.01f);
    EXPECT_NEAR(p.Vheel(5, 1), -3.0f * 48.0f + 10.0f, 0.01f);
    // A toe shorter than its 30 in effective depth carries no shear; a stem
    // reaching the heel edge leaves no heel loads at all.
    p = CapProject();
    p.Dt = 20; p.Wf = 60; p.Tw = 40;
    p.PILEX[1] = 10; p.PILEX[2] = 50;
    SetRowLoads(p, 100000, 50000);
    PileCapLoads(p, r, 1, 5, 2, 3);
    EXPECT_GT(p.Mtoe(5, 1), 0.0f);
    EXPECT_TRUE(p.Vtoe(5, 1) == 0.0f && p.Mheel(5, 1) == 0.0f && p.Vheel(5, 1) == 0.0f);
}

TEST_F(PileFooting, TributaryWidthsFollowTheDistanceFromTheToe) {
    Project p;
    p.Wf = 120;
    p.ResizePileRows(3);
    p.PILEX[1] = 96; p.PILEX[2] = 24; p.PILEX[3] = 60;  // entered out of order
    const auto w = TributaryWidths(p);
    EXPECT_FLOAT_EQ(w[2], 24.0f + 18.0f);
    EXPECT_FLOAT_EQ(w[3], 18.0f + 18.0f);
    EXPECT_FLOAT_EQ(w[1], 18.0f + 24.0f);
    p.ResizePileRows(1);
    p.PILEX[1] = 30;
    EXPECT_FLOAT_EQ(TributaryWidths(p)[1], 120.0f);
}

TEST_F(PileFooting, ARowUnderBothToeAndHeelEntersBothSets) {
    Project p = TwoRowProject();
    // A haunch deeper than the wall is high puts the back face of the
    // battered stem ahead of its front face at the footing: x0 = Dt - 12.
    p.WallType = "haunch";
    p.Hh = 24; p.Ts = p.Tb = p.Tw = 12; p.Wf = 120; p.Dt = 48; p.Bat = 45;
    p.PILEX[1] = 42;
    const std::string out = RunSection(p);
    const std::size_t toe = out.find("ULS CALCULATIONS FOR FOOTING TOE:");
    const std::size_t heel = out.find("ULS CALCULATIONS FOR FOOTING HEEL:");
    ASSERT_NE(toe, std::string::npos) << out;
    ASSERT_NE(heel, std::string::npos);
    EXPECT_LT(toe, heel);
}

TEST_F(PileFooting, DegenerateInputEndsTheRunWithItsCauseNamed) {
    Project oneRow = TwoRowProject();
    oneRow.PILEX[2] = oneRow.PILEX[1];
    std::string text;
    EXPECT_EQ(FaultCause(oneRow, &text), "all piles in one row: the pile group cannot resist overturning by axial loads");
    EXPECT_TRUE(Has(text, "Pile group inertia = 0.000E+00 ft^2"));
    Project noLength = TwoRowProject();
    noLength.Lf = 0;
    EXPECT_TRUE(Has(FaultCause(noLength), "zero footing length"));
    Project noPiles = TwoRowProject();
    noPiles.PILEN[1] = noPiles.PILEN[2] = 0;
    EXPECT_EQ(FaultCause(noPiles), "no piles in the pile group");
    Project noFactor = TwoRowProject();
    noFactor.Fsls[1] = 0;
    EXPECT_EQ(FaultCause(noFactor), "zero SLS stress increase factor in load combination 1");
    // h = (220000 - 60000) / 8 = 20000 lb lands on two points of equal load.
    Project curve = TwoRowProject();
    curve.PileHead = "fix";
    curve.pile1v = 10000; curve.pile1m = 100000;
    curve.pile2v = curve.pile3v = 20000; curve.pile2m = 150000; curve.pile3m = 200000;
    curve.Hsls[1] = 220000;
    EXPECT_EQ(FaultCause(curve), "two equal points of the pile lateral load - moment curve");
    // One row whose centroid rounds off (3 x 3.9 in / 3 is not 3.9 in single
    // precision) still has no group inertia: no pile loads of 1E+11 kip.
    Project single = TwoRowProject();
    single.ResizePileRows(1);
    single.PILEN[1] = 3;
    single.PILEX[1] = 3.9f;
    PileGroupProperties(single);
    EXPECT_EQ(single.Ipile, 0.0f);
    EXPECT_EQ(FaultCause(single), "all piles in one row: the pile group cannot resist overturning by axial loads");
}
