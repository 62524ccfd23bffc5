// The next and previous buttons of the windows that step through a table:
// push buttons showing an arrow drawn for them rather than a caption.
#pragma once

#include <QIcon>
#include <QPushButton>
#include <QString>

namespace qelvorn::ui {

// A filled arrow pointing right (next) or left (previous).
QIcon ArrowIcon(bool next);

// A button with the arrow picture, the hint and the object name given.
QPushButton* MakeArrowButton(bool next, const QString& hint, const QString& name, QWidget* parent);

}  // namespace qelvorn::ui
