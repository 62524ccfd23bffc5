// Side walls: the short/long decision at its limit and without a heel, the
// loads of a short wall's two sections and of a tapered long wall by hand.
#include "analysis/side_walls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/sections.h"
#include "sample_projects.h"

namespace qelvorn {
namespace {

using testing::AddSideWalls;
using testing::SamplePileProject;

// Sample pile abutment: heel behind the back wall Lh = 156 - 48 - 30 - 18 =
// 60 in, wall height 240 in, with simple earth loads.
Project SideWallProject(float Ls) {
    Project p = SamplePileProject();
    AddSideWalls(p);
    p.Ls = Ls;
    p.rhos = 120.0f / 1728.0f;
    p.Kep = 0.3f; p.Yep = 0.33f;  // triangular
    p.Keq = p.Qcp = p.Hcp = p.Qsc = 0;
    return p;
}

struct Captured {
    Report r;
    std::vector<std::string> messages;
    Captured() {
        r.onMessage = [this](const std::string& text, const std::string&) { messages.push_back(text); };
    }
};

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

TEST(SideWallKind, ShortUpToTheHeelLengthLongFrom110Percent) {
    EXPECT_TRUE(IsShortSideWall(SideWallProject(60)));   // Ls = Lh: ratio 1
    EXPECT_TRUE(IsShortSideWall(SideWallProject(65)));
    EXPECT_FALSE(IsShortSideWall(SideWallProject(66)));  // Ls = 1.1 Lh
    // Without a heel the wall cannot stand on the footing: long, designed
    // without an arithmetic fault in one section straight after the title.
    Project p = SideWallProject(60);
    p.Wf = p.Dt + p.Ts + p.Tb;
    EXPECT_FALSE(IsShortSideWall(p));
    Captured d;
    ClearArithmeticFaults();
    DesignSideWalls(p, d.r);
    EXPECT_NO_THROW(d.r.checkFault());
    const std::string title = "\r\n     S I D E   W A L L S\r\n     " + std::string(65, '=') + "\r\n\r\n     ";
    EXPECT_EQ(d.r.contents().rfind(title + "UNFACTORED LOADS:\r\n", 0), 0u);
    EXPECT_FALSE(Contains(d.r.contents(), "W A L L   B O T T O M"));
}

TEST(SideWallLoads, ShortWallSectionsHandChecked) {
    Project p = SideWallProject(60);
    p.Qsc = 250.0f / 144.0f; p.Qcp = 200.0f / 144.0f; p.Keq = 0.1f; p.Yeq = 0.5f;
    p.Hcp = 180;  // between Hw/2 and Hw
    Captured c;
    const float L = 60, Hw = 240;
    const WallSectionLoads mid = ShortSideWallLoads(p, c.r, Hw / 2.0f);
    // Earth: triangle, gamma K z at mid-height over the 60 in cantilever.
    const float qep = p.rhos * 0.3f * 120.0f;
    EXPECT_FLOAT_EQ(mid.Vep, qep * L);
    EXPECT_FLOAT_EQ(mid.Mep, qep * L * L / 2.0f);
    // Earthquake, uniform: (gamma Keq Hw^2 / 2) / Hw.
    const float qeq = p.rhos * 0.1f * Hw / 2.0f;
    EXPECT_FLOAT_EQ(mid.Veq, qeq * L);
    EXPECT_FLOAT_EQ(mid.Meq, qeq * L * L / 2.0f);
    // Compaction: 1 - 120/180 of Qcp left at mid-height.
    EXPECT_FLOAT_EQ(mid.Vcp, p.Qcp / 3.0f * L);
    EXPECT_FLOAT_EQ(mid.Mcp, p.Qcp / 3.0f * L * L / 2.0f);
    // Surcharge: Kep Qsc at any depth.
    EXPECT_FLOAT_EQ(mid.Vsc, 0.3f * p.Qsc * L);
    const WallSectionLoads bottom = ShortSideWallLoads(p, c.r, Hw);
    EXPECT_TRUE(bottom.Vcp == 0.0f && bottom.Mcp == 0.0f);  // below the compaction depth
    EXPECT_FLOAT_EQ(bottom.Vep, 2.0f * mid.Vep);
    EXPECT_FLOAT_EQ(bottom.Veq, mid.Veq);
    EXPECT_TRUE(c.messages.empty());
    // A bad earthquake ratio gives the one resultant-location message of the
    // side walls, drops the earthquake pressure and leaves the earth
    // pressure alone.
    p.Yeq = 0.9f;
    const WallSectionLoads bad = ShortSideWallLoads(p, c.r, Hw);
    EXPECT_EQ(bad.Veq, 0.0f);
    EXPECT_FLOAT_EQ(bad.Vep, bottom.Vep);
    ASSERT_EQ(c.messages.size(), 1u);
    EXPECT_EQ(c.messages[0], "Error in lateral earth pressure resultant location");
}

TEST(SideWallLoads, TaperedLongWallHandChecked) {
    // Ls = 120 in against a 60 in heel, Hw 240 in, Hs 60 in: strips of
    // 12 in centred at x = 114, 102, ..., 6 in; beyond the heel the height
    // is 3 (120 - x) + 60: 78, 114, 150, 186, 222 in, then 240 in.
    Project p = SideWallProject(120);
    p.Hs = 60;
    const WallSectionLoads s = LongSideWallLoads(p);
    // Sum h^2 = 6084 + 12996 + 22500 + 34596 + 49284 + 5 x 57600 = 413460;
    // sum h^2 x = 18635400. V = K gamma w / (2 Hw) sum h^2 with
    // K gamma = 0.3 x 120/1728 = 0.0208333 and w / (2 Hw) = 12/480.
    const float c = 0.3f * 120.0f / 1728.0f * 12.0f / 480.0f;
    EXPECT_NEAR(s.Vep, c * 413460.0f, 0.01f);      // 215.34 lb/in = 2.584 kip/ft
    EXPECT_NEAR(s.Mep, c * 18635400.0f, 0.5f);     // 9706 lb-in/in = 9.706 k-ft/ft
}

}  // namespace
}  // namespace qelvorn
