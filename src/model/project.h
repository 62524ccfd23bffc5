// The Project record: every input value of the abutment being designed, the
// unit system with its factors and labels, the derived concrete properties,
// the two variable-length tables (pile rows, load combinations), the output
// options, the file names and the results that the sections of a calculation
// run pass on to each other.
//
// Conventions: numbers are single precision in internal units (English lb,
// in, psi, lb/in^3, lb-in; Metric N, mm, MPa, N/mm^3, N-mm); counts are
// 32-bit; flags are 16-bit with true = -1; options are lower-case keywords
// compared exactly; tables are indexed from 1 (element 0 is unused).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/results.h"
#include "report/check_record.h"

namespace qelvorn {

using Flag = std::int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

// Per-row column of a 1-based table; element 0 is unused.
using Column = std::vector<float>;
using CountColumn = std::vector<std::int32_t>;
using TextColumn = std::vector<std::string>;

struct Project : StabilityData, SectionForces, FootingData, PileData {
    // 1. Files and title
    std::string InFile, InTitle, OutFile, OutTitle, Title;

    // 2. Options
    std::string Units = "english";       // "english", "metric"
    std::string WallType = "haunch";     // "haunch", "nohaunch"
    std::string FootingType = "pile";    // "pile", "spread"
    std::string Criteria = "aashto";     // "aashto", "arema", "lrfd", "s6"
    std::string ConcreteDesign = "usd";  // "sld", "usd", "both"
    std::string PileHead = "pin";        // "fix", "pin"

    // Unit factors (display value x factor = internal value; VolumeFactor
    // converts internal to display), constants and labels.
    float ForceFactor = 0, MomentFactor = 0, PressureFactor = 0, UnitWeightFactor = 0, LengthFactor = 0,
          LineLoadFactor = 0, VolumeFactor = 0;
    float MmPerIn = 0, Mm2PerIn2 = 0, NPerLb = 0, MPaPerPsi = 0, NmmPerLbin = 0;
    float SurchargeDeduct = 0;
    std::string LblForce, LblLineLoadSmall, LblLineLoad, LblStress, LblPressure, LblUnitWeight,
        LblMomentPerLength, LblSmallLength, LblLength, LblArea, LblWeightP, LblForceP, LblLineLoadP,
        LblPressureP, LblMomentP, LblMomentPerLengthP, LblSmallLengthP, LblLengthP, LblAreaP, LblVolumeP;

    // 3. Concrete and reinforcing materials
    float fc = 0, rhoc = 0, ExpFactor = 0, fs = 0;
    // Derived concrete properties
    float Ec = 0, Es = 0;
    std::int32_t ModRatio = 0;
    float ModRupture = 0, Alpha1 = 0, Beta1 = 0, Ecu = 0;
    float PhiFlexure = 0, PhiShear = 0, PhiConcrete = 0, PhiSteel = 0;

    // 4. Foundation resistances (SLS, ULS "u", earthquake "eq")
    float PileP = 0, PilePu = 0, PilePeq = 0;
    float PileT = 0, PileTu = 0, PileTeq = 0;
    float PileV = 0, PileVu = 0, PileVeq = 0;
    float pile1v = 0, pile1m = 0, pile2v = 0, pile2m = 0, pile3v = 0, pile3m = 0;
    float Q = 0, Qu = 0, Qeq = 0;
    float Kp = 0, Kpu = 0, Kpeq = 0;
    float Fr = 0, Fru = 0, Freq = 0;
    float Xr = 0, Xru = 0, Xreq = 0;

    // 5. Geometry
    float Hw = 0, Ht = 0, Lw = 0, Tw = 0, Bat = 0, Hb = 0, Tb = 0, Hh = 0, Ts = 0, Db = 0, Dt = 0, Wf = 0, Lf = 0,
          Tf = 0;

    // 6. Piles
    std::int32_t NROWS = 0;
    float PILED = 0;
    Column PILEX, PILEB, PILES;  // rows 1..NROWS
    CountColumn PILEN, PILENB;

