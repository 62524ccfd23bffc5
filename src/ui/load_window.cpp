#include "ui/load_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "model/load_table.h"
#include "model/numtext.h"
#include "ui/fields.h"
#include "ui/small_windows.h"

namespace qelvorn::ui {

namespace {

const char* const kRowLabels[kLoadTypes] = {
    "Dead load abutment:",   "Dead load constant:",   "Dead load varying:",   "Dead load earth:",
    "Live load standard:",   "Live load special:",    "Live load long force:", "Friction long force:",
    "Lateral earth pressure:", "Live load surcharge:", "Compaction pressure:", "EQ lateral pressure:"};

// Load type words of the factor hints.
const char* const kHintTypes[kLoadTypes] = {
    "dead load abutment", "dead load constant",          "dead load varying",          "dead load earth",
    "live load 1",        "live load 2",                 "live load longitudinal force", "friction longitudinal force",
    "lateral earth pressure", "live load surcharge",     "compaction pressure",        "earthquake lateral pressure"};

struct FactorSet {
    const std::array<ColumnPtr, kLoadTypes>* columns;
    const char* suffix;
    const char* hint;
};
const FactorSet kSets[3] = {{&kMaxFactors, "max", "Max load factor for "},
                            {&kMinFactors, "min", "Min load factor for "},
                            {&kSlsFactors, "sls", "SLS load factor for "}};

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QString FactorHint(int set, int t) { return QString(kSets[set].hint) + kHintTypes[t]; }

LoadCombinationsWindow::LoadCombinationsWindow(Project& p, Dialogs& dialogs, QWidget* parent)
    : RowWindow(parent), p_(p), dialogs_(dialogs) {
    setWindowTitle("LOAD COMBINATIONS");
    setObjectName("LoadCombinationsWindow");

    frame_ = new QGroupBox("LOAD COMBINATION NO  1", this);
    frame_->setObjectName("loadFrame");
    auto* grid = new QGridLayout(frame_);
    auto makeField = [this](const std::string& name, const QString& hint) {
        auto* e = new QLineEdit(frame_);
        e->setObjectName(Q(name));
        e->setToolTip(hint);
        fields_[name] = e;
        return e;
    };

    grid->addWidget(new QLabel("Load condition:", frame_), 0, 0);
    QLineEdit* title = makeField("LoadTitle", "Load combination title");
    title->setMinimumWidth(360);
    grid->addWidget(title, 0, 1, 1, 3);
    connect(title, &QLineEdit::textEdited, this, &LoadCombinationsWindow::TitleEdited);

    grid->addWidget(new QLabel("Max:", frame_), 1, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel("Min:", frame_), 1, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel("Service:", frame_), 1, 3, Qt::AlignCenter);
    for (int t = 0; t < kLoadTypes; ++t) {
        grid->addWidget(new QLabel(kRowLabels[t], frame_), t + 2, 0);
        for (int s = 0; s < 3; ++s) {
            const std::string name = std::string("F") + kLoadCodes[static_cast<std::size_t>(t)] + kSets[s].suffix;
            QLineEdit* e = makeField(name, QString(kSets[s].hint) + kHintTypes[t]);
            e->setAlignment(Qt::AlignRight);
            e->setMaximumWidth(90);
            WatchNumberText(e);
            const ColumnPtr column = (*kSets[s].columns)[static_cast<std::size_t>(t)];
            connect(e, &QLineEdit::textEdited, this, [this, column](const QString& text) { FactorEdited(column, text); });
            grid->addWidget(e, t + 2, s + 1);
        }
    }
    grid->addWidget(new QLabel("Service stress increase factor:", frame_), kLoadTypes + 2, 0, 1, 3, Qt::AlignRight);
    QLineEdit* fsls = makeField("Fsls", "SLS stress increase factor");
    fsls->setAlignment(Qt::AlignRight);
    fsls->setMaximumWidth(90);
    WatchNumberText(fsls);
    connect(fsls, &QLineEdit::textEdited, this,
            [this](const QString& text) { FactorEdited(&Project::Fsls, text); });
    grid->addWidget(fsls, kLoadTypes + 2, 3);

    add_ = new QPushButton("&Add", this);
    add_->setObjectName("loadAdd");
    add_->setToolTip("Add load combination");
    delete_ = new QPushButton("&Delete", this);
    delete_->setObjectName("loadDelete");
    delete_->setToolTip("Delete load combination");
    connect(add_, &QPushButton::clicked, this, &LoadCombinationsWindow::Add);
    connect(delete_, &QPushButton::clicked, this, &LoadCombinationsWindow::Delete);

    QHBoxLayout* buttons = MakeStepButtons("Previous load combination", "Next load combination", "load");
    buttons->insertWidget(0, add_);
    buttons->insertWidget(1, delete_);
    buttons->insertStretch(2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addLayout(buttons);
    adjustSize();
    FitCaption(this);
}

QLineEdit* LoadCombinationsWindow::field(const std::string& name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : it->second;
}

std::int32_t LoadCombinationsWindow::RowCount() const { return LoadCombinationRows(p_); }

void LoadCombinationsWindow::FillRow(std::size_t i) {
    frame_->setTitle("LOAD COMBINATION NO " + Q(SignedNumberText(static_cast<float>(row_))));
    fields_["LoadTitle"]->setText(Q(p_.LoadTitle[i]));
    for (int t = 0; t < kLoadTypes; ++t)
        for (const FactorSet& s : kSets) {
            const std::string name = std::string("F") + kLoadCodes[static_cast<std::size_t>(t)] + s.suffix;
            const ColumnPtr column = (*s.columns)[static_cast<std::size_t>(t)];
            fields_[name]->setText(Q(FactorText((p_.*column)[i])));
        }
    fields_["Fsls"]->setText(Q(FactorText(p_.Fsls[i])));
}

void LoadCombinationsWindow::TitleEdited(const QString& text) {
    if (!RowInTable()) return;
    p_.LoadTitle[static_cast<std::size_t>(row_)] = text.toStdString();
}

void LoadCombinationsWindow::FactorEdited(Column Project::*column, const QString& text) {
    if (!RowInTable()) return;
    (p_.*column)[static_cast<std::size_t>(row_)] = static_cast<float>(LeadingNumber(text.toStdString()));
}

// A row shown from a table that has since changed is shown again from the
// table as it is, and nothing more happens: the user sees what would be
// added after or deleted before being asked.
void LoadCombinationsWindow::Add() {
    if (!p_.FormReady || !RowInTable()) return;
    if (!dialogs_.AskYesNo(this, "Are you sure you want to add a load combination?", "Load Combinations")) return;
    row_ = InsertLoadCombination(p_, row_);
    ShowRow();
    emit tableChanged();
}

void LoadCombinationsWindow::Delete() {
    if (!p_.FormReady || !RowInTable()) return;
    if (LoadCombinationRows(p_) < 2) {
        dialogs_.Message(this, "Cannot delete all load combinations", "Load Combinations", MessageIcon::Information);
        return;
    }
    if (!dialogs_.AskYesNo(this, "Are you sure you want to delete a load combination?", "Load Combinations")) return;
    row_ = DeleteLoadCombination(p_, row_);
    ShowRow();
    emit tableChanged();
}

}  // namespace qelvorn::ui
