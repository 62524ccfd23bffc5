#include "ui/unit_labels.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

#include "model/defaults.h"
#include "ui/fields.h"

namespace qelvorn::ui {

namespace {

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// "(k-ft)" -> "k-ft".
std::string Bare(const std::string& s) {
    return s.size() >= 2 && s.front() == '(' && s.back() == ')' ? s.substr(1, s.size() - 2) : s;
}

}  // namespace

std::string UnitLabel(const Project& p, const std::string& name) {
    if (const FieldSpec* f = FindField(name)) {
        switch (f->factor) {
            case UnitFactor::Length: return p.LblLength;
            case UnitFactor::Force: return p.LblForce;
            case UnitFactor::Moment: return Bare(p.LblMomentP);
            case UnitFactor::Pressure: return p.LblPressure;
            case UnitFactor::UnitWeight: return p.LblUnitWeight;
            case UnitFactor::LineLoad: return p.LblLineLoad;
            case UnitFactor::None: break;
        }
    }
    if (name == "fc" || name == "fs") return p.LblStress;
    if (name == "ExpFactor") return p.LblLineLoadSmall;
    if (name == "PILED" || StartsWith(name, "SAs") || StartsWith(name, "CAs")) return p.LblSmallLength;
    if (StartsWith(name, "As")) return p.LblArea;
    if (name == "PILEX" || name == "PILES") return p.LblLength;
    if (name == "Bat" || name == "PILEB") return "deg";
    return {};
}

void UnitLabels::Attach(QLineEdit* field) {
    // The English labels tell which fields have a unit.
    static const Project probe = [] {
        Project q;
        SetUnits(q);
        return q;
    }();
    QWidget* parent = field->parentWidget();
    if (!parent || !parent->layout() || UnitLabel(probe, field->objectName().toStdString()).empty()) return;
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    delete parent->layout()->replaceWidget(field, box);
    row->addWidget(field);
    auto* unit = new QLabel(box);
    unit->setObjectName(field->objectName() + "Unit");
    // Room for the longest label, so that the fields of a column line up.
    unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance("kN/m^3"));
    row->addWidget(unit);
    labels_[field] = unit;
    field->installEventFilter(this);
}

void UnitLabels::Update(const Project& p) {
    for (const auto& [field, unit] : labels_)
        unit->setText(QString::fromStdString(UnitLabel(p, field->objectName().toStdString())));
}

QLabel* UnitLabels::label(const std::string& name) const {
    for (const auto& [field, unit] : labels_)
        if (field->objectName().toStdString() == name) return unit;
    return nullptr;
}

bool UnitLabels::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent) {
        auto it = labels_.find(static_cast<QLineEdit*>(o));
        if (it != labels_.end()) it->second->setVisible(e->type() == QEvent::ShowToParent);
    }
    return QObject::eventFilter(o, e);
}

}  // namespace qelvorn::ui
