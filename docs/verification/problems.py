"""The worked problems of the verification manual and the text around them.

Each problem names an example input file and the load combination, footing
case and checks to follow by hand; `write_problem` computes the hand values
with hand.py and sets them beside the values the program prints.
"""
import math
import os

import hand

INTRO = """# QELVORN verification manual

This manual shows, on worked problems, that the results QELVORN prints equal
an independent calculation from first principles. Each problem is an example
project under `examples/`; for each it derives by hand

- the earth, surcharge and dead loads of the abutment and their moments about
  the toe,
- one load combination: its vertical load, righting and overturning moments,
  the location of the vertical resultant, and the soil pressures under a
  spread footing or the loads on the piles,
- the bottom section of the stem wall: the governing factored (or service)
  shear and moment, the required depth for shear, the required steel area and
  the crack control check,
- a side wall strip, where the project has side walls,
- the concrete volumes,

and sets the program's printed value beside each hand value, with the
difference.

## How the numbers were obtained

Every hand value in this manual is computed, not copied from the program:
`docs/verification/hand.py` evaluates the statics and the design formulas of
the user's manual in double precision, reading the example's input file by
its published layout. It does not link, import or call any of the program's
code. `docs/verification/make_verification.py` runs the batch runner
`qelvorn-run` on each example as a separate process, reads the program's
values from the report, and writes this file:

    python3 docs/verification/make_verification.py build/qelvorn-run

The *Program* column is the value as printed; the *Report line* column is
the exact line of the report it comes from. A test of the program
(`tests/analysis/golden_test.cpp`) runs every example and checks
that each quoted report line is still printed word for word, so a change of
the program's results cannot leave this manual stale.

*Difference* is the printed program value minus the hand value. The program
rounds each value to the printed decimals and computes in single precision
(about 7 significant digits), so a difference up to half a unit of the last
printed digit is rounding. A difference marked † exceeds that by less than
two parts in a million of the value: single precision has moved the last
digit of a large number (a value just below a rounding boundary in the hand
calculation lies just above it in the program, or a stress of some 35000 psi
differs in its last decimal). The script stops on any
larger difference, which would be a fault; none occurs. Units follow the report: forces in kip or kN, moments in k-ft or kN-m,
pressures in psf or kPa, per-unit-length wall forces in kip/ft and k-ft/ft or
kN/m and kN-m/m, stresses in psi or MPa, depths, areas and spacings in inches
or millimetres.

## Coverage

| Problem | Footing | Criteria | Units | Wall | Side walls | Earthquake | Concrete design |
|---|---|---|---|---|---|---|---|
"""

CLOSING = """## Conclusion

In every problem the program's printed values agree with the independent
hand calculation to the rounding of the printed digits (to single precision
where marked †). The worked problems
together cover both footing types, all four design criteria, both unit
systems, walls with and without a haunch, short and long side walls, an
earthquake combination, service load and ultimate strength design, and pinned
and fixed pile heads with battered piles.
"""


def _d(x):
    return f"{x:.4g}"


