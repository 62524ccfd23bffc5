"""Hand calculations of an abutment from first principles.

Independent of the program: nothing here links, imports or calls QELVORN's
code. The input file is read by its published layout, and every quantity is
computed in double precision from the statics and design formulas that the
user's manual states. The functions return plain numbers in the internal
units of the input file (lb, in, psi; or N, mm, MPa) and the caller converts
them for display.
"""
import math

PI = 3.1416          # the value of pi the manual's formulas use
DEG = PI / 180.0     # degrees to radians

# Order of the fields in an input file (see the user's manual, "Input file").
HEAD = ["Units", "WallType", "FootingType", "Criteria", "ConcreteDesign",
        "fc", "rhoc", "ExpFactor", "fs",
        "PileP", "PilePu", "PilePeq", "PileT", "PileTu", "PileTeq", "PileV", "PileVu", "PileVeq",
        "PileHead", "pile1v", "pile1m", "pile2v", "pile2m", "pile3v", "pile3m",
        "Q", "Qu", "Qeq", "Kp", "Kpu", "Kpeq", "Fr", "Fru", "Freq", "Xr", "Xru", "Xreq",
        "Hw", "Lw", "Tw", "Bat", "Hb", "Tb", "Hh",
        "Ts", "Db", "Dt", "Ht", "Wf", "Lf", "Tf", "NROWS", "PILED"]
LOADS = ["Pdc", "Pdv", "Pl1", "Pl2", "Vlf", "yVlf", "Vfr", "yVfr",
         "Kep", "Yep", "Keq", "Yeq", "Qcp", "Hcp", "rhos", "Qsc", "Wsc", "Nsc", "Ssc"]
CODES = ["da", "dc", "dv", "de", "l1", "l2", "lf", "fr", "ep", "sc", "cp", "eq"]
TAIL = ["Asw", "Asb", "Asft", "Asfbt", "Asfbh", "AsLf", "AsTSw", "AsTSb", "AsTSf",
        "SAsw", "SAsb", "SAsft", "SAsfbt", "SAsfbh", "SAsLf", "SAsTSw", "SAsTSb", "SAsTSf",
        "CAsw", "CAsft", "CAsfb", "Ls", "Hs", "Tst", "Tsb", "Wbarrier",
        "Asws", "Aswsb", "AsTSws", "SAsws", "SAswsb", "SAsTSws"]
TEXT = {"Units", "WallType", "FootingType", "Criteria", "ConcreteDesign", "PileHead"}


def tokens(text):
    """Fields of an input file: commas and line ends separate; a quoted field
    runs to its closing quote (it may hold commas) and loses its quotes."""
    out = []
    for line in text.replace("\r", "").split("\n"):
        i = 0
        while i < len(line):
            while i < len(line) and line[i] == " ":
                i += 1
            if i < len(line) and line[i] == '"':
                j = line.index('"', i + 1)
                out.append(line[i + 1:j])
                i = line.find(",", j)
                i = len(line) if i < 0 else i + 1
            else:
                j = line.find(",", i)
                j = len(line) if j < 0 else j
                out.append(line[i:j].strip())
                i = j + 1
    return out


def read_input(path):
    with open(path, encoding="latin-1") as f:
        t = tokens(f.read())
    p = {}
    i = 0
    if t[0] not in ("english", "metric"):
        p["Title"] = t[0]
        i = 1

    def take(names):
        nonlocal i
        for n in names:
            p[n] = t[i] if n in TEXT else float(t[i] or 0)
            i += 1
    take(HEAD)
    p["rows"] = []
    for _ in range(int(p["NROWS"])):
        n, x, nb, b, s = (float(v) for v in t[i:i + 5])
        p["rows"].append(dict(N=n, X=x, NB=nb, B=b, S=s))
        i += 5
    take(LOADS)
    nlc = int(t[i]); i += 1
    p["combs"] = []
    for _ in range(nlc):
        c = {"title": t[i]}; i += 1
        for kind in ("max", "min", "sls"):
            for code in CODES:
                c[code + kind] = float(t[i]); i += 1
        c["Fsls"] = float(t[i]); i += 1
        p["combs"].append(c)
    take(TAIL)
    p["english"] = p["Units"] == "english"
    return p


