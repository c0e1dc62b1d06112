#!/usr/bin/env python3
"""Exact-rational clock plans of the clock-chip controllers.

Works every plan out from the formulas of docs/clock-chips.md with exact
fractions (never from the Verilog tables) and writes the expected values as
SystemVerilog include files for the benches: `clockplans.py <out dir>`.
"""
import sys
from fractions import Fraction as F
from pathlib import Path

MHZ = 1_000_000


def si570_plan():
    """Per mode: (target Hz, HS_DIV, N1): lowest N1 first, then highest
    HS_DIV, with the DCO in 4.85-5.67 GHz."""
    targets = [F(100), F(125), F(15625, 100), F(250), F(3125, 10),
               F(322265625, 1000000), F(64453125, 100000)]
    plan = []
    for t in targets:
        f = t * MHZ
        found = None
        for n1 in [1] + list(range(2, 129, 2)):
            for hs in (11, 9, 7, 6, 5, 4):
                dco = f * hs * n1
                if F(4850) * MHZ <= dco <= F(5670) * MHZ:
                    found = (f, hs, n1)
                    break
            if found:
                break
        assert found, t
        plan.append(found)
    return plan


def cdcm61004_plan(xtal=F(25) * MHZ):
    """Per desired_freq code: (target Hz, prescaler, feedback, OD)."""
    pairs = [(3, 24), (5, 15), (4, 20), (3, 25)]
    ods = [1, 2, 3, 4, 6, 8]
    targets = [F(625, 10), F(75), F(100), F(125), F(150), F(15625, 100),
               F(1875, 10), F(200), F(250), F(3125, 10), F(625)]
    plan = []
    for t in targets:
        f = t * MHZ
        best = None
        for p, fb in pairs:
            vco = xtal * p * fb
            if not (F(1750) * MHZ <= vco <= F(2050) * MHZ):
                continue
            for od in ods:
                if xtal * fb / od == f:
                    cand = (f, p, fb, od)
                    # Prefer the highest VCO, then the smallest output divider.
                    if best is None or (vco, -od) > (xtal * best[1] * best[2], -best[3]):
                        best = cand
        assert best, t
        plan.append(best)
    return plan


def lmk04906_plan(ref=F(15625, 100) * MHZ, r=4, n=66):
    """VCO from the reference assumption; per select value: (Hz, divider)."""
    vco = ref / r * n
    assert F(2370) * MHZ <= vco <= F(2630) * MHZ
    plan = []
    for target in (F(322265625, 1000000) * MHZ, F(64453125, 100000) * MHZ):
        div = vco / target
        assert div.denominator == 1, target
        plan.append((target, int(div)))
    return vco, plan


def cdcm6208_plan(ref=F(25) * MHZ, vco=F(3000) * MHZ):
    """Per mode: board outputs (FMCA, FMCD, SATA host, SATA device, PCIe,
    DDR3) in Hz with the dividers that give them: PS_A, FB0, Y0/Y1 divider,
    Y2/Y3 divider, PS_B, Y4 divider, Y5 divider (Y4, Y5 with 20-bit
    fractions)."""
    assert F(2940) * MHZ <= vco <= F(3130) * MHZ
    plans = []
    for fmc in (F(100), F(125), F(150)):
        fmc *= MHZ
        sata, pcie, ddr3 = F(150) * MHZ, F(100) * MHZ, F(400, 3) * MHZ
        best = None
        for psa in (4, 5, 6):  # the lowest prescaler that divides both
            d01, d23 = vco / psa / fmc, vco / psa / sata
            fb = vco / ref / psa
            if d01.denominator == 1 and d23.denominator == 1 and fb.denominator == 1 \
                    and fb <= 256 and d01 <= 256 and d23 <= 256:
                best = (psa, int(fb), int(d01), int(d23))
                break
        assert best, fmc
        psb = 5
        d4, d5 = vco / psb / pcie, vco / psb / ddr3
        for d in (d4, d5):
            assert (d * 2 ** 20).denominator == 1
        plans.append(((fmc, fmc, sata, sata, pcie, ddr3),) + best + (psb, d4, d5))
    return plans


SI5340_VCO = F(14000) * MHZ
UNCHANGED = F(-1)


