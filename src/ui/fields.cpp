#include "ui/fields.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "model/numtext.h"

namespace qelvorn::ui {

namespace {

using P = Project;
using U = UnitFactor;

std::vector<FieldSpec> BuildMainWindowFields() {
    return {
        // Materials
        {"fc", &P::fc, U::None, "0.0", "Concrete compressive strength (psi)"},
        {"fs", &P::fs, U::None, "0.0", "Reinforcing steel yield strength (psi)"},
        {"ExpFactor", &P::ExpFactor, U::None, "0.0", "Exposure factor for crack control (lbs/in)"},
        {"rhoc", &P::rhoc, U::UnitWeight, "0.00", "Unit weight of concrete (pcf)"},
        // Pile resistance
        {"PileP", &P::PileP, U::Force, "0.0", "SLS pile compression capacity (kips)"},
        {"PilePu", &P::PilePu, U::Force, "0.0", "ULS pile compression capacity (kips)"},
        {"PilePeq", &P::PilePeq, U::Force, "0.0", "EQ pile compression capacity (kips)"},
        {"PileT", &P::PileT, U::Force, "0.0", "SLS pile tension capacity (kips)"},
        {"PileTu", &P::PileTu, U::Force, "0.0", "ULS pile tension capacity (kips)"},
        {"PileTeq", &P::PileTeq, U::Force, "0.0", "EQ pile tension capacity (kips)"},
        {"PileV", &P::PileV, U::Force, "0.0", "SLS pile shear capacity (kips)"},
        {"PileVu", &P::PileVu, U::Force, "0.0", "ULS pile shear capacity (kips)"},
        {"PileVeq", &P::PileVeq, U::Force, "0.0", "EQ pile shear capacity (kips)"},
        // Footing resistance
        {"Q", &P::Q, U::Pressure, "0.0", "SLS soil bearing capacity (psf)"},
        {"Qu", &P::Qu, U::Pressure, "0.0", "ULS soil bearing capacity (psf)"},
        {"Qeq", &P::Qeq, U::Pressure, "0.0", "EQ soil bearing capacity (psf)"},
        {"Fr", &P::Fr, U::None, "0.000", "SLS soil friction coefficient"},
        {"Fru", &P::Fru, U::None, "0.000", "ULS soil friction coefficient"},
        {"Freq", &P::Freq, U::None, "0.000", "EQ soil friction coefficient"},
        {"Kp", &P::Kp, U::None, "0.000", "SLS soil passive pressure coefficient"},
        {"Kpu", &P::Kpu, U::None, "0.000", "ULS soil passive pressure coefficient"},
        {"Kpeq", &P::Kpeq, U::None, "0.000", "EQ soil passive pressure coefficient"},
        {"Xr", &P::Xr, U::None, "0.000", "Location of SLS vertical resultant divided by footing width"},
        {"Xru", &P::Xru, U::None, "0.000", "Location of ULS vertical resultant divided by footing width"},
        {"Xreq", &P::Xreq, U::None, "0.000", "Location of EQ vertical resultant divided by footing width"},
        // Abutment
        {"Hw", &P::Hw, U::Length, "0.000", "Wall height (feet) above footing heel"},
        {"Lw", &P::Lw, U::Length, "0.000", "Wall length (feet)"},
        {"Tw", &P::Tw, U::Length, "0.000", "Wall thickness (feet) "},
        {"Bat", &P::Bat, U::None, "0.000", "Wall batter (degrees) from vertical"},
        {"Hb", &P::Hb, U::Length, "0.000", "Backwall height (feet)"},
        {"Tb", &P::Tb, U::Length, "0.000", "Backwall thickness (feet)"},
        {"Hh", &P::Hh, U::Length, "0.000", "Haunch height (feet)"},
        {"Ts", &P::Ts, U::Length, "0.000", "Seat width (feet)"},
        {"Db", &P::Db, U::Length, "0.000", "Distance (feet) to centerline bearing from face"},
        {"Dt", &P::Dt, U::Length, "0.000", "Width (feet) of footing toe"},
        {"Wf", &P::Wf, U::Length, "0.000", "Width (feet) of footing"},
        {"Lf", &P::Lf, U::Length, "0.000", "Length (feet) of footing"},
        {"Tf", &P::Tf, U::Length, "0.000", "Thickness (feet) of footing"},
        {"Ht", &P::Ht, U::Length, "0.000", "Soil height (feet) above footing toe"},
        // Piles
        {"PILED", &P::PILED, U::None, "signed", "Pile diameter or width (in)"},
        // Bridge loads
        {"Pdc", &P::Pdc, U::Force, "0.0", "Dead load constant (kips)"},
        {"Pdv", &P::Pdv, U::Force, "0.0", "Dead load varying (kips)"},
        {"Pl1", &P::Pl1, U::Force, "0.0", "Live load standard (kips)"},
        {"Pl2", &P::Pl2, U::Force, "0.0", "Live load special (kips)"},
        {"Vlf", &P::Vlf, U::Force, "0.0", "Live load longitudinal force (kips)"},
        {"yVlf", &P::yVlf, U::Length, "0.000", "Distance (feet) from V live to seat"},
        {"Vfr", &P::Vfr, U::Force, "0.0", "Longitudinal force (kips) due to friction at bearings"},
        {"yVfr", &P::yVfr, U::Length, "0.000", "Distance (feet) from V friction to seat"},
        // Earth loads
        {"Kep", &P::Kep, U::None, "0.000", "Lateral earth pressure coefficient"},
        {"Yep", &P::Yep, U::None, "0.000", "Height ratio to resultant of lateral earth pressure"},
        {"Keq", &P::Keq, U::None, "0.000", "Earthquake lateral pressure coefficient"},
        {"Yeq", &P::Yeq, U::None, "0.000", "Height ratio to resultant of lateral earthquake pressure"},
        {"rhos", &P::rhos, U::UnitWeight, "0.00", "Unit (pcf) weight of soil"},
        {"Qsc", &P::Qsc, U::Pressure, "0.00", "Live load surcharge pressure (psf) at ground surface"},
        {"Wsc", &P::Wsc, U::Length, "0.000", "Width (feet) of live load surcharge pressure at ground surface"},
        {"Ssc", &P::Ssc, U::Length, "0.000", "Minimum spacing (feet) of live load surcharge pressures"},
        {"Nsc", &P::Nsc, U::None, "0", "Number of live load surcharge pressures"},
        {"Qcp", &P::Qcp, U::Pressure, "0.00", "Compaction pressure (psf)"},
        {"Hcp", &P::Hcp, U::Length, "0.000", "Height (feet) of compaction pressure"},
        // Reinforcing
        {"Asw", &P::Asw, U::None, "0.00", "Area (in^2) of reinf in wall stem"},
        {"SAsw", &P::SAsw, U::None, "0.00", "Spacing (in) of reinf in wall stem"},
        {"Asb", &P::Asb, U::None, "0.00", "Area (in^2) of reinf in backwall"},
        {"SAsb", &P::SAsb, U::None, "0.00", "Spacing (in) of reinf in backwall"},
        {"Asft", &P::Asft, U::None, "0.00", "Area (in^2) of reinf in footing top"},
        {"SAsft", &P::SAsft, U::None, "0.00", "Spacing (in) of reinf in footing top"},
        {"Asfbt", &P::Asfbt, U::None, "0.00", "Area (in^2) of reinf in footing bottom at toe"},
        {"SAsfbt", &P::SAsfbt, U::None, "0.00", "Spacing (in) of reinf in footing bottom at toe"},
        {"Asfbh", &P::Asfbh, U::None, "0.00", "Area (in^2) of reinf in footing bottom at heel"},
        {"SAsfbh", &P::SAsfbh, U::None, "0.00", "Spacing (in) of reinf in footing bottom at heel"},
        {"AsLf", &P::AsLf, U::None, "0.00", "Area (in^2) of longitudinal reinf in pile footing"},
        {"SAsLf", &P::SAsLf, U::None, "0.00", "Spacing (in) of longitudinal reinf in pile footing"},
        {"AsTSw", &P::AsTSw, U::None, "0.00", "Area (in^2) of T&S reinf in wall stem"},
        {"SAsTSw", &P::SAsTSw, U::None, "0.00", "Spacing (in) of T&S reinf in wall stem"},
        {"AsTSb", &P::AsTSb, U::None, "0.00", "Area (in^2) of T&S reinf in backwall"},
        {"SAsTSb", &P::SAsTSb, U::None, "0.00", "Spacing (in) of T&S reinf in backwall"},
        {"AsTSf", &P::AsTSf, U::None, "0.00", "Area (in^2) of T&S reinf in footing"},
        {"SAsTSf", &P::SAsTSf, U::None, "0.00", "Spacing (in) of T&S reinf in footing"},
        {"CAsw", &P::CAsw, U::None, "0.00", "Cover (in) over reinf in wall"},
        {"CAsft", &P::CAsft, U::None, "0.00", "Cover (in) over reinf in footing top"},
        {"CAsfb", &P::CAsfb, U::None, "0.00", "Cover (in) over reinf in footing bottom"},
        // Side walls
        {"Ls", &P::Ls, U::Length, "0.000", "Length (feet) of side walls beyond backwall"},
        {"Hs", &P::Hs, U::Length, "0.000", "Height (feet) of side walls at end"},
        {"Tst", &P::Tst, U::Length, "0.000", "Thickness (feet) of side walls at top"},
        {"Tsb", &P::Tsb, U::Length, "0.000", "Thickness (feet) of side walls at bottom"},
        {"Wbarrier", &P::Wbarrier, U::LineLoad, "0.00", "Uniform barrier weight (k/ft) on wall"},
        {"Asws", &P::Asws, U::None, "0.00", "Average area (in^2) of main horizontal reinf in side wall"},
        {"SAsws", &P::SAsws, U::None, "0.00", "Average spacing (in) of main horizontal reinf in side wall"},
        {"Aswsb", &P::Aswsb, U::None, "0.00", "Bottom area (in^2) of main horizontal reinf in side wall"},
        {"SAswsb", &P::SAswsb, U::None, "0.00", "Bottom spacing (in) of main horizontal reinf in side wall"},
        {"AsTSws", &P::AsTSws, U::None, "0.00", "Area (in^2) of T&S reinf in side wall"},
        {"SAsTSws", &P::SAsTSws, U::None, "0.00", "Spacing (in) of T&S reinf in side wall"},
    };
}

std::vector<FieldSpec> BuildPileMomentFields() {
    return {
        {"pile1v", &P::pile1v, U::Force, "0.00", "Lateral load (kips)"},
        {"pile1m", &P::pile1m, U::Moment, "0.00", "Bending moment (k-ft)"},
        {"pile2v", &P::pile2v, U::Force, "0.00", "Lateral load (kips)"},
        {"pile2m", &P::pile2m, U::Moment, "0.00", "Bending moment (k-ft)"},
        {"pile3v", &P::pile3v, U::Force, "0.00", "Lateral load (kips)"},
        {"pile3m", &P::pile3m, U::Moment, "0.00", "Bending moment (k-ft)"},
    };
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

constexpr const char* kNoteProperty = "numberTextNote";

// Shows the stored-value note above the hint of a marked field.
class NumberNoteTips : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* edit = qobject_cast<QLineEdit*>(o);
        if (e->type() != QEvent::ToolTip || !edit) return false;
        const QString note = NumberTextNote(edit);
        if (note.isEmpty()) return false;
        const QString hint = edit->toolTip();
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), hint.isEmpty() ? note : note + "\n" + hint, edit);
        return true;
    }
};

