#include "ui/row_window.h"

#include <QCloseEvent>
#include <algorithm>

#include "ui/small_windows.h"

namespace qelvorn::ui {

RowWindow::RowWindow(QWidget* parent) : QWidget(parent, NoCloseWindowFlags()) {}

void RowWindow::Open() {
    if (RowCount() <= 0) return;
    row_ = 1;
    ShowRow();
    ShowOnTop(this, centred_);
}

void RowWindow::Sync() {
    const std::int32_t rows = RowCount();
    if (rows <= 0) {
        row_ = 0;
        hide();
        return;
    }
    row_ = std::clamp(row_, std::int32_t{1}, rows);
    ShowRow();
}

bool RowWindow::RowInTable() {
    if (row_ >= 1 && row_ <= RowCount()) return true;
    Sync();
    return false;
}

void RowWindow::ShowRow() {
    if (row_ < 1 || row_ > RowCount()) return;
    FillRow(static_cast<std::size_t>(row_));
}

void RowWindow::Next() {
    if (!RowInTable()) return;
    if (row_ < RowCount()) {
        ++row_;
        ShowRow();
    }
}

void RowWindow::Previous() {
    if (!RowInTable()) return;
    if (row_ > 1) {
        --row_;
        ShowRow();
    }
}

void RowWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace qelvorn::ui
