#include "ui/row_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <algorithm>

#include "ui/arrow_button.h"
#include "ui/small_windows.h"

namespace qelvorn::ui {

RowWindow::RowWindow(QWidget* parent) : QWidget(parent, NoCloseWindowFlags()) {}

QHBoxLayout* RowWindow::MakeStepButtons(const QString& previousHint, const QString& nextHint,
                                        const QString& prefix) {
    previous_ = MakeArrowButton(false, previousHint, prefix + "Previous", this);
    next_ = MakeArrowButton(true, nextHint, prefix + "Next", this);
    close_ = new QPushButton("&Close", this);
    close_->setObjectName(prefix + "Close");
    close_->setToolTip("Close form");
    connect(previous_, &QPushButton::clicked, this, &RowWindow::Previous);
    connect(next_, &QPushButton::clicked, this, &RowWindow::Next);
    connect(close_, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(close_);
    return buttons;
}

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
