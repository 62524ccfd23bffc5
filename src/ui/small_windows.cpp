#include "ui/small_windows.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace qelvorn::ui {

Qt::WindowFlags NoCloseWindowFlags() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
}

void FitCaption(QWidget* w) {
    // Title bars use a bold font of about the application's size; the icon,
    // the buttons and the margins take some 160 pixels besides.
    QFont font = w->font();
    font.setBold(true);
    const int needed = QFontMetrics(font).horizontalAdvance(w->windowTitle()) * 6 / 5 + 160;
    if (w->width() < needed) w->resize(needed, w->height());
}

void CentreOnScreen(QWidget* w) {
    if (w->windowState() != Qt::WindowNoState) return;
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect s = screen->availableGeometry();
    const QSize size = w->frameGeometry().size().expandedTo(w->size());
    w->move(s.left() + (s.width() - size.width()) / 2, s.top() + (s.height() - size.height()) / 2);
}

void ShowOnTop(QWidget* w, bool& centred) {
    w->show();
    if (!centred) {
        CentreOnScreen(w);
        centred = true;
    }
    w->raise();
    w->activateWindow();
}

namespace {
// Flags are 16-bit with true = -1.
Flag ToFlag(bool on) { return on ? kTrue : kFalse; }

const char* const kBoxText[4] = {"Input data echo", "Abutment calculations", "Side wall calculations",
                                 "Quantity calculations"};
const char* const kBoxHint[4] = {"Output input data echo", "Output abutment calculations",
                                 "Output side wall calculations", "Output quantity calculations"};
}  // namespace

OutputWindow::OutputWindow(Project& p, QWidget* parent) : QWidget(parent, NoCloseWindowFlags()), p_(p) {
    setWindowTitle("Define Calculation");
    setObjectName("OutputWindow");
    auto* menu = new QMenuBar(this);
    QMenu* file = menu->addMenu("&File");
    QAction* close = file->addAction("&Close", this, &QWidget::hide);
    close->setObjectName("outputClose");
    QMenu* define = menu->addMenu("&Define");
    QAction* title = define->addAction("&Output title (optional)", this, &OutputWindow::titleRequested);
    title->setObjectName("outputTitle");

    auto* frame = new QGroupBox("OUTPUT", this);
    auto* frameLayout = new QVBoxLayout(frame);
    Flag Project::*flags[4] = {&Project::chko1, &Project::chko2, &Project::chko3, &Project::chko4};
    for (int i = 0; i < 4; ++i) {
        auto* box = new QCheckBox(kBoxText[i], frame);
        box->setObjectName(QString("chko%1").arg(i + 1));
        box->setToolTip(kBoxHint[i]);
        Flag Project::*flag = flags[i];
        connect(box, &QCheckBox::clicked, this, [this, flag](bool on) { p_.*flag = ToFlag(on); });
        frameLayout->addWidget(box);
        boxes_[static_cast<std::size_t>(i)] = box;
    }
    perform_ = new QPushButton("&Perform Calculations", this);
    perform_->setObjectName("performCalculations");
    perform_->setToolTip("Click to perform calculations");
    connect(perform_, &QPushButton::clicked, this, &OutputWindow::performRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(frame);
    layout->addWidget(perform_);
    adjustSize();
    FitCaption(this);
    Fill();
}

void OutputWindow::Fill() {
    const Flag flags[4] = {p_.chko1, p_.chko2, p_.chko3, p_.chko4};
    for (int i = 0; i < 4; ++i) boxes_[static_cast<std::size_t>(i)]->setChecked(flags[i] != 0);
}

void OutputWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

TitleWindow::TitleWindow(Project& p, QWidget* parent)
    : QWidget(parent, NoCloseWindowFlags()), p_(p), field_(new QLineEdit(this)) {
    setWindowTitle("Output Title");
    setObjectName("TitleWindow");
    field_->setObjectName("Title");
    field_->setToolTip("Enter Output Title");
    field_->setMinimumWidth(420);
    connect(field_, &QLineEdit::textEdited, this, [this](const QString& text) { p_.Title = text.toStdString(); });
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("titleClose");
    close->setToolTip("Close form");
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(field_);
    layout->addWidget(close, 0, Qt::AlignRight);
    adjustSize();
    FitCaption(this);
    Fill();
}

void TitleWindow::Fill() { field_->setText(QString::fromStdString(p_.Title)); }

void TitleWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace qelvorn::ui
