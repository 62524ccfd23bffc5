// The design assistant's searches.
//
// Footing: every combination of Wf, Dt and Tf on the grids (plus the current
// footing) is put in order of footing concrete volume and evaluated in that
// order; the first that passes is the least volume on the grid. A candidate
// passes when every check of the stability and footing sections passes and
// no other section whose checks all passed before fails now (the side walls
// stand on the heel, so their design depends on the footing too).
//
// Bars: each bar field in turn takes the lightest bar and spacing (least area
// per unit width) of the standard set that makes every check it serves
// pass; fields whose checks still fail after another field changed are sized
// again.
//
// Evaluations end early: a record observer stops the run at the first
// failing check that matters once that check alone rules the candidate out
// (its utilization reaches the best governing utilization found so far, so
// the closest candidate is still known exactly when none passes).
#include "analysis/sizing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <sstream>
#include <tuple>

#include "analysis/footing_toe_heel.h"
#include "analysis/run.h"
#include "analysis/sections.h"
#include "analysis/stability.h"

namespace qelvorn {

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Thrown by the record observer to end an evaluation early.
struct StopEvaluation {};

using Relevant = std::function<bool(const CheckRecord&)>;

// True when a check is served by one of the bar fields (so sizing the bars
// may change it); the stability, bearing, sliding and pile checks are not.
bool ServedByBars(const CheckRecord& c);

struct Outcome {
    bool pass = false;      // the run went through and every relevant check passed
    bool complete = false;  // the run went through to its end
    float governing = 0;    // largest relevant utilization (complete runs)
    CheckRecord worst;      // the record of it
    // The largest utilization of a failing relevant check that no bar
    // serves (0: none): whatever the bars, the candidate's governing
    // utilization is at least this.
    float barFree = 0;
};

// Runs candidates through the calculation on one working copy of the
// project, with the report sections that carry checks and nothing else.
class Evaluator {
public:
    explicit Evaluator(const Project& p) : work_(p) {
        work_.chko1 = kFalse;
        work_.chko2 = kTrue;
        work_.chko3 = p.Ls != 0.0f ? kTrue : kFalse;
        work_.chko4 = kFalse;
        work_.Records.observer = [this](const CheckRecord& c) { observe(c); };
    }
    Evaluator(const Evaluator&) = delete;
    Evaluator& operator=(const Evaluator&) = delete;

    Project& work() { return work_; }
    long count() const { return count_; }

    // Evaluates the working project: relevant chooses the checks that
    // matter; a failing one whose utilization reaches bound ends the run.
    Outcome run(const Relevant& relevant, float bound) {
        relevant_ = &relevant;
        bound_ = bound;
        failed_ = false;
        governing_ = 0;
        barFree_ = 0;
        worst_ = -1;
        ++count_;
        Outcome o;
        try {
            o.complete = EvaluateCalculations(work_) == RunStatus::Ok;
        } catch (const StopEvaluation&) {
            o.barFree = barFree_;
            return o;
        }
        o.barFree = barFree_;
        o.pass = o.complete && !failed_;
        o.governing = governing_;
        if (worst_ >= 0) o.worst = work_.Records.checks[static_cast<std::size_t>(worst_)];
        return o;
    }

private:
    void observe(const CheckRecord& c) {
        if (!(*relevant_)(c)) return;
        if (worst_ < 0 || c.utilization > governing_) {
            governing_ = c.utilization;
            worst_ = static_cast<long>(work_.Records.checks.size()) - 1;  // c is the last record
        }
        if (!c.ok) {
            failed_ = true;
            if (c.utilization > barFree_ && !ServedByBars(c)) barFree_ = c.utilization;
            if (c.utilization >= bound_) throw StopEvaluation{};
        }
    }

