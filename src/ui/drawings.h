// Pictures of the abutment cross-section (with or without a haunch) and of a
// side wall, with every dimension labelled by its field name. When the
// entered dimensions describe a buildable abutment the picture is drawn to
// scale from them; otherwise a schematic with typical proportions is shown.
#pragma once

#include <QWidget>

#include "model/project.h"

namespace qelvorn::ui {

// True when the dimensions form a consistent cross-section of the given
// wall type (positive sizes, the seat and back wall on the stem, the stem
// and seat within the footing).
bool AbutmentIsConsistent(const Project& p, bool haunch);
// True when the side wall, and the abutment it is drawn against, are.
bool SideWallIsConsistent(const Project& p);

class AbutmentDrawing : public QWidget {
    Q_OBJECT
public:
    AbutmentDrawing(const Project& p, bool haunch, QWidget* parent = nullptr);
    bool haunch() const { return haunch_; }
    bool toScale() const;
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
    QSize sizeHint() const override { return {360, 300}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Project& p_;
};

}  // namespace qelvorn::ui