# Display factors: internal value / factor = display value.
def factors(p):
    if p["english"]:
        return dict(force=1000.0, moment=12000.0, length=12.0, pressure=1 / 144.0,
                    unitweight=1 / 1728.0, line=1000.0 / 12.0, volume=1 / 46656.0, deduct=6.0)
    return dict(force=1000.0, moment=1e6, length=1000.0, pressure=0.001,
                unitweight=1e-6, line=1.0, volume=1e-9, deduct=150.0)


def heel(p):
    """Heel behind the back wall."""
    return p["Wf"] - p["Dt"] - p["Ts"] - p["Tb"]


def stem_height(p):
    h = p["Hw"] - p["Hb"]
    if p["WallType"] == "haunch":
        h -= p["Hh"] + (p["Ts"] + p["Tb"] - p["Tw"])
    return h


def short_side_walls(p):
    return p["Ls"] > 0 and abs(p["Ls"] / heel(p)) < 1.1


def pieces(p):
    """Concrete pieces of the section: (name, area, arm from the toe)."""
    Dt, Ts, Tb, Tw, Hb, Hh = p["Dt"], p["Ts"], p["Tb"], p["Tw"], p["Hb"], p["Hh"]
    out = []
    bw = [(Hb * Tb, Dt + Ts + Tb / 2)]
    if p["WallType"] != "haunch":
        tri = Tw - Ts - Tb
        bw.append((tri * Hb / 2, Dt + Ts + Tb + tri / 3))
    out.append(("back wall", bw))
    pr = 0.0
    if p["WallType"] == "haunch":
        pr = Ts + Tb - Tw
        out.append(("haunch", [((Ts + Tb) * Hh, Dt + (Ts + Tb) / 2),
                               (pr * pr / 2, Dt + Tw + pr / 3),
                               (pr * Tw, Dt + Tw / 2)]))
    h = stem_height(p)
    tb = h * math.tan(p["Bat"] * DEG) + Tw
    out.append(("stem", [(h * Tw, Dt + Tw / 2), ((tb - Tw) * h / 2, Dt + Tw + (tb - Tw) / 3)]))
    return out


