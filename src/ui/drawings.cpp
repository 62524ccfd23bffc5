#include "ui/drawings.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "model/numtext.h"
#include "ui/fields.h"

namespace qelvorn::ui {

namespace {

constexpr float kDegToRad = 3.1416f / 180.0f;
constexpr float kMaxBatter = 45.0f;  // steeper walls or piles are taken as typing slips

// The cross-section dimensions in one consistent length unit.
struct Section {
    float Tf, Wf, Dt, Hw, Tw, Bat, Hb, Tb, Hh, Ts, Db, Ht;
    bool haunch;
    // Back wall thickness: without a haunch it is what the seat leaves of the stem top.
    float backWall() const { return haunch ? Tb : Tw - Ts; }
    float p() const { return haunch ? Ts + Tb - Tw : 0.0f; }                    // haunch projection
    float h() const { return haunch ? Hw - Hb - Hh - p() : Hw - Hb; }           // stem height
    float tb() const { return h() * std::tan(Bat * kDegToRad) + Tw; }          // stem bottom thickness
    float seat() const { return Tf + Hw - Hb; }
    float back() const { return Dt + Ts + backWall(); }                         // back face of back wall
};

Section FromProject(const Project& p, bool haunch) {
    return {p.Tf, p.Wf, p.Dt, p.Hw, p.Tw, p.Bat, p.Hb, p.Tb, p.Hh, p.Ts, p.Db, p.Ht, haunch};
}

// Typical proportions (feet) for the schematic.
Section Schematic(bool haunch) {
    if (haunch) return {3, 15, 4.5f, 20, 4, 3, 7, 1.5f, 2.5f, 3.5f, 1.75f, 3, true};
    return {3, 15, 4.5f, 20, 4.5f, 3, 7, 0, 0, 2.5f, 1.25f, 3, false};
}

using Named = std::initializer_list<std::pair<const char*, float>>;

// Sizes that must be entered (above zero) and those that may be zero.
void CheckSizes(QStringList& out, Named needed, Named optional) {
    QStringList missing, negative, huge;
    for (const auto& [name, v] : needed) {
        if (v == 0) missing << name;
        else if (v < 0) negative << name;
        else if (!std::isfinite(v)) huge << name;
    }
    for (const auto& [name, v] : optional) {
        if (v < 0) negative << name;
        else if (!std::isfinite(v)) huge << name;
    }
    if (!missing.isEmpty()) out << missing.join(", ") + " not entered";
    if (!negative.isEmpty()) out << negative.join(", ") + " negative";
    if (!huge.isEmpty()) out << huge.join(", ") + " too large";
}

QStringList Disagreements(const Section& s) {
    QStringList out;
    if (s.haunch)
        CheckSizes(out, {{"Hw", s.Hw}, {"Tw", s.Tw}, {"Hb", s.Hb}, {"Tb", s.Tb}, {"Hh", s.Hh}, {"Ts", s.Ts},
                         {"Wf", s.Wf}, {"Tf", s.Tf}},
                   {{"Bat", s.Bat}, {"Db", s.Db}, {"Dt", s.Dt}, {"Ht", s.Ht}});
    else
        CheckSizes(out, {{"Hw", s.Hw}, {"Tw", s.Tw}, {"Hb", s.Hb}, {"Ts", s.Ts}, {"Wf", s.Wf}, {"Tf", s.Tf}},
                   {{"Bat", s.Bat}, {"Db", s.Db}, {"Dt", s.Dt}, {"Ht", s.Ht}});
    if (!out.isEmpty()) return out;

    if (s.Bat >= kMaxBatter) out << "Bat ≥ 45°";
    if (s.Db > s.Ts) out << "Db > Ts";
    if (s.haunch && s.p() < 0) out << "Tw > Ts + Tb";
    else if (s.haunch && s.h() <= 0) out << "Hb + Hh + (Ts + Tb − Tw) ≥ Hw";
    if (!s.haunch && s.Tw <= s.Ts) out << "Ts ≥ Tw";
    if (!s.haunch && s.h() <= 0) out << "Hb ≥ Hw";
    if (!out.isEmpty()) return out;

    if (s.Dt + (s.haunch ? s.Ts + s.Tb : s.Tw) > s.Wf) out << (s.haunch ? "Dt + Ts + Tb > Wf" : "Dt + Tw > Wf");
    else if (s.Dt + s.tb() > s.Wf) out << "Dt + Tw + batter > Wf";
    return out;
}

// Pile rows of a pile footing that the arrays hold.
int PileRowCount(const Project& p) {
    if (p.FootingType != "pile" || p.NROWS <= 0) return 0;
    std::size_t n = static_cast<std::size_t>(p.NROWS) + 1;
    for (std::size_t size : {p.PILEX.size(), p.PILEB.size(), p.PILEN.size(), p.PILENB.size()})
        n = std::min(n, size);
    return n > 0 ? static_cast<int>(n - 1) : 0;
}

QStringList PileDisagreements(const Project& p) {
    QStringList outside, steep, out;
    for (int i = 1; i <= PileRowCount(p); ++i) {
        if (!(p.PILEX[i] >= 0 && p.PILEX[i] <= p.Wf)) outside << QString::number(i);
        if (!(std::abs(p.PILEB[i]) < kMaxBatter)) steep << QString::number(i);
    }
    if (!outside.isEmpty()) out << "PILEX of row " + outside.join(", ") + " outside 0 to Wf";
    if (!steep.isEmpty()) out << "PILEB of row " + steep.join(", ") + " ≥ 45°";
    return out;
}

// Pile rows under the footing of section s. Drawn to scale they stand at
// their distances from the toe; on the schematic at the same fraction of
// the footing width. Their length is not part of the project: they are cut
// at a nominal depth. Battered piles lean out towards the toe, as their
// compression then resists the push of the backfill.
std::vector<PileRowPicture> PileRows(const Project& p, const Section& s, bool scaled) {
    std::vector<PileRowPicture> rows;
    const int n = PileRowCount(p);
    for (int i = 1; i <= n; ++i) {
        PileRowPicture r;
        const float share = p.Wf > 0 ? p.PILEX[i] / p.Wf : NAN;  // of the footing width
        if (scaled) r.headX = p.PILEX[i];
        else if (std::isfinite(share)) r.headX = std::clamp(share, 0.0f, 1.0f) * s.Wf;
        else r.headX = (i - 0.5) / n * s.Wf;
        r.depth = 0.2 * (s.Tf + s.Hw);
        const float batter = std::isfinite(p.PILEB[i]) ? std::clamp(p.PILEB[i], -kMaxBatter, kMaxBatter) : 0.0f;
        const int piles = p.PILEN[i], battered = std::clamp(p.PILENB[i], 0, std::max(piles, 0));
        r.battered = battered > 0 && batter != 0;
        r.vertical = !r.battered || piles > battered;
        r.batterTipX = r.headX - r.depth * std::tan(batter * kDegToRad);
        r.label = piles == 1 ? QString("1 pile") : QString("%1 piles").arg(piles);
        if (r.battered)
            r.label += QString("\n%1 at %2°").arg(battered).arg(QString::fromStdString(ShortestText(p.PILEB[i])));
        rows.push_back(r);
    }
    return rows;
}

// Dimension texts: the symbol and the value its field shows. The schematic
// shows the values entered so far (a zero is left out as not yet entered).
class Labels {
public:
    Labels(const Project& p, bool scaled) : p_(p), scaled_(scaled) {}
    QString operator()(const char* name) const {
        const FieldSpec* f = FindField(name);
        if (f == nullptr || (!scaled_ && p_.*f->value == 0)) return name;
        const QString unit = std::string_view(name) == "Bat" ? "°" : "";
        return QString("%1 = %2%3").arg(name, QString::fromStdString(FieldText(p_, *f)).trimmed(), unit);
    }
    // The back wall of a stem without haunch, Tw - Ts.
    QString backWall() const {
        const QString name = "Tw − Ts";
        if (!scaled_) return name;
        return name + " = " + QString::fromStdString(FormatNumber((p_.Tw - p_.Ts) / p_.LengthFactor, "0.000"));
    }

private:
    const Project& p_;
    bool scaled_;
};

QString Caption(const Project& p, bool scaled, const QStringList& disagree, bool piles) {
    if (!scaled) return "Schematic, not to scale: " + disagree.join("; ");
    QString text = QString("Drawn to scale, dimensions in ") + (p.Units == "metric" ? "meters" : "feet");
    if (piles) text += "; piles cut short";
    return text;
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

// Where a dimension's text stands: at its middle (beside a vertical one, on
// the side it is offset to), or beyond its second end when the measured
// part is too narrow to carry it.
enum class At { Middle, Beyond };

const QColor kDimension(0, 70, 160);

// A dimension between two pixel points, drawn offset by `offset` pixels
// along the normal, with extension lines and its text.
void Dimension(QPainter& g, QPointF a, QPointF b, QPointF offset, const QString& label, At at = At::Middle,
               double gap = 3) {
    g.save();
    g.setPen(QPen(kDimension, 1));
    g.setBrush(kDimension);
    const QPointF a2 = a + offset, b2 = b + offset;
    if (offset != QPointF()) {
        const QPointF past = offset / std::max(1.0, std::hypot(offset.x(), offset.y())) * 3;
        g.drawLine(a, a2 + past);
        g.drawLine(b, b2 + past);
    }
    g.drawLine(a2, b2);
    Arrow(g, a2, b2);
    Arrow(g, b2, a2);
    const QPointF mid = (a2 + b2) / 2;
    const QFontMetrics fm = g.fontMetrics();
    const int w = fm.horizontalAdvance(label) + 4, h = fm.height();
    const bool vertical = std::abs(a2.x() - b2.x()) < std::abs(a2.y() - b2.y());
    QRectF box;
    if (at == At::Beyond) box = QRectF(b2.x() + gap, b2.y() - h / 2.0, w, h);
    else if (vertical) box = QRectF(offset.x() < 0 ? mid.x() - w - 2 : mid.x() + 2, mid.y() - h / 2.0, w, h);
    else box = QRectF(mid.x() - w / 2.0, mid.y() - h - 1, w, h);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 255, 255, 220));
    g.drawRect(box);
    g.setPen(kDimension);
    g.drawText(box, Qt::AlignCenter, label);
    g.restore();
}

void DrawCaption(QPainter& g, const QRect& r, const QString& text) {
    g.save();
    QFont f = g.font();
    f.setItalic(true);
    g.setFont(f);
    g.setPen(Qt::darkGray);
    g.drawText(r.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    g.restore();
}

const QColor kConcrete(205, 205, 200);
const QColor kPile(175, 175, 168);
const QPen kOutline(Qt::black, 1.5);

// One pile from its head to its cut tip, `width` pixels wide, with a break
// mark across the tip.
void DrawPile(QPainter& g, QPointF head, QPointF tip, double width) {
    const QPointF d = tip - head;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1e-6) return;
    const QPointF u = d / len, n = QPointF(-u.y(), u.x()) * (width / 2);
    QPolygonF body;
    body << head + n << tip + n << tip - n << head - n;
    g.setPen(QPen(Qt::black, 1));
    g.setBrush(kPile);
    g.drawPolygon(body);
    const QPointF m = n / std::max(1e-6, width / 2);
    QPolygonF cut;
    cut << tip + n + m * 4 << tip + n * 0.3 + u * 3 << tip - n * 0.3 - u * 3 << tip - n - m * 4;
    g.setBrush(Qt::NoBrush);
    g.drawPolyline(cut);
}

// Pixel space below the footing for the pile labels: `levels` staggered
// rows of labels of `lines` text lines.
struct PileLabelSpace {
    int lines = 0, levels = 0;
    int height(int lineHeight) const { return lines * levels * lineHeight + (levels > 0 ? 10 : 0); }
};

void DrawSection(QPainter& g, const QRect& rect, const Section& s, const Labels& label,
                 const std::vector<PileRowPicture>& piles, double pileWidth) {
    const double top = s.Tf + s.Hw;
    const double bottom = piles.empty() ? 0.0 : -piles.front().depth;
    const QFontMetrics fm = g.fontMetrics();
    PileLabelSpace space;
    for (const PileRowPicture& r : piles) space.lines = std::max<int>(space.lines, r.label.count('\n') + 1);
    space.levels = piles.empty() ? 0 : 1;
    auto viewFor = [&](const PileLabelSpace& sp) {
        return View(QRectF(rect).adjusted(105, 70, -105, -56 - sp.height(fm.height())), 0, s.Wf, bottom, top);
    };
    // Labels of rows too close together alternate between two levels.
    auto labelBoxes = [&](const View& v, int levels) {
        std::vector<QRectF> boxes;
        for (std::size_t i = 0; i < piles.size(); ++i) {
            const PileRowPicture& r = piles[i];
            const double x = (r.vertical ? r.headX : r.batterTipX) / 2 + (r.battered ? r.batterTipX : r.headX) / 2;
            const QSize sz = fm.size(0, r.label);
            const double y = v(x, bottom).y() + 6 + (levels > 1 && i % 2 ? space.lines * fm.height() : 0);
            boxes.emplace_back(v(x, 0).x() - sz.width() / 2.0 - 2, y, sz.width() + 4, sz.height());
        }
        return boxes;
    };
    View v = viewFor(space);
    std::vector<QRectF> boxes = labelBoxes(v, 1);
    for (std::size_t i = 1; i < boxes.size(); ++i)
        if (boxes[i].intersects(boxes[i - 1])) space.levels = 2;
    if (space.levels == 2) {
        v = viewFor(space);
        boxes = labelBoxes(v, 2);
    }
    g.setRenderHint(QPainter::Antialiasing);

    // Soil: in front of the wall up to Ht over the toe, backfill to the top behind it.
    g.setPen(QPen(QColor(120, 90, 40), 1, Qt::DashLine));
    if (s.Ht > 0) g.drawLine(v(0, s.Tf + s.Ht), v(s.Dt, s.Tf + s.Ht));
    g.drawLine(v(s.back(), top), v(s.Wf, top));

    // Piles first, so that the footing covers their heads.
    const double width = std::max(3.0, pileWidth * v.scale());
    for (std::size_t i = 0; i < piles.size(); ++i) {
        const PileRowPicture& r = piles[i];
        if (r.vertical) DrawPile(g, v(r.headX, 0), v(r.headX, bottom), width);
        if (r.battered) DrawPile(g, v(r.headX, 0), v(r.batterTipX, bottom), width);
        g.setPen(Qt::black);
        g.drawText(boxes[i], Qt::AlignCenter, r.label);
    }

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
    const double below = piles.empty() ? 0.0 : v(0, bottom).y() - v(0, 0).y() + space.height(fm.height()) + 4;
    Dimension(g, v(s.Wf, s.Tf), v(s.Wf, top), QPointF(22, 0), label("Hw"));
    // The stem thickness, its text clear of the battered back face.
    Dimension(g, v(s.Dt, ys - 0.25 * s.h()), v(s.Dt + s.Tw, ys - 0.25 * s.h()), QPointF(0, 0), label("Tw"),
              At::Beyond, 3 + 0.25 * (s.tb() - s.Tw) * v.scale());
    if (s.haunch) Dimension(g, v(s.Dt + s.Ts, top), v(s.back(), top), QPointF(0, -16), label("Tb"));
    else Dimension(g, v(s.Dt + s.Ts, top), v(s.back(), top), QPointF(0, -16), label.backWall());
    // The seat width above the back wall's, so that its text clears the seat.
    Dimension(g, v(s.Dt, s.seat()), v(s.Dt + s.Ts, s.seat()), QPointF(0, v(0, top).y() - v(0, s.seat()).y() - 36),
              label("Ts"));
    Dimension(g, v(s.Dt, s.seat()), v(s.Dt + s.Db, s.seat()), QPointF(0, -14), label("Db"));
    Dimension(g, v(s.Dt, s.seat()), v(s.Dt, top), QPointF(-22, 0), label("Hb"));
    if (s.haunch) Dimension(g, v(s.Dt, s.seat() - s.Hh), v(s.Dt, s.seat()), QPointF(-22, 0), label("Hh"));
    Dimension(g, v(0, 0), v(s.Dt, 0), QPointF(0, below + 18), label("Dt"));
    Dimension(g, v(0, 0), v(s.Wf, 0), QPointF(0, below + 36), label("Wf"));
    Dimension(g, v(0, 0), v(0, s.Tf), QPointF(-22, 0), label("Tf"));
    if (s.Ht > 0) Dimension(g, v(0, s.Tf), v(0, s.Tf + s.Ht), QPointF(-22, 0), label("Ht"));

    // Batter of the back face of the stem, measured from the vertical.
    g.save();
    g.setPen(QPen(kDimension, 1, Qt::DotLine));
    const QPointF foot = v(s.Dt + s.tb(), s.Tf), head = v(s.Dt + s.Tw, ys);
    g.drawLine(foot, QPointF(foot.x(), head.y()));
    g.setPen(kDimension);
    g.drawText(QPointF(foot.x() + 4, (foot.y() + head.y()) / 2), label("Bat"));
    g.restore();
}

void DrawSideWall(QPainter& g, const QRect& rect, const Section& s, float Ls, float Hs, float Tst, float Tsb,
                  const Labels& label) {
    const double top = s.Tf + s.Hw;
    const double x0 = s.back(), xend = x0 + Ls;
    // Right of the elevation, in pixels: the Hs dimension with its text, then
    // the section through the wall and the texts of its thicknesses.
    const QFontMetrics fm = g.fontMetrics();
    const double hsRoom = 22 + fm.horizontalAdvance(label("Hs")) + 20;
    const double cutText = std::max(fm.horizontalAdvance(label("Tst")), fm.horizontalAdvance(label("Tsb"))) + 12;
    const double xmax = std::max<double>(s.Wf, xend), cutWidth = std::max(Tsb, Tst);
    const View v(QRectF(rect).adjusted(40, 48, -40 - hsRoom - cutText, -40), 0, xmax + cutWidth, 0, top);
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

    Dimension(g, v(x0, top), v(xend, top), QPointF(0, -16), label("Ls"));
    Dimension(g, v(xend, top - Hs), v(xend, top), QPointF(20, 0), label("Hs"));

    // Section through the side wall: thickness Tst at the top, Tsb at the bottom.
    const double sx = v(xmax, 0).x() + hsRoom, sy = v(0, top - Hs * 0.1).y();
    const double sh = std::min<double>(Hs, s.Hw) * 0.8 * v.scale(), k = v.scale();
    QPolygonF cut;
    cut << QPointF(sx, sy) << QPointF(sx + Tst * k, sy) << QPointF(sx + Tsb * k, sy + sh) << QPointF(sx, sy + sh);
    g.setPen(kOutline);
    g.setBrush(QColor(225, 215, 190));
    g.drawPolygon(cut);
    Dimension(g, QPointF(sx, sy), QPointF(sx + Tst * k, sy), QPointF(0, -12), label("Tst"), At::Beyond);
    Dimension(g, QPointF(sx, sy + sh), QPointF(sx + Tsb * k, sy + sh), QPointF(0, 14), label("Tsb"), At::Beyond);
}

}  // namespace

