// Concrete of the abutment as a whole, from the geometry alone: the pieces
// that make up the dead load abutment and the two concrete volumes the
// quantities list. The stability section weighs the same pieces, so the
// volumes it stores and the ones computed here are always the same numbers.
#pragma once

#include "model/project.h"

namespace qelvorn {

// A volume of concrete (internal units, in^3 or mm^3), the arm of its
// centroid from the toe (x measured towards the heel) and its first moment
// about the toe (volume x arm). A piece made of parts has the area-weighted
// arm of its parts.
struct ConcretePiece {
    float volume = 0;
    float moment = 0;
    float arm = 0;
};

// The pieces of the abutment. Walls are per wall length Lw, the footing per
// footing length Lf. The side walls are weighed by the stability section
// itself (their unit weight enters the middle of their products).
struct AbutmentConcrete {
    ConcretePiece backWall;  // with the sloping part below it when there is no haunch
    ConcretePiece haunch;    // zero without a haunch
    ConcretePiece stem;      // including the batter wedge
    ConcretePiece footing;

    float sideThickness = 0;  // t = Tst + Tsb, both side walls together; 0 without side walls
};

// Heel length behind the back wall: Wf - Dt - Ts - Tb.
float HeelLength(const Project& p);

// The concrete pieces from the geometry (no report lines; a piece of no
// area has the arm 0).
AbutmentConcrete ComputeAbutmentConcrete(const Project& p);

struct ConcreteVolumes {
    float footing = 0;  // Volf
    float walls = 0;    // Volw: back wall, haunch, stem and the side walls without barriers
};

// The concrete volumes Volf and Volw, exactly as the stability section
// stores them: the concrete weights divided by the unit weight. Without a
// unit weight (rhoc = 0) the volumes are taken at a unit weight of 1, which
// gives the bare geometry.
ConcreteVolumes ComputeConcreteVolumes(const Project& p);

}  // namespace qelvorn
