// The output window (which sections the run writes, and the command that
// starts it) and the report title window. Both are modeless, keep their
// state while hidden, and are hidden rather than closed.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "model/project.h"

namespace qelvorn::ui {

// Window flags of a fixed tool window without a title-bar close button.
Qt::WindowFlags NoCloseWindowFlags();
// Widens a laid-out window so that its title bar shows the whole caption
// beside the window manager's icon and buttons.
void FitCaption(QWidget* w);
// Centres a top-level window on its screen.
void CentreOnScreen(QWidget* w);
// Shows a modeless window, centred on its screen the first time (centred
// remembers that), and brings it to the front.
void ShowOnTop(QWidget* w, bool& centred);

class OutputWindow : public QWidget {
    Q_OBJECT
public:
    explicit OutputWindow(Project& p, QWidget* parent = nullptr);
    // Ticks or clears each box from its flag.
    void Fill();
    QCheckBox* box(int i) const { return boxes_.at(static_cast<std::size_t>(i - 1)); }  // 1..4
    QPushButton* performButton() const { return perform_; }

signals:
    void performRequested();
    void titleRequested();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Project& p_;
    std::array<QCheckBox*, 4> boxes_{};
    QPushButton* perform_ = nullptr;
};

class TitleWindow : public QWidget {
    Q_OBJECT
public:
    explicit TitleWindow(Project& p, QWidget* parent = nullptr);
    void Fill();
    QLineEdit* field() const { return field_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Project& p_;
    QLineEdit* field_;
};

}  // namespace qelvorn::ui
