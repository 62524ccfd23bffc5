#include "ui/drawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "model/numtext.h"
#include "report/summary.h"
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

// The section drawn: the project's own when it can be drawn to scale,
// otherwise the schematic.
Section Drawn(const Project& p, bool haunch, bool scaled) { return scaled ? FromProject(p, haunch) : Schematic(haunch); }

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

// ---------------------------------------------------------------------------
// Results overlay

// Largest utilization of the checks that pass the test; -1 when none does.
// An undefined utilization counts as the largest, as in the summary.
template <class Test>
float LargestUtilization(const std::vector<CheckRecord>& checks, Test test) {
    float largest = -1;
    for (const CheckRecord& c : checks)
        if (test(c)) largest = std::max(largest, std::isnan(c.utilization) ? INFINITY : c.utilization);
    return largest;
}

bool FootingSection(const std::string& section) {
    return section == "SPREAD FOOTING" || section == "PILE FOOTING" || section == "STABILITY";
}

// The parts and the checks that govern them: the walls by their sections'
// governing checks, the footing's toe and heel by their design, the rest
// of the footing by its other checks (bearing, sliding, piles, resultant,
// longitudinal bars).
std::vector<ShadedPart> Shading(const RunRecords& r) {
    std::vector<ShadedPart> parts;
    const CheckSummary summary = SummarizeChecks(r.checks);
    for (const SectionChecks& s : summary.sections) {
        const float u = r.checks[s.governing].utilization;
        if (s.title == "BACK WALL") parts.push_back({"back wall", u});
        else if (s.title == "STEM WALL") parts.push_back({"stem wall", u});
        else if (s.title == "SIDE WALLS") parts.push_back({"side wall", u});
    }
    const auto inPart = [](const CheckRecord& c, const char* part) {
        return FootingSection(c.section) && c.where.starts_with(part);
    };
    const float toe = LargestUtilization(r.checks, [&](const CheckRecord& c) { return inPart(c, "FOOTING TOE"); });
    const float heel = LargestUtilization(r.checks, [&](const CheckRecord& c) { return inPart(c, "FOOTING HEEL"); });
    const float rest = LargestUtilization(r.checks, [&](const CheckRecord& c) {
        return FootingSection(c.section) && !inPart(c, "FOOTING TOE") && !inPart(c, "FOOTING HEEL");
    });
    if (toe >= 0) parts.push_back({"toe", toe});
    if (heel >= 0) parts.push_back({"heel", heel});
    if (rest >= 0) parts.push_back({"footing", rest});
    return parts;
}

// A length of the results (display units, from the toe) in the drawing: to
// scale the project's own length, on the schematic the same share of its
// footing width.
double DrawnLength(const Project& p, const Section& s, bool scaled, float displayLength) {
    const double length = static_cast<double>(displayLength) * p.LengthFactor;
    if (scaled) return length;
    return p.Wf > 0 ? length / p.Wf * s.Wf : 0.0;
}

std::vector<PressureDiagram> PressureDiagrams(const Project& p, const RunRecords& r, const Section& s, bool scaled) {
    std::vector<PressureDiagram> out;
    const float wf = p.LengthFactor > 0 ? p.Wf / p.LengthFactor : 0.0f;  // display units
    for (const FootingPressureRecord& f : r.footingPressures) {
        PressureDiagram d;
        d.limitState = QString::fromStdString(f.limitState);
        d.combination = f.combination;
        d.toe = f.toe;
        d.heel = f.heel;
        d.allowable = f.allowable;
        float x0 = 0, x1 = 0;
        // The loaded stretch from the edge the contact starts at, as the
        // pressure case says; cases 5 and 13: the resultant is outside.
        const bool atToe = f.pressureCase == 1 || f.pressureCase == 11;
        const bool atHeel = f.pressureCase == 4 || f.pressureCase == 12;
        const bool uniform = f.pressureCase >= 11;
        if (f.pressureCase == 2 || f.pressureCase == 3) {
            x1 = wf;
            d.q0 = f.toe;
            d.q1 = f.heel;
        } else if (atToe) {
            x1 = f.contactLength;
            d.q0 = f.toe;
            d.q1 = uniform ? f.toe : 0.0f;
        } else if (atHeel) {
            x0 = wf - f.contactLength;
            x1 = wf;
            d.q0 = uniform ? f.heel : 0.0f;
            d.q1 = f.heel;
        }
        d.x0 = DrawnLength(p, s, scaled, x0);
        d.x1 = DrawnLength(p, s, scaled, x1);
        d.resultant = DrawnLength(p, s, scaled, f.resultant);
        // |Wf - 2x| / Wf <= limit about the middle of the footing.
        const float half = wf / 2.0f;
        d.zone0 = DrawnLength(p, s, scaled, half * (1.0f - f.resultantLimit));
        d.zone1 = DrawnLength(p, s, scaled, half * (1.0f + f.resultantLimit));
        out.push_back(d);
    }
    return out;
}

