#include "ui/drawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace qelvorn::ui {

namespace {

constexpr float kDegToRad = 3.1416f / 180.0f;

// The cross-section dimensions in one consistent length unit.
struct Section {
    float Tf, Wf, Dt, Hw, Tw, Bat, Hb, Tb, Hh, Ts, Db, Ht;
    bool haunch;
    float p() const { return haunch ? Ts + Tb - Tw : 0.0f; }                    // haunch projection
    float h() const { return haunch ? Hw - Hb - Hh - p() : Hw - Hb; }           // stem height
    float tb() const { return h() * std::tan(Bat * kDegToRad) + Tw; }          // stem bottom thickness
    float seat() const { return Tf + Hw - Hb; }
    float back() const { return Dt + Ts + Tb; }                                 // back face of back wall
};

Section FromProject(const Project& p, bool haunch) {
    return {p.Tf, p.Wf, p.Dt, p.Hw, p.Tw, p.Bat, p.Hb, p.Tb, p.Hh, p.Ts, p.Db, p.Ht, haunch};
}

// Typical proportions (feet) for the schematic.
Section Schematic(bool haunch) {
    if (haunch) return {3, 15, 4.5f, 20, 4, 3, 7, 1.5f, 2.5f, 3.5f, 1.75f, 3, true};
    return {3, 15, 4.5f, 20, 5, 3, 7, 1.5f, 0, 2.5f, 1.25f, 3, false};
}

bool Consistent(const Section& s) {
    if (!(s.Tf > 0 && s.Wf > 0 && s.Hw > 0 && s.Tw > 0 && s.Hb > 0 && s.Tb > 0 && s.Ts > 0)) return false;
    if (!(s.Dt >= 0 && s.Db >= 0 && s.Db <= s.Ts && s.Ht >= 0 && s.Bat >= 0 && s.Bat < 45)) return false;
    if (s.haunch) {
        if (!(s.Hh > 0 && s.p() >= 0)) return false;
    } else if (s.Tw < s.Ts + s.Tb) {
        return false;
    }
    if (!(s.h() > 0)) return false;
    return s.Dt + std::max(s.tb(), s.Ts + s.Tb) <= s.Wf;
}

QPolygonF WallOutline(const Section& s) {
    const float ys = s.Tf + s.h();
    QPolygonF poly;
    poly << QPointF(s.Dt, s.Tf) << QPointF(s.Dt + s.tb(), s.Tf) << QPointF(s.Dt + s.Tw, ys);
    if (s.haunch)
        poly << QPointF(s.back(), ys + s.p());
    poly << QPointF(s.back(), s.Tf + s.Hw) << QPointF(s.Dt + s.Ts, s.Tf + s.Hw) << QPointF(s.Dt + s.Ts, s.seat())
         << QPointF(s.Dt, s.seat());
    return poly;
}

// Model (x from the toe, y up from the footing bottom) to widget pixels.
class View {
public:
    View(const QRectF& area, double xmin, double xmax, double ymin, double ymax) {
        scale_ = std::min(area.width() / (xmax - xmin), area.height() / (ymax - ymin));
        const double w = (xmax - xmin) * scale_, h = (ymax - ymin) * scale_;
        ox_ = area.left() + (area.width() - w) / 2 - xmin * scale_;
        oy_ = area.top() + (area.height() - h) / 2 + ymax * scale_;
    }
    QPointF operator()(double x, double y) const { return {ox_ + x * scale_, oy_ - y * scale_}; }
    QPolygonF operator()(const QPolygonF& poly) const {
        QPolygonF out;
        for (const QPointF& pt : poly) out << (*this)(pt.x(), pt.y());
        return out;
    }
    double scale() const { return scale_; }

private:
    double scale_ = 1, ox_ = 0, oy_ = 0;
};

void Arrow(QPainter& g, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1e-6) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - u * 6 + n * 2.5 << tip - u * 6 - n * 2.5;
    g.drawPolygon(head);
}

