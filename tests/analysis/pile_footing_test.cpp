#include "analysis/pile_footing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/sections.h"
#include "model/defaults.h"

using namespace qelvorn;

namespace {

constexpr float kTan14 = 0.25f;  // tan(14.0362 deg)

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
    for (auto* t : {&p.PileVert, &p.PileLat, &p.PileMom}) t->resize(p.NROWS, 6, p.NLC);
    for (auto* t : {&p.Ppass, &p.Hbatter, &p.Vtoe, &p.Mtoe, &p.Vheel, &p.Mheel}) t->resize(6, p.NLC);
}

// The same cap unloaded, 30 in thick with a 4 ft toe, no soil on the toe
// and no passive soil: each case below sets its rows and loads.
Project Cap() {
    Project p = TwoRowProject();
    p.Tf = 30; p.Ht = 0; p.Dt = 48;
    p.Kp = p.Kpu = p.Kpeq = 0;
    p.PileP = p.PileT = p.PileV = p.PilePu = p.PilePeq = p.PileTu = p.PileTeq = p.PileVu = p.PileVeq = 0;
    for (auto* f : {&p.Fdasls, &p.Fdesls, &p.Fdamax, &p.Fdemax, &p.Fdamin, &p.Fdemin}) (*f)[1] = 0;
    for (auto* x : {&p.Xsls, &p.Xuls1, &p.Xuls2, &p.Xuls3, &p.Xuls4, &p.Xuls2st}) x->assign(2, 0.0f);
    for (auto* v : {&p.Vsls, &p.Vmax, &p.Vmin, &p.Vminst, &p.Hsls, &p.Hmax, &p.Hmin}) (*v)[1] = 0;
    return p;
}

// Rows of {count, distance from the toe}, 6 ft apart at most.
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

TEST_F(PileFooting, TwoRowGroupPropertiesAndPinnedPileLoads) {
    Project p = TwoRowProject();
    p.PILENB[1] = 4;
    p.PILEB[1] = 14.0362f;
    PileGroupProperties(p);
    // Centroid midway between the rows; each pile 36 in from it.
    EXPECT_FLOAT_EQ(p.Npiles, 8.0f);
    EXPECT_FLOAT_EQ(p.Xcg, 60.0f);
    EXPECT_FLOAT_EQ(p.Ipile, 8.0f * 36.0f * 36.0f);
    SizeTables(p);
    Report r;
    // SLS: V = 800 kip at 48 in, e = 12 in towards the toe:
    // 800000/8 +- 36 * 12 * 800000 / 10368.
    PileLoads(p, r, 1, 5, "SLS", 300000, 800000, 48);
    EXPECT_NEAR(p.PileVert(1, 5, 1), 133333.3f, 0.5f);
    EXPECT_NEAR(p.PileVert(2, 5, 1), 66666.7f, 0.5f);
    // Passive 2 x 240 x 120/1728 x 60^2 / 2 = 60000 lb; battered row
    // 4 x 133333 x 0.25 = 133333 lb; the rest shared by the eight piles.
    EXPECT_NEAR(p.Ppass(5, 1), 60000.0f, 0.5f);
    EXPECT_NEAR(p.Hbatter(5, 1), 4.0f * 133333.3f * kTan14, 10.0f);
    const float lateral = (300000.0f - 60000.0f - p.Hbatter(5, 1)) / 8.0f;
    EXPECT_NEAR(p.PileLat(1, 5, 1), lateral, 0.5f);
    EXPECT_NEAR(p.PileLat(2, 5, 1), lateral, 0.5f);
    EXPECT_EQ(p.PileMom(1, 5, 1), 0.0f);
    // Concentric load below the passive resistance: V / Npiles per pile, no
    // pile shear.
    PileLoads(p, r, 1, 5, "SLS", 50000, 800000, 60);
    EXPECT_EQ(p.PileLat(1, 5, 1), 0.0f);
    EXPECT_FLOAT_EQ(p.PileVert(2, 5, 1), 100000.0f);
    EXPECT_TRUE(Has(r.allText(), "          1        SLS        1        100.0     0.0       0.0\r\n")) << r.allText();
}

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

