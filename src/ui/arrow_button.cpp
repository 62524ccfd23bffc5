#include "ui/arrow_button.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace qelvorn::ui {

QIcon ArrowIcon(bool next) {
    constexpr int kSize = 24;
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0, 0, 128));
    // Shaft and head of a right-pointing arrow; mirrored for "previous".
    QPolygonF arrow;
    arrow << QPointF(3, 9) << QPointF(13, 9) << QPointF(13, 4) << QPointF(21, 12) << QPointF(13, 20)
          << QPointF(13, 15) << QPointF(3, 15);
    if (!next)
        for (QPointF& pt : arrow) pt.setX(kSize - pt.x());
    g.drawPolygon(arrow);
    g.end();
    return QIcon(pm);
}

QPushButton* MakeArrowButton(bool next, const QString& hint, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setIcon(ArrowIcon(next));
    b->setIconSize(QSize(24, 24));
    b->setToolTip(hint);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace qelvorn::ui