    Project work_;
    long count_ = 0;
    const Relevant* relevant_ = nullptr;
    float bound_ = kInfinity;
    bool failed_ = false;
    float governing_ = 0;
    float barFree_ = 0;
    long worst_ = -1;  // index of the governing relevant record
};

bool Contains(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }
bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
bool IsFootingSection(const std::string& s) { return s == "SPREAD FOOTING" || s == "PILE FOOTING"; }

std::string Number(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(v));
    std::string s = buf;
    while (s.size() > 1 && s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string CheckText(const CheckRecord& c) {
    return c.section + ": " + c.what + (c.where.empty() ? "" : " at " + c.where) + " (utilization " +
           Number(c.utilization) + ")";
}

// Full evaluation with the sections that carry checks.
RunRecords EvaluateAll(const Project& p) {
    Evaluator ev(p);
    static const Relevant all = [](const CheckRecord&) { return true; };
    ev.run(all, kInfinity);
    RunRecords r = ev.work().Records;
    r.observer = nullptr;
    return r;
}

bool AllPass(const RunRecords& r) {
    if (r.status != RunStatus::Ok) return false;
    return std::all_of(r.checks.begin(), r.checks.end(), [](const CheckRecord& c) { return c.ok; });
}

// How many values a range gives (in double: no overflow whatever the range).
double GridSize(const SizingRange& r) {
    if (!(r.step > 0.0f) || !(r.max > r.min)) return 1;
    return std::floor((static_cast<double>(r.max) - static_cast<double>(r.min)) / static_cast<double>(r.step) + 1e-4) +
           1;
}

std::vector<float> Grid(const SizingRange& r) {
    const double n = GridSize(r);  // bounded by the candidate limit before this is called
    std::vector<float> v;
    v.reserve(static_cast<std::size_t>(n));
    for (long k = 0; k < static_cast<long>(n); ++k)
        v.push_back(static_cast<float>(static_cast<double>(r.min) + static_cast<double>(k) * static_cast<double>(r.step)));
    return v;
}

struct Progress {
    const SizingProgress* callback;
    double from, to;
    // False when cancelled.
    bool at(double fraction) const {
        return !*callback || (*callback)(from + (to - from) * std::clamp(fraction, 0.0, 1.0));
    }
};

// --- footing ---------------------------------------------------------------

struct FootingCandidate {
    float Wf, Dt, Tf, volume;
};

// Puts a footing into the project; pile rows follow the back edge unless
// they keep their distances from the toe. False when the footing cannot
// hold the abutment: no heel behind the walls, or a pile row off the cap.
bool SetFooting(Project& p, const Project& base, const FootingCandidate& c, bool keepToe) {
    p.Wf = c.Wf;
    p.Dt = c.Dt;
    p.Tf = c.Tf;
    if (p.FootingType == "pile") {
        const float shift = keepToe ? 0.0f : c.Wf - base.Wf;
        for (std::int32_t i = 1; i <= p.NROWS && static_cast<std::size_t>(i) < p.PILEX.size(); ++i) {
            const float x = base.PILEX[static_cast<std::size_t>(i)] + shift;
            if (!(x > 0.0f && x <= c.Wf)) return false;
            p.PILEX[static_cast<std::size_t>(i)] = x;
        }
    }
    return c.Wf > 0.0f && c.Tf > 0.0f && c.Dt >= 0.0f && HeelLength(p) > 0.0f && FootingHeelLength(p) >= 0.0f;
}

std::string FootingText(const Project& p, const FootingCandidate& c) {
    const float f = p.LengthFactor;
    return "Wf = " + Number(c.Wf / f) + ", Dt = " + Number(c.Dt / f) + ", Tf = " + Number(c.Tf / f) + " " +
           p.LblLength;
}

// What earlier footing searches of the same sizing learnt: per footing, a
// utilization its governing check reaches whatever the bars.
struct FootingMemo {
    std::map<std::tuple<float, float, float>, float> barFree;
};

// Sizes the footing of `proposed` in place (the ranges within the candidate
// limit). False when cancelled.
bool SizeFooting(Project& proposed, const SizingOptions& o, const Progress& progress, FootingMemo& memo,
                 SizingResult& out) {
    const RunRecords baseline = EvaluateAll(proposed);
    ++out.evaluations;
    // Sections other than the footing's that pass now must still pass.
    std::vector<std::string> keep;
    if (baseline.status == RunStatus::Ok) {
        for (const CheckRecord& c : baseline.checks)
            if (std::find(keep.begin(), keep.end(), c.section) == keep.end()) keep.push_back(c.section);
        for (const CheckRecord& c : baseline.checks)
            if (!c.ok) keep.erase(std::remove(keep.begin(), keep.end(), c.section), keep.end());
    }
    const Relevant relevant = [&keep](const CheckRecord& c) {
        return c.section == "STABILITY" || IsFootingSection(c.section) ||
               std::find(keep.begin(), keep.end(), c.section) != keep.end();
    };

    Evaluator ev(proposed);
    Project& w = ev.work();
    const Project base = proposed;
    const FootingCandidate current{base.Wf, base.Dt, base.Tf, 0.0f};
    const std::vector<float> widths = Grid(o.Wf), thicknesses = Grid(o.Tf), toes = Grid(o.Dt);
    std::vector<FootingCandidate> valid;
    valid.reserve(widths.size() * thicknesses.size() * toes.size() + 1);
    // The footing's volume does not depend on the toe length: worked out
    // once per width and thickness.
    const auto addValid = [&](float wf, float tf, const float* dts, std::size_t n) {
        float volume = 0;
        bool measured = false;
        for (std::size_t i = 0; i < n; ++i) {
            const FootingCandidate c{wf, dts[i], tf, 0.0f};
            if (!SetFooting(w, base, c, o.pilesKeepToeDistances)) continue;
            if (!measured) volume = ComputeConcreteVolumes(w).footing;
            measured = true;
            valid.push_back({wf, dts[i], tf, volume});
        }
    };
    for (float wf : widths)
        for (float tf : thicknesses) addValid(wf, tf, toes.data(), toes.size());
    addValid(current.Wf, current.Tf, &current.Dt, 1);
    // Least volume first; then the narrower footing, the toe nearest the
    // current one, the shorter toe.
    std::sort(valid.begin(), valid.end(), [&](const FootingCandidate& a, const FootingCandidate& b) {
        if (a.volume != b.volume) return a.volume < b.volume;
        if (a.Wf != b.Wf) return a.Wf < b.Wf;
        const float da = std::fabs(a.Dt - base.Dt), db = std::fabs(b.Dt - base.Dt);
        if (da != db) return da < db;
        if (a.Dt != b.Dt) return a.Dt < b.Dt;
        return a.Tf < b.Tf;
    });
    valid.erase(std::unique(valid.begin(), valid.end(),
                            [](const FootingCandidate& a, const FootingCandidate& b) {
                                return a.Wf == b.Wf && a.Dt == b.Dt && a.Tf == b.Tf;
                            }),
                valid.end());

    const long before = ev.count();
    long skipped = 0;
    bool found = false, cancelled = false;
    FootingCandidate best{}, closest{};
    Outcome closestOutcome;
    closestOutcome.governing = kInfinity;
    for (std::size_t i = 0; i < valid.size(); ++i) {
        if (i % 64 == 0 && !progress.at(static_cast<double>(i) / static_cast<double>(valid.size()))) {
            cancelled = true;
            break;
        }
        // A footing known to fail a check no bar serves by at least the
        // closest candidate's governing utilization can be neither the
        // answer nor the closest.
        const auto key = std::make_tuple(valid[i].Wf, valid[i].Dt, valid[i].Tf);
        const auto known = memo.barFree.find(key);
        if (known != memo.barFree.end() && known->second >= closestOutcome.governing) {
            ++skipped;
            continue;
        }
        SetFooting(w, base, valid[i], o.pilesKeepToeDistances);
        const Outcome r = ev.run(relevant, closestOutcome.governing);
        if (r.barFree > 0.0f) memo.barFree[key] = r.barFree;
        if (r.pass) {
            found = true;
            best = valid[i];
            break;
        }
        if (r.complete && r.governing < closestOutcome.governing) {
            closestOutcome = r;
            closest = valid[i];
        }
    }
    out.evaluations += ev.count() - before;
    if (cancelled) return false;

    const std::string count = std::to_string(ev.count() - before) + " of " + std::to_string(valid.size()) +
                              " footing candidates evaluated" +
                              (skipped ? " (" + std::to_string(skipped) +
                                             " more known from the first search to fail a check no bar serves)"
                                       : std::string());
    if (found) {
        SetFooting(proposed, base, best, o.pilesKeepToeDistances);
        const bool same = best.Wf == base.Wf && best.Dt == base.Dt && best.Tf == base.Tf;
        out.notes.push_back("Footing: " + count + "; least concrete volume that passes: " + FootingText(base, best) +
                            (same ? " (the current footing)" : ""));
    } else if (closestOutcome.governing < kInfinity) {
        out.notes.push_back("Footing: " + count + "; none passes every stability, bearing, sliding, pile and footing "
                            "check. Closest: " + FootingText(base, closest) + ", which still fails " +
                            CheckText(closestOutcome.worst) + "; the footing is left as it is");
    } else {
        out.notes.push_back("Footing: " + count + "; none runs through the calculation; the footing is left as it is");
    }
    return true;
}

// --- bars --------------------------------------------------------------------

bool IsTS(const CheckRecord& c) { return Contains(c.where, "TEMPERATURE AND SHRINKAGE"); }
bool IsShear(const CheckRecord& c) { return Contains(c.where, "SHEAR"); }

// A bar field and the checks it serves.
struct BarField {
    const char* area;
    const char* spacing;
    float Project::*A;
    float Project::*S;
    bool (*serves)(const CheckRecord&);
};

const BarField kBarFields[] = {
    {"Asb", "SAsb", &Project::Asb, &Project::SAsb,
     [](const CheckRecord& c) { return c.section == "BACK WALL" && !IsTS(c); }},
    {"AsTSb", "SAsTSb", &Project::AsTSb, &Project::SAsTSb,
     [](const CheckRecord& c) { return c.section == "BACK WALL" && IsTS(c); }},
    {"Asw", "SAsw", &Project::Asw, &Project::SAsw,
     [](const CheckRecord& c) { return c.section == "STEM WALL" && !IsTS(c); }},
    {"AsTSw", "SAsTSw", &Project::AsTSw, &Project::SAsTSw,
     [](const CheckRecord& c) { return c.section == "STEM WALL" && IsTS(c); }},
    // The top bars serve the top face of toe and heel; the shear depth of
    // either part uses the top or the bottom bars as the shear's sign says.
    {"Asft", "SAsft", &Project::Asft, &Project::SAsft,
     [](const CheckRecord& c) {
         return IsFootingSection(c.section) && (StartsWith(c.where, "FOOTING TOE") || StartsWith(c.where, "FOOTING HEEL")) &&
                (Contains(c.where, "TENSION AT FOOTING TOP") || IsShear(c));
     }},
    {"Asfbt", "SAsfbt", &Project::Asfbt, &Project::SAsfbt,
     [](const CheckRecord& c) {
         return IsFootingSection(c.section) && StartsWith(c.where, "FOOTING TOE") &&
                (Contains(c.where, "TENSION AT FOOTING BOTTOM") || IsShear(c));
     }},
    {"Asfbh", "SAsfbh", &Project::Asfbh, &Project::SAsfbh,
     [](const CheckRecord& c) {
         return IsFootingSection(c.section) && StartsWith(c.where, "FOOTING HEEL") &&
                (Contains(c.where, "TENSION AT FOOTING BOTTOM") || IsShear(c));
     }},
    {"AsLf", "SAsLf", &Project::AsLf, &Project::SAsLf,
     [](const CheckRecord& c) {
         return IsFootingSection(c.section) && StartsWith(c.where, "LONGITUDINAL REINFORCEMENT");
     }},
    {"AsTSf", "SAsTSf", &Project::AsTSf, &Project::SAsTSf,
     [](const CheckRecord& c) { return IsFootingSection(c.section) && IsTS(c); }},
    {"Asws", "SAsws", &Project::Asws, &Project::SAsws,
     [](const CheckRecord& c) { return c.section == "SIDE WALLS" && !IsTS(c) && !StartsWith(c.where, "WALL BOTTOM"); }},
    {"Aswsb", "SAswsb", &Project::Aswsb, &Project::SAswsb,
     [](const CheckRecord& c) { return c.section == "SIDE WALLS" && !IsTS(c) && StartsWith(c.where, "WALL BOTTOM"); }},
    {"AsTSws", "SAsTSws", &Project::AsTSws, &Project::SAsTSws,
     [](const CheckRecord& c) { return c.section == "SIDE WALLS" && IsTS(c); }},
};

struct StandardBar {
    const char* name;
    float area;
};
const StandardBar kEnglishBars[] = {{"#3", 0.11f}, {"#4", 0.20f}, {"#5", 0.31f}, {"#6", 0.44f}, {"#7", 0.60f},
                                    {"#8", 0.79f}, {"#9", 1.00f}, {"#10", 1.27f}, {"#11", 1.56f}};
const StandardBar kMetricBars[] = {{"10M", 100.0f}, {"15M", 200.0f}, {"20M", 300.0f},
                                   {"25M", 500.0f}, {"30M", 700.0f}, {"35M", 1000.0f}};

bool Metric(const Project& p) { return p.Units == "metric"; }

struct BarChoice {
    float A, s;
};

// Every standard bar at every spacing, least area per unit width first
// (equal areas: the wider spacing, fewer bars).
std::vector<BarChoice> BarChoices(const Project& p) {
    std::vector<BarChoice> v;
    const bool metric = Metric(p);
    const float unit = metric ? 25.0f : 1.0f;
    auto add = [&](const StandardBar& b) {
        for (int k = 4; k <= 18; ++k) v.push_back({b.area, static_cast<float>(k) * unit});
    };
    if (metric)
        for (const StandardBar& b : kMetricBars) add(b);
    else
        for (const StandardBar& b : kEnglishBars) add(b);
    std::stable_sort(v.begin(), v.end(), [](const BarChoice& a, const BarChoice& b) {
        const float ra = a.A / a.s, rb = b.A / b.s;
        if (ra != rb) return ra < rb;
        return a.s > b.s;
    });
    return v;
}

std::string BarText(const Project& p, float A, float s) {
    std::string name = StandardBarName(p, A);
    if (name.empty()) name = Number(A) + " " + p.LblArea;
    return name + " @ " + Number(s) + " " + p.LblSmallLength;
}

enum class FieldResult { Unused, Kept, Changed, NoneWorks, Cancelled };

// Sizes one bar field of the evaluator's working project.
// Again (onlyIfFailing): fields whose checks pass are left alone.
FieldResult SizeBarField(Evaluator& ev, const BarField& f, const std::vector<BarChoice>& choices,
                         const Progress& progress, bool onlyIfFailing, std::string& note) {
    Project& w = ev.work();
    const Relevant serves = f.serves;
    const Outcome now = ev.run(serves, kInfinity);
    if (w.Records.status == RunStatus::Ok &&
        std::none_of(w.Records.checks.begin(), w.Records.checks.end(), f.serves))
        return FieldResult::Unused;
    if (now.pass && onlyIfFailing) return FieldResult::Kept;
    const float A0 = w.*f.A, s0 = w.*f.S;
    const float current = s0 > 0.0f ? A0 / s0 : kInfinity;
    Outcome closest;
    closest.governing = kInfinity;
    BarChoice closestChoice{A0, s0};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const BarChoice& c = choices[i];
        if (now.pass && !(c.A / c.s < current)) break;  // nothing lighter passes: keep the bars
        if (i % 16 == 0 && !progress.at(static_cast<double>(i) / static_cast<double>(choices.size()))) {
            w.*f.A = A0;
            w.*f.S = s0;
            return FieldResult::Cancelled;
        }
        w.*f.A = c.A;
        w.*f.S = c.s;
        const Outcome r = ev.run(serves, closest.governing);
        if (r.pass) return FieldResult::Changed;
        if (r.complete && r.governing < closest.governing) {
            closest = r;
            closestChoice = c;
        }
    }
    w.*f.A = A0;
    w.*f.S = s0;
    if (now.pass) return FieldResult::Kept;
    note = closest.governing < kInfinity
               ? "closest: " + BarText(w, closestChoice.A, closestChoice.s) + ", which still fails " +
                     CheckText(closest.worst)
               : "no bar runs through the calculation";
    return FieldResult::NoneWorks;
}

// Sizes every bar field of `proposed` in place. False when cancelled.
bool SizeBars(Project& proposed, const Progress& progress, SizingResult& out) {
    Evaluator ev(proposed);
    Project& w = ev.work();
    const std::vector<BarChoice> choices = BarChoices(proposed);
    constexpr int kFields = static_cast<int>(std::size(kBarFields));
    std::vector<bool> hopeless(kFields, false);
    std::vector<std::string> why(kFields);
    bool cancelled = false;
    // Later fields change what earlier ones serve (the footing's bottom
    // bars set the depth of the longitudinal bars; the side walls' main
    // bars their T&S section): fields whose checks fail are sized again.
    for (int pass = 0; pass < 3 && !cancelled; ++pass) {
        bool changed = false;
        for (int k = 0; k < kFields && !cancelled; ++k) {
            if (hopeless[k]) continue;
            const Progress part{progress.callback,
                                progress.from + (progress.to - progress.from) * (pass * kFields + k) / (3.0 * kFields),
                                progress.from + (progress.to - progress.from) * (pass * kFields + k + 1) / (3.0 * kFields)};
            std::string note;
            switch (SizeBarField(ev, kBarFields[k], choices, part, pass > 0, note)) {
                case FieldResult::Changed: changed = true; break;
                case FieldResult::NoneWorks:
                    hopeless[k] = true;
                    why[k] = note;
                    break;
                case FieldResult::Cancelled: cancelled = true; break;
                default: break;
            }
        }
        if (!changed) break;
    }
    out.evaluations += ev.count();
    if (cancelled) return false;
    int sized = 0;
    for (const BarField& f : kBarFields) {
        if (w.*f.A != proposed.*f.A || w.*f.S != proposed.*f.S) ++sized;
        proposed.*f.A = w.*f.A;
        proposed.*f.S = w.*f.S;
    }
    out.notes.push_back("Bars: " + std::to_string(ev.count()) + " evaluations; " + std::to_string(sized) +
                        (sized == 1 ? " bar field changed" : " bar fields changed"));
    for (int k = 0; k < kFields; ++k) {
        if (!hopeless[k]) continue;
        const BarField& f = kBarFields[k];
        const std::string unit = Metric(proposed) ? "100 to 450 mm" : "4 to 18 in";
        out.notes.push_back(std::string("Bars ") + f.area + ": no standard bar at " + unit +
                            " makes its checks pass (" + why[k] +
                            "); the concrete section needs to be thicker, the bars are left as they are");
    }
    return true;
}

bool ServedByBars(const CheckRecord& c) {
    return std::any_of(std::begin(kBarFields), std::end(kBarFields), [&c](const BarField& f) { return f.serves(c); });
}

// --- review --------------------------------------------------------------------

std::vector<SectionGoverning> Governing(const RunRecords& before, const RunRecords& after) {
    std::vector<SectionGoverning> v;
    auto add = [&v](const RunRecords& r, bool isAfter) {
        for (const CheckRecord& c : r.checks) {
            auto it = std::find_if(v.begin(), v.end(), [&](const SectionGoverning& s) { return s.section == c.section; });
            if (it == v.end()) {
                v.push_back({c.section});
                it = v.end() - 1;
            }
            float& u = isAfter ? it->after : it->before;
            u = std::max(u, c.utilization);
            if (!c.ok) (isAfter ? it->failsAfter : it->failsBefore) = true;
        }
    };
    add(before, false);
    add(after, true);
    return v;
}

void ListChanges(const Project& a, const Project& b, std::vector<SizingChange>& out) {
    const float lf = a.LengthFactor;
    const struct {
        const char* name;
        float Project::*f;
    } lengths[] = {{"Wf", &Project::Wf}, {"Dt", &Project::Dt}, {"Tf", &Project::Tf}};
    for (const auto& l : lengths)
        if (a.*l.f != b.*l.f) out.push_back({l.name, a.LblLength, a.*l.f / lf, b.*l.f / lf, {}});
    for (std::size_t i = 1; i < a.PILEX.size() && i < b.PILEX.size() && static_cast<std::int32_t>(i) <= a.NROWS; ++i)
        if (a.PILEX[i] != b.PILEX[i])
            out.push_back({"PILEX " + std::to_string(i), a.LblLength, a.PILEX[i] / lf, b.PILEX[i] / lf, {}});
    for (const BarField& f : kBarFields) {
        if (a.*f.A == b.*f.A && a.*f.S == b.*f.S) continue;
        const std::string note = BarText(b, b.*f.A, b.*f.S);
        if (a.*f.A != b.*f.A) out.push_back({f.area, a.LblArea, a.*f.A, b.*f.A, note});
        if (a.*f.S != b.*f.S) out.push_back({f.spacing, a.LblSmallLength, a.*f.S, b.*f.S, note});
    }
}

}  // namespace

