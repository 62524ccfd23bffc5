// Footing geometry shared by the spread footing, the pile footing and the
// design of the footing toe and heel as cantilevers from the stem.
#pragma once

#include "model/project.h"

namespace qelvorn {

// Height of the battered part of the stem: the wall height above the heel
// less the back wall and, for a haunched wall, less the haunch and the
// vertical extent of the seat overhang (taken at 45 degrees).
float BatteredStemHeight(const Project& p);

// Heel length from the heel edge to the back face of the stem at the top of
// the footing: Wf - Dt - Tw - Hbat tan(Bat). Zero or negative when the stem
// reaches the heel edge.
float FootingHeelLength(const Project& p);

// Effective depth of a layer of round bars: thickness less cover less the
// radius of one bar of the given area.
float BarEffectiveDepth(float thickness, float cover, float barArea);

}  // namespace qelvorn