QStringList AbutmentDisagreements(const Project& p, bool haunch) {
    QStringList out = Disagreements(FromProject(p, haunch));
    if (out.isEmpty()) out = PileDisagreements(p);
    return out;
}

QStringList SideWallDisagreements(const Project& p) {
    QStringList out = Disagreements(FromProject(p, p.WallType == "haunch"));
    if (!out.isEmpty()) return out;
    CheckSizes(out, {{"Ls", p.Ls}, {"Hs", p.Hs}, {"Tst", p.Tst}, {"Tsb", p.Tsb}}, {});
    if (out.isEmpty() && p.Hs > p.Hw) out << "Hs > Hw";
    return out;
}

bool AbutmentIsConsistent(const Project& p, bool haunch) { return AbutmentDisagreements(p, haunch).isEmpty(); }

bool SideWallIsConsistent(const Project& p) { return SideWallDisagreements(p).isEmpty(); }

AbutmentDrawing::AbutmentDrawing(const Project& p, bool haunch, QWidget* parent)
    : QWidget(parent), p_(p), haunch_(haunch) {
    setMinimumSize(300, 320);
}

bool AbutmentDrawing::toScale() const { return AbutmentIsConsistent(p_, haunch_); }

QString AbutmentDrawing::caption() const {
    const QStringList disagree = AbutmentDisagreements(p_, haunch_);
    return Caption(p_, disagree.isEmpty(), disagree, PileRowCount(p_) > 0);
}

