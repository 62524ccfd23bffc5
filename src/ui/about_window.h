// The about window: the program's name and version with a one-line notice.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace qelvorn::ui {

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
    // Shows the window (centred the first time).
    void Open();
    QLabel* notice() const { return notice_; }
    QLabel* text() const { return text_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    bool centred_ = false;
    QLabel* notice_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace qelvorn::ui