def stability(p):
    """Unfactored loads and moments about the toe, volumes."""
    r = {}
    rc, rs, Lw = p["rhoc"], p["rhos"], p["Lw"]
    Dt, Ts, Tb, Wf, Hw, Hb = p["Dt"], p["Ts"], p["Tb"], p["Wf"], p["Hw"], p["Hb"]
    walls_w = walls_m = 0.0
    for name, parts in pieces(p):
        w = sum(a for a, _ in parts) * Lw * rc
        m = sum(a * x for a, x in parts) * Lw * rc
        r["W " + name], r["M " + name] = w, m
        walls_w += w
        walls_m += m
    foot_w = Wf * p["Lf"] * p["Tf"] * rc
    foot_m = foot_w * Wf / 2
    Lh = heel(p)
    t = p["Tst"] + p["Tsb"] if p["Ls"] > 0 else 0.0
    side_w = side_m = side_vol_w = 0.0
    if p["Ls"] > 0:
        W1 = (Wf - Dt) * t * Hw * rc; x1 = Dt + (Wf - Dt) / 2
        W2 = t * rc * Ts * Hb; x2 = Dt + Ts / 2
        W3 = walls_w * t / Lw; M3 = walls_m * t / Lw
        net = W1 - W2 - W3; Mnet = x1 * W1 - x2 * W2 - M3
        W4 = (p["Ls"] - Lh) * t * rc * p["Hs"]; x4 = Dt + Ts + Tb + Lh + (p["Ls"] - Lh) / 2
        W5 = (p["Ls"] - Lh) * t * rc * (Hw - p["Hs"]) / 2; x5 = Dt + Ts + Tb + Lh + (p["Ls"] - Lh) / 3
        W6 = 2 * p["Wbarrier"] * p["Ls"]; x6 = Dt + Ts + Tb + p["Ls"] / 2
        side_w = net + W4 + W5 + W6
        side_m = Mnet + W4 * x4 + W5 * x5 + W6 * x6
        side_vol_w = W4 + W5 + net
        r.update(W1=W1, W2=W2, W3=W3, W4=W4, W5=W5, W6=W6, side_w=side_w, side_m=side_m)
    r["Wda"] = walls_w + foot_w + side_w
    r["Mda"] = walls_m + foot_m + side_m
    r["Volf"] = foot_w / rc
    r["Volw"] = (walls_w + side_vol_w) / rc
    r["walls_w"], r["foot_w"], r["foot_m"] = walls_w, foot_w, foot_m
    # Soil on the heel: the prism over the heel less the concrete in it.
    E1 = (Wf - Dt) * Lw * Hw * rc; e1 = Dt + (Wf - Dt) / 2
    E2 = rc * Lw * Ts * Hb; e2 = Dt + Ts / 2
    net = E1 - E2 - walls_w
    xs = (E1 * e1 - E2 * e2 - walls_m) / net
    heel_soil = (Lw - t) * (rs / rc) * net / Lw
    toe_soil = p["Lf"] * Dt * p["Ht"] * rs
    r["Wde"] = heel_soil + toe_soil
    r["Mde"] = heel_soil * xs + toe_soil * Dt / 2
    r.update(heel_soil=heel_soil, toe_soil=toe_soil, xs=xs)
    # Vertical surcharge on the heel.
    if p["Criteria"] == "arema":
        r["Wscv"] = p["Qsc"] * Lh * p["Wsc"] * p["Nsc"]
    else:
        r["Wscv"] = Lw * Lh * p["Qsc"]
    r["Mscv"] = r["Wscv"] * (Ts + Dt + Tb + Lh / 2)
    arm = p["Db"] + Dt
    for load, key in (("Pdc", "Mdc"), ("Pdv", "Mdv"), ("Pl1", "Ml1"), ("Pl2", "Ml2")):
        r[key] = arm * p[load]
    # Lateral loads over the loaded width B and the full height.
    B = Lw - p["Tst"] - p["Tsb"] if short_side_walls(p) else Lw
    H = p["Tf"] + Hw
    r["B"], r["Htot"] = B, H
    r["Mlf"] = (p["Tf"] + Hw - Hb + p["yVlf"]) * p["Vlf"]
    r["Mfr"] = (p["Tf"] + Hw - Hb + p["yVfr"]) * p["Vfr"]
    r["Pep"] = p["Kep"] * B * p["rhos"] * H * H / 2
    r["Mep"] = p["Yep"] * r["Pep"] * H
    r["Peq"] = p["Keq"] * B * p["rhos"] * H * H / 2
    r["Meq"] = p["Yeq"] * r["Peq"] * H
    Q, Hc = p["Qcp"], p["Hcp"]
    if H >= Hc:
        r["Pcp"] = B * Q * Hc / 2
        r["Mcp"] = r["Pcp"] * (H - Hc / 3)
    else:
        q1 = Q * (Hc - H) / Hc; q2 = Q - q1
        r["Pcp"] = (H * q2 / 2 + H * q1) * B
        r["Mcp"] = (H * H * q1 / 2 + H * H * q2 / 3) * B
    if p["Criteria"] == "arema":
        s = p["Qsc"] * p["Kep"] * p["Wsc"] * p["Nsc"]
        r["Psc"], r["Msc"] = H * s, H * H * s / 2
    else:
        r["Psc"] = p["Qsc"] * p["Kep"] * B * H
        r["Msc"] = H * r["Psc"] / 2
    return r


def factors_of(p, comb, kind):
    """Load factors of one combination: kind 'max', 'min', 'sls' or 'minst'."""
    c = p["combs"][comb - 1]
    if kind != "minst":
        return {code: c[code + kind] for code in CODES}
    f = {code: c[code + "min"] for code in CODES}
    for code in ("da", "dc", "dv", "de"):
        if 0 < f[code] < 1:
            f[code] = 1.0
    return f


def combine(p, s, comb, kind):
    """Vertical load, righting moment, lateral load, overturning moment."""
    f = factors_of(p, comb, kind)
    V = (p["Pdc"] * f["dc"] + s["Wda"] * f["da"] + p["Pdv"] * f["dv"] + s["Wde"] * f["de"]
         + p["Pl1"] * f["l1"] + p["Pl2"] * f["l2"] + s["Wscv"] * f["sc"])
    Mr = (s["Mdc"] * f["dc"] + s["Mda"] * f["da"] + s["Mdv"] * f["dv"] + s["Mde"] * f["de"]
          + s["Ml1"] * f["l1"] + s["Ml2"] * f["l2"] + s["Mscv"] * f["sc"])
    H = (p["Vfr"] * f["fr"] + p["Vlf"] * f["lf"] + s["Pep"] * f["ep"] + s["Peq"] * f["eq"]
         + s["Pcp"] * f["cp"] + s["Psc"] * f["sc"])
    Mo = (s["Mfr"] * f["fr"] + s["Mlf"] * f["lf"] + s["Mep"] * f["ep"] + s["Meq"] * f["eq"]
          + s["Mcp"] * f["cp"] + s["Msc"] * f["sc"])
    return V, Mr, H, Mo


