// The input fields of the windows: which record value each one edits, the
// unit factor between the shown and the stored value, the pattern the value
// is shown with, and the hint in the words of each unit system.
#pragma once

#include <QLineEdit>
#include <QString>
#include <string>
#include <vector>

#include "model/project.h"

namespace qelvorn::ui {

enum class UnitFactor { None, Length, Force, Moment, Pressure, UnitWeight, LineLoad };

struct FieldSpec {
    const char* name;        // record field name, also the widget's object name
    float Project::*value;   // the stored value
    UnitFactor factor;       // shown value x factor = stored value
    const char* pattern;     // display pattern; "signed" for the signed number text
    const char* hint;        // English hint
};

// Every single-precision input field of the main window, in tab order.
const std::vector<FieldSpec>& MainWindowFields();
// The pile lateral load - moment points.
const std::vector<FieldSpec>& PileMomentFields();

const FieldSpec* FindField(const std::string& name);

// The factor's current value in the project (1 for None).
float FactorValue(const Project& p, UnitFactor f);

// The text a field shows for its stored value.
std::string FieldText(const Project& p, const FieldSpec& f);

// A stored value shown in display units (stored / factor) with a display
// pattern ("0.0", "0.00", ...) when the pattern's text agrees with the value
// to five significant digits; otherwise with as many more decimals as it
// takes to show six (an exposure factor of 0.75 shows as 0.75 with "0.0",
// not 0.8).
std::string DisplayNumber(float stored, float factor, const char* pattern);
// A load factor: at least three decimals ("1.300", "0.975").
inline std::string FactorText(float v) { return DisplayNumber(v, 1.0f, "0.000"); }

// A hint in the words of the project's unit system: the English text, or the
// Metric one with the unit words replaced.
std::string HintText(const std::string& english, const std::string& units);

// Watches a number field: while its text is not a complete number (letters,
// a unit, an empty field) the field has a red frame and its tooltip says
// what was stored from it; a number typed or filled in clears the mark.
void WatchNumberText(QLineEdit* e);
// The note on such a field: "Not a number: stored as 12"; empty when its
// text is a number.
QString NumberTextNote(const QLineEdit* e);

// Hints of the fields that are not plain single-precision values.
inline constexpr const char* kHintNROWS = "Number of pile rows";
inline constexpr const char* kHintNlc = "Number of load combinations";

}  // namespace qelvorn::ui
