// Pictures of the abutment cross-section (with or without a haunch) and of a
// side wall, every dimension labelled by its field name and the value the
// field shows. When the entered dimensions describe a buildable abutment the
// picture is drawn to scale from them; otherwise a schematic with typical
// proportions is shown and its caption names the dimensions that disagree.
// A pile footing carries its pile rows below it.
//
// The results overlay adds what a run or an evaluation found: the parts
// shaded by the utilization of their governing check (green up to 0.90,
// amber up to 1.00, red above), under a spread footing the bearing pressure
// of the governing combination of each limit state with the allowable and
// the resultant against its limit zone, under a pile footing every row's
// axial load per pile against its capacity.
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "model/project.h"
#include "report/check_record.h"

class QPainter;

namespace qelvorn::ui {

// What keeps the cross-section of the given wall type from being drawn to
// scale, one short phrase per fault naming the dimensions ("Db > Ts");
// empty when it can be drawn. Pile rows outside the footing count too.
QStringList AbutmentDisagreements(const Project& p, bool haunch);
// The same for the side wall and the abutment it is drawn against.
QStringList SideWallDisagreements(const Project& p);
bool AbutmentIsConsistent(const Project& p, bool haunch);
bool SideWallIsConsistent(const Project& p);

// One pile row as drawn, in the drawing's length unit (the project's
// internal unit when to scale): the heads at (headX, 0) under the footing,
// the vertical piles down to (headX, -depth), the battered ones to
// (batterTipX, -depth); the label gives the number of piles.
struct PileRowPicture {
    double headX = 0, batterTipX = 0, depth = 0;
    bool vertical = false, battered = false;
    QString label;
};

// Colour of a utilization: green up to 0.90, amber up to 1.00, red above
// (and for an undefined one).
QColor UtilizationColour(float utilization);

// A part of the drawing shaded by the largest utilization of its checks:
// "back wall", "stem wall", "toe", "heel", "footing" (the rest of the
// footing, with the bearing, pile, stability and longitudinal checks),
// "side wall".
struct ShadedPart {
    QString part;
    float utilization = 0;
};

// The bearing pressure under a spread footing in the governing combination
// of one limit state. Lengths from the toe in the drawing's length unit,
// pressures in display units.
struct PressureDiagram {
    QString limitState;
    int combination = 0;
    double x0 = 0, x1 = 0;        // loaded stretch; equal when the resultant is outside the footing
    double q0 = 0, q1 = 0;        // pressure at x0 and at x1
    double toe = 0, heel = 0;     // the end pressures as the pressure table prints them
    double allowable = 0;
    double resultant = 0;
    double zone0 = 0, zone1 = 0;  // where the resultant may stand; equal when it is not checked
};

// The axial load per pile of every pile row in the governing combination of
// the limit state whose axial checks are the most highly used.
struct PileLoadPicture {
    QString limitState;
    int combination = 0;
    struct Row {
        double x = 0;         // head of the row, drawing length
        double axial = 0;     // display units, tension negative
        double capacity = 0;  // the compression or the tension capacity, as the load is
    };
    std::vector<Row> rows;
};

// The abutment cross-section painted into rect (widget pixels or a page's
// logical units); with results, their overlay too.
void PaintAbutment(QPainter& g, const QRect& rect, const Project& p, bool haunch,
                   const RunRecords* results = nullptr);

class AbutmentDrawing : public QWidget {
    Q_OBJECT
public:
    AbutmentDrawing(const Project& p, bool haunch, QWidget* parent = nullptr);
    bool haunch() const { return haunch_; }
    bool toScale() const;
    QString caption() const;
    std::vector<PileRowPicture> pileRows() const;
    QSize sizeHint() const override { return {340, 360}; }

    // The results overlay: the results shown (those of the project as it
    // now stands) and whether the overlay is on. What it draws, for the
    // tests: empty when it is off or there are no such results.
    void setResults(const RunRecords& results);
    void setShowResults(bool on);
    bool showResults() const { return showResults_; }
    std::vector<ShadedPart> shading() const;
    std::vector<PressureDiagram> pressureDiagrams() const;
    PileLoadPicture pileLoads() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const RunRecords* shownResults() const;

    const Project& p_;
    bool haunch_;
    RunRecords results_;
    bool showResults_ = true;
};

class SideWallDrawing : public QWidget {
    Q_OBJECT
public:
    explicit SideWallDrawing(const Project& p, QWidget* parent = nullptr);
    bool toScale() const;
    QString caption() const;
    QSize sizeHint() const override { return {360, 300}; }
    // The side wall shaded by the utilization of its checks.
    void setResults(const RunRecords& results);
    void setShowResults(bool on);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Project& p_;
    RunRecords results_;
    bool showResults_ = true;
};

}  // namespace qelvorn::ui
