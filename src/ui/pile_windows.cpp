#include "ui/pile_windows.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "model/load_table.h"
#include "model/numtext.h"
#include "ui/fields.h"
#include "ui/small_windows.h"

namespace qelvorn::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct PileField {
    const char* name;
    const char* label;
    const char* hint;  // English
};
const PileField kPileFields[5] = {
    {"PILEX", "Distance to toe:", "Distance (feet) from pile to toe"},
    {"PILEB", "Batter angle:", "Pile batter (degrees) from vertical"},
    {"PILEN", "No of piles in row:", "Number of piles in row"},
    {"PILENB", "No of piles battered:", "Number of batter piles in row"},
    {"PILES", "Maximum spacing:", "Maximum pile spacing (feet)"},
};

// A sketch of a pile head under a lateral load with the moment it takes,
// beside the load - moment curve the three points describe.
class PileMomentPicture : public QWidget {
public:
    explicit PileMomentPicture(QWidget* parent) : QWidget(parent) { setFixedSize(220, 120); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter g(this);
        g.setRenderHint(QPainter::Antialiasing);
        const QColor ink(0, 0, 128);
        g.setPen(QPen(ink, 1.5));
        // Pile cap and pile, fixed at its head.
        g.fillRect(QRectF(10, 14, 70, 14), QColor(200, 200, 200));
        g.drawRect(QRectF(10, 14, 70, 14));
        g.drawRect(QRectF(38, 28, 14, 80));
        // Lateral load at the head.
        g.drawLine(QPointF(4, 40), QPointF(34, 40));
        g.drawPolygon(QPolygonF({QPointF(34, 40), QPointF(27, 36), QPointF(27, 44)}));
        g.drawText(QPointF(4, 56), "V");
        // Moment at the head.
        g.drawArc(QRectF(56, 32, 22, 22), 90 * 16, -200 * 16);
        g.drawText(QPointF(82, 52), "M");
        // Load - moment curve through three points.
        const QPointF o(120, 108);
        g.drawLine(o, QPointF(212, 108));
        g.drawLine(o, QPointF(120, 10));
        g.drawText(QPointF(200, 100), "V");
        g.drawText(QPointF(124, 20), "M");
        const QPointF pts[3] = {{140, 86}, {165, 55}, {200, 36}};
        QPainterPath curve(o);
        for (const QPointF& pt : pts) curve.lineTo(pt);
        g.setBrush(Qt::NoBrush);
        g.drawPath(curve);
        g.setBrush(ink);
        for (int i = 0; i < 3; ++i) {
            g.drawEllipse(pts[i], 2.5, 2.5);
            g.drawText(pts[i] + QPointF(4, 12), QString::number(i + 1));
        }
    }
};

}  // namespace

// ------------------------------------------------------------ pile layout

PileLayoutWindow::PileLayoutWindow(Project& p, QWidget* parent) : RowWindow(parent), p_(p) {
    setWindowTitle("PILE LAYOUT");
    setObjectName("PileLayoutWindow");
    frame_ = new QGroupBox("PILE ROW NO  1", this);
    frame_->setObjectName("pileFrame");
    auto* grid = new QGridLayout(frame_);
    int r = 0;
    for (const PileField& f : kPileFields) {
        grid->addWidget(new QLabel(f.label, frame_), r, 0);
        auto* e = new QLineEdit(frame_);
        e->setObjectName(f.name);
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(110);
        WatchNumberText(e);
        const std::string name = f.name;
        connect(e, &QLineEdit::textEdited, this, [this, name](const QString& text) { Edited(name, text); });
        fields_[name] = e;
        grid->addWidget(e, r++, 1);
    }
    units_ = new UnitLabels(this);
    for (const auto& [name, e] : fields_) units_->Attach(e);
    QHBoxLayout* buttons = MakeStepButtons("Previous pile row", "Next pile row", "pile");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addLayout(buttons);
    SetHints();
    adjustSize();
    FitCaption(this);
}

QLineEdit* PileLayoutWindow::field(const std::string& name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : it->second;
}

