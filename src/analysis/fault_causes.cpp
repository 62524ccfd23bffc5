#include "analysis/fault_causes.h"


namespace qelvorn {

namespace {
constexpr float kMPaPerPsi = 0.006894757f;
}  // namespace

int FirstZeroFsls(const Project& p) {
    const auto rows = static_cast<std::int32_t>(p.Fsls.size()) - 1;
    for (std::int32_t c = 1; c <= p.NLC && c <= rows; ++c)
        if (p.Fsls[static_cast<std::size_t>(c)] == 0.0f) return c;
    return 0;
}

std::string ZeroFslsCause(int c) {
    return "zero SLS stress increase factor in load combination " + std::to_string(c);
}

void NameSectionCheckCause(const Project& p, Report& r, const std::string& place, float As, float s, float d) {
    // The first that applies, in the order the checks meet them.
    const int fsls = FirstZeroFsls(p);
    // Below 1 psi the section forces over f'c overflow a single long before
    // anything sensible comes out; no real concrete is that weak.
    const bool metric = p.Units == "metric";
    if (!(p.fc >= (metric ? kMPaPerPsi : 1.0f)))
        r.setCause(metric ? "concrete strength f'c less than 0.0069 MPa" : "concrete strength f'c less than 1 psi");
    else if (s == 0.0f || As == 0.0f)
        r.setCause("zero " + place + " reinforcing area or spacing");
    else if (!(d > 0.0f))
        r.setCause("no effective depth in the " + place + " (cover and bar radius not less than the thickness)");
    else if (fsls != 0)
        r.setCause(ZeroFslsCause(fsls));
}

}  // namespace qelvorn