void MarkNumberText(QLineEdit* e, const QString& text) {
    const std::string t = text.toStdString();
    const QString note = IsCompleteNumber(t)
                             ? QString()
                             : "Not a number: stored as " + QString::fromStdString(ShortestText(
                                                                static_cast<float>(LeadingNumber(t))));
    if (note == NumberTextNote(e)) return;
    e->setProperty(kNoteProperty, note);
    e->setStyleSheet(note.isEmpty() ? QString() : QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
}

}  // namespace

void WatchNumberText(QLineEdit* e) {
    static NumberNoteTips* tips = new NumberNoteTips;
    e->installEventFilter(tips);
    QObject::connect(e, &QLineEdit::textChanged, e, [e](const QString& text) { MarkNumberText(e, text); });
    MarkNumberText(e, e->text());
}

QString NumberTextNote(const QLineEdit* e) { return e->property(kNoteProperty).toString(); }

const std::vector<FieldSpec>& MainWindowFields() {
    static const std::vector<FieldSpec> fields = BuildMainWindowFields();
    return fields;
}

const std::vector<FieldSpec>& PileMomentFields() {
    static const std::vector<FieldSpec> fields = BuildPileMomentFields();
    return fields;
}

const FieldSpec* FindField(const std::string& name) {
    for (const auto* list : {&MainWindowFields(), &PileMomentFields()})
        for (const FieldSpec& f : *list)
            if (name == f.name) return &f;
    return nullptr;
}

