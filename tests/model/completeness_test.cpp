// The input completeness check: its flag and the exact message text.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/defaults.h"

namespace qelvorn {
namespace {

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

// Each case changes the complete project and names the items listed (one
// per line) and whether the run may still go ahead: only missing loads let it.
TEST(CheckInput, ItemsListedAndWhetherTheRunMayGoAhead) {
    const struct {
        const char* what;
        std::function<void(Project&)> change;
        std::string items;
        bool complete;
    } cases[] = {
        {"complete", [](Project&) {}, "", true},
        // Kep is not asked for without bridge loads: Loads listed once.
        {"no loads", [](Project& p) { p.Pdc = 0, p.Kep = 0; }, "Loads\r", true},
        {"no strength", [](Project& p) { p.fc = 0, p.rhos = 0; }, "Properties\rLoads\r", false},
        {"no steel", [](Project& p) { p.fs = 0, p.rhos = 0; }, "Properties\rLoads\r", false},
        {"no exposure", [](Project& p) { p.ExpFactor = 0, p.rhos = 0; }, "Properties\rLoads\r", false},
        {"no unit weight", [](Project& p) { p.rhoc = 0, p.rhos = 0; }, "Properties\rLoads\r", false},
        // One item per pile row without piles and per empty combination.
        {"empty rows",
         [](Project& p) {
             p.ResizePileRows(3), p.PILEX[1] = 18, p.PILEN[1] = 8;
             p.ResizeLoadCombinations(3);
         },
         "Pile configuration\rPile configuration\rLoad combinations\rLoad combinations\rLoad combinations\r", false},
        {"no rows, no combinations", [](Project& p) { p.NROWS = -2, p.NLC = 0; },
         "Pile configuration\rLoad combinations\r", false},
        {"fixed heads without curve", [](Project& p) { p.PileHead = "fix"; }, "Pile P-M data\r", false},
        {"fixed heads, no capacity",
         [](Project& p) { p.PileHead = "fix", p.pile3v = 20000, p.PileP = 0, p.PilePu = 0; }, "Pile capacities\r",
         false},
        {"fixed heads, ultimate capacity only",
         [](Project& p) { p.PileHead = "fix", p.pile3v = 20000, p.PileP = 0, p.PilePu = 150000; }, "", true},
        // The defaults give Xr and Xru but no bearing capacity.
        {"spread footing", [](Project& p) { p.FootingType = "spread", p.NROWS = 0, p.PileP = 0, p.PileHead = "fix"; },
         "Spread footing capacities\r", false},
        {"spread footing with ultimate capacity",
         [](Project& p) { p.FootingType = "spread", p.NROWS = 0, p.PileP = 0, p.PileHead = "fix", p.Qu = 0.05f; },
         "", true},
        {"side walls without their output", [](Project& p) { p.Ls = 120, p.chko3 = kFalse; }, "", true},
        {"side walls bare", [](Project& p) { p.Ls = 120, p.chko3 = kTrue; },
         "Side wall configuration\rSide wall reinforcing\r", false},
        {"side walls without bars",
         [](Project& p) { p.Ls = 120, p.chko3 = kTrue, p.Tst = 12, p.Tsb = 18, p.Asws = 0.44f; },
         "Side wall reinforcing\r", false},
        // Option keywords are compared exactly; a pile row needs at least one
        // pile and no more battered piles than piles.
        {"unknown units", [](Project& p) { p.Units = "furlongs"; }, "Options (Units \"furlongs\")\r", false},
        {"keywords with a blank or a capital", [](Project& p) { p.Criteria = " aashto", p.WallType = "Haunch"; },
         "Options (WallType \"Haunch\")\rOptions (Criteria \" aashto\")\r", false},
        {"design keyword", [](Project& p) { p.ConcreteDesign = "both "; }, "Options (ConcreteDesign \"both \")\r",
         false},
        {"footing keyword", [](Project& p) { p.FootingType = "raft"; },
         "Options (FootingType \"raft\")\rSpread footing capacities\r", false},
        {"pile head keyword", [](Project& p) { p.PileHead = "pinned"; }, "Options (PileHead \"pinned\")\r", false},
        {"negative pile count", [](Project& p) { p.PILEN[1] = -8; }, "Pile configuration\r", false},
        {"battered piles out of range", [](Project& p) { p.PILENB[1] = -1, p.PILENB[2] = 9; },
         "Pile configuration\rPile configuration\r", false},
        {"every pile battered", [](Project& p) { p.PILENB[1] = 8; }, "", true},
        {"spread footing, any pile head",
         [](Project& p) { p.FootingType = "spread", p.Q = 1, p.Xr = 0.3f, p.PileHead = ""; }, "", true},
        {"new project, every item in its order",
         [](Project& p) {
             ResetProject(p);
             p.PileHead = "fix", p.Ls = 60, p.chko3 = kTrue;
             p.ResizeLoadCombinations(1);
         },
         "Pile capacities\rPile P-M data\rAbutment configuration\rPile configuration\rLoads\rLoad combinations\r"
         "Abutment reinforcing\rSide wall configuration\rSide wall reinforcing\r",
         false},
    };
    for (const auto& c : cases) {
        Project p = CompleteProject();
        p.InputComplete = c.complete ? kFalse : kTrue;  // the check sets the flag either way
        c.change(p);
        EXPECT_EQ(CheckInput(p), "The following information is not complete:\r\r" + c.items) << c.what;
        EXPECT_EQ(p.InputComplete, c.complete ? kTrue : kFalse) << c.what;
    }
}

}  // namespace
}  // namespace qelvorn