void PileLayoutWindow::SetHints() {
    for (const PileField& f : kPileFields) fields_[f.name]->setToolTip(Q(HintText(f.hint, p_.Units)));
    units_->Update(p_);
}

std::int32_t PileLayoutWindow::RowCount() const { return PileRowCount(p_); }

void PileLayoutWindow::FillRow(std::size_t i) {
    frame_->setTitle("PILE ROW NO " + Q(SignedNumberText(static_cast<float>(row_))));
    fields_["PILEX"]->setText(Q(SignedNumberText(p_.PILEX[i] / p_.LengthFactor)));
    fields_["PILEB"]->setText(Q(SignedNumberText(p_.PILEB[i])));
    fields_["PILEN"]->setText(Q(SignedNumberText(static_cast<float>(p_.PILEN[i]))));
    fields_["PILENB"]->setText(Q(SignedNumberText(static_cast<float>(p_.PILENB[i]))));
    fields_["PILES"]->setText(Q(SignedNumberText(p_.PILES[i] / p_.LengthFactor)));
}

void PileLayoutWindow::Edited(const std::string& name, const QString& text) {
    if (!RowInTable()) return;
    const auto i = static_cast<std::size_t>(row_);
    const double typed = LeadingNumber(text.toStdString());
    const auto scaled = static_cast<float>(typed * static_cast<double>(p_.LengthFactor));
    if (name == "PILEX") p_.PILEX[i] = scaled;
    else if (name == "PILES") p_.PILES[i] = scaled;
    else if (name == "PILEB") p_.PILEB[i] = static_cast<float>(typed);
    else if (name == "PILEN") p_.PILEN[i] = RoundHalfEven(typed);
    else if (name == "PILENB") p_.PILENB[i] = RoundHalfEven(typed);
    if (parentWidget() != nullptr) parentWidget()->update();  // the main window's drawing shows the rows
}

// ------------------------------------------------- lateral load - moment

PileMomentWindow::PileMomentWindow(Project& p, QWidget* parent) : QWidget(parent, NoCloseWindowFlags()), p_(p) {
    setWindowTitle("PILE LATERAL LOAD - MOMENT DATA");
    setObjectName("PileMomentWindow");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Lateral Load", this), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel("Moment", this), 0, 2, Qt::AlignCenter);
    const std::vector<FieldSpec>& specs = PileMomentFields();
    for (std::size_t k = 0; k < specs.size(); ++k) {
        const FieldSpec* spec = &specs[k];
        const int point = static_cast<int>(k / 2) + 1;
        if (k % 2 == 0) grid->addWidget(new QLabel(QString("Point %1:").arg(point), this), point, 0);
        auto* e = new QLineEdit(this);
        e->setObjectName(spec->name);
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(110);
        WatchNumberText(e);
        connect(e, &QLineEdit::textEdited, this, [this, spec](const QString& text) {
            const double typed = LeadingNumber(text.toStdString());
            p_.*spec->value = static_cast<float>(typed * static_cast<double>(FactorValue(p_, spec->factor)));
        });
        fields_[spec->name] = e;
        grid->addWidget(e, point, static_cast<int>(k % 2) + 1);
    }
    close_ = new QPushButton("&Close", this);
    close_->setObjectName("pmClose");
    close_->setToolTip("Close form");
    connect(close_, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new PileMomentPicture(this), 0, Qt::AlignCenter);
    layout->addLayout(grid);
    units_ = new UnitLabels(this);
    for (const auto& [name, e] : fields_) units_->Attach(e);
    layout->addWidget(close_, 0, Qt::AlignRight);
    Fill();
    adjustSize();
    FitCaption(this);
}

QLineEdit* PileMomentWindow::field(const std::string& name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : it->second;
}

void PileMomentWindow::Open() {
    ShowOnTop(this, centred_);
}

void PileMomentWindow::Fill() {
    for (const FieldSpec& f : PileMomentFields()) {
        QLineEdit* e = fields_[f.name];
        e->setText(Q(FieldText(p_, f)));
        e->setToolTip(Q(HintText(f.hint, p_.Units)));
    }
    units_->Update(p_);
}

void PileMomentWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace qelvorn::ui