float FactorValue(const Project& p, UnitFactor f) {
    switch (f) {
        case UnitFactor::None: return 1.0f;
        case UnitFactor::Length: return p.LengthFactor;
        case UnitFactor::Force: return p.ForceFactor;
        case UnitFactor::Moment: return p.MomentFactor;
        case UnitFactor::Pressure: return p.PressureFactor;
        case UnitFactor::UnitWeight: return p.UnitWeightFactor;
        case UnitFactor::LineLoad: return p.LineLoadFactor;
    }
    return 1.0f;
}

std::string FieldText(const Project& p, const FieldSpec& f) {
    const float shown = p.*f.value / FactorValue(p, f.factor);
    if (std::string(f.pattern) == "signed") return SignedNumberText(shown);
    return DisplayNumber(p.*f.value, FactorValue(p, f.factor), f.pattern);
}

namespace {

// v rounded to `digits` significant digits, as text.
std::string Significant(double v, int digits) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
    return std::string(buf, r.ptr);
}

}  // namespace

std::string DisplayNumber(float stored, float factor, const char* pattern) {
    const auto shown = static_cast<double>(stored / factor);
    // The text agrees with the value to `digits` significant digits.
    auto agrees = [&](const std::string& text, int digits) {
        return Significant(static_cast<float>(LeadingNumber(text)), digits) == Significant(shown, digits);
    };
    std::string s = FormatNumber(static_cast<float>(shown), pattern);
    // Five digits hold through the conversion of units and defaults given
    // to fewer digits (150 pcf held as 0.0868 lb/in^3 shows as 150.00).
    if (!std::isfinite(shown) || agrees(s, 5)) return s;
    const std::string_view pat(pattern);
    const std::size_t point = pat.find('.');
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pat.size() - point - 1);
    for (int n = decimals + 1; n <= 12; ++n) {
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf, shown, std::chars_format::fixed, n);
        if (r.ec != std::errc()) break;
        const std::string t(buf, r.ptr);
        if (agrees(t, 6)) return t;
    }
    return ShortestText(static_cast<float>(shown));
}

std::string HintText(const std::string& english, const std::string& units) {
    if (units == "english") return english;
    if (english == "Unit (pcf) weight of soil") return "Unit weight (kN/m^3) of soil";
    static const std::pair<const char*, const char*> kWords[] = {
        {"(feet)", "(meters)"}, {"(kips)", "(kN)"},     {"(k-ft)", "(kN-m)"},  {"(psf)", "(kPa)"},
        {"(psi)", "(MPa)"},     {"(pcf)", "(kN/m^3)"}, {"(lbs/in)", "(N/mm)"}, {"(k/ft)", "(kN/m)"},
        {"(in^2)", "(mm^2)"},   {"(in)", "(mm)"}};
    std::string s = english;
    for (const auto& [from, to] : kWords) ReplaceAll(s, from, to);
    return s;
}

}  // namespace qelvorn::ui
