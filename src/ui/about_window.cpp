#include "ui/about_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/small_windows.h"

namespace qelvorn::ui {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, NoCloseWindowFlags()) {
    setWindowTitle("About Program QELVORN");
    setObjectName("AboutWindow");

    auto* noticeFrame = new QGroupBox("NOTICE", this);
    noticeFrame->setObjectName("aboutNotice");
    notice_ = new QLabel("Every result must be checked by the engineer responsible for the design.", noticeFrame);
    notice_->setObjectName("noticeText");
    (new QVBoxLayout(noticeFrame))->addWidget(notice_);

    auto* programFrame = new QGroupBox("Program QELVORN Version 1.31", this);
    programFrame->setObjectName("aboutProgram");
    text_ = new QLabel(
        "Program QELVORN may be used to analyze a seat-type bridge abutment with pile or spread footings. ",
        programFrame);
    text_->setObjectName("programText");
    text_->setWordWrap(true);
    (new QVBoxLayout(programFrame))->addWidget(text_);

    ok_ = new QPushButton("&OK", this);
    ok_->setObjectName("aboutOk");
    ok_->setToolTip("Close form");
    connect(ok_, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noticeFrame);
    layout->addWidget(programFrame);
    layout->addWidget(ok_, 0, Qt::AlignRight);
    setMinimumWidth(460);
    adjustSize();
    FitCaption(this);
}

void AboutWindow::Open() {
    ShowOnTop(this, centred_);
}

void AboutWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace qelvorn::ui