def case_loads(p, s, comb, case):
    """V, X (resultant from the toe) and H of a footing case:
    'SLS', 'ULS 1' .. 'ULS 4', 'ULS 2*'."""
    vert = {"SLS": "sls", "ULS 1": "max", "ULS 2": "min", "ULS 3": "max", "ULS 4": "min", "ULS 2*": "minst"}[case]
    over = {"SLS": "sls", "ULS 1": "max", "ULS 2": "max", "ULS 3": "min", "ULS 4": "min", "ULS 2*": "max"}[case]
    V, Mr, _, _ = combine(p, s, comb, vert)
    _, _, H, Mo = combine(p, s, comb, over)
    return V, (Mr - Mo) / V, H


def soil_pressure(p, V, X, uniform):
    """Case number, contact length and the toe and heel pressures."""
    W, L = p["Wf"], p["Lf"]
    if uniform:
        if 0 < X <= W / 2:
            return 11, 2 * X, V / (2 * X * L), 0.0
        if W / 2 < X < W:
            Lc = 2 * (W - X)
            return 12, Lc, 0.0, V / (Lc * L)
        return 13, 0.0, 0.0, 0.0
    if 0 < X < W / 3:
        return 1, 3 * X, 2 * V / (3 * X * L), 0.0
    if W / 3 <= X <= 2 * W / 3:
        A, S = W * L, L * W * W / 6
        e = W / 2 - X
        return (2 if X <= W / 2 else 3), W, V / A + V * e / S, V / A - V * e / S
    if 2 * W / 3 < X < W:
        Lc = 3 * (W - X)
        return 4, Lc, 0.0, 2 * V / (Lc * L)
    return 5, 0.0, 0.0, 0.0


def pile_group(p):
    n = sum(r["N"] for r in p["rows"])
    xcg = sum(r["N"] * r["X"] for r in p["rows"]) / n
    inertia = sum(r["N"] * (xcg - r["X"]) ** 2 for r in p["rows"])
    return n, xcg, inertia


def pile_head_moment(p, h):
    pts = [(0.0, 0.0), (p["pile1v"], p["pile1m"]), (p["pile2v"], p["pile2m"]), (p["pile3v"], p["pile3m"])]
    if h <= 0:
        return 0.0
    if h > pts[3][0]:
        return pts[3][1]
    for (v0, m0), (v1, m1) in zip(pts, pts[1:]):
        if h <= v1:
            return m0 + (m1 - m0) * (h - v0) / (v1 - v0)
    return pts[3][1]


def pile_loads(p, s, comb, case):
    """Per row: vertical load, lateral load, head moment per pile; and the
    passive and batter resistances."""
    V, X, H = case_loads(p, s, comb, case)
    n, xcg, inertia = pile_group(p)
    c = p["combs"][comb - 1]
    Pp = lambda K: K * p["Lw"] * p["rhos"] * (p["Ht"] + p["Tf"]) ** 2 / 2
    if case == "SLS":
        passive = c["Fsls"] * Pp(p["Kp"])
    elif c["eqmax"] > 0 and s["Peq"] > 0:
        passive = Pp(p["Kpeq"])
    else:
        passive = Pp(p["Kpu"])
    e = xcg - X
    rows = []
    if p["PileHead"] == "fix":
        h = max(0.0, (H - passive) / n)
        m = pile_head_moment(p, h)
        for r in p["rows"]:
            rows.append((V / n + (xcg - r["X"]) * (e * V + n * m) / inertia, h, m))
        batter = 0.0
    else:
        vert = [V / n + (xcg - r["X"]) * e * V / inertia for r in p["rows"]]
        batter = sum(v * r["NB"] * math.tan(r["B"] * DEG) for v, r in zip(vert, p["rows"]))
        lat = max(0.0, (H - passive - batter) / n)
        rows = [(v, lat, 0.0) for v in vert]
    return dict(V=V, X=X, H=H, e=e, passive=passive, batter=batter, rows=rows)


