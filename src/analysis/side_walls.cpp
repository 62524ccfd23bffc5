// Side wall design: horizontal bending of a strip of unit height of each
// side wall, cantilevered from the back wall.
#include "analysis/side_walls.h"

#include <cmath>
#include <string>

#include "analysis/checks.h"
#include "analysis/fault_causes.h"
#include "analysis/sections.h"

namespace qelvorn {

float PressureAtDepth(const Project& p, Report& r, float K, float H, float z, float Y, const char* message) {
    float q = 0;
    if (!LateralPressureAtDepth(p.rhos, K, H, Y, z, q)) r.message(message);
    return q;
}

float SideWallHeelLength(const Project& p) { return p.Wf - p.Dt - p.Ts - p.Tb; }

bool IsShortSideWall(const Project& p) {
    const float Lh = SideWallHeelLength(p);
    // Without a heel nothing of the side wall stands on the footing: the
    // wall is a long wall over its whole length (and the ratio Ls / Lh
    // does not exist).
    if (Lh == 0.0f) return false;
    return std::fabs(p.Ls / Lh) < 1.1f;
}

WallSectionLoads ShortSideWallLoads(const Project& p, Report& r, float z) {
    // Pressure intensities at the depth of the strip.
    float qep = 0, qeq = 0, qcp = 0;
    if (p.Kep != 0.0f) qep = PressureAtDepth(p, r, p.Kep, p.Hw, z, p.Yep, kEarthRatioMessage);
    // One resultant-location message serves the earth and the earthquake pressure.
    if (p.Keq != 0.0f) qeq = PressureAtDepth(p, r, p.Keq, p.Hw, z, p.Yeq, kEarthRatioMessage);
    // Compaction pressure falls linearly from Qcp at the top to 0 at Hcp.
    if (z < p.Hcp) qcp = p.Qcp * (1.0f - z / p.Hcp);
    const float qsc = p.Qsc * p.Kep;

    // A uniform pressure q over the cantilever length Ls: shear q Ls at the
    // back wall, moment q Ls^2 / 2.
    const float L = p.Ls;
    WallSectionLoads loads;
    loads.Vcp = qcp * L;
    loads.Mcp = qcp * (L * L) / 2.0f;
    loads.Vep = qep * L;
    loads.Mep = qep * (L * L) / 2.0f;
    loads.Vsc = qsc * L;
    loads.Msc = qsc * (L * L) / 2.0f;
    loads.Veq = qeq * L;
    loads.Meq = qeq * (L * L) / 2.0f;
    return loads;
}

WallSectionLoads LongSideWallLoads(const Project& p) {
    const float Lh = SideWallHeelLength(p);
    const float w = p.Ls / 10.0f;
    WallSectionLoads s;
    for (int j = 0; j < 10; ++j) {
        // Strip centre measured from the back wall, from the free end inwards.
        const float x = p.Ls - static_cast<float>(2 * j + 1) * w / 2.0f;
        // Full height over the footing; beyond it the top slopes down to Hs
        // at the free end.
        float h = p.Hw;
        if (x > Lh) h = (p.Hw - p.Hs) * (p.Ls - x) / (p.Ls - Lh) + p.Hs;

        // Horizontal forces on the strip per unit length of wall.
        const float Fep = p.Kep * p.rhos * (h * h) / 2.0f;
        const float Feq = p.Keq * p.rhos * (h * h) / 2.0f;
        float Fcp = 0;
        if (p.Hcp <= h) {
            Fcp = p.Qcp * p.Hcp / 2.0f;
        } else {
            const float q1 = (p.Hcp - h) * p.Qcp / p.Hcp;
            Fcp = q1 * h + (p.Qcp - q1) * h / 2.0f;
        }
        const float Fsc = p.Kep * p.Qsc * h;

        s.Vep += Fep * w;
        s.Mep += Fep * w * x;
        s.Veq += Feq * w;
        s.Meq += Feq * w * x;
        s.Vcp += Fcp * w;
        s.Mcp += Fcp * w * x;
        s.Vsc += Fsc * w;
        s.Msc += Fsc * w * x;
    }
    // Average per unit height of the wall.
    const float H = p.Hw;
    s.Vcp /= H;
    s.Mcp /= H;
    s.Vep /= H;
    s.Mep /= H;
    s.Vsc /= H;
    s.Msc /= H;
    s.Veq /= H;
    s.Meq /= H;
    return s;
}

namespace {

void DashBlock(Report& r, const char* spacedTitle, const char* name) {
    r.setWhere(0, name);
    const std::string rule(65, '-');
    r.blank();
    r.spc(5).text(rule).endl();
    r.spc(5).text(spacedTitle).endl();
    r.spc(5).text(rule).endl();
}

}  // namespace

void DesignSideWalls(Project& p, Report& r) {
    r.beginSection("SIDE WALLS");
    r.blank();
    r.spc(5).text(Report::Spaced("SIDE WALLS")).endl();
    r.spc(5).text(std::string(65, '=')).endl();

    const float ta = (p.Tst + p.Tsb) / 2.0f;
    const float da = ta - p.CAsw - std::sqrt(p.Asws / 3.1416f);
    const float db = p.Tsb - p.CAsw - std::sqrt(p.Aswsb / 3.1416f);
    const bool shortWall = IsShortSideWall(p);

    WallSectionLoads loads;
    if (shortWall) DashBlock(r, "W A L L   M I D - H E I G H T", "WALL MID-HEIGHT");
    StepCause(r, p.Hw == 0.0f, "zero wall height");
    loads = shortWall ? ShortSideWallLoads(p, r, p.Hw / 2.0f) : LongSideWallLoads(p);
    r.blank();
    r.spc(5).text("UNFACTORED LOADS:").endl();
    EndOfStep(r);
    DesignWallSection(p, r, loads, p.Asws, p.SAsws, ta, da, "side wall");
    r.setCause("");
    CheckTemperatureShrinkage(p, r, ta, p.AsTSws, p.SAsTSws, p.Hw);

    if (!shortWall) return;
    DashBlock(r, "W A L L   B O T T O M", "WALL BOTTOM");
    r.blank();
    r.spc(5).text("UNFACTORED LOADS:").endl();
    const WallSectionLoads bottom = ShortSideWallLoads(p, r, p.Hw);
    EndOfStep(r);
    DesignWallSection(p, r, bottom, p.Aswsb, p.SAswsb, p.Tsb, db, "side wall bottom");
    r.setCause("");
}

}  // namespace qelvorn
