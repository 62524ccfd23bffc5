// Results that the analysis sections of a calculation run hand on to the
// sections after them. Each group is its own record; the Project record
// inherits them all so that every field keeps its plain engineering name
// (p.Wda, p.Vtoe(k, c), p.PileVert(i, k, c)).
#pragma once

#include <cstdint>
#include <vector>

#include "model/grid.h"

namespace qelvorn {

// Unfactored components of the abutment as a whole (stability section) and
// the concrete volumes the quantities read.
struct StabilityData {
    float Wda = 0, Xda = 0, Mda = 0;     // dead load abutment
    float Wde = 0, Xde = 0, Mde = 0;     // dead load earth
    float Wscv = 0, Xscv = 0, Mscv = 0;  // vertical live load surcharge on the heel
    float Mdc = 0, Mdv = 0, Ml1 = 0, Ml2 = 0;
    float Volf = 0, Volw = 0;            // concrete volumes: footing, walls
    float Pep = 0, Peq = 0, Pcp = 0, Psc = 0;
    float Mlf = 0, Mfr = 0, Mep = 0, Meq = 0, Mcp = 0, Msc = 0;

    // Vertical resultant locations from the toe per load combination
    // (1..NLC), re-created at the start of every run.
    std::vector<float> Xsls, Xuls1, Xuls2, Xuls3, Xuls4, Xuls2st;
};

// Section forces per unit width handed to the reinforced concrete section
// checks, with the numbers of the load combinations that give them.
struct SectionForces {
    float Vs = 0, Ms = 0, Vu = 0, Mu = 0;
    std::int32_t CombVs = 0, CombMs = 0, CombVu = 0, CombMu = 0;
};

// Footing-load tables (case k = 1..6, combination c = 1..NLC), written by the
// spread footing or the pile footing and read by the toe and heel design.
struct FootingData {
    Grid2<float> Ptoe, Pheel;               // edge soil pressures (spread footing)
    Grid2<float> Vtoe, Mtoe, Vheel, Mheel;  // shear and moment per unit length
};

// The pile loads of one case of one combination, kept as the terms every
// row's load is made of: the rows differ only by their distance from the
// centroid of the group, so a row's vertical load is worked out from these
// when it is read, by the same arithmetic in the same order as when the
// case was computed. No table of rows x cases x combinations is held, so
// memory grows with the rows plus the combinations, not their product.
struct PileCaseLoads {
    bool loaded = false;     // computed (a case with no vertical load is skipped: its loads read 0)
    bool fixedHead = false;  // the head moment enters the overturning term
    float V = 0;             // vertical load on the group
    float perPile = 0;       // V / Npiles
    float e = 0;             // eccentricity of V from the centroid, positive towards the toe
    float overturning = 0;   // fixed heads: e V + Npiles m
    float lateral = 0;       // lateral load of every pile
    float moment = 0;        // head moment of every pile (fixed heads)
    // The first rows (by number) carrying the case's largest and smallest
    // vertical load, and those loads; 0 when not known.
    int maxRow = 0, minRow = 0;
    float maxV = 0, minV = 0;

    // Vertical load of a pile at distance y (Xcg - x) from the centroid.
    float vertical(float y, float Ipile) const {
        if (!loaded) return 0.0f;
        return fixedHead ? perPile + y * overturning / Ipile : perPile + y * e * V / Ipile;
    }
};

// Pile group properties and per-pile loads (row i, case k, combination c).
struct PileData {
    float Npiles = 0, Xcg = 0, Ipile = 0;
    std::vector<float> PileY;       // per row (1..NROWS): Xcg - PILEX, set with the group properties
    std::vector<float> PileTanB;    // per row: tangent of the batter angle, set with the group properties
    Grid2<PileCaseLoads> PileCase;  // per case and combination
    Grid2<float> Ppass, Hbatter;

    float PileVert(int i, int k, int c) const {
        return PileCase(k, c).vertical(PileY.at(static_cast<std::size_t>(i)), Ipile);
    }
    float PileLat(int i, int k, int c) const {
        (void)PileY.at(static_cast<std::size_t>(i));  // no such row: throws, as a table would
        return PileCase(k, c).lateral;
    }
    float PileMom(int i, int k, int c) const {
        (void)PileY.at(static_cast<std::size_t>(i));
        return PileCase(k, c).moment;
    }
};

}  // namespace qelvorn
