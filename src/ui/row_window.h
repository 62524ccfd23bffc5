// A modeless window that steps through the rows of a 1-based table one row
// at a time (the load combinations and the pile layout windows).
//
// The window keeps its own current row. Whatever happens to the table from
// elsewhere (a new count typed in the main window, a file loaded, a reset),
// the row is checked against the table before it is used, so the window
// never addresses a row outside the table.
#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <cstdint>

class QCloseEvent;
class QHBoxLayout;

namespace qelvorn::ui {

class RowWindow : public QWidget {
    Q_OBJECT
public:
    // Only when the table has rows, shows the window at row 1 (centred the
    // first time) and brings it to the front.
    void Open();
    // Brings the row back into the table after the table changed from
    // elsewhere and shows it again; hides the window when the table has no
    // rows left.
    void Sync();

    std::int32_t row() const { return row_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* closeButton() const { return close_; }

public slots:
    void Next();
    void Previous();

protected:
    explicit RowWindow(QWidget* parent);

    // Number of rows the table has now.
    virtual std::int32_t RowCount() const = 0;
    // Writes table row i (a row of the table) into the window's fields.
    virtual void FillRow(std::size_t i) = 0;

    // Shows the current row, if it is a row of the table.
    void ShowRow();
    // True when the current row is a row of the table; otherwise brings it
    // back into the table first and returns false.
    bool RowInTable();

    // Makes the previous, next and close buttons (object names prefix +
    // "Previous", "Next", "Close") and returns them laid out in a row.
    QHBoxLayout* MakeStepButtons(const QString& previousHint, const QString& nextHint, const QString& prefix);

    // Closing hides the window; it keeps its row.
    void closeEvent(QCloseEvent* e) override;

    std::int32_t row_ = 0;

private:
    bool centred_ = false;
    QPushButton* next_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace qelvorn::ui