# ---------------------------------------------------------------------------
# Wall loads per unit length and the section checks
# ---------------------------------------------------------------------------
def earth_forces(rhos, K, H, Y, zv, zm):
    """Shear at depth zv and moment at depth zm of a lateral pressure whose
    total rhos K H^2/2 has its resultant at Y H above the base."""
    P = rhos * K * H * H / 2
    if 0.32 <= Y < 0.34:
        return rhos * K * zv * zv / 2, rhos * K * zm ** 3 / 6
    if 0.34 <= Y < 0.49:
        Pt = (Y - 0.5) * P / (1 / 3 - 0.5); qu = (P - Pt) / H
        return qu * zv + Pt * zv * zv / H / H, qu * zm * zm / 2 + Pt * zm ** 3 / (3 * H * H)
    if 0.49 <= Y < 0.51:
        return P / H * zv, P / H * zm * zm / 2
    if 0.51 <= Y < 0.65:
        Pt = (Y - 0.5) * P / (2 / 3 - 0.5); qu = (P - Pt) / H
        q = lambda z: qu + 2 * Pt * (H - z) / H / H
        return (q(zv) * zv + (2 * Pt * zv / H / H) * zv / 2,
                q(zm) * zm * zm / 2 + (2 * Pt * zm / H / H) * zm * zm / 3)
    if 0.65 <= Y < 0.68:
        p0 = rhos * K * H
        pz = lambda z: rhos * K * (H - z)
        return (pz(zv) * zv + (p0 - pz(zv)) * zv / 2, pz(zm) * zm * zm / 2 + (p0 - pz(zm)) * zm * zm / 3)
    raise ValueError("resultant ratio outside 0.32 .. 0.68")


def pressure_at_depth(rhos, K, H, Y, z):
    P = rhos * K * H * H / 2
    if 0.32 <= Y < 0.34:
        return rhos * K * z
    if 0.34 <= Y < 0.49:
        Pt = (Y - 0.5) * P / (1 / 3 - 0.5)
        return (P - Pt) / H + 2 * Pt * z / H / H
    if 0.49 <= Y < 0.51:
        return P / H
    if 0.51 <= Y < 0.65:
        Pt = (Y - 0.5) * P / (2 / 3 - 0.5)
        return (P - Pt) / H + 2 * Pt * (H - z) / H / H
    if 0.65 <= Y < 0.68:
        return rhos * K * (H - z)
    raise ValueError("resultant ratio outside 0.32 .. 0.68")


def compaction_forces(Q, Hc, zv, zm):
    if Q == 0:
        return 0.0, 0.0
    if Hc <= zv:
        V = Q * Hc / 2
    else:
        q1 = (Hc - zv) * Q / Hc; V = q1 * zv + (Q - q1) * zv / 2
    if Hc <= zm:
        M = (zm - Hc / 3) * Q * Hc / 2
    else:
        q1 = (Hc - zm) * Q / Hc; M = q1 * zm * zm / 2 + (Q - q1) * zm * zm / 3
    return V, M


def surcharge_pressure(p, z):
    if p["Criteria"] != "arema":
        return p["Qsc"] * p["Kep"]
    w = p["Wsc"] + z - factors(p)["deduct"]
    if p["Ssc"] > 0:
        w = min(w, p["Ssc"])
    return 2 * p["Kep"] * p["Qsc"] * p["Wsc"] / w


def bar_radius(area):
    return math.sqrt(area / PI)


def stem_section(p):
    """Unfactored loads per unit length at the bottom of the stem."""
    H = stem_height(p)
    t = p["Tw"] + H * math.tan(p["Bat"] * DEG)
    d = t - p["CAsw"] - bar_radius(p["Asw"])
    zm = p["Hw"]; zv = zm - d
    Lw = p["Lw"]
    loads = {}
    for key, P in (("dc", "Pdc"), ("dv", "Pdv"), ("l1", "Pl1"), ("l2", "Pl2")):
        loads[key] = (0.0, max(0.0, (t / 2 - p["Db"]) * p[P] / Lw))
    loads["lf"] = (p["Vlf"] / Lw, (zm - p["Hb"] + p["yVlf"]) * p["Vlf"] / Lw)
    loads["fr"] = (p["Vfr"] / Lw, (zm - p["Hb"] + p["yVfr"]) * p["Vfr"] / Lw)
    loads["ep"] = earth_forces(p["rhos"], p["Kep"], p["Hw"], p["Yep"], zv, zm) if p["Kep"] else (0.0, 0.0)
    loads["eq"] = earth_forces(p["rhos"], p["Keq"], p["Hw"], p["Yeq"], zv, zm) if p["Keq"] else (0.0, 0.0)
    loads["cp"] = compaction_forces(p["Qcp"], p["Hcp"], zv, zm)
    loads["sc"] = ((surcharge_pressure(p, zv) * zv, surcharge_pressure(p, zm) * zm * zm / 2)
                   if p["Qsc"] else (0.0, 0.0))
    return dict(t=t, d=d, zv=zv, zm=zm, loads=loads)