std::string StandardBarName(const Project& p, float area) {
    if (Metric(p)) {
        for (const StandardBar& b : kMetricBars)
            if (b.area == area) return b.name;
    } else {
        for (const StandardBar& b : kEnglishBars)
            if (b.area == area) return b.name;
    }
    return {};
}

std::string FootingRangesProblem(const SizingOptions& o) {
    const double n = GridSize(o.Wf) * GridSize(o.Dt) * GridSize(o.Tf);
    if (n <= kMaxFootingCandidates) return {};
    char digits[64];
    std::snprintf(digits, sizeof digits, n < 1e15 ? "%.0f" : "%.3g", n);
    std::string count = digits;
    if (n < 1e15)  // thousands grouped
        for (std::size_t at = count.size(); at > 3; at -= 3) count.insert(at - 3, ",");
    return "The footing ranges give " + count + " candidates, more than 2,000,000: use larger steps or narrower ranges";
}

SizingOptions DefaultSizingOptions(const Project& p) {
    const float step = Metric(p) ? 75.0f : 3.0f;
    auto range = [step](float v) {
        SizingRange r;
        r.step = step;
        r.min = std::ceil(0.5f * v / step) * step;
        r.max = std::floor(2.0f * v / step) * step;
        if (!(r.max >= r.min)) r.min = r.max = v;
        return r;
    };
    SizingOptions o;
    o.Wf = range(p.Wf);
    o.Dt = range(p.Dt);
    o.Tf = range(p.Tf);
    return o;
}