float AxialUtilization(const PileRowLoadRecord& l) {
    const float cap = l.axial < 0 ? l.capacityTension : l.capacityCompression;
    return cap > 0 ? std::fabs(l.axial) / cap : INFINITY;
}

PileLoadPicture PileLoads(const RunRecords& r, const std::vector<PileRowPicture>& piles) {
    PileLoadPicture out;
    // The limit state with the largest axial utilization of any row.
    const PileRowLoadRecord* governing = nullptr;
    for (const PileRowLoadRecord& l : r.pileRowLoads)
        if (!governing || AxialUtilization(l) > AxialUtilization(*governing)) governing = &l;
    if (!governing) return out;
    out.limitState = QString::fromStdString(governing->limitState);
    out.combination = governing->combination;
    for (const PileRowLoadRecord& l : r.pileRowLoads) {
        if (l.limitState != governing->limitState || l.row < 1 || l.row > static_cast<int>(piles.size())) continue;
        out.rows.push_back({piles[static_cast<std::size_t>(l.row) - 1].headX, l.axial,
                            l.axial < 0 ? l.capacityTension : l.capacityCompression});
    }
    return out;
}

// What the overlay draws on the cross-section.
struct Overlay {
    std::vector<ShadedPart> shading;
    std::vector<PressureDiagram> pressures;
    PileLoadPicture piles;
    QString pressureUnit, forceUnit;
    float utilization(const char* part) const {
        for (const ShadedPart& s : shading)
            if (s.part == part) return s.utilization;
        return -1;
    }
};

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

constexpr double kBand = 32;  // pixels of the largest pressure, or of a pile capacity

// The parts of the section filled with the colours of their utilizations,
// their outlines drawn again over the fill.
void ShadeParts(QPainter& g, const View& v, const Section& s, const Overlay& ov) {
    const QPolygonF outline = v(WallOutline(s));
    QPainterPath wall, backWall;
    wall.addPolygon(outline);
    wall.closeSubpath();
    backWall.addRect(QRectF(v(s.Dt + s.Ts, s.Tf + s.Hw), v(s.back(), s.seat())).normalized());
    const auto footing = [&](double x0, double x1) {
        QPainterPath path;
        path.addRect(QRectF(v(x0, s.Tf), v(x1, 0)).normalized());
        return path;
    };
    const std::pair<const char*, QPainterPath> parts[] = {
        {"back wall", wall.intersected(backWall)}, {"stem wall", wall.subtracted(backWall)},
        {"toe", footing(0, s.Dt)},                  {"footing", footing(s.Dt, s.Dt + s.tb())},
        {"heel", footing(s.Dt + s.tb(), s.Wf)}};
    g.save();
    g.setPen(Qt::NoPen);
    for (const auto& [name, path] : parts) {
        const float u = ov.utilization(name);
        if (u < 0) continue;
        QColor c = UtilizationColour(u);
        c.setAlpha(120);
        g.setBrush(c);
        g.drawPath(path);
    }
    g.setPen(kOutline);
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(v(0, s.Tf), v(s.Wf, 0)));
    g.drawPolygon(outline);
    g.restore();
}

// A line of text centred on x, kept within the rectangle.
void CentredText(QPainter& g, const QRect& rect, double x, double top, const QString& text) {
    const QFontMetrics fm = g.fontMetrics();
    const double w = fm.horizontalAdvance(text);
    const double left = std::clamp(x - w / 2, rect.left() + 2.0, std::max(rect.left() + 2.0, rect.right() - w - 2));
    g.fillRect(QRectF(left - 2, top, w + 4, fm.height()), QColor(255, 255, 255, 220));
    g.drawText(QPointF(left, top + fm.ascent()), text);
}