def envelope(p, loads):
    """Governing service and factored shear and moment over the combinations
    (service values compared after division by the stress increase factor)."""
    best = {}
    for i, c in enumerate(p["combs"], start=1):
        vals = {}
        for kind in ("sls", "max"):
            vals["V" + kind] = sum(c[k + kind] * v for k, (v, _) in loads.items())
            vals["M" + kind] = sum(c[k + kind] * m for k, (_, m) in loads.items())
        F = c["Fsls"]
        if i == 1:
            best = dict(Vs=(vals["Vsls"], 1), Ms=(vals["Msls"], 1), Vu=(vals["Vmax"], 1), Mu=(vals["Mmax"], 1))
            continue
        if vals["Vsls"] / F > best["Vs"][0] / p["combs"][best["Vs"][1] - 1]["Fsls"]:
            best["Vs"] = (vals["Vsls"], i)
        if vals["Msls"] / F > best["Ms"][0] / p["combs"][best["Ms"][1] - 1]["Fsls"]:
            best["Ms"] = (vals["Msls"], i)
        if vals["Vmax"] > best["Vu"][0]:
            best["Vu"] = (vals["Vmax"], i)
        if vals["Mmax"] > best["Mu"][0]:
            best["Mu"] = (vals["Mmax"], i)
    return best


class Concrete:
    """Material constants derived from f'c by the criteria."""

    def __init__(self, p):
        fc, eng, crit = p["fc"], p["english"], p["Criteria"]
        self.fc, self.fy, self.z = fc, p["fs"], p["ExpFactor"]
        self.Es = 29e6 if eng else 2e5
        self.alpha1, self.ecu = 0.85, 0.003
        self.phif, self.phiv, self.phic, self.phis = 0.9, 0.85, 1.0, 1.0
        r3 = lambda x: math.floor(x * 1000 + 0.5) / 1000
        if crit in ("aashto", "arema", "lrfd"):
            b = 0.85 - 0.05 * (fc - 4000) / 1000 if eng else 0.85 - 0.05 * (fc - 28) / 7
            self.beta1 = min(0.85, max(0.65, r3(b)))
            if crit == "lrfd":
                self.phiv = 0.9
                self.Ec = round(1820000 * math.sqrt(fc / 1000)) if eng else round(4800 * math.sqrt(fc))
                self.fr = 240 * math.sqrt(fc / 1000) if eng else 0.63 * math.sqrt(fc)
            else:
                self.Ec = round(57000 * math.sqrt(fc)) if eng else round(4700 * math.sqrt(fc))
                self.fr = 7.5 * math.sqrt(fc) if eng else 7.5 * math.sqrt(fc) / 12
        else:
            m = fc * 0.006894757 if eng else fc
            k = (2450 / 2300) ** 1.5
            self.alpha1 = max(0.67, r3(0.85 - 0.0015 * m))
            self.beta1 = max(0.67, r3(0.97 - 0.0025 * m))
            self.Ec = round((3000 * math.sqrt(m) + 6900) * (145.0378 if eng else 1.0) * k)
            self.fr = 4.8 * math.sqrt(fc) if eng else 0.4 * math.sqrt(fc)
            self.ecu, self.phif, self.phiv, self.phic, self.phis = 0.0035, 1.0, 1.0, 0.75, 0.9
        self.n = round(self.Es / self.Ec)


def shear_depth_required(p, mat, Vu):
    """Depth at which the concrete alone carries the factored shear."""
    k = 1.0 if p["english"] else 1 / 12
    crit = p["Criteria"]
    if crit in ("aashto", "arema"):
        return Vu / (2 * mat.phiv * k * math.sqrt(mat.fc))
    if crit == "lrfd":
        return Vu / (2 * mat.phiv * k * math.sqrt(mat.fc) * 0.9)
    # N, mm, MPa per mm of width.
    V = Vu if not p["english"] else Vu * 4.448222 / 25.4
    fr = mat.fr if not p["english"] else mat.fr * 0.006894757
    dmm = 1000 * V / ((600 * mat.phic * fr - V) * 0.9)
    return dmm if not p["english"] else dmm / 25.4