SizingResult SizeProject(const Project& p, SizingMode mode, const SizingOptions& options,
                         const SizingProgress& progress) {
    SizingResult out;
    out.proposed = p;
    out.proposed.Records = RunRecords{};
    const RunRecords before = EvaluateAll(p);
    ++out.evaluations;
    out.inputStatus = before.status;
    if (before.status == RunStatus::Ok) {
        Project& q = out.proposed;
        const bool footing = mode != SizingMode::Bars, bars = mode != SizingMode::Footing;
        const double f1 = mode == SizingMode::All ? 0.45 : 1.0, f2 = mode == SizingMode::All ? 0.55 : 1.0;
        bool ok = true;
        FootingMemo memo;
        // Too many candidates to hold: the footing is not searched at all.
        const std::string tooMany = footing ? FootingRangesProblem(options) : std::string();
        if (!tooMany.empty()) out.notes.push_back("Footing: " + tooMany + "; the footing is left as it is");
        if (footing && tooMany.empty()) ok = SizeFooting(q, options, {&progress, 0.0, f1}, memo, out);
        const Project afterFooting = q;
        if (ok && bars) ok = SizeBars(q, {&progress, footing ? f1 : 0.0, f2}, out);
        // The bars changed the checks the footing was sized for: once more.
        if (ok && mode == SizingMode::All) {
            bool changed = false;
            for (const BarField& f : kBarFields)
                changed = changed || q.*f.A != afterFooting.*f.A || q.*f.S != afterFooting.*f.S;
            if (changed && tooMany.empty()) {
                ok = SizeFooting(q, options, {&progress, f2, 1.0}, memo, out);
            }
        }
        if (!ok) {
            out.cancelled = true;
            out.proposed = p;
            out.proposed.Records = RunRecords{};
            out.notes.assign(1, "Cancelled: nothing changed");
        }
    } else {
        out.notes.push_back(before.status == RunStatus::Incomplete
                                ? "The project is not complete: nothing to size"
                                : "The project does not run through the calculation (" + before.faultSection +
                                      (before.faultCause.empty() ? "" : ": " + before.faultCause) +
                                      "): nothing to size");
    }
    const RunRecords after = EvaluateAll(out.proposed);
    ++out.evaluations;
    out.allPass = AllPass(after);
    out.sections = Governing(before, after);
    ListChanges(p, out.proposed, out.changes);
    Project a = p, b = out.proposed;
    const QuantityTotals qa = ComputeQuantityTotals(a), qb = ComputeQuantityTotals(b);
    out.volumeBefore = qa.concrete;
    out.volumeAfter = qb.concrete;
    out.steelBefore = qa.steel;
    out.steelAfter = qb.steel;
    out.volumeUnit = p.LblVolumeP;
    out.steelUnit = p.LblWeightP;
    return out;
}