// A dimension between two pixel points, drawn offset by `offset` pixels
// along the normal, with extension lines and the label at its middle.
void Dimension(QPainter& g, QPointF a, QPointF b, QPointF offset, const QString& label) {
    g.save();
    g.setPen(QPen(QColor(0, 70, 160), 1));
    g.setBrush(QColor(0, 70, 160));
    const QPointF a2 = a + offset, b2 = b + offset;
    if (offset != QPointF()) {
        g.drawLine(a, a2 + offset / std::max(1.0, std::hypot(offset.x(), offset.y())) * 3);
        g.drawLine(b, b2 + offset / std::max(1.0, std::hypot(offset.x(), offset.y())) * 3);
    }
    g.drawLine(a2, b2);
    Arrow(g, a2, b2);
    Arrow(g, b2, a2);
    const QPointF mid = (a2 + b2) / 2;
    const QFontMetrics fm = g.fontMetrics();
    const int w = fm.horizontalAdvance(label) + 4, h = fm.height();
    const bool vertical = std::abs(a2.x() - b2.x()) < std::abs(a2.y() - b2.y());
    QRectF box = vertical ? QRectF(mid.x() - w / 2.0, mid.y() - h / 2.0, w, h)
                          : QRectF(mid.x() - w / 2.0, mid.y() - h - 1, w, h);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 255, 255, 220));
    g.drawRect(box);
    g.setPen(QColor(0, 70, 160));
    g.drawText(box, Qt::AlignCenter, label);
    g.restore();
}

void Caption(QPainter& g, const QRect& r, bool toScale) {
    g.save();
    QFont f = g.font();
    f.setItalic(true);
    g.setFont(f);
    g.setPen(Qt::darkGray);
    g.drawText(r.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop, toScale ? "Drawn to scale" : "Schematic");
    g.restore();
}

const QColor kConcrete(205, 205, 200);
const QPen kOutline(Qt::black, 1.5);

void DrawSection(QPainter& g, const QRect& rect, const Section& s) {
    const double top = s.Tf + s.Hw;
    const View v(QRectF(rect).adjusted(58, 48, -52, -56), 0, s.Wf, 0, top);
    g.setRenderHint(QPainter::Antialiasing);

    // Soil: in front of the wall up to Ht over the toe, backfill to the top behind it.
    g.setPen(QPen(QColor(120, 90, 40), 1, Qt::DashLine));
    if (s.Ht > 0) g.drawLine(v(0, s.Tf + s.Ht), v(s.Dt, s.Tf + s.Ht));
    g.drawLine(v(s.back(), top), v(s.Wf, top));

    g.setPen(kOutline);
    g.setBrush(kConcrete);
    g.drawRect(QRectF(v(0, s.Tf), v(s.Wf, 0)));
    g.drawPolygon(v(WallOutline(s)));

    // Bearing on the seat at Db from the front face.
    g.setBrush(Qt::black);
    const QPointF brg = v(s.Dt + s.Db, s.seat());
    QPolygonF bearing;
    bearing << brg << brg + QPointF(-5, -7) << brg + QPointF(5, -7);
    g.drawPolygon(bearing);

    const double ys = s.Tf + s.h();
    Dimension(g, v(s.Wf, s.Tf), v(s.Wf, top), QPointF(22, 0), "Hw");
    Dimension(g, v(s.Dt, ys - 0.25 * s.h()), v(s.Dt + s.Tw, ys - 0.25 * s.h()), QPointF(0, 0), "Tw");
    Dimension(g, v(s.Dt + s.Ts, top), v(s.back(), top), QPointF(0, -16), "Tb");
    Dimension(g, v(s.Dt, s.seat()), v(s.Dt + s.Ts, s.seat()), QPointF(0, -30), "Ts");
    Dimension(g, v(s.Dt, s.seat()), v(s.Dt + s.Db, s.seat()), QPointF(0, -12), "Db");
    Dimension(g, v(s.Dt, s.seat()), v(s.Dt, top), QPointF(-22, 0), "Hb");
    if (s.haunch) Dimension(g, v(s.Dt, s.seat() - s.Hh), v(s.Dt, s.seat()), QPointF(-22, 0), "Hh");
    Dimension(g, v(0, 0), v(s.Dt, 0), QPointF(0, 18), "Dt");
    Dimension(g, v(0, 0), v(s.Wf, 0), QPointF(0, 36), "Wf");
    Dimension(g, v(0, 0), v(0, s.Tf), QPointF(-22, 0), "Tf");
    if (s.Ht > 0) Dimension(g, v(0, s.Tf), v(0, s.Tf + s.Ht), QPointF(-22, 0), "Ht");

    // Batter of the back face of the stem, measured from the vertical.
    g.save();
    g.setPen(QPen(QColor(0, 70, 160), 1, Qt::DotLine));
    const QPointF foot = v(s.Dt + s.tb(), s.Tf), head = v(s.Dt + s.Tw, ys);
    g.drawLine(foot, QPointF(foot.x(), head.y()));
    g.setPen(QColor(0, 70, 160));
    g.drawText(QPointF(foot.x() + 4, (foot.y() + head.y()) / 2), "Bat");
    g.restore();
}