def write_problem(n, prob, p, table):
    f = hand.factors(p)
    F, M, L, Q, LL = f["force"], f["moment"], f["length"], f["pressure"], f["line"]
    u = dict(F="kip", M="k-ft", L="ft", Q="psf", S="in", A="in^2", st="psi", V="kip/ft", m="k-ft/ft") \
        if p["english"] else dict(F="kN", M="kN-m", L="m", Q="kPa", S="mm", A="mm^2", st="MPa", V="kN/m", m="kN-m/m")
    s = hand.stability(p)
    out = [f"## Problem {n}: {prob['title']}", "",
           f"Input: `examples/{prob['name']}.in`. {prob['about']}", ""]
    t = table

    # --- Loads about the toe ------------------------------------------------
    H = s["Htot"]
    out += ["### Loads and moments about the toe", "",
            f"Total height H = Tf + Hw = {_d(H / L)} {u['L']}; loaded width B = {_d(s['B'] / L)} {u['L']}"
            + (" (Lw less the two side wall thicknesses: the side walls are shorter than 1.1 heel lengths)"
               if s["B"] != p["Lw"] else "") + ".",
            f"Earth pressure: Pep = Kep B γs H²/2 = {p['Kep']} × {_d(s['B'] / L)} × {_d(p['rhos'] / f['unitweight'])}"
            f" × {_d(H / L)}²/2 = {_d(s['Pep'] / F)} {u['F']}; Mep = Yep Pep H = {_d(s['Mep'] / M)} {u['M']}."]
    if p["Criteria"] == "arema":
        out.append(f"Surcharge (strips): s = Qsc Kep Wsc Nsc; Psc = H s = {_d(s['Psc'] / F)} {u['F']}, "
                   f"Msc = H² s/2 = {_d(s['Msc'] / M)} {u['M']}.")
    else:
        out.append(f"Surcharge: Psc = Qsc Kep B H = {_d(s['Psc'] / F)} {u['F']}, Msc = H Psc/2 = {_d(s['Msc'] / M)} {u['M']}.")
    if s["Peq"]:
        out.append(f"Earthquake: Peq = Keq B γs H²/2 = {_d(s['Peq'] / F)} {u['F']}, Meq = Yeq Peq H = {_d(s['Meq'] / M)} {u['M']}.")
    if s["Pcp"]:
        out.append(f"Compaction: Pcp = {_d(s['Pcp'] / F)} {u['F']}, Mcp = {_d(s['Mcp'] / M)} {u['M']}.")
    pieces = ", ".join(f"{k[2:]} {_d(s[k] / F)} {u['F']} at {_d(s['M ' + k[2:]] / s[k] / L) if s[k] else 0} {u['L']}"
                       for k in s if k.startswith("W ") and s[k])
    out.append(f"Concrete (γc Lw × area): {pieces}; footing Wf Lf Tf γc = {_d(s['foot_w'] / F)} {u['F']} at Wf/2"
               + (f"; side walls {_d(s['side_w'] / F)} {u['F']}" if p["Ls"] else "")
               + f". Wda = {_d(s['Wda'] / F)} {u['F']}, Mda = {_d(s['Mda'] / M)} {u['M']}.")
    out.append(f"Soil on the heel {_d(s['heel_soil'] / F)} {u['F']} at {_d(s['xs'] / L)} {u['L']}, on the toe "
               f"Lf Dt Ht γs = {_d(s['toe_soil'] / F)} {u['F']} at Dt/2: Wde = {_d(s['Wde'] / F)} {u['F']}, "
               f"Mde = {_d(s['Mde'] / M)} {u['M']}. Vertical surcharge on the heel {_d(s['Wscv'] / F)} {u['F']}.")
    out.append("")
    un = ["UNFACTORED WEIGHT AND RIGHTING MOMENT:"]
    lat = ["UNFACTORED LATERAL FORCE AND OVERTURNING MOMENT:"]
    t.add("Dead load abutment weight", s["Wda"] / F, 1, un, "^Dead load abutment", 0)
    t.add("Dead load abutment moment", s["Mda"] / M, 1, un, "^Dead load abutment", 1)
    t.add("Dead load earth weight", s["Wde"] / F, 1, un, "^Dead load earth", 0)
    t.add("Dead load earth moment", s["Mde"] / M, 1, un, "^Dead load earth", 1)
    if s["Wscv"]:
        t.add("Vertical surcharge", s["Wscv"] / F, 1, un, "^Live load surcharge", 0)
    t.add("Earth pressure force", s["Pep"] / F, 1, lat, "^Lateral earth pressure", 0)
    t.add("Earth pressure moment", s["Mep"] / M, 1, lat, "^Lateral earth pressure", 1)
    t.add("Surcharge force", s["Psc"] / F, 1, lat, "^Surcharge pressure", 0)
    t.add("Surcharge moment", s["Msc"] / M, 1, lat, "^Surcharge pressure", 1)
    if s["Peq"]:
        t.add("Earthquake force", s["Peq"] / F, 1, lat, "^Earthquake pressure", 0)
        t.add("Earthquake moment", s["Meq"] / M, 1, lat, "^Earthquake pressure", 1)
    if s["Pcp"]:
        t.add("Compaction force", s["Pcp"] / F, 1, lat, "^Compaction pressure", 0)
        t.add("Compaction moment", s["Mcp"] / M, 1, lat, "^Compaction pressure", 1)

    # --- One combination ----------------------------------------------------
    c, case = prob["comb"], prob["case"]
    V, X, Hl = hand.case_loads(p, s, c, case)
    vert = {"SLS": "sls", "ULS 1": "max"}[case]
    Vv, Mr, Hh, Mo = hand.combine(p, s, c, vert)
    title = p["combs"][c - 1]["title"]
    out += [f"### Combination {c}, {case}", "",
            f"\"{title}\". With its {'service' if case == 'SLS' else 'maximum'} factors: "
            f"V = {_d(Vv / F)} {u['F']}, Mr = {_d(Mr / M)} {u['M']}, H = {_d(Hh / F)} {u['F']}, Mo = {_d(Mo / M)} {u['M']}; "
            f"resultant X = (Mr − Mo)/V = {_d(X / L)} {u['L']} from the toe, ratio (Wf − 2X)/Wf = {(p['Wf'] - 2 * X) / p['Wf']:.4f}."]
    rc = ["RESULTANT LOAD COMBINATIONS:"]
    row = rf"^{c}\s+SLS" if case == "SLS" else "ULS MAX"
    anchors = rc + [rf"^{c}\s+(SLS|ULS)"]
    t.add(f"Comb {c} vertical load", Vv / F, 1, anchors, row, 0)
    t.add(f"Comb {c} righting moment", Mr / M, 1, anchors, row, 1)
    t.add(f"Comb {c} lateral load", Hh / F, 1, anchors, row, 2)
    t.add(f"Comb {c} overturning moment", Mo / M, 1, anchors, row, 3)
    vr = ["VERTICAL RESULTANT:"]
    if case == "SLS":
        t.add(f"Comb {c} resultant from toe", X / L, 3, vr + [rf"^{c}\s+SLS"], rf"^{c}\s+SLS", 1)
    else:
        t.add(f"Comb {c} resultant from toe", X / L, 3, vr + [rf"^{c}\s+(SLS|ULS)"], r"ULS( EQ)?\s+1\b", 1)
    if p["FootingType"] == "spread":
        uniform = case != "SLS" and p["Criteria"] in ("lrfd", "s6")
        k, Lc, qt, qh = hand.soil_pressure(p, V, X, uniform)
        if uniform:
            out.append(f"Uniform pressure over an effective width (case {k}): L = 2X = {_d(Lc / L)} {u['L']}, "
                       f"q = V/(L Lf) = {_d(max(qt, qh) / Q)} {u['Q']}.")
        elif k in (2, 3):
            out.append(f"Full compression (case {k}): q = V/(Wf Lf) ± V (Wf/2 − X)/(Lf Wf²/6): toe {_d(qt / Q)} {u['Q']}, "
                       f"heel {_d(qh / Q)} {u['Q']}.")
        else:
            out.append(f"Partial compression (case {k}): L = {_d(Lc / L)} {u['L']}, edge pressure 2V/(L Lf) = "
                       f"{_d(max(qt, qh) / Q)} {u['Q']}.")
        sb = ["SOIL BEARING PRESSURE:"]
        prow = rf"^{c}\s+SLS" if case == "SLS" else r"^(\d+\s+)?ULS 1\s"
        pa = sb + [rf"^{c}\s+(SLS|ULS)"]
        t.add(f"Comb {c} pressure case", k, 0, pa, prow, 0)
        t.add(f"Comb {c} contact length", Lc / L, 3, pa, prow, 1)
        t.add(f"Comb {c} toe pressure", qt / Q, 1, pa, prow, 2)
        t.add(f"Comb {c} heel pressure", qh / Q, 1, pa, prow, 3)
    else:
        n_p, xcg, inertia = hand.pile_group(p)
        pl = hand.pile_loads(p, s, c, case)
        out.append(f"Pile group: N = {n_p:.0f}, centroid {_d(xcg / L)} {u['L']} from the toe, I = Σ n y² = "
                   f"{_d(inertia / L / L)} {u['L']}²; eccentricity e = {_d(pl['e'] / L)} {u['L']}; passive resistance "
                   f"{_d(pl['passive'] / F)} {u['F']}, battered piles {_d(pl['batter'] / F)} {u['F']}.")
        if p["PileHead"] == "fix":
            out.append(f"Fixed heads: lateral load per pile h = (H − Pp)/N = {_d(pl['rows'][0][1] / F)} {u['F']}, head moment "
                       f"from the load–moment points m = {_d(pl['rows'][0][2] / M)} {u['M']}; "
                       "P = V/N + y (e V + N m)/I.")
        else:
            out.append("Pinned heads: P = V/N + y e V/I; lateral load per pile (H − Pp − Hbatter)/N.")
        pa = ["PILE LOADS:", rf"^{c}\s+SLS" if case == "SLS" else rf"^{c}\s+(SLS|ULS)"]
        first = rf"^({c}\s+)?SLS\s+1\s" if case == "SLS" else r"^(\d+\s+)?ULS 1\s+1\s"
        for i, (pv, ph, pm) in enumerate(pl["rows"], start=1):
            prow = first if i == 1 else rf"^{i}\s"
            t.add(f"Row {i} pile load", pv / F, 1, pa if case == "SLS" else pa + [first], prow, 0)
            if i == 1:
                t.add("Lateral load per pile", ph / F, 1, pa, prow, 1)
                t.add("Pile head moment", pm / M, 1, pa, prow, 2)
    out.append("")

    # --- Stem wall bottom section -----------------------------------------
    mat = hand.Concrete(p)
    st = hand.stem_section(p)
    env = hand.envelope(p, st["loads"])
    d, tt = st["d"], st["t"]
    As, sp = p["Asw"], p["SAsw"]
    out += ["### Stem wall, bottom section", "",
            f"Thickness t = {_d(tt)} {u['S']}, d = t − cover − √(As/π) = {_d(d)} {u['S']}; moment at zm = Hw = "
            f"{_d(st['zm'] / L)} {u['L']} below the top, shear at zv = zm − d = {_d(st['zv'] / L)} {u['L']}. "
            f"Earth (Yep = {p['Yep']}): V = {_d(st['loads']['ep'][0] / LL)} {u['V']}, M = {_d(st['loads']['ep'][1] / F)} {u['m']}; "
            f"surcharge V = {_d(st['loads']['sc'][0] / LL)}, M = {_d(st['loads']['sc'][1] / F)}."]
    sw = ["S T E M   W A L L"]
    t.add("Stem earth shear", st["loads"]["ep"][0] / LL, 3, sw, "^Lateral earth pressure", 0)
    t.add("Stem earth moment", st["loads"]["ep"][1] / F, 3, sw, "^Lateral earth pressure", 1)
    sld = p["ConcreteDesign"] == "sld"
    k = 1.0 if p["english"] else 1 / 12
    if not sld:
        Vu, cv = env["Vu"]
        Mu, cm = env["Mu"]
        dreq = hand.shear_depth_required(p, mat, Vu)
        Areq = hand.area_required_ultimate(mat, Mu, tt, d, sp)
        out.append(f"Factored envelope: Vu = {_d(Vu / LL)} {u['V']} (comb {cv}), Mu = {_d(Mu / F)} {u['m']} (comb {cm}); "
                   f"required depth for shear {_d(dreq)} {u['S']}; steel from Mu = φf φs fy A (d − φs fy A/(2 φc α1 f'c)) "
                   f"(Mu raised towards 1.2 Mcr where small): {_d(Areq)} {u['A']} per bar at {sp:g} {u['S']}.")
        usw = sw + ["ULTIMATE LIMIT STATE", r"SHEAR \(Comb"]
        t.add("Stem factored shear", Vu / LL, 3, usw, "^Factored shear", 0)
        t.add("Stem d required (shear)", dreq, 2, usw, "^d required", 0)
        umw = sw + ["ULTIMATE LIMIT STATE", r"MOMENT \(Comb"]
        t.add("Stem factored moment", Mu / F, 3, umw, "^Factored moment", 0)
        t.add("Stem As required", Areq, 2, umw, "^As required", 0)
        Ms, cs = env["Ms"]
        Fs = p["combs"][cs - 1]["Fsls"]
        cc = hand.crack_control(p, mat, Ms, Fs, d, tt, sp, As)
        ca = sw + [r"CRACK CONTROL \(Comb"]
        if p["ConcreteDesign"] == "both":
            # The service load design block shows the moment; crack control follows it.
            t.add("Stem service moment", Ms / F, 3, sw + ["SERVICEABILITY", r"MOMENT \(Comb"], "^Service moment", 0)
        else:
            t.add("Stem service moment", Ms / F, 3, ca, "^Service moment", 0)
        if "fsa" in cc:
            out.append(f"Crack control (comb {cs}, Fsls {Fs:g}): service steel stress {_d(cc['fss'])} {u['st']}; "
                       f"dc = {_d(cc['dc'])} {u['S']}; allowable fsa = z/(dc A)^(1/3) with A = 2 dc s, at most "
                       f"{'0.5' if p['Criteria'] == 'arema' else '0.6'} fy Fsls: {_d(cc['fsa'])} {u['st']}.")
            t.add("Stem allowable stress", cc["fsa"], 2, ca, "^Allowable stress", 0)
            t.add("Stem service steel stress", cc["fss"], 2, ca, "^Allowable stress", 1)
        elif "smax" in cc:
            out.append(f"Crack control (comb {cs}): service steel stress {_d(cc['fss'])} {u['st']}; βs = {cc['beta']:.4f}; "
                       f"smax = 700 γe/(βs fss) − 2 dc = {_d(cc['smax'])} {u['S']}.")
            t.add("Stem service steel stress", cc["fss"], 2, ca, "^Steel stress", 0)
            t.add("Stem maximum spacing", cc["smax"], 2, ca, "^Maximum spacing", 0)
        else:
            t.add("Stem service steel stress", cc["fss"], 2, ca, "^Steel stress", 0)
            if "zc" in cc:
                out.append(f"Crack control (comb {cs}): service steel stress {_d(cc['fss'])} {u['st']}; 40 % cracking "
                           f"moment {_d(cc['Mr'] / F)} {u['m']} is exceeded; zc = (1 − (Mr/Ms)²)(0.9 s′ + 100) fs = "
                           f"{_d(cc['zc'])} against z Fsls = {_d(cc['zallow'])}.")
                t.add("Stem crack control factor", cc["zc"], 1, ca, "^Crack control factor", 0)
            else:
                out.append(f"Crack control (comb {cs}): Ms below the 40 % cracking moment {_d(cc['Mr'] / F)} {u['m']}.")
                t.add("Stem 40% cracking moment", cc["Mr"] / F, 3, ca, "^40% Cracking moment", 0)
    else:
        Vs, cv = env["Vs"]
        Ms, cm = env["Ms"]
        Fv = p["combs"][cv - 1]["Fsls"]
        Fm = p["combs"][cm - 1]["Fsls"]
        vc = 0.95 * k * math.sqrt(mat.fc) * Fv
        fss, fcs = hand.service_stresses(mat, Ms, d, As, sp)
        out.append(f"Service envelope (largest ratio to Fsls): Vs = {_d(Vs / LL)} {u['V']} (comb {cv}), "
                   f"Ms = {_d(Ms / F)} {u['m']} (comb {cm}); allowable shear stress 0.95 √f'c Fsls = {_d(vc)} {u['st']}, "
                   f"required depth Vs/vc = {_d(Vs / vc)} {u['S']}; cracked section n = {mat.n}: steel stress "
                   f"Ms s/(As j d) = {_d(fss)} {u['st']} against 0.4 fy Fsls = {_d(0.4 * mat.fy * Fm)} {u['st']}.")
        ss = sw + ["SERVICEABILITY", r"SHEAR \(Comb"]
        t.add("Stem service shear", Vs / LL, 3, ss, "^Service shear", 0)
        t.add("Stem d required (shear)", Vs / vc, 2, ss, "^d required", 0)
        sm = sw + ["SERVICEABILITY", r"MOMENT \(Comb"]
        t.add("Stem service moment", Ms / F, 3, sm, "^Service moment", 0)
        t.add("Stem steel stress", fss, 2, sm, "^Steel stress", 0)
    out.append("")

    # --- Side wall strip ----------------------------------------------------
    if p["Ls"]:
        short = hand.short_side_walls(p)
        loads = hand.short_wall_loads(p, p["Hw"] / 2) if short else hand.long_wall_loads(p)
        ta = (p["Tst"] + p["Tsb"]) / 2
        da = ta - p["CAsw"] - hand.bar_radius(p["Asws"])
        envs = hand.envelope(p, loads)
        if short:
            out += ["### Side wall", "", f"Ls/heel = {abs(p['Ls'] / hand.heel(p)):.3f} < 1.1: a short wall standing on the "
                    f"footing. At mid-height (z = Hw/2) the earth pressure {_d(hand.pressure_at_depth(p['rhos'], p['Kep'], p['Hw'], p['Yep'], p['Hw'] / 2) / Q)} {u['Q']} "
                    f"acts uniformly over the cantilever Ls: V = q Ls, M = q Ls²/2."]
        else:
            out += ["### Side wall", "", f"Ls/heel = {abs(p['Ls'] / hand.heel(p)):.3f} ≥ 1.1: a long wall. Ten vertical "
                    "strips of width Ls/10, full height over the footing and tapering to Hs beyond it; earth force per "
                    "strip Kep γs h²/2 × w, summed for the shear and times the strip's distance from the back wall for "
                    "the moment, then divided by Hw."]
        Mu, cm = envs["Ms"] if sld else envs["Mu"]
        out.append(f"Earth: V = {_d(loads['ep'][0] / LL)} {u['V']}, M = {_d(loads['ep'][1] / F)} {u['m']}; "
                   f"{'service' if sld else 'factored'} moment of the governing combination {cm}: {_d(Mu / F)} {u['m']}.")
        anchors = ["OUTPUT DATA", "S I D E   W A L L S"]
        t.add("Side wall earth shear", loads["ep"][0] / LL, 3, anchors, "^Lateral earth pressure", 0)
        t.add("Side wall earth moment", loads["ep"][1] / F, 3, anchors, "^Lateral earth pressure", 1)
        if sld:
            t.add("Side wall service moment", Mu / F, 3, anchors + [r"MOMENT \(Comb"], "^Service moment", 0)
        else:
            t.add("Side wall factored moment", Mu / F, 3, anchors + [r"MOMENT \(Comb"], "^Factored moment", 0)
            Areq = hand.area_required_ultimate(mat, Mu, ta, da, p["SAsws"])
            t.add("Side wall As required", Areq, 2, anchors + [r"MOMENT \(Comb"], "^As required", 0)
        if short:
            bottom = hand.short_wall_loads(p, p["Hw"])
            out.append(f"Bottom strip (z = Hw): earth V = {_d(bottom['ep'][0] / LL)} {u['V']}, "
                       f"M = {_d(bottom['ep'][1] / F)} {u['m']}.")
            t.add("Side wall bottom earth shear", bottom["ep"][0] / LL, 3, anchors + ["W A L L   B O T T O M"],
                  "^Lateral earth pressure", 0)
            t.add("Side wall bottom earth moment", bottom["ep"][1] / F, 3, anchors + ["W A L L   B O T T O M"],
                  "^Lateral earth pressure", 1)
        out.append("")

    # --- Volumes ------------------------------------------------------------
    out += ["### Concrete volumes", "",
            f"Walls (back wall, {'haunch, ' if p['WallType'] == 'haunch' else ''}stem{', side walls' if p['Ls'] else ''}) "
            f"{_d(s['Volw'] * f['volume'])}, "
            f"footing Wf Lf Tf = {_d(s['Volf'] * f['volume'])} {'yd^3' if p['english'] else 'm^3'}.", ""]
    qa = ["Q U A N T I T I E S"]
    t.add("Abutment concrete volume", s["Volw"] * f["volume"], 1, qa, "^Abutment", 0)
    t.add("Footing concrete volume", s["Volf"] * f["volume"], 1, qa, "^Footing", 0)

    out += ["### Hand values and program values", "", t.markdown()]
    return "\n".join(out)