def si5340_plans():
    """Exact output frequencies per board code (Hz; 0 off, -1 left as it
    is), from the code tables of the boards and the fact sheet's output
    assignment. Checks that every frequency has an N divider in range with
    R = 2: N = VCO / (2 f)."""
    m = lambda x: F(x) * MHZ
    a = [F(0)] + [m(x) for x in (F(64453125, 100000), F(322265625, 1000000), F(3125, 10),
                               250, F(15625, 100), 125, 100)]
    harvik_xcvr = [m(x) for x in (F(64453125, 100000), F(322265625, 1000000), 250, 125, 100)]
    harvik_mem = [m(x) for x in (300, 275, F(800, 3), F(700, 3))]
    qdr = [m(x) for x in (275, 250, 225, F(700, 3))]
    zarvik = []
    for code in range(16):
        c = code if code < 12 else 0
        zarvik += [[m(F(800, 3)), m(F(700, 3)), m(200)][c % 3], qdr[c // 3], m(100), UNCHANGED]
    ddr4 = []
    for code in range(32):
        c = code if code < 20 else 0
        ddr4 += [[m(300), m(F(800, 3)), m(F(700, 3)), m(200), m(150)][c % 5], qdr[c // 5],
                 m(100), UNCHANGED]
    espern = []
    for code in range(16):
        espern += [[m(275), m(250), m(225)][code if code < 3 else 0]] * 4
    for f in a + harvik_xcvr + harvik_mem + zarvik + ddr4 + espern:
        if f > 0:
            n = SI5340_VCO / (2 * f)
            assert 10 <= n <= 4095 and n.denominator < 2 ** 32, f
    return {"si5340a": a, "harvik_xcvr": harvik_xcvr, "harvik_mem": harvik_mem,
            "si5340b_zarvik": zarvik, "si5340b_zarvik_ddr4": ddr4, "si5340b_espern": espern}


def sv_real(x):
    return repr(float(x))


def sv_table(kind, name, values):
    """A function from index to value (Icarus takes no array initialisers)."""
    lines = ["function automatic %s %s(input int i);" % (kind, name), "    case (i)"]
    for i, v in enumerate(values):
        lines.append("    %d: return %s;" % (i, v))
    lines += ["    default: return 0;", "    endcase", "endfunction"]
    return "\n".join(lines)


def write_si570(out):
    lines = ["// Generated by clockplans.py from the Si570 fact sheet.",
             "localparam int SI570_MODES = 7;"]
    plan = si570_plan()
    lines.append(sv_table("real", "si570_target_hz", [sv_real(p[0]) for p in plan]))
    lines.append(sv_table("int", "si570_hs_div", [str(p[1]) for p in plan]))
    lines.append(sv_table("int", "si570_n1", [str(p[2]) for p in plan]))
    (out / "si570_expected.svh").write_text("\n".join(lines) + "\n")


def write_cdcm61004(out):
    plan = cdcm61004_plan()
    lines = ["// Generated by clockplans.py from the CDCM61004 fact sheet.",
             "localparam int CDCM_CODES = 11;",
             sv_table("real", "cdcm_target_hz", [sv_real(p[0]) for p in plan]),
             sv_table("int", "cdcm_prescaler", [str(p[1]) for p in plan]),
             sv_table("int", "cdcm_feedback", [str(p[2]) for p in plan]),
             sv_table("int", "cdcm_od", [str(p[3]) for p in plan])]
    (out / "cdcm61004_expected.svh").write_text("\n".join(lines) + "\n")


def write_lmk04906(out):
    vco, plan = lmk04906_plan()
    lines = ["// Generated by clockplans.py from the LMK04906 fact sheet.",
             "localparam real LMK_VCO_HZ = %s;" % sv_real(vco),
             sv_table("real", "lmk_target_hz", [sv_real(p[0]) for p in plan]),
             sv_table("int", "lmk_divider", [str(p[1]) for p in plan])]
    (out / "lmk04906_expected.svh").write_text("\n".join(lines) + "\n")


def write_cdcm6208(out):
    plans = cdcm6208_plan()
    lines = ["// Generated by clockplans.py from the CDCM6208 fact sheet."]
    for out_i in range(6):
        lines.append(sv_table("real", "cdcm6208_target_hz_%d" % out_i,
                              [sv_real(p[0][out_i]) for p in plans]))
    names = ["psa", "fb0", "div01", "div23"]
    for k, name in enumerate(names):
        lines.append(sv_table("int", "cdcm6208_" + name, [str(p[1 + k]) for p in plans]))
    (out / "cdcm6208_expected.svh").write_text("\n".join(lines) + "\n")


def write_si5340(out):
    lines = ["// Generated by clockplans.py from the Si5340 fact sheet."]
    for name, values in si5340_plans().items():
        lines.append(sv_table("real", name + "_hz", [sv_real(v) for v in values]))
    (out / "si5340_expected.svh").write_text("\n".join(lines) + "\n")


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_si570(out)
    write_cdcm61004(out)
    write_lmk04906(out)
    write_cdcm6208(out)
    write_si5340(out)


if __name__ == "__main__":
    main()