    // 7. Bridge loads
    float Pdc = 0, Pdv = 0, Pl1 = 0, Pl2 = 0, Vlf = 0, yVlf = 0, Vfr = 0, yVfr = 0;

    // 8. Earth loads
    float Kep = 0, Yep = 0, Keq = 0, Yeq = 0, Qcp = 0, Hcp = 0, rhos = 0, Qsc = 0, Wsc = 0, Nsc = 0, Ssc = 0;

    // 9. Load combinations 1..NLC
    std::int32_t NLC = 0;
    TextColumn LoadTitle;
    Column Fdamax, Fdcmax, Fdvmax, Fdemax, Fl1max, Fl2max, Flfmax, Ffrmax, Fepmax, Fscmax, Fcpmax, Feqmax;
    Column Fdamin, Fdcmin, Fdvmin, Fdemin, Fl1min, Fl2min, Flfmin, Ffrmin, Fepmin, Fscmin, Fcpmin, Feqmin;
    Column Fdasls, Fdcsls, Fdvsls, Fdesls, Fl1sls, Fl2sls, Flfsls, Ffrsls, Fepsls, Fscsls, Fcpsls, Feqsls;
    Column Fsls;
    Column Fdaminst, Fdcminst, Fdvminst, Fdeminst;  // ULS MIN* dead-load factors
    // Per-combination stability results
    Column Vsls, Mrsls, Vmax, Mrmax, Vmin, Mrmin, Vminst, Mrminst, Hsls, Mosls, Hmax, Momax, Hmin, Momin;

    // 10. Provided reinforcing (as entered: in^2 / mm^2, in / mm)
    float Asw = 0, Asb = 0, Asft = 0, Asfbt = 0, Asfbh = 0, AsLf = 0, AsTSw = 0, AsTSb = 0, AsTSf = 0;
    float SAsw = 0, SAsb = 0, SAsft = 0, SAsfbt = 0, SAsfbh = 0, SAsLf = 0, SAsTSw = 0, SAsTSb = 0, SAsTSf = 0;
    float CAsw = 0, CAsft = 0, CAsfb = 0;

    // 11. Side walls
    float Ls = 0, Hs = 0, Tst = 0, Tsb = 0, Wbarrier = 0;
    float Asws = 0, SAsws = 0, Aswsb = 0, SAswsb = 0, AsTSws = 0, SAsTSws = 0;

    // 12. Output options
    Flag chko1 = kTrue, chko2 = kTrue, chko3 = kFalse, chko4 = kFalse;

    // 13. Run-time state
    Flag InputComplete = kTrue;
    Flag FormReady = kTrue;
    std::int32_t CurrentRow = 0;

    // How the last calculation run ended, its check records and stability
    // results; cleared at the start of every run.
    RunRecords Records;

    // Stores NLC = n and, when n > 0, re-creates every load-combination
    // array with rows 1..n, cleared (titles, the 36 factors, Fsls, the MIN*
    // factors and the fourteen per-combination results). A count of 0 or
    // less leaves the arrays untouched.
    void ResizeLoadCombinations(std::int32_t n);
    // Stores NROWS = n and, when n > 0, re-creates the five pile row arrays
    // with rows 1..n, cleared. A count of 0 or less leaves them untouched.
    void ResizePileRows(std::int32_t n);
};

// The twelve load types in their fixed order (files, windows, report).
constexpr int kLoadTypes = 12;
extern const std::array<const char*, kLoadTypes> kLoadCodes;  // "da", "dc", ...

// Member pointers to the factor columns of each set, in load-type order, so
// that the file, the windows and the report can walk them uniformly.
using ColumnPtr = Column Project::*;
extern const std::array<ColumnPtr, kLoadTypes> kMaxFactors;
extern const std::array<ColumnPtr, kLoadTypes> kMinFactors;
extern const std::array<ColumnPtr, kLoadTypes> kSlsFactors;
// The fourteen per-combination results of the stability section.
extern const std::array<ColumnPtr, 14> kCombinationResults;
// The four ULS MIN* dead-load factor columns.
extern const std::array<ColumnPtr, 4> kMinStarFactors;

}  // namespace qelvorn
