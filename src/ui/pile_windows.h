// The pile layout window, stepping through the pile rows one at a time, and
// the pile lateral load - moment window with the three points of the curve
// used for fixed-head piles.
//
// The pile layout window is a row window: it keeps its own current row and
// checks it against the pile rows before every use.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "model/project.h"
#include "ui/row_window.h"
#include "ui/unit_labels.h"

namespace qelvorn::ui {

class PileLayoutWindow : public RowWindow {
    Q_OBJECT
public:
    explicit PileLayoutWindow(Project& p, QWidget* parent = nullptr);

    // Open() is the main window's "&View Pile Layout".
    // Hints in the words of the project's unit system.
    void SetHints();

    // Fields by record name: "PILEX", "PILEB", "PILEN", "PILENB", "PILES".
    QLineEdit* field(const std::string& name) const;
    QGroupBox* frame() const { return frame_; }

protected:
    std::int32_t RowCount() const override;
    void FillRow(std::size_t i) override;

private:
    void Edited(const std::string& name, const QString& text);

    Project& p_;
    QGroupBox* frame_ = nullptr;
    std::map<std::string, QLineEdit*> fields_;
    UnitLabels* units_ = nullptr;
};

class PileMomentWindow : public QWidget {
    Q_OBJECT
public:
    explicit PileMomentWindow(Project& p, QWidget* parent = nullptr);

    // Shows the window (centred the first time).
    void Open();
    // Writes the six points ("0.00", in display units) and their hints.
    void Fill();

    // Fields by record name: "pile1v", "pile1m", ... "pile3m".
    QLineEdit* field(const std::string& name) const;
    QPushButton* closeButton() const { return close_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Project& p_;
    bool centred_ = false;
    std::map<std::string, QLineEdit*> fields_;
    UnitLabels* units_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace qelvorn::ui