TEST_F(PileFooting, FixedHeadsAddTheHeadMomentsToTheOverturning) {
    Project p = TwoRowProject();
    p.PileHead = "fix";
    p.pile1v = 10000; p.pile1m = 120000;
    p.pile2v = 20000; p.pile2m = 180000;
    p.pile3v = 40000; p.pile3m = 240000;
    PileGroupProperties(p);
    SizeTables(p);
    Report r;
    // h = (300000 - 60000) / 8 = 30000 lb: m = 180000 + 10000 x 60000/20000.
    PileLoads(p, r, 1, 5, "SLS", 300000, 800000, 60);
    EXPECT_FLOAT_EQ(p.PileLat(1, 5, 1), 30000.0f);
    EXPECT_FLOAT_EQ(p.PileMom(2, 5, 1), 210000.0f);
    EXPECT_EQ(p.Hbatter(5, 1), 0.0f);
    // No eccentricity: only the head moments 8 x 210000 overturn the group.
    EXPECT_NEAR(p.PileVert(1, 5, 1), 100000.0f + 36.0f * 8.0f * 210000.0f / 10368.0f, 0.5f);
    EXPECT_NEAR(p.PileVert(2, 5, 1), 100000.0f - 36.0f * 8.0f * 210000.0f / 10368.0f, 0.5f);
    EXPECT_NE(r.allText().find("17.5\r\n"), std::string::npos);  // 210000 lb-in in k-ft
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
    p.PileVert(1, 5, 1) = 100000;  // 1000 lb/in of footing
    p.PileVert(2, 5, 1) = 50000;   // 500 lb/in
    return p;
}

