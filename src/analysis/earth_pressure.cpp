#include "analysis/earth_pressure.h"

namespace qelvorn {

PressureShape ShapeByRatio(float Y) {
    if (Y >= 0.32f && Y < 0.34f) return PressureShape::Triangle;
    if (Y >= 0.34f && Y < 0.49f) return PressureShape::UniformPlusTriangle;
    if (Y >= 0.49f && Y < 0.51f) return PressureShape::Uniform;
    if (Y >= 0.51f && Y < 0.65f) return PressureShape::UniformPlusInvertedTriangle;
    if (Y >= 0.65f && Y < 0.68f) return PressureShape::InvertedTriangle;
    return PressureShape::OutOfRange;
}

namespace {

// Share Pt of the total P carried by the triangle of a trapezoidal pressure,
// from the resultant ratio Y: a triangle alone has its resultant at 1/3 (zero
// at the top) or 2/3 (zero at the bottom) of the height, a uniform pressure
// at 1/2.
float TriangleShare(float Y, float P, float triangleRatio) { return (Y - 0.5f) * P / (triangleRatio - 0.5f); }

}  // namespace

bool LateralPressureForces(float rhos, float K, float H, float Y, float zv, float zm, ShearMoment& out) {
    out = ShearMoment{};
    const float P = rhos * K * (H * H) / 2.0f;
    switch (ShapeByRatio(Y)) {
        case PressureShape::Triangle:
            out.V = rhos * K * (zv * zv) / 2.0f;
            out.M = rhos * K * (zm * zm * zm) / 6.0f;
            return true;
        case PressureShape::UniformPlusTriangle: {
            const float Pt = TriangleShare(Y, P, 1.0f / 3.0f);
            const float qu = (P - Pt) / H;
            out.V = qu * zv + Pt * (zv * zv) / (H * H);
            out.M = qu * (zm * zm) / 2.0f + (2.0f * Pt * zm / (H * H)) * (zm * zm) / 6.0f;
            return true;
        }
        case PressureShape::Uniform: {
            const float q = P / H;
            out.V = q * zv;
            out.M = q * (zm * zm) / 2.0f;
            return true;
        }
        case PressureShape::UniformPlusInvertedTriangle: {
            const float Pt = TriangleShare(Y, P, 2.0f / 3.0f);
            const float qu = (P - Pt) / H;
            // Pressure at a depth plus the excess of the top over it.
            out.V = (qu + 2.0f * Pt * (H - zv) / (H * H)) * zv + (2.0f * Pt * zv / (H * H)) * zv / 2.0f;
            out.M = (qu + 2.0f * Pt * (H - zm) / (H * H)) * (zm * zm) / 2.0f + (2.0f * Pt * zm / (H * H)) * (zm * zm) / 3.0f;
            return true;
        }
        case PressureShape::InvertedTriangle: {
            const float p0 = rhos * K * H;
            const float pv = rhos * K * (H - zv);
            const float pm = rhos * K * (H - zm);
            out.V = pv * zv + (p0 - pv) * zv / 2.0f;
            out.M = pm * (zm * zm) / 2.0f + (p0 - pm) * (zm * zm) / 3.0f;
            return true;
        }
        case PressureShape::OutOfRange:
            break;
    }
    return false;
}

bool LateralPressureAtDepth(float rhos, float K, float H, float Y, float z, float& q) {
    q = 0;
    const float P = rhos * K * (H * H) / 2.0f;
    switch (ShapeByRatio(Y)) {
        case PressureShape::Triangle: q = rhos * K * z; return true;
        case PressureShape::UniformPlusTriangle: {
            const float Pt = TriangleShare(Y, P, 1.0f / 3.0f);
            q = (P - Pt) / H + 2.0f * Pt * z / (H * H);
            return true;
        }
        case PressureShape::Uniform: q = P / H; return true;
        case PressureShape::UniformPlusInvertedTriangle: {
            const float Pt = TriangleShare(Y, P, 2.0f / 3.0f);
            q = (P - Pt) / H + 2.0f * Pt * (H - z) / (H * H);
            return true;
        }
        case PressureShape::InvertedTriangle: q = rhos * K * (H - z); return true;
        case PressureShape::OutOfRange: break;
    }
    return false;
}

ShearMoment CompactionForces(float Qcp, float Hcp, float zv, float zm) {
    ShearMoment out;
    if (Qcp == 0.0f) return out;
    // Below the compaction depth the whole triangle acts; above it a
    // trapezoid down to the section.
    if (Hcp <= zv) {
        out.V = Qcp * Hcp / 2.0f;
    } else {
        const float q1 = (Hcp - zv) * Qcp / Hcp;
        out.V = q1 * zv + (Qcp - q1) * zv / 2.0f;
    }
    if (Hcp <= zm) {
        out.M = (zm - Hcp / 3.0f) * Qcp * Hcp / 2.0f;
    } else {
        const float q1 = (Hcp - zm) * Qcp / Hcp;
        out.M = q1 * (zm * zm) / 2.0f + (Qcp - q1) * (zm * zm) / 3.0f;
    }
    return out;
}

float SurchargePressure(const Project& p, float z) {
    if (p.Criteria != "arema") return p.Qsc * p.Kep;
    // Each surcharge of width Wsc spreads with depth; the spread of one load
    // cannot exceed the spacing of the loads, where the neighbours' spreads
    // meet. A spacing of 0 (not given) leaves the spread unlimited.
    float w = p.Wsc + z - p.SurchargeDeduct;
    if (p.Ssc > 0.0f && w > p.Ssc) w = p.Ssc;
    return 2.0f * p.Kep * p.Qsc * p.Wsc / w;
}

ShearMoment SurchargeForces(const Project& p, float zv, float zm) {
    ShearMoment out;
    if (p.Qsc == 0.0f) return out;
    out.V = SurchargePressure(p, zv) * zv;
    out.M = SurchargePressure(p, zm) * (zm * zm) / 2.0f;
    return out;
}

}  // namespace qelvorn