def problem(name, title, about, comb, case, cover):
    return dict(name=name, title=title, about=about, comb=comb, case=case, cover=cover, write=write_problem)


PROBLEMS = [
    problem("pile-aashto-english", "AASHTO pile footing, fixed heads and battered piles",
            "English units, haunch, ultimate strength design; three pile rows, the toe row battered at 14°, "
            "fixed pile heads with a lateral load–moment curve.", 4, "SLS",
            ("Pile", "AASHTO", "English", "Haunch", "—", "—", "USD")),
    problem("pile-aashto-both-sidewalls-english", "AASHTO pile footing with long side walls, service and ultimate design",
            "English units, haunch, concrete designed by both SLD and USD; pinned piles in two rows; side walls "
            "10 ft long, longer than 1.1 heel lengths.", 4, "SLS",
            ("Pile", "AASHTO", "English", "Haunch", "long", "—", "Both")),
    problem("pile-s6-metric-sidewalls", "CAN/CSA-S6 pile footing with long side walls",
            "Metric units, no haunch; compaction pressure; three rows of piles, the toe row battered; side walls "
            "4 m long.", 5, "SLS",
            ("Pile", "CAN/CSA-S6", "Metric", "No haunch", "long", "—", "USD")),
    problem("spread-arema-english-sld", "AREMA spread footing, service load design",
            "English units, haunch; railway surcharge as one strip 8.5 ft wide; service load design only.", 4, "SLS",
            ("Spread", "AREMA", "English", "Haunch", "—", "—", "SLD")),
    problem("spread-lrfd-english-seismic", "AASHTO LRFD spread footing with an earthquake combination",
            "English units, no haunch; earthquake pressure coefficient 0.12 with its resultant at 0.6 H; "
            "combination 5 is an extreme event with earthquake.", 5, "ULS 1",
            ("Spread", "AASHTO LRFD", "English", "No haunch", "—", "yes", "USD")),
    problem("spread-lrfd-metric", "AASHTO LRFD spread footing in metric units",
            "Metric units, no haunch; uniform bearing pressure over an effective width for the ultimate cases.",
            4, "ULS 1",
            ("Spread", "AASHTO LRFD", "Metric", "No haunch", "—", "—", "USD")),
    problem("pile-aashto-sld-battered-stem-english", "AASHTO pile footing, service load design, battered stem",
            "English units, haunch, stem battered 3°; service load design only; pinned piles in three rows, "
            "the toe row battered at 10°; earthquake coefficient 0.1 with a uniform diagram (resultant at 0.5 H) "
            "in the service combination 7.", 7, "SLS",
            ("Pile", "AASHTO", "English", "Haunch", "—", "yes", "SLD")),
    problem("pile-arema-english-fixed-battered", "AREMA pile footing, fixed heads, battered piles, earthquake",
            "English units, haunch; fixed pile heads with a lateral load–moment curve, the toe row battered at 14°; "
            "railway surcharge strip; concrete designed by both SLD and USD; combination 8 carries earthquake "
            "pressure (coefficient 0.1, resultant at 0.6 H).", 8, "ULS 1",
            ("Pile", "AREMA", "English", "Haunch", "—", "yes", "Both")),
    problem("spread-aashto-metric-eccentric", "AASHTO spread footing in metric units, earthquake service check",
            "Metric units, haunch; concrete designed by both SLD and USD; earthquake coefficient 0.2 with its "
            "resultant at 0.6 H; combination 7 is a service earthquake combination (Fsls 1.33).", 7, "SLS",
            ("Spread", "AASHTO", "Metric", "Haunch", "—", "yes", "Both")),
    problem("spread-s6-english-short-sidewalls", "CAN/CSA-S6 spread footing in English units with short side walls",
            "English units, no haunch; compaction pressure; side walls 10 ft long on a heel of 9.5 ft (shorter "
            "than 1.1 heel lengths); combination 6 carries earthquake pressure (coefficient 0.12, resultant at "
            "0.6 H).", 6, "ULS 1",
            ("Spread", "CAN/CSA-S6", "English", "No haunch", "short", "yes", "USD")),
    problem("spread-s6-metric-low-abutment", "CAN/CSA-S6 spread footing, low abutment",
            "Metric units, no haunch; a 1.5 m wall; earth pressure resultant at 0.4 H (uniform plus triangular "
            "diagram); compaction pressure deeper than the wall.", 5, "SLS",
            ("Spread", "CAN/CSA-S6", "Metric", "No haunch", "—", "—", "USD")),
]


# Only the problems whose example is present.
PROBLEMS = [p for p in PROBLEMS
            if os.path.exists(os.path.join(os.path.dirname(__file__), "..", "..", "examples", p["name"] + ".in"))]


def coverage_rows():
    return "\n".join(f"| {i} | " + " | ".join(p["cover"]) + " |" for i, p in enumerate(PROBLEMS, start=1))