TEST_F(PileFooting, PileCapShearSectionsAndStraddlingStrips) {
    Project p = CapProject();
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
    p.PileVert(1, 5, 1) = p.PileVert(2, 5, 1) = 1000;
    PileCapLoads(p, r, 1, 5, 2, 3);
    EXPECT_LT(p.Mtoe(5, 1), 0.0f);
    EXPECT_NEAR(p.Vtoe(5, 1), -2.0f * 48.0f + 10.0f, 0.01f);
    EXPECT_NEAR(p.Vheel(5, 1), -3.0f * 48.0f + 10.0f, 0.01f);
    // A toe shorter than its 30 in effective depth carries no shear; a stem
    // reaching the heel edge leaves no heel loads at all.
    p = CapProject();
    p.Dt = 20; p.Wf = 60; p.Tw = 40;
    p.PILEX[1] = 10; p.PILEX[2] = 50;
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

TEST_F(PileFooting, ServiceAxialLinesByHand) {
    // Governing SLS compression 133333 lb on the battered row, along the
    // pile 133333 / cos(14.04 deg) = 137437 lb; no ULS lines under AASHTO.
    Project p = TwoRowProject();
    p.PILENB[1] = 4; p.PILEB[1] = 14.0362f;
    p.Vmax[1] = p.Vmin[1] = 0;
    std::string out = RunSection(p);
    EXPECT_TRUE(Has(out, "               SLS Compression (Comb 1)     = 137.4   < 200.0 OKAY\r\n")) << out;
    EXPECT_FALSE(Has(out, "ULS Compression"));
    // Far towards the toe the heel row pulls: shown with its sign, compared
    // by its size. 100000 - 36 x 50 x 800000 / 10368 = -38889 lb.
    p = TwoRowProject();
    p.Xsls[1] = 10; p.Vmax[1] = p.Vmin[1] = 0; p.Hsls[1] = 0;
    out = RunSection(p);
    EXPECT_TRUE(Has(out, "               SLS Tension (Comb 1)         = -38.9   < 50.0 OKAY\r\n")) << out;
}

TEST_F(PileFooting, S6ShowsCase2StarInPileLoadsButNotInFootingLoads) {
    Project p = TwoRowProject();
    p.Criteria = "s6";
    const std::string out = RunSection(p);
    EXPECT_TRUE(Has(out, "ULS 2*"));
    EXPECT_NE(p.PileVert(1, 6, 1), 0.0f);
    EXPECT_EQ(p.Mtoe(6, 1), 0.0f);
    EXPECT_NE(p.Mtoe(2, 1), 0.0f);
    ASSERT_TRUE(Has(out, "FOOTING LOADS:"));
    EXPECT_FALSE(Has(out.substr(out.find("FOOTING LOADS:")), "2*"));
}

// The combination carries an earthquake pressure: its lines move to the EQ
// classes, the ultimate cases use the earthquake passive coefficient and
// the earthquake shear capacity, and the ULS lateral rows show a status
// under AASHTO.
TEST_F(PileFooting, EarthquakeCombinationUsesTheEarthquakeClasses) {
    Project p = TwoRowProject();
    p.Peq = 5000;
    p.Feqmax[1] = p.Feqsls[1] = 1;
    const std::string out = RunSection(p);
    // SLS: 133.3 kip on the toe row; (300 - 60) / 8 = 30 kip per pile.
    EXPECT_TRUE(Has(out, "               SLS EQ Compression (Comb 1)  = 133.3   < 200.0 OKAY\r\n")) << out;
    EXPECT_TRUE(Has(out, "               SLS EQ Shear (Comb 1)        = 30.0    > 20.0 NO GOOD ***\r\n"));
    // ULS 1: 1000/8 + 36 x 12 x 1000 / 10368 = 166.7 kip; passive with
    // Kpeq 1 x 30000 lb, (350 - 30) / 8 = 40 kip per pile.
    EXPECT_TRUE(Has(out, "               ULS EQ Compression (Comb 1)  = 166.7   < 300.0 OKAY\r\n"));
    EXPECT_TRUE(Has(out, "               ULS EQ Shear (Comb 1)        = 40.0    > 30.0 NO GOOD ***\r\n"));
    // Lateral: 30 + 8 x 30 = 270 kip against 350 (cases 1, 2) and 250 kip.
    EXPECT_TRUE(Has(out, "                   ULS   1   350.0     270.0     NO GOOD ***\r\n"));
    EXPECT_TRUE(Has(out, "                   ULS   3   250.0     270.0     OKAY\r\n"));
}

// AASHTO LRFD, pinned heads: the ordinary ULS lines are printed, no pile
// head moments; an earthquake factor without an earthquake pressure leaves
// the combination an ordinary one (Kpu passive resistance, PileVu capacity,
// no EQ lines).
TEST_F(PileFooting, LimitStatesCriteriaWithPinnedHeads) {
    Project p = TwoRowProject();
    p.Criteria = "lrfd";
    p.Feqmax[1] = 1;
    p.Peq = 0;
    const std::string out = RunSection(p);
    EXPECT_FALSE(Has(out, "Moment (Comb"));
    for (int k = 1; k <= 5; ++k) EXPECT_TRUE(p.PileMom(1, k, 1) == 0.0f && p.PileMom(2, k, 1) == 0.0f) << k;
    EXPECT_TRUE(Has(out, "               ULS Compression (Comb 1)     = 166.7   < 300.0 OKAY\r\n")) << out;
    // (350 - 90) / 8 = 32.5 kip per pile.
    EXPECT_TRUE(Has(out, "               ULS Shear (Comb 1)           = 32.5    > 30.0 NO GOOD ***\r\n"));
    EXPECT_FALSE(Has(out, "ULS EQ"));
    // 90 + 8 x 30 = 330 kip, with its status under the limit-states criteria.
    EXPECT_TRUE(Has(out, "                   ULS   1   350.0     330.0     NO GOOD ***\r\n"));
    EXPECT_TRUE(Has(out, "                   ULS   4   250.0     330.0     OKAY\r\n"));
}

TEST_F(PileFooting, ServiceLoadDesignUsesTheServiceLongitudinalCheck) {
    Project p = TwoRowProject();
    p.ConcreteDesign = "sld";
    p.Fdasls[1] = p.Fdesls[1] = 1;
    const std::string out = RunSection(p);
    EXPECT_FALSE(Has(out, "ULS 1"));
    EXPECT_TRUE(Has(out, "L O N G I T U D I N A L   R E I N F O R C E M E N T"));
    EXPECT_TRUE(Has(out, "     SLS CALCULATIONS FOR FOOTING TOE:\r\n")) << out;
    EXPECT_TRUE(Has(out, "     SLS CALCULATIONS FOR FOOTING HEEL:\r\n"));
    EXPECT_EQ(p.CombMs, 1);
    // Heel row (8 ft, tributary 36 + 24 in, 4 piles of 66667 lb over 240 in)
    // against the heel's own weight: the larger governs m = s^2 q / 10.
    const float pile = 4.0f * 66666.7f / (240.0f * 60.0f);
    const float down = 36.0f * 150.0f / 1728.0f;
    EXPECT_NEAR(p.Ms, 60.0f * 60.0f * std::max(pile, down) / 10.0f, 1.0f);
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
}

// Lines whose last printed digit depends on how the single-precision
// products are grouped: each hand-checked in exact arithmetic.

// The group inertia sums each row's count times its squared distance from
// the centroid. Rows 3 piles at 28 in, 1 at 60 in, 5 at 104 in: Xcg =
// 664/9 in, Ipile = 894528/81 in^2. V = 882 kip at 39 in, e = 313/9 in:
// row 1 carries 882000/9 + (412/9)(313/9)(882000)/(894528/81) = 225150.2 lb.
TEST_F(PileFooting, VerticalLoadUsesTheSquaredDistanceOfEachRow) {
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
TEST_F(PileFooting, ServiceLateralResistanceIsPilesTimesRaisedCapacity) {
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
TEST_F(PileFooting, LongitudinalToePressureOfTheCapWeight) {
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
TEST_F(PileFooting, ToeMomentOfTheDownwardPressureAlone) {
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
TEST_F(PileFooting, SingleRowStopsTheRunEvenWhenTheCentroidRoundsOff) {
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