void DrawSideWall(QPainter& g, const QRect& rect, const Section& s, float Ls, float Hs, float Tst, float Tsb) {
    const double top = s.Tf + s.Hw;
    const double x0 = s.back(), xend = x0 + Ls;
    const double inset = std::max(Tsb, Tst) * 3.0;  // room for the wall section at the right
    const View v(QRectF(rect).adjusted(40, 48, -40, -40), 0, std::max<double>(s.Wf, xend) + inset, 0, top);
    g.setRenderHint(QPainter::Antialiasing);

    g.setPen(kOutline);
    g.setBrush(kConcrete);
    g.drawRect(QRectF(v(0, s.Tf), v(s.Wf, 0)));
    g.drawPolygon(v(WallOutline(s)));

    // Side wall elevation: full height at the back wall, its bottom edge rising
    // beyond the footing heel to the end height Hs.
    QPolygonF wall;
    if (xend > s.Wf)
        wall << QPointF(x0, s.Tf) << QPointF(s.Wf, s.Tf) << QPointF(xend, top - Hs) << QPointF(xend, top)
             << QPointF(x0, top);
    else
        wall << QPointF(x0, s.Tf) << QPointF(xend, s.Tf) << QPointF(xend, top) << QPointF(x0, top);
    g.setBrush(QColor(225, 215, 190));
    g.drawPolygon(v(wall));

    Dimension(g, v(x0, top), v(xend, top), QPointF(0, -16), "Ls");
    Dimension(g, v(xend, top - Hs), v(xend, top), QPointF(20, 0), "Hs");

    // Section through the side wall: thickness Tst at the top, Tsb at the bottom.
    const double sx = xend + inset * 0.55, sh = std::min<double>(Hs, s.Hw) * 0.8, sy = top - Hs * 0.1;
    QPolygonF cut;
    cut << QPointF(sx, sy) << QPointF(sx + Tst, sy) << QPointF(sx + Tsb, sy - sh) << QPointF(sx, sy - sh);
    g.setPen(kOutline);
    g.setBrush(QColor(225, 215, 190));
    g.drawPolygon(v(cut));
    Dimension(g, v(sx, sy), v(sx + Tst, sy), QPointF(0, -12), "Tst");
    Dimension(g, v(sx, sy - sh), v(sx + Tsb, sy - sh), QPointF(0, 14), "Tsb");
}

}  // namespace

bool AbutmentIsConsistent(const Project& p, bool haunch) { return Consistent(FromProject(p, haunch)); }

bool SideWallIsConsistent(const Project& p) {
    return AbutmentIsConsistent(p, p.WallType == "haunch") && p.Ls > 0 && p.Hs > 0 && p.Hs <= p.Hw &&
           p.Tst > 0 && p.Tsb > 0;
}

AbutmentDrawing::AbutmentDrawing(const Project& p, bool haunch, QWidget* parent)
    : QWidget(parent), p_(p), haunch_(haunch) {
    setMinimumSize(300, 320);
}

bool AbutmentDrawing::toScale() const { return AbutmentIsConsistent(p_, haunch_); }

void AbutmentDrawing::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), Qt::white);
    const bool scaled = toScale();
    DrawSection(g, rect(), scaled ? FromProject(p_, haunch_) : Schematic(haunch_));
    Caption(g, rect(), scaled);
}

SideWallDrawing::SideWallDrawing(const Project& p, QWidget* parent) : QWidget(parent), p_(p) {
    setMinimumSize(320, 260);
}

bool SideWallDrawing::toScale() const { return SideWallIsConsistent(p_); }

void SideWallDrawing::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), Qt::white);
    const bool scaled = toScale();
    if (scaled)
        DrawSideWall(g, rect(), FromProject(p_, p_.WallType == "haunch"), p_.Ls, p_.Hs, p_.Tst, p_.Tsb);
    else
        DrawSideWall(g, rect(), Schematic(true), 12, 6, 1, 1.5f);
    Caption(g, rect(), scaled);
}

}  // namespace qelvorn::ui