// One band per limit state from y down: its text, then the pressure
// hanging from a base line as long as the footing, with the allowable
// dashed, the resultant's limit zone as a green strip on the base line and
// the resultant as a triangle (red when outside the zone). All bands share
// one pressure scale.
void DrawPressures(QPainter& g, const QRect& rect, const View& v, const Section& s, const Overlay& ov, double y) {
    const QFontMetrics fm = g.fontMetrics();
    double qmax = 0;
    for (const PressureDiagram& d : ov.pressures) qmax = std::max({qmax, d.q0, d.q1, d.allowable});
    const double k = qmax > 0 && std::isfinite(qmax) ? kBand / qmax : 0;
    const auto number = [](double q) { return QString::fromStdString(FormatNumber(static_cast<float>(q), "0.0")); };
    const double xa = v(0, 0).x(), xb = v(s.Wf, 0).x();
    g.save();
    for (const PressureDiagram& d : ov.pressures) {
        const bool loaded = d.x1 > d.x0;
        QString text = QString("%1 comb %2: ").arg(d.limitState).arg(d.combination);
        if (loaded)
            text += QString("toe %1, heel %2; allowable %3 %4")
                        .arg(number(d.toe), number(d.heel), number(d.allowable), ov.pressureUnit);
        else
            text += "resultant outside the footing";
        g.setPen(Qt::black);
        CentredText(g, rect, (xa + xb) / 2, y, text);
        const double base = y + fm.height() + 5;
        if (d.zone1 > d.zone0)
            g.fillRect(QRectF(QPointF(v(d.zone0, 0).x(), base - 4), QPointF(v(d.zone1, 0).x(), base)),
                       QColor(40, 150, 40, 170));
        if (loaded) {
            QPolygonF diagram;
            diagram << QPointF(v(d.x0, 0).x(), base) << QPointF(v(d.x0, 0).x(), base + d.q0 * k)
                    << QPointF(v(d.x1, 0).x(), base + d.q1 * k) << QPointF(v(d.x1, 0).x(), base);
            QColor fill = UtilizationColour(static_cast<float>(std::max(d.q0, d.q1) / d.allowable));
            fill.setAlpha(150);
            g.setPen(QPen(Qt::black, 1));
            g.setBrush(fill);
            g.drawPolygon(diagram);
            g.setPen(QPen(QColor(170, 0, 0), 1, Qt::DashLine));
            g.drawLine(QPointF(xa, base + d.allowable * k), QPointF(xb, base + d.allowable * k));
        }
        g.setPen(QPen(Qt::darkGray, 1));
        g.drawLine(QPointF(xa, base), QPointF(xb, base));
        const bool inside = d.zone1 <= d.zone0 || (d.resultant >= d.zone0 && d.resultant <= d.zone1);
        // A resultant far outside the footing is marked just beyond its edge.
        const double x = std::isfinite(d.resultant) ? std::clamp(d.resultant, -0.05 * s.Wf, 1.05 * s.Wf) : 0.0;
        const QPointF tip(v(x, 0).x(), base);
        QPolygonF mark;
        mark << tip << tip + QPointF(-4, -7) << tip + QPointF(4, -7);
        g.setPen(Qt::NoPen);
        g.setBrush(inside ? QColor(Qt::black) : QColor(200, 0, 0));
        g.drawPolygon(mark);
        y = base + kBand + 6;
    }
    g.restore();
}

// One bar per pile row under its head: the frame is the capacity, the fill
// the load (compression blue, tension orange), the frame red when the load
// exceeds it; the values underneath where there is room.
void DrawPileLoads(QPainter& g, const QRect& rect, const View& v, const Section& s, const Overlay& ov, double y) {
    const PileLoadPicture& pl = ov.piles;
    const QFontMetrics fm = g.fontMetrics();
    g.save();
    g.setPen(Qt::black);
    CentredText(g, rect, (v(0, 0).x() + v(s.Wf, 0).x()) / 2, y,
                QString("%1 comb %2: axial load per pile against capacity (%3)")
                    .arg(pl.limitState)
                    .arg(pl.combination)
                    .arg(ov.forceUnit));
    const double top = y + fm.height() + 3;
    double room = INFINITY;  // closest rows, in pixels
    for (std::size_t i = 1; i < pl.rows.size(); ++i)
        room = std::min(room, std::abs(v(pl.rows[i].x, 0).x() - v(pl.rows[i - 1].x, 0).x()));
    for (const PileLoadPicture::Row& r : pl.rows) {
        const double x = v(r.x, 0).x();
        const double u = r.capacity > 0 ? std::fabs(r.axial) / r.capacity : INFINITY;
        const QRectF frame(x - 5, top, 10, kBand);
        const double h = std::min(u, 1.0) * kBand;
        g.fillRect(QRectF(x - 5, top + kBand - h, 10, h), r.axial < 0 ? QColor(230, 120, 20) : QColor(40, 90, 180));
        g.setPen(u > 1 ? QPen(QColor(200, 0, 0), 2) : QPen(Qt::black, 1));
        g.setBrush(Qt::NoBrush);
        g.drawRect(frame);
        const QString value = QString::fromStdString(FormatNumber(static_cast<float>(r.axial), "0.0"));
        if (fm.horizontalAdvance(value) + 4 < room) {
            g.setPen(Qt::black);
            CentredText(g, rect, x, top + kBand + 2, value);
        }
    }
    g.restore();
}