def area_required_ultimate(mat, Mu, h, d, s):
    M1 = 1.2 * mat.fr * h * h / 6
    M = Mu if Mu > M1 else min(M1, 4 / 3 * Mu)
    a = mat.phif * 0.5 * (mat.phis * mat.fy) ** 2 / (mat.phic * mat.alpha1 * mat.fc)
    c = mat.phif * mat.phis * mat.fy * d
    return (c - math.sqrt(c * c - 4 * a * M)) / (2 * a) * s


def service_stresses(mat, Ms, d, As, s):
    rho = As / (d * s)
    rn = rho * mat.n
    k = math.sqrt(rn * rn + 2 * rn) - rn
    j = 1 - k / 3
    return Ms * s / (As * j * d), 2 * Ms / (k * j * d * d)


def crack_control(p, mat, Ms, F, d, h, s, As):
    """Criteria quantities of the crack control check: a dict of what the
    report prints."""
    fss, _ = service_stresses(mat, Ms, d, As, s)
    r = bar_radius(As)
    dc = min(h - d, r + (2.0 if p["english"] else 50.0))
    crit = p["Criteria"]
    out = dict(fss=fss, dc=dc)
    if crit in ("aashto", "arema"):
        cap = (0.5 if crit == "arema" else 0.6) * mat.fy * F
        out["fsa"] = min(mat.z / (dc * 2 * dc * s) ** 0.333, cap)
    elif crit == "lrfd":
        conv = 1.0 if p["english"] else 25.4
        fss_ksi = (fss if p["english"] else fss / 0.006894757) / 1000
        dci, hi = dc / conv, h / conv
        beta = 1 + dci / (0.7 * (hi - dci))
        out["smax"] = (700 * mat.z / (beta * fss_ksi) - 2 * dci) * conv
        out["beta"] = beta
    else:
        Mr = 0.4 * mat.fr * h * h / 6
        out["Mr"] = Mr
        if Ms >= Mr:
            mm = 1.0 if not p["english"] else 25.4
            mpa = 1.0 if not p["english"] else 0.006894757
            to_nmm = 1.0 if not p["english"] else 4.448222 / 25.4
            zc = (1 - (Mr / Ms) ** 2) * (0.9 * (s - 2 * r) * mm + 100) * min(fss, 0.6 * mat.fy) * mpa
            out["zc"] = zc / to_nmm
            out["zallow"] = mat.z * F
    return out


def short_wall_loads(p, z):
    qep = pressure_at_depth(p["rhos"], p["Kep"], p["Hw"], p["Yep"], z) if p["Kep"] else 0.0
    qeq = pressure_at_depth(p["rhos"], p["Keq"], p["Hw"], p["Yeq"], z) if p["Keq"] else 0.0
    qcp = p["Qcp"] * (1 - z / p["Hcp"]) if z < p["Hcp"] else 0.0
    qsc = p["Qsc"] * p["Kep"]
    L = p["Ls"]
    return {k: (q * L, q * L * L / 2) for k, q in (("cp", qcp), ("ep", qep), ("sc", qsc), ("eq", qeq))}


def long_wall_loads(p):
    Lh, Ls, Hw, Hs = heel(p), p["Ls"], p["Hw"], p["Hs"]
    w = Ls / 10
    sums = {k: [0.0, 0.0] for k in ("cp", "ep", "sc", "eq")}
    for j in range(10):
        x = Ls - (2 * j + 1) * w / 2
        h = Hw if x <= Lh else (Hw - Hs) * (Ls - x) / (Ls - Lh) + Hs
        Q, Hc = p["Qcp"], p["Hcp"]
        if Hc <= h:
            Fcp = Q * Hc / 2
        else:
            q1 = (Hc - h) * Q / Hc; Fcp = q1 * h + (Q - q1) * h / 2
        F = dict(ep=p["Kep"] * p["rhos"] * h * h / 2, eq=p["Keq"] * p["rhos"] * h * h / 2,
                 cp=Fcp, sc=p["Kep"] * p["Qsc"] * h)
        for k in sums:
            sums[k][0] += F[k] * w
            sums[k][1] += F[k] * w * x
    return {k: (v / Hw, m / Hw) for k, (v, m) in sums.items()}