std::string SizingReviewText(const SizingResult& r) {
    std::ostringstream s;
    auto unitless = [](const std::string& u) {
        return u.size() >= 2 && u.front() == '(' && u.back() == ')' ? u.substr(1, u.size() - 2) : u;
    };
    char line[160];
    s << "Changed values (current -> proposed):\n";
    if (r.changes.empty()) s << "  none\n";
    for (const SizingChange& c : r.changes) {
        std::snprintf(line, sizeof line, "  %-10s %12s -> %-12s %-6s %s\n", c.name.c_str(), Number(c.from).c_str(),
                      Number(c.to).c_str(), c.unit.c_str(), c.note.c_str());
        s << line;
    }
    s << "\nGoverning utilization per section (before -> after):\n";
    for (const SectionGoverning& g : r.sections) {
        auto u = [](float v, bool fails) {
            return v < 0.0f ? std::string("-") : Number(v) + (fails ? " NO GOOD" : "");
        };
        std::snprintf(line, sizeof line, "  %-16s %14s -> %s\n", g.section.c_str(), u(g.before, g.failsBefore).c_str(),
                      u(g.after, g.failsAfter).c_str());
        s << line;
    }
    s << "\n";
    std::snprintf(line, sizeof line, "Concrete volume: %s -> %s %s\n", Number(r.volumeBefore).c_str(),
                  Number(r.volumeAfter).c_str(), unitless(r.volumeUnit).c_str());
    s << line;
    std::snprintf(line, sizeof line, "Steel weight:    %s -> %s %s\n", Number(r.steelBefore).c_str(),
                  Number(r.steelAfter).c_str(), unitless(r.steelUnit).c_str());
    s << line;
    s << "Candidates evaluated: " << r.evaluations << "\n";
    for (const std::string& n : r.notes) s << n << "\n";
    s << (r.allPass ? "Every check of the proposed project passes.\n"
                    : "Some checks of the proposed project still fail (NO GOOD above).\n");
    return s.str();
}

}  // namespace qelvorn
