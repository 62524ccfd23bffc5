// Concrete of the abutment as a whole, from the geometry alone: the pieces
// that make up the dead load abutment and the two concrete volumes the
// quantities list. The stability section weighs the same pieces, so the
// volumes it stores and the ones computed here are always the same numbers.
#pragma once

#include "model/project.h"

namespace qelvorn {

// A volume of concrete (internal units, in^3 or mm^3) and its first moment
// about the toe (volume x arm of its centroid, x measured towards the heel).
struct ConcretePiece {
    float volume = 0;
    float moment = 0;
};

// The pieces of the abutment. Walls are per wall length Lw, the footing per
// footing length Lf. Side-wall pieces are zero without side walls (Ls <= 0).
struct AbutmentConcrete {
    ConcretePiece backWall;  // with the sloping part below it when there is no haunch
    ConcretePiece haunch;    // zero without a haunch
    ConcretePiece stem;      // including the batter wedge
    ConcretePiece footing;

    float sideThickness = 0;  // t = Tst + Tsb, both side walls together; 0 without side walls
    // Side walls over the footing, less the open space above the seat and
    // the part already counted in the walls (net = over - seat - inWalls).
    ConcretePiece sideOver, sideSeat, sideInWalls;
    float sideNetVolume = 0;
    ConcretePiece sideEnd;    // beyond the footing, rectangle of the end height Hs
    ConcretePiece sideTaper;  // beyond the footing, taper from Hw down to Hs

    // Concrete of the back wall, haunch and stem together.
    float wallVolume() const { return backWall.volume + haunch.volume + stem.volume; }
    float wallMoment() const { return backWall.moment + haunch.moment + stem.moment; }
};

// Heel length behind the back wall: Wf - Dt - Ts - Tb.
float HeelLength(const Project& p);

// The concrete pieces from the geometry (no report lines, no divisions other
// than by the wall length for the part of the side walls inside the walls).
AbutmentConcrete ComputeAbutmentConcrete(const Project& p);

struct ConcreteVolumes {
    float footing = 0;  // Volf
    float walls = 0;    // Volw: back wall, haunch, stem and the side walls without barriers
};

// The concrete volumes Volf and Volw, exactly as the stability section
// stores them.
ConcreteVolumes ComputeConcreteVolumes(const Project& p);
ConcreteVolumes VolumesOf(const Project& p, const AbutmentConcrete& c);

}  // namespace qelvorn
