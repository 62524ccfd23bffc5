// Naming the cause of an arithmetic fault. Before a step whose input may be
// degenerate, a section names the cause only when that input is degenerate
// in this project, and forgets it once the step is done; a fault in a step
// without a named cause is reported with the section alone. So the fault
// message never blames an input the project does not have.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "model/project.h"
#include "report/report.h"

namespace qelvorn {

// Names the cause of a fault in the step that follows when degenerate holds.
inline void NameCause(Report& r, bool degenerate, std::string_view cause) {
    if (degenerate) r.setCause(std::string(cause));
}

// The same with a cause whose text is built (by calling cause) only when
// the input is degenerate: steps repeated per row or combination.
template <std::invocable Text>
inline void NameCause(Report& r, bool degenerate, Text cause) {
    if (degenerate) r.setCause(cause());
}

// Names the cause of a fault in the step that follows when degenerate
// holds, and forgets any cause named before otherwise.
inline void StepCause(Report& r, bool degenerate, std::string_view cause) {
    r.setCause(degenerate ? std::string(cause) : std::string());
}
template <std::invocable Text>
inline void StepCause(Report& r, bool degenerate, Text cause) {
    r.setCause(degenerate ? std::string(cause()) : std::string());
}

// Ends the run at once if the step just done faulted (so that the named
// cause is the right one), then forgets the cause.
inline void EndOfStep(Report& r) {
    r.checkStep();
    r.setCause({});
}

// The first load combination whose SLS stress increase factor is 0 (service
// values are divided by it), 0 when there is none.
int FirstZeroFsls(const Project& p);
std::string ZeroFslsCause(int c);

// Names the degenerate input, if any, of the reinforced concrete section
// checks of one section: a concrete strength of less than 1 psi, a zero
// bar spacing or area, no effective depth (cover and bar radius not less
// than the thickness), a zero SLS stress increase factor. place names the
// bars ("back wall", "footing heel").
void NameSectionCheckCause(const Project& p, Report& r, const std::string& place, float As, float s, float d);

}  // namespace qelvorn
