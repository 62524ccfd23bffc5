// Unit labels beside the number fields ("ft", "kip", "psf", ...), in the
// words of the project's unit system. A label stands in the field's place in
// its layout, follows the field when it is shown or hidden, and is rewritten
// whenever the window's hints are.
#pragma once

#include <QObject>
#include <map>
#include <string>

#include "model/project.h"

class QLabel;
class QLineEdit;

namespace qelvorn::ui {

// The unit a field's value is shown in: from the unit system's labels for
// fields with a unit factor, and by kind for the others (strengths,
// reinforcing areas, spacings and covers, batters); empty for ratios,
// coefficients, counts and load factors.
std::string UnitLabel(const Project& p, const std::string& field);

class UnitLabels : public QObject {
    Q_OBJECT
public:
    explicit UnitLabels(QObject* parent = nullptr) : QObject(parent) {}
    // Puts a unit label beside the field (named by its object name) when the
    // field has a unit; the field must already stand in its layout.
    void Attach(QLineEdit* field);
    void Update(const Project& p);
    QLabel* label(const std::string& field) const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    std::map<QLineEdit*, QLabel*> labels_;
};

}  // namespace qelvorn::ui
