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
    p.Hw = 240, p.Lw = 480, p.Tw = 36, p.Wf = 144, p.Lf = 480, p.Tf = 36;
    p.PileP = 100000;
    p.ResizePileRows(2);
    p.PILEX = {0, 18, 126};
    p.PILEN = {0, 8, 8};
    p.Pdc = 200000;
    p.Asw = 1.0f, p.SAsw = 12, p.Asft = 0.6f, p.SAsft = 12, p.Asfbt = 1.0f, p.SAsfbt = 12;
    return p;
}

TEST(CheckInput, MissingLoadsAreListedButOnlyPropertiesStopTheRun) {
    Project p = CompleteProject();
    p.InputComplete = kFalse;
    EXPECT_EQ(CheckInput(p), kHead);
    EXPECT_EQ(p.InputComplete, kTrue);

    p.Pdc = 0;
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
    p.PILEN[1] = 8;  // no piles in rows 2 and 3
    p.ResizeLoadCombinations(3);
    EXPECT_EQ(CheckInput(p), kHead + "Pile configuration\rPile configuration\r"
                                     "Load combinations\rLoad combinations\rLoad combinations\r");
    EXPECT_EQ(p.InputComplete, kFalse);
    // No rows and no combinations at all, or a negative count: each listed once.
    p.NROWS = -2;
    p.NLC = 0;
    EXPECT_EQ(CheckInput(p), kHead + "Pile configuration\rLoad combinations\r");
}

// Option keywords are compared exactly, and a pile row needs at least one
// pile and no more battered piles than piles; each fault stops the run.
TEST(CheckInput, UnknownOptionKeywordsAndImpossiblePileRows) {
    const struct {
        void (*spoil)(Project&);
        std::string items;
    } cases[] = {
        {[](Project& p) { p.Units = "furlongs"; }, "Options (Units \"furlongs\")\r"},
        {[](Project& p) { p.Criteria = " aashto"; p.WallType = "Haunch"; },
         "Options (WallType \"Haunch\")\rOptions (Criteria \" aashto\")\r"},
        {[](Project& p) { p.ConcreteDesign = "both "; }, "Options (ConcreteDesign \"both \")\r"},
        {[](Project& p) { p.FootingType = "raft"; }, "Options (FootingType \"raft\")\rSpread footing capacities\r"},
        {[](Project& p) { p.PileHead = "pinned"; }, "Options (PileHead \"pinned\")\r"},
        {[](Project& p) { p.PILEN[1] = -8; }, "Pile configuration\r"},
        {[](Project& p) { p.PILENB[1] = -1; p.PILENB[2] = 9; }, "Pile configuration\rPile configuration\r"},
        {[](Project& p) { p.PILENB[1] = 8; }, ""},  // every pile battered
        {[](Project& p) {  // pile heads do not matter to a spread footing
             p.FootingType = "spread", p.Q = 1, p.Xr = 0.3f, p.PileHead = "";
         }, ""},
    };
    for (const auto& c : cases) {
        Project p = CompleteProject();
        c.spoil(p);
        EXPECT_EQ(CheckInput(p), kHead + c.items);
        EXPECT_EQ(p.InputComplete, c.items.empty() ? kTrue : kFalse) << c.items;
    }
}

TEST(CheckInput, PileHeadAndFootingTypeDecideOnTheFootingItems) {
    Project p = CompleteProject();
    p.PileHead = "fix";
    EXPECT_EQ(CheckInput(p), kHead + "Pile P-M data\r");
    EXPECT_EQ(p.InputComplete, kFalse);
    p.pile3v = 20000;
    p.PileP = 0;
    p.PilePu = 0;
    EXPECT_EQ(CheckInput(p), kHead + "Pile capacities\r");
    p.PilePu = 150000;
    EXPECT_EQ(CheckInput(p), kHead);

    p = CompleteProject();
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
    Project p;
    ResetProject(p);
    p.PileHead = "fix";
    p.Ls = 60;
    p.chko3 = kTrue;
    p.ResizeLoadCombinations(1);
    EXPECT_EQ(CheckInput(p), kHead +
                                 "Pile capacities\rPile P-M data\rAbutment configuration\rPile configuration\r"
                                 "Loads\rLoad combinations\rAbutment reinforcing\rSide wall configuration\r"
                                 "Side wall reinforcing\r");
    EXPECT_EQ(p.InputComplete, kFalse);
}

}  // namespace
}  // namespace qelvorn