// Pixels the overlay takes under the footing (or under the pile labels).
int OverlayRoom(const Overlay* ov, int lineHeight) {
    if (!ov) return 0;
    int room = 0;
    if (!ov->pressures.empty()) room += static_cast<int>(ov->pressures.size()) * (lineHeight + 5 + kBand + 6);
    if (!ov->piles.rows.empty()) room += lineHeight + 3 + kBand + lineHeight + 6;
    return room;
}

void DrawLegend(QPainter& g, const QRect& rect) {
    const QFontMetrics fm = g.fontMetrics();
    double x = rect.left() + 6;
    const double y = rect.bottom() - fm.height() - 2;
    g.save();
    for (const auto& [u, text] : {std::pair{0.5f, "≤ 0.90"}, std::pair{0.95f, "≤ 1.00"}, std::pair{2.0f, "> 1.00"}}) {
        QColor c = UtilizationColour(u);
        c.setAlpha(160);
        g.fillRect(QRectF(x, y + 2, 10, fm.height() - 4), c);
        g.setPen(Qt::black);
        g.drawText(QPointF(x + 13, y + fm.ascent()), text);
        x += 13 + fm.horizontalAdvance(text) + 10;
    }
    g.restore();
}

void DrawSection(QPainter& g, const QRect& rect, const Section& s, const Labels& label,
                 const std::vector<PileRowPicture>& piles, double pileWidth, const Overlay* ov = nullptr) {
    const double top = s.Tf + s.Hw;
    const double bottom = piles.empty() ? 0.0 : -piles.front().depth;
    const QFontMetrics fm = g.fontMetrics();
    PileLabelSpace space;
    for (const PileRowPicture& r : piles) space.lines = std::max<int>(space.lines, r.label.count('\n') + 1);
    space.levels = piles.empty() ? 0 : 1;
    const int overlayRoom = OverlayRoom(ov, fm.height());
    auto viewFor = [&](const PileLabelSpace& sp) {
        return View(QRectF(rect).adjusted(105, 70, -105, -56 - sp.height(fm.height()) - overlayRoom), 0, s.Wf,
                    bottom, top);
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
    if (ov) ShadeParts(g, v, s, *ov);

    // Bearing on the seat at Db from the front face.
    g.setBrush(Qt::black);
    const QPointF brg = v(s.Dt + s.Db, s.seat());
    QPolygonF bearing;
    bearing << brg << brg + QPointF(-5, -7) << brg + QPointF(5, -7);
    g.drawPolygon(bearing);

    const double ys = s.Tf + s.h();
    double below = piles.empty() ? 0.0 : v(0, bottom).y() - v(0, 0).y() + space.height(fm.height()) + 4;
    if (ov) {
        const double y = v(0, 0).y() + below + 4;
        if (!ov->pressures.empty()) DrawPressures(g, rect, v, s, *ov, y);
        if (!ov->piles.rows.empty()) DrawPileLoads(g, rect, v, s, *ov, y);
        below += overlayRoom;
        if (!ov->shading.empty()) DrawLegend(g, rect);
    }
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
                  const Labels& label, float utilization) {
    QColor wallFill(225, 215, 190);
    if (utilization >= 0) {
        wallFill = UtilizationColour(utilization);
        wallFill.setAlpha(120);
    }
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
    g.setBrush(wallFill);
    g.drawPolygon(v(wall));

    Dimension(g, v(x0, top), v(xend, top), QPointF(0, -16), label("Ls"));
    Dimension(g, v(xend, top - Hs), v(xend, top), QPointF(20, 0), label("Hs"));

    // Section through the side wall: thickness Tst at the top, Tsb at the bottom.
    const double sx = v(xmax, 0).x() + hsRoom, sy = v(0, top - Hs * 0.1).y();
    const double sh = std::min<double>(Hs, s.Hw) * 0.8 * v.scale(), k = v.scale();
    QPolygonF cut;
    cut << QPointF(sx, sy) << QPointF(sx + Tst * k, sy) << QPointF(sx + Tsb * k, sy + sh) << QPointF(sx, sy + sh);
    g.setPen(kOutline);
    g.setBrush(wallFill);
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

QColor UtilizationColour(float utilization) {
    if (utilization <= 0.90f) return {40, 160, 60};
    if (utilization <= 1.00f) return {235, 160, 0};
    return {210, 30, 30};  // above 1 and undefined
}

void PaintAbutment(QPainter& g, const QRect& rect, const Project& p, bool haunch, const RunRecords* results) {
    const bool scaled = AbutmentIsConsistent(p, haunch);
    const Section s = Drawn(p, haunch, scaled);
    const std::vector<PileRowPicture> piles = PileRows(p, s, scaled);
    Overlay ov;
    if (results) {
        ov.shading = Shading(*results);
        ov.pressures = PressureDiagrams(p, *results, s, scaled);
        ov.piles = PileLoads(*results, piles);
        ov.pressureUnit = QString::fromStdString(p.LblPressure);
        ov.forceUnit = QString::fromStdString(p.LblForce);
    }
    DrawSection(g, rect, s, Labels(p, scaled), piles, scaled ? p.PILED : 0.0, results ? &ov : nullptr);
    const QStringList disagree = AbutmentDisagreements(p, haunch);
    DrawCaption(g, rect, Caption(p, disagree.isEmpty(), disagree, PileRowCount(p) > 0));
}

AbutmentDrawing::AbutmentDrawing(const Project& p, bool haunch, QWidget* parent)
    : QWidget(parent), p_(p), haunch_(haunch) {
    setMinimumSize(300, 320);
}

void AbutmentDrawing::setResults(const RunRecords& results) {
    results_ = results;
    update();
}

void AbutmentDrawing::setShowResults(bool on) {
    showResults_ = on;
    update();
}

const RunRecords* AbutmentDrawing::shownResults() const {
    return showResults_ && results_.status != RunStatus::NotRun ? &results_ : nullptr;
}

std::vector<ShadedPart> AbutmentDrawing::shading() const {
    return shownResults() ? Shading(results_) : std::vector<ShadedPart>{};
}

std::vector<PressureDiagram> AbutmentDrawing::pressureDiagrams() const {
    if (!shownResults()) return {};
    const bool scaled = toScale();
    return PressureDiagrams(p_, results_, Drawn(p_, haunch_, scaled), scaled);
}

PileLoadPicture AbutmentDrawing::pileLoads() const { return shownResults() ? PileLoads(results_, pileRows()) : PileLoadPicture{}; }

bool AbutmentDrawing::toScale() const { return AbutmentIsConsistent(p_, haunch_); }

QString AbutmentDrawing::caption() const {
    const QStringList disagree = AbutmentDisagreements(p_, haunch_);
    return Caption(p_, disagree.isEmpty(), disagree, PileRowCount(p_) > 0);
}

std::vector<PileRowPicture> AbutmentDrawing::pileRows() const {
    const bool scaled = toScale();
    return PileRows(p_, Drawn(p_, haunch_, scaled), scaled);
}

void AbutmentDrawing::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), Qt::white);
    PaintAbutment(g, rect(), p_, haunch_, shownResults());
}

SideWallDrawing::SideWallDrawing(const Project& p, QWidget* parent) : QWidget(parent), p_(p) {
    setMinimumSize(320, 260);
}

void SideWallDrawing::setResults(const RunRecords& results) {
    results_ = results;
    update();
}

void SideWallDrawing::setShowResults(bool on) {
    showResults_ = on;
    update();
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
    float utilization = -1;
    if (showResults_)
        for (const ShadedPart& part : Shading(results_))
            if (part.part == "side wall") utilization = part.utilization;
    if (scaled)
        DrawSideWall(g, rect(), FromProject(p_, haunch), p_.Ls, p_.Hs, p_.Tst, p_.Tsb, Labels(p_, true), utilization);
    else
        DrawSideWall(g, rect(), Schematic(haunch), 12, 6, 1, 1.5f, Labels(p_, false), utilization);
    DrawCaption(g, rect(), caption());
}

}  // namespace qelvorn::ui
