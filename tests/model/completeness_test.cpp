// The input completeness check: its flag and the exact message text.
#include <gtest/gtest.h>

#include <string>

#include "model/defaults.h"

namespace qelvorn {
namespace {

const std::string kHead = "The following information is not complete:\r\r";

// A new pile-footing project with every essential value given.
Project CompleteProject() {
    Project p;
    ResetProject(p);
    p.Hw = 240;
    p.Lw = 480;
    p.Tw = 36;
    p.Wf = 144;
    p.Lf = 480;
    p.Tf = 36;
    p.PileP = 100000;
    p.ResizePileRows(2);
    p.PILEX[1] = 18;
    p.PILEN[1] = 8;
    p.PILEX[2] = 126;
    p.PILEN[2] = 8;
    p.Pdc = 200000;
    p.Asw = 1.0f;
    p.SAsw = 12;
    p.Asft = 0.6f;
    p.SAsft = 12;
    p.Asfbt = 1.0f;
    p.SAsfbt = 12;
    return p;
}

TEST(CheckInput, CompleteProjectListsNothing) {
    Project p = CompleteProject();
    p.InputComplete = kFalse;
    EXPECT_EQ(CheckInput(p), kHead);
    EXPECT_EQ(p.InputComplete, kTrue);
}

TEST(CheckInput, MissingLoadsAreListedButOnlyPropertiesStopTheRun) {
    Project p = CompleteProject();
    p.Pdc = 0;
    p.Pdv = 0;
    p.Kep = 0;  // not tested when there are no bridge loads: listed once
    EXPECT_EQ(CheckInput(p), kHead + "Loads\r");
    EXPECT_EQ(p.InputComplete, kTrue);

    for (float Project::*field : {&Project::fc, &Project::fs, &Project::ExpFactor, &Project::rhoc}) {
        p = CompleteProject();
        p.*field = 0;
        p.rhos = 0;
        EXPECT_EQ(CheckInput(p), kHead + "Properties\rLoads\r");
        EXPECT_EQ(p.InputComplete, kFalse);
    }
}

TEST(CheckInput, RepeatedItemsPerRow) {
    Project p = CompleteProject();
    p.ResizePileRows(3);
    p.PILEX[1] = 18;
    p.PILEN[1] = 8;
    p.PILEX[2] = 90;  // no piles in rows 2 and 3
    p.ResizeLoadCombinations(3);
    EXPECT_EQ(CheckInput(p), kHead + "Pile configuration\rPile configuration\r"
                                     "Load combinations\rLoad combinations\rLoad combinations\r");
    EXPECT_EQ(p.InputComplete, kFalse);

    // No rows and no combinations at all: each listed once.
    p.NROWS = 0;
    p.NLC = 0;
    EXPECT_EQ(CheckInput(p), kHead + "Pile configuration\rLoad combinations\r");
    p.NROWS = -2;  // a negative count is no better than none
    EXPECT_EQ(CheckInput(p), kHead + "Pile configuration\rLoad combinations\r");
}

TEST(CheckInput, PileHeadDecidesOnPileMomentData) {
    Project p = CompleteProject();
    p.PileHead = "pin";
    EXPECT_EQ(CheckInput(p), kHead);
    p.PileHead = "fix";
    EXPECT_EQ(CheckInput(p), kHead + "Pile P-M data\r");
    EXPECT_EQ(p.InputComplete, kFalse);
    p.pile3v = 20000;
    EXPECT_EQ(CheckInput(p), kHead);

    p.PileP = 0;
    p.PilePu = 0;
    EXPECT_EQ(CheckInput(p), kHead + "Pile capacities\r");
    p.PilePu = 150000;
    EXPECT_EQ(CheckInput(p), kHead);
}

TEST(CheckInput, SpreadFootingSkipsThePileItems) {
    Project p = CompleteProject();
    p.FootingType = "spread";
    p.NROWS = 0;
    p.PileP = 0;
    p.PileHead = "fix";
    // The defaults give Xr and Xru but no bearing capacity.
    EXPECT_EQ(CheckInput(p), kHead + "Spread footing capacities\r");
    p.Qu = 0.05f;
    EXPECT_EQ(CheckInput(p), kHead);
}

TEST(CheckInput, SideWallItemsOnlyWithSideWallOutput) {
    Project p = CompleteProject();
    p.Ls = 120;  // no thickness, no reinforcing
    p.chko3 = kFalse;
    EXPECT_EQ(CheckInput(p), kHead);
    p.chko3 = kTrue;
    EXPECT_EQ(CheckInput(p), kHead + "Side wall configuration\rSide wall reinforcing\r");
    EXPECT_EQ(p.InputComplete, kFalse);
    p.Tst = 12;
    p.Tsb = 18;
    p.Asws = 0.44f;
    EXPECT_EQ(CheckInput(p), kHead + "Side wall reinforcing\r");
}

TEST(CheckInput, EveryItemInItsOrder) {
    // A new project with side walls switched on misses everything but the
    // properties; a fixed head asks for its pile data too.
    Project p;
    ResetProject(p);
    p.PileHead = "fix";
    p.Ls = 60;
    p.chko3 = kTrue;
    p.ResizeLoadCombinations(1);
    EXPECT_EQ(CheckInput(p), kHead +
                                 "Pile capacities\r"
                                 "Pile P-M data\r"
                                 "Abutment configuration\r"
                                 "Pile configuration\r"
                                 "Loads\r"
                                 "Load combinations\r"
                                 "Abutment reinforcing\r"
                                 "Side wall configuration\r"
                                 "Side wall reinforcing\r");
    EXPECT_EQ(p.InputComplete, kFalse);
}

}  // namespace
}  // namespace qelvorn
