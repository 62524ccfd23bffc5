// Reinforced concrete section checks of one strip of unit width with one
// layer of tension bars: ultimate shear and moment, service stresses, service
// shear and moment, crack control, temperature and shrinkage, and the
// required steel areas without a check.
//
// The caller places the governing section forces (Vs, Ms, Vu, Mu and their
// combination numbers) in the project before each call. Every quantity is in
// internal units (lb, in, psi or N, mm, MPa; forces and moments per unit
// width). A bar area As is the area of one bar; the steel per unit width is
// As / s. Each check writes its own block of report lines, every line with
// ten leading blanks.
#pragma once

#include "model/project.h"
#include "report/report.h"

namespace qelvorn {

// Ultimate shear from Vu, CombVu: required depth, stirrups when it is short.
void CheckShearUltimate(Project& p, Report& r, float d);

// Ultimate moment from Mu, CombMu: required against provided area, then the
// ductility limit of the criteria (As maximum, c/d ratio or tensile strain).
void CheckMomentUltimate(Project& p, Report& r, float d, float h, float As, float s);

// Crack control under Ms, CombMs (spacing before area).
void CheckCrackControl(Project& p, Report& r, float d, float h, float s, float As);

// Cracked elastic section under Ms: steel stress fss and extreme concrete
// stress fcs. Writes nothing.
void ServiceStresses(Project& p, Report& r, float d, float As, float s, float& fss, float& fcs);

// Service (working stress) shear from Vs, CombVs.
void CheckShearService(Project& p, Report& r, float d);

// Service (working stress) moment from Ms, CombMs.
void CheckMomentService(Project& p, Report& r, float d, float As, float s);

// Temperature and shrinkage bars of area As at spacing s in a section of
// thickness h; b is the other dimension of the element (used by LRFD).
void CheckTemperatureShrinkage(Project& p, Report& r, float h, float As, float s, float b);

// Required steel area per unit width by ultimate strength for Mu. When the
// section cannot carry the moment it writes the two "too high" lines and
// returns 0.
float RequiredAreaUltimate(Project& p, Report& r, float h, float d);

// Required steel area per unit width by service load design for Ms. Writes
// nothing.
float RequiredAreaService(Project& p, Report& r, float d);

}  // namespace qelvorn
