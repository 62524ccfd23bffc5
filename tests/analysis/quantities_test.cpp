// Quantities where no example reaches them: concrete volumes of the current
// geometry, bar lengths at the size limits, counts with halves to even, bars
// that merge or are left out, the pile cap's longitudinal layer and side walls
// at the short/long limit.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "analysis/sections.h"
#include "analysis/stability.h"
#include "model/numtext.h"
#include "sample_projects.h"

namespace qelvorn {
namespace {

using testing::AddSideWalls;
using testing::ReportLines;
using testing::SamplePileProject;
using testing::SampleSpreadProject;

struct BarRow {
    std::string mark, area, length, number, weight, description;
};

struct Quantities {
    std::vector<BarRow> rows;
    std::string totalNumber, abutment, footing;  // texts as written
};

// Writes the quantities and reads back the volumes, the bar list (a row per
// line that starts with a bar mark and an area) and the total count.
Quantities Write(Project& p) {
    Report r;
    WriteQuantities(p, r);
    Quantities q;
    for (const std::string& line : ReportLines(r.contents())) {
        std::istringstream in(line);
        BarRow b;
        in >> b.mark;
        if (b.mark == "Abutment") in >> q.abutment;
        else if (b.mark == "Footing") in >> q.footing;
        else if (b.mark == "Total") in >> b.area >> q.totalNumber;  // "=" first
        else if (b.mark.starts_with("As") && in >> b.area >> b.length >> b.number >> b.weight &&
                 std::isdigit(static_cast<unsigned char>(b.area[0]))) {
            std::getline(in >> std::ws, b.description);
            q.rows.push_back(b);
        }
    }
    return q;
}

std::vector<BarRow> RowsOf(const Quantities& q, const std::string& mark) {
    std::vector<BarRow> out;
    for (const BarRow& b : q.rows)
        if (b.mark == mark) out.push_back(b);
    return out;
}

std::string Len(float v) { return FormatNumber(v, "0.0"); }

// Diameter of a round bar of area A.
float Diameter(float A) { return 2.0f * std::sqrt(A / 3.1416f); }

// Spread footing in English units, no haunch, no side walls.
Project EnglishSpread() {
    Project p = SamplePileProject();
    p.FootingType = "spread";
    p.WallType = "nohaunch";
    p.Lw = 120;
    return p;
}

TEST(QuantitiesBars, CountsRoundHalfToEvenBeforeAddingOne) {
    Project p = EnglishSpread();
    p.SAsb = 12;
    p.Lw = 126;  // 10.5 spaces
    EXPECT_EQ(RowsOf(Write(p), "Asb").at(0).number, "11");
    p.Lw = 138;  // 11.5 spaces
    EXPECT_EQ(RowsOf(Write(p), "Asb").at(0).number, "13");
    // Two layers of longitudinal T&S bars over the back wall height.
    p.Hb = 66;  // 5.5 spaces -> 6 + 1 bars per face
    EXPECT_EQ(RowsOf(Write(p), "AsTSb").at(1).number, "14");
}

TEST(QuantitiesBars, DevelopmentLengthsBySizeInBothUnits) {
    // Back wall bars are embedded le into the stem, the vertical T&S bars ld:
    // below 1.0 in / 25 mm ld 40 db and le 52 db, from the limit on 50 and
    // 65 db. A computed diameter of exactly 1 in (0.7854 in^2) or 25 mm
    // (490.875 mm^2) is not below the limit.
    const struct { bool metric; float area, ld, le; } cases[] = {
        {false, 0.60f, 40, 52},  {false, 0.785f, 40, 52},  {false, 0.7854f, 50, 65}, {false, 1.00f, 50, 65},
        {true, 387.0f, 40, 52},  {true, 490.87f, 40, 52},  {true, 490.875f, 50, 65}, {true, 510.0f, 50, 65}};
    for (const auto& c : cases) {
        Project p = c.metric ? SampleSpreadProject() : EnglishSpread();
        p.Asb = p.AsTSb = c.area;
        const Quantities q = Write(p);
        const float db = Diameter(c.area);
        EXPECT_EQ(RowsOf(q, "Asb").at(0).length, Len(p.Hb - p.CAsw + c.le * db)) << c.area;
        EXPECT_EQ(RowsOf(q, "AsTSb").at(0).length, Len(p.Hb - p.CAsw + c.ld * db)) << c.area;
    }
}

TEST(QuantitiesBars, EqualToeAndHeelBarsRunTheFullWidth) {
    Project p = EnglishSpread();
    p.Asw = 0.79f;
    p.Asfbt = p.Asfbh = 0.60f;
    p.SAsw = p.SAsfbt = p.SAsfbh = 12;
    const Quantities q = Write(p);
    const BarRow toe = RowsOf(q, "Asfbt").at(0);
    EXPECT_TRUE(toe.length == "0.0" && toe.number == "0" && toe.weight == "0.0");
    EXPECT_EQ(RowsOf(q, "Asfbh").at(0).length, Len(p.Wf - 2.0f * p.CAsft));
    // The stem bars end in a hook beyond the vertical leg: 0.79 in^2 gives a
    // computed diameter of 1.003 in, so the large-bar 18 db.
    const float db = Diameter(0.79f);
    const float H = p.Hw - p.Hb;
    EXPECT_EQ(RowsOf(q, "Asw").at(0).length, Len(p.Tf + H - p.CAsw - p.CAsfb - db / 2.0f + 18.0f * db));
    p.Asw = 0.60f;  // db 0.874 in: 16 db
    const float d6 = Diameter(0.60f);
    EXPECT_EQ(RowsOf(Write(p), "Asw").at(0).length, Len(p.Tf + H - p.CAsw - p.CAsfb - d6 / 2.0f + 16.0f * d6));
}

// The pile cap lists one longitudinal layer: AsLf unless the T&S bars give
// at least the same area per unit width.
TEST(QuantitiesBars, PileCapListsTheLongitudinalLayerOnce) {
    Project p = SamplePileProject();
    p.AsLf = 0.60f; p.SAsLf = 12;
    p.AsTSf = 0.31f; p.SAsTSf = 12;
    Quantities q = Write(p);
    ASSERT_EQ(RowsOf(q, "AsLf").size(), 1u);
    EXPECT_TRUE(RowsOf(q, "AsTSf").empty());
    EXPECT_EQ(RowsOf(q, "AsLf").at(0).number, "28");  // 2 x (156/12 + 1)
    EXPECT_EQ(RowsOf(q, "AsLf").at(0).length, Len(p.Lf - 2.0f * p.CAsft));
    p.AsTSf = 0.30f; p.SAsTSf = 6;  // same area per unit width
    q = Write(p);
    EXPECT_TRUE(RowsOf(q, "AsLf").empty());
    ASSERT_EQ(RowsOf(q, "AsTSf").size(), 1u);
    EXPECT_EQ(RowsOf(q, "AsTSf").at(0).number, "54");  // 2 x (26 + 1)
    p.SAsTSf = 0;  // no T&S bars given
    EXPECT_EQ(RowsOf(Write(p), "AsLf").size(), 1u);
    p.AsLf = 0;  // no longitudinal bars: the T&S bars are listed
    p.SAsTSf = 6;
    EXPECT_EQ(RowsOf(Write(p), "AsTSf").size(), 1u);
}

TEST(QuantitiesBars, ZeroAreaOrSpacingWritesNoRowAndAddsNothing) {
    Project p = EnglishSpread();
    const Quantities all = Write(p);
    const std::vector<BarRow> tsb = RowsOf(all, "AsTSb");
    ASSERT_EQ(tsb.size(), 2u);
    const int tsbBars = std::stoi(tsb[0].number) + std::stoi(tsb[1].number);
    for (const auto& [area, spacing] : {std::pair{0.0f, 12.0f}, std::pair{0.31f, 0.0f}}) {
        p.AsTSb = area;
        p.SAsTSb = spacing;
        const Quantities q = Write(p);
        EXPECT_TRUE(RowsOf(q, "AsTSb").empty());
        EXPECT_EQ(std::stoi(q.totalNumber), std::stoi(all.totalNumber) - tsbBars);
    }
    // Totals are the sums of the rows.
    int n = 0;
    for (const BarRow& b : all.rows) n += std::stoi(b.number);
    EXPECT_EQ(std::stoi(all.totalNumber), n);
}

TEST(QuantitiesConcrete, VolumesOfTheCurrentGeometryWithOrWithoutStability) {
    Project p = SamplePileProject();
    AddSideWalls(p);
    // Footing 156 x 480 x 42 in^3 = 67.4 yd^3.
    p.Volw = 9.9e9f; p.Volf = 0;  // stale values of an earlier run
    const Quantities off = Write(p);
    EXPECT_EQ(off.footing, "67.4");
    Report r;
    Stability(p, r);
    const Quantities on = Write(p);
    EXPECT_EQ(on.abutment, off.abutment);
    EXPECT_EQ(on.footing, off.footing);
    EXPECT_EQ(on.abutment, FormatNumber(p.Volw * p.VolumeFactor, "0.0"));
    EXPECT_EQ(on.footing, FormatNumber(p.Volf * p.VolumeFactor, "0.0"));
}

TEST(QuantitiesBars, LongSideWallWithOneBarPlacesItAtTheFirstPosition) {
    Project p = EnglishSpread();
    AddSideWalls(p);
    p.SAsws = 600;  // 240/600 rounds to no spaces: a single bar
    p.AsTSws = 0;
    const std::vector<BarRow> h = RowsOf(Write(p), "Asws");
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].description, "@ y = 2.4");  // 2 + 0.748/2
}

}  // namespace
}  // namespace qelvorn
