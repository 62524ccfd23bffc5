// The pile layout window, stepping through the pile rows one at a time, and
// the pile lateral load - moment window with the three points of the curve
// used for fixed-head piles.
//
// The pile layout window keeps its own current row and checks it against
// the pile rows before every use, like the load combinations window.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <map>
#include <string>

#include "model/project.h"

namespace qelvorn::ui {

class PileLayoutWindow : public QWidget {
    Q_OBJECT
public:
    explicit PileLayoutWindow(Project& p, QWidget* parent = nullptr);

    // The main window's "&View Pile Layout": only when there are pile rows,
    // shows the window at row 1.
    void Open();
    // Brings the row back into the table after the rows changed from
    // elsewhere and shows it again; hides the window when no rows are left.
    void Sync();
    // Hints in the words of the project's unit system.
    void SetHints();

    std::int32_t row() const { return row_; }
    // Fields by record name: "PILEX", "PILEB", "PILEN", "PILENB", "PILES".
    QLineEdit* field(const std::string& name) const;
    QGroupBox* frame() const { return frame_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* closeButton() const { return close_; }

public slots:
    void Next();
    void Previous();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void ShowRow();
    bool RowInTable();
    void Edited(const std::string& name, const QString& text);

    Project& p_;
    std::int32_t row_ = 0;
    bool centred_ = false;
    QGroupBox* frame_ = nullptr;
    std::map<std::string, QLineEdit*> fields_;
    QPushButton* next_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* close_ = nullptr;
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
    QPushButton* close_ = nullptr;
};

}  // namespace qelvorn::ui
