// Pictures of the abutment cross-section (with or without a haunch) and of a
// side wall, every dimension labelled by its field name and the value the
// field shows. When the entered dimensions describe a buildable abutment the
// picture is drawn to scale from them; otherwise a schematic with typical
// proportions is shown and its caption names the dimensions that disagree.
// A pile footing carries its pile rows below it.
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "model/project.h"

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

class AbutmentDrawing : public QWidget {
    Q_OBJECT
public:
    AbutmentDrawing(const Project& p, bool haunch, QWidget* parent = nullptr);
    bool haunch() const { return haunch_; }
    bool toScale() const;
    QString caption() const;
    std::vector<PileRowPicture> pileRows() const;
    QSize sizeHint() const override { return {340, 360}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Project& p_;
    bool haunch_;
};

class SideWallDrawing : public QWidget {
    Q_OBJECT
public:
    explicit SideWallDrawing(const Project& p, QWidget* parent = nullptr);
    bool toScale() const;
    QString caption() const;
    QSize sizeHint() const override { return {360, 300}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Project& p_;
};

}  // namespace qelvorn::ui
