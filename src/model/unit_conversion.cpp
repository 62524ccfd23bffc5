#include "model/unit_conversion.h"

#include <initializer_list>

#include "model/defaults.h"

namespace qelvorn {

namespace {

// Internal English unit -> internal Metric unit, from the exact definitions
// of the inch (25.4 mm) and the pound-force (4.4482216152605 N).
constexpr double kMm = 25.4;
constexpr double kN = 4.4482216152605;
constexpr double kLength = kMm;              // in -> mm
constexpr double kArea = kMm * kMm;          // in^2 -> mm^2
constexpr double kForce = kN;                // lb -> N
constexpr double kMoment = kN * kMm;         // lb-in -> N-mm
constexpr double kStress = kN / kArea;       // psi -> MPa (N/mm^2)
constexpr double kLineLoad = kN / kMm;       // lb/in -> N/mm
constexpr double kUnitWeight = kN / (kArea * kMm);  // lb/in^3 -> N/mm^3

using Single = float Project::*;

void Scale(Project& p, std::initializer_list<Single> fields, double k) {
    for (Single f : fields) p.*f = static_cast<float>(static_cast<double>(p.*f) * k);
}

void Scale(Column& c, double k) {
    for (float& v : c) v = static_cast<float>(static_cast<double>(v) * k);
}

}  // namespace

void ChangeUnits(Project& p, const std::string& units) {
    const bool known = (p.Units == "english" || p.Units == "metric") && (units == "english" || units == "metric");
    const bool convert = known && p.Units != units;
    p.Units = units;
    SetUnits(p);
    if (!convert) return;
    // One factor per quantity, applied forward (to Metric) or inverted.
    const bool toMetric = units == "metric";
    auto k = [toMetric](double englishToMetric) { return toMetric ? englishToMetric : 1.0 / englishToMetric; };

    using P = Project;
    Scale(p,
          {&P::Hw, &P::Ht, &P::Lw, &P::Tw, &P::Hb, &P::Tb, &P::Hh, &P::Ts, &P::Db, &P::Dt, &P::Wf, &P::Lf, &P::Tf,
           &P::yVlf, &P::yVfr, &P::Hcp, &P::Wsc, &P::Ssc, &P::Ls, &P::Hs, &P::Tst, &P::Tsb, &P::PILED,
           // bar spacings and covers
           &P::SAsw, &P::SAsb, &P::SAsft, &P::SAsfbt, &P::SAsfbh, &P::SAsLf, &P::SAsTSw, &P::SAsTSb, &P::SAsTSf,
           &P::SAsws, &P::SAswsb, &P::SAsTSws, &P::CAsw, &P::CAsft, &P::CAsfb},
          k(kLength));
    Scale(p.PILEX, k(kLength));
    Scale(p.PILES, k(kLength));
    Scale(p,
          {&P::Asw, &P::Asb, &P::Asft, &P::Asfbt, &P::Asfbh, &P::AsLf, &P::AsTSw, &P::AsTSb, &P::AsTSf, &P::Asws,
           &P::Aswsb, &P::AsTSws},
          k(kArea));
    Scale(p,
          {&P::Pdc, &P::Pdv, &P::Pl1, &P::Pl2, &P::Vlf, &P::Vfr, &P::PileP, &P::PilePu, &P::PilePeq, &P::PileT,
           &P::PileTu, &P::PileTeq, &P::PileV, &P::PileVu, &P::PileVeq, &P::pile1v, &P::pile2v, &P::pile3v},
          k(kForce));
    Scale(p, {&P::pile1m, &P::pile2m, &P::pile3m}, k(kMoment));
    // Strengths, moduli and the soil and surcharge pressures are all held
    // as stresses (psi or MPa).
    Scale(p, {&P::fc, &P::fs, &P::Ec, &P::Es, &P::ModRupture, &P::Q, &P::Qu, &P::Qeq, &P::Qcp, &P::Qsc}, k(kStress));
    Scale(p, {&P::rhoc, &P::rhos}, k(kUnitWeight));
    Scale(p, {&P::Wbarrier}, k(kLineLoad));
    // The crack-control exposure factor is a force per length (z, lb/in or
    // N/mm) except under AASHTO LRFD, where it is the unitless gamma_e.
    if (p.Criteria != "lrfd") Scale(p, {&P::ExpFactor}, k(kLineLoad));
}

}  // namespace qelvorn