std::vector<PileRowPicture> AbutmentDrawing::pileRows() const {
    const bool scaled = toScale();
    return PileRows(p_, scaled ? FromProject(p_, haunch_) : Schematic(haunch_), scaled);
}

void AbutmentDrawing::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), Qt::white);
    const bool scaled = toScale();
    DrawSection(g, rect(), scaled ? FromProject(p_, haunch_) : Schematic(haunch_), Labels(p_, scaled), pileRows(),
                scaled ? p_.PILED : 0.0);
    DrawCaption(g, rect(), caption());
}

SideWallDrawing::SideWallDrawing(const Project& p, QWidget* parent) : QWidget(parent), p_(p) {
    setMinimumSize(320, 260);
}

bool SideWallDrawing::toScale() const { return SideWallIsConsistent(p_); }

QString SideWallDrawing::caption() const {
    const QStringList disagree = SideWallDisagreements(p_);
    return Caption(p_, disagree.isEmpty(), disagree, false);
}

void SideWallDrawing::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), Qt::white);
    const bool scaled = toScale();
    const bool haunch = p_.WallType == "haunch";
    if (scaled)
        DrawSideWall(g, rect(), FromProject(p_, haunch), p_.Ls, p_.Hs, p_.Tst, p_.Tsb, Labels(p_, true));
    else
        DrawSideWall(g, rect(), Schematic(haunch), 12, 6, 1, 1.5f, Labels(p_, false));
    DrawCaption(g, rect(), caption());
}

}  // namespace qelvorn::ui
