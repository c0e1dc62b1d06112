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


# LMK04906 words of the working configuration the plan starts from: the
# IOxOS ADC3210 table "adc3210_lmk_intref_250M" (icshwi/tsc,
# include/lmk04616.h; PLL2 alone from OSCin, internal VCO), with the
# register address in bits 4:0. R0 to R5 (dividers) and R28 to R30 (PLL2
# dividers) are the plan's own.
LMK_WORKING = {6: 0x01100000, 7: 0x01100000, 8: 0x01010000, 9: 0x55555540,
               10: 0x11404200, 11: 0x3402B000, 12: 0x03000000, 13: 0x3B7002C8,
               14: 0, 15: 0, 16: 0x01550400, 24: 0, 25: 0, 26: 0x8FA00000, 27: 0,
               28: 0x00200000, 29: 0x01800320, 30: 0x02000320, 31: 0}
LMK_ORDER = list(range(17)) + list(range(24, 32))
# Board assumption: OSCin 156.25 MHz; PLL2 R 4, P 2, N 33.
LMK_REF = F(15625, 100) * MHZ
LMK_PLL2 = (4, 2, 33)
LMK_OSCIN_FREQ = 2  # OSCin range code 127-255 MHz


def lmk04906_plan(ref=LMK_REF, pll2=LMK_PLL2):
    """VCO from the reference assumption; per select value: (Hz, divider)."""
    r, p, n = pll2
    vco = ref / r * p * n
    assert F(2370) * MHZ <= vco <= F(2630) * MHZ
    plan = []
    for target in (F(322265625, 1000000) * MHZ, F(64453125, 100000) * MHZ):
        div = vco / target
        assert div.denominator == 1, target
        plan.append((target, int(div)))
    return vco, plan


def lmk04906_words(select):
    """The 25 words after the RESET word, in programming order, for a 4-bit
    select (FMCA bit 3, FMCB bit 1, FMCC bit 0, FMCD bit 2 on pairs 0-3)."""
    _, plan = lmk04906_plan()
    r, p, n = LMK_PLL2
    bit_of_pair = {0: 3, 1: 1, 2: 0, 3: 2}
    words = []
    for reg in LMK_ORDER:
        if reg <= 5:
            fast = reg in bit_of_pair and (select >> bit_of_pair[reg]) & 1
            word = plan[1 if fast else 0][1] << 5
        else:
            word = LMK_WORKING[reg] & ~0x1F
            if reg == 28:
                word = (word & ~(0xFFF << 20)) | (r << 20)
            elif reg == 29:
                word = (word & ~(0x7 << 24) & ~(0x3FFFF << 5)) | (LMK_OSCIN_FREQ << 24) | (n << 5)
            elif reg == 30:
                word = (word & ~(0x7 << 24) & ~(0x3FFFF << 5)) | (p << 24) | (n << 5)
        words.append(word | reg)
    return words


# CDCM6208. Working register set-up the chip model holds at power-up: the
# CDCM6208 table of enjoy-digital/litex_m2sdr
# (software/user/libm2sdr m2sdr_cdcm6208_spi.h, cdcm6208_regs_vcxo_38p4).
CDCM_POWERUP = [0x01B9, 0x0000, 0x0013, 0x00F0, 0x30BF, 0x019B, 0x0013, 0x0000,
                0x0013, 0x0053, 0x0130, 0x0000, 0x0053, 0x0130, 0x0000, 0x0003,
                0x0130, 0x0000, 0x0000, 0x0130, 0x0000]
# A second set-up whose fields outside the plan differ from the first almost
# everywhere (a published 40 MHz CDCM6208 initialisation table), so that a
# controller that writes fixed values there instead of the read ones fails.
CDCM_OTHER_SETUP = [0x01B1, 0x0000, 0x003B, 0x10F0, 0x306C, 0x01B8, 0x000E, 0x0000,
                    0x0014, 0x2000, 0x0000, 0x0000, 0x2052, 0x0000, 0x0000, 0x0000,
                    0x0000, 0x0000, 0x0000, 0x0000, 0x0000]
CDCM_SETUPS = [CDCM_POWERUP, CDCM_OTHER_SETUP]
# Bits of each register the plan sets (the rest keeps its read value). The
# output enable fields are unconfirmed: the plan leaves them as the chip
# holds them.
CDCM_PLAN_MASK = {1: 0xFFFF, 2: 0xFFFF, 3: 0x004F, 6: 0x00FF, 8: 0x00FF, 9: 0x1E00,
                  10: 0x0FFF, 11: 0xFFFF, 12: 0x1E00, 13: 0x0FFF, 14: 0xFFFF}
CDCM_V1_VCO = (F(2390) * MHZ, F(2550) * MHZ)


def cdcm6208_plan(ref=F(25) * MHZ, vco=F(3000) * MHZ):
    """Per mode: board outputs (FMCA, FMCD, SATA host, SATA device, PCIe,
    DDR3) in Hz with the dividers that give them: PS_A, FB0, Y0/Y1 divider,
    Y2/Y3 divider, PS_B, Y4 divider, Y5 divider. PS_A feeds Y0/Y1, Y4, Y5
    and the feedback; PS_B feeds Y2/Y3, Y6, Y7. Y4 and Y5 are fractional:
    divider = 2 * (integer + fraction / 2^20) after their /2 pre-divider."""
    assert F(2940) * MHZ <= vco <= F(3130) * MHZ
    plans = []
    sata, pcie, ddr3 = F(150) * MHZ, F(100) * MHZ, F(400, 3) * MHZ
    psb = 5
    d23 = vco / psb / sata
    assert d23.denominator == 1
    for fmc in (F(100), F(125), F(150)):
        fmc *= MHZ
        best = None
        for psa in (5, 4, 6):  # the first prescaler that divides FMC and PCIe
            d01, fb = vco / psa / fmc, vco / ref / psa
            d4, d5 = vco / psa / pcie, vco / psa / ddr3
            if d01.denominator == 1 and fb.denominator == 1 and fb <= 256 and d01 <= 256 \
                    and all((d / 2 * 2 ** 20).denominator == 1 and d / 2 > 2 for d in (d4, d5)):
                best = (psa, int(fb), int(d01), int(d23))
                break
        assert best, fmc
        plans.append(((fmc, fmc, sata, sata, pcie, ddr3),) + best + (psb, d4, d5))
    return plans


def cdcm6208_registers(mode, setup=0):
    """Register values after the run of `mode` from power-up set-up `setup`:
    its value outside the plan's fields."""
    (_, psa, fb0, d01, d23, psb, d4, d5) = cdcm6208_plan()[mode]
    plan = {1: 0x0000, 2: fb0 - 1, 3: (psa - 4) | ((psb - 4) << 2) | (1 << 6)}
    plan[6] = d01 - 1
    plan[8] = d23 - 1
    for base, d in ((9, d4), (12, d5)):
        fixed = int(d / 2 * 2 ** 20)
        whole, frac = fixed >> 20, fixed & 0xFFFFF
        plan[base] = 1 << 9  # fractional mode, pre-divider /2 (code 0)
        plan[base + 1] = ((whole - 1) << 4) | (frac >> 16)
        plan[base + 2] = frac & 0xFFFF
    regs = list(CDCM_SETUPS[setup])
    for reg, mask in CDCM_PLAN_MASK.items():
        regs[reg] = (regs[reg] & ~mask) | (plan[reg] & mask)
    return regs


def cdcm6208_v1_modes(ref=F(25) * MHZ):
    """Modes whose board frequencies a V1 part (VCO 2390-2550 MHz) gives
    exactly with integer Y0-Y3 dividers: the VCO must be a whole multiple of
    the FMC and SATA frequencies times their prescalers and dividers."""
    modes = []
    for mode, p in enumerate(cdcm6208_plan()):
        fmc, sata = p[0][0], p[0][2]
        ok = False
        for vco in range(2390, 2551):
            vco = F(vco) * MHZ
            if any((vco / a / fmc).denominator == 1 and vco / a / fmc <= 256
                   and (vco / ref / a).denominator == 1 for a in (4, 5, 6)) \
                    and any((vco / b / sata).denominator == 1 for b in (4, 5, 6)):
                ok = True
                break
        if ok:
            modes.append(mode)
    return modes


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


# Start-up register images of the Si5340 model (address -> value; every
# other register reads 0). Set-up 0 is the model's test board: every output
# off on a crossed synthesizer, marker bits outside the fields, the PLL at
# 14 GHz from the 48 MHz crystal (M = 875/3, stored as (875 << 20) / (3 << 20)).
# Set-up 1 is the Si5340 revision D export X5340 of the fact sheet (DPDK
# nt200a02_u23_si5340_adr0_v5_registers.h): VCO 13.40625 GHz, OUT0 100 MHz
# on N1 (R 8), OUT1 and OUT2 257.8125 MHz on N0, OUT3 156.25 MHz on N2, N3
# unused. Set-up 2 is the same with M for 14 GHz; set-up 3 the same with
# the PLL on IN0 (a reference the board does not say).
SI5340_XTAL = F(48) * MHZ


def _le(a, value, n):
    return {a + b: (value >> (8 * b)) & 0xFF for b in range(n)}


def _m(num, den):
    return {**_le(0x0235, num, 6), **_le(0x023B, den, 4)}


def si5340_setups():
    test = {0x0021: 0x0F, 0x0206: 0x00, **_m(875 << 20, 3 << 20),
            0x0A03: 0x33, 0x0A04: 0x5F, 0x0A05: 0x23, 0x0B4A: 0x8C, 0x0102: 0x10}
    for k, cfg in enumerate((0x0112, 0x0117, 0x0126, 0x012B)):
        test[cfg] = 0x41
        test[cfg + 3] = (3 - k) | 0x10
    x5340 = {0x0021: 0x0F, 0x0102: 0x01,
             0x0112: 0x02, 0x0113: 0x09, 0x0114: 0x3E, 0x0115: 0x19,
             0x0117: 0x06, 0x0118: 0x09, 0x0119: 0x3E, 0x011A: 0x18,
             0x0126: 0x06, 0x0127: 0x09, 0x0128: 0x3E, 0x0129: 0x18,
             0x012B: 0x06, 0x012C: 0x09, 0x012D: 0x3E, 0x012E: 0x1A,
             0x0206: 0x00, **_m(0x008BA6000000, 0x80000000),
             0x0250: 0x03,
             **_le(0x0302, 0x0D00000000, 6), **_le(0x0308, 0x80000000, 4),
             **_le(0x030D, 0x0861000000, 6), **_le(0x0313, 0x80000000, 4),
             **_le(0x0318, 0x1AD0000000, 6), **_le(0x031E, 0xA0000000, 4),
             0x0A03: 0x07, 0x0A04: 0x01, 0x0A05: 0x07, 0x0B4A: 0x08}
    at14 = {**x5340, **_m(875 << 30, 3 << 30)}
    on_in0 = {**x5340, 0x0021: 0x01}
    return [test, x5340, at14, on_in0]


def si5340_stored_hz(regs, vco=SI5340_VCO):
    """Per output: its frequency from the image's dividers with the VCO at
    `vco` (0 when off)."""
    get = lambda a, n: sum(regs.get(a + b, 0) << (8 * b) for b in range(n))
    out = []
    for k, (cfg_a, r_a) in enumerate(zip((0x0112, 0x0117, 0x0126, 0x012B),
                                         (0x0250, 0x0253, 0x025C, 0x025F))):
        cfg, x = regs.get(cfg_a, 0), regs.get(cfg_a + 3, 0) & 7
        on = (regs.get(0x0102, 0) & 1) and (cfg & 3) == 2 and x < 4 and \
            (regs.get(0x0A05, 0) >> x) & 1 and (regs.get(0x0A03, 0) >> x) & 1 and \
            not (regs.get(0x0B4A, 0) >> x) & 1
        if not on:
            out.append(F(0))
            continue
        n = F(get(0x0302 + 11 * x, 6) & (2 ** 44 - 1), get(0x0308 + 11 * x, 4))
        r = 2 if cfg & 4 else 2 * (get(r_a, 3) + 1)
        out.append(vco / n / r)
    return out


def si5340_stored_vco(regs):
    get = lambda a, n: sum(regs.get(a + b, 0) << (8 * b) for b in range(n))
    return SI5340_XTAL / 2 ** (regs.get(0x0206, 0) & 3) * F(get(0x0235, 6) & (2 ** 44 - 1),
                                                          get(0x023B, 4))


def write_si5340_setups(out):
    setups = si5340_setups()
    assert si5340_stored_vco(setups[1]) == F(1340625, 100) * MHZ
    assert si5340_stored_hz(setups[1], si5340_stored_vco(setups[1])) == \
        [F(100) * MHZ, F(2578125, 10000) * MHZ, F(2578125, 10000) * MHZ, F(15625, 100) * MHZ]
    assert si5340_stored_vco(setups[0]) == SI5340_VCO == si5340_stored_vco(setups[2])
    lines = ["// Generated by clockplans.py: start-up images of the Si5340 model.",
             "localparam int SI5340_SETUPS = %d;" % len(setups),
             "function automatic [7:0] si5340_setup_value(input int s, input int a);",
             "    case (s)"]
    for n, regs in enumerate(setups):
        lines.append("    %d: case (a)" % n)
        for a in sorted(regs):
            lines.append("        'h%04X: return 8'h%02X;" % (a, regs[a]))
        lines.append("        default: return 0;\n        endcase")
    lines += ["    default: return 0;", "    endcase", "endfunction"]
    (out / "si5340_setups.svh").write_text("\n".join(lines) + "\n")


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
             sv_table("int", "lmk_divider", [str(p[1]) for p in plan]),
             "localparam real LMK_REF_HZ = %s;" % sv_real(LMK_REF),
             "// Word k (0-24, programming order after the RESET word) for select s:",
             "// index 25 * s + k.",
             sv_table("logic [31:0]", "lmk_word",
                      ["32'h%08X" % w for s in range(16) for w in lmk04906_words(s)])]
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
    # A V1 part cannot give mode 1 (FMC 125 MHz with SATA 150 MHz): the
    # controller programs V2 parts only.
    assert 1 not in cdcm6208_v1_modes()
    lines += ["// Register r (0-20) after mode m from set-up s: index 21 * (3 * s + m) + r.",
              sv_table("logic [15:0]", "cdcm6208_reg",
                       ["16'h%04X" % v for s in range(len(CDCM_SETUPS)) for m in range(3)
                        for v in cdcm6208_registers(m, s)])]
    for s, setup in enumerate(CDCM_SETUPS):
        lines.append("localparam [16*21-1:0] CDCM6208_SETUP_%d = {%s};"
                     % (s, ", ".join("16'h%04X" % v for v in reversed(setup))))
    (out / "cdcm6208_expected.svh").write_text("\n".join(lines) + "\n")


def write_si5340(out):
    lines = ["// Generated by clockplans.py from the Si5340 fact sheet."]
    for name, values in si5340_plans().items():
        lines.append(sv_table("real", name + "_hz", [sv_real(v) for v in values]))
    # Output k of set-up s with the PLL at 14 GHz from its stored dividers:
    # index 4 * s + k.
    lines.append(sv_table("real", "si5340_stored_hz",
                          [sv_real(f) for regs in si5340_setups() for f in si5340_stored_hz(regs)]))
    (out / "si5340_expected.svh").write_text("\n".join(lines) + "\n")


# Register sequences fed straight into the chip models by tb_model_rejects:
# one sequence that the chip takes, then wrong ones (the old controllers'
# words among them) that each model must reject. Register facts from the
# Linux drivers clk-si5341.c and clk-si570.c and a ClockBuilder export of a
# Si5340 revision D (docs/clock-chips.md).
SI5340_PREAMBLE = [(0x0B24, 0xC0), (0x0B25, 0x00), (0x0502, 0x01), (0x0505, 0x03),
                   (0x0957, 0x17), (0x0B4E, 0x1A)]  # revision D
SI5340_POSTAMBLE = [(0x001C, 0x01), (0x0B24, 0xC3), (0x0B25, 0x02)]
# Start-up values of the model's test board for the read-modify-write
# registers (the marker bits outside the fields must survive).
SI5340_START = {0x0112: 0x41, 0x0115: 0x13, 0x0A03: 0x33, 0x0A04: 0x5F, 0x0A05: 0x23,
                0x0B4A: 0x8C, 0x0102: 0x10}
W, RAW, WAIT = 0, 1, 2


def si5340_out0(freq=F(15625, 100) * MHZ, r_reg=1, cfg_bits=0x06, den_zero=False,
                plain_cfg=None, pibyp_kept=False, mux=True):
    """OUT0 on N0 at freq: N0 = VCO / (2 f), as NUM/DEN in lowest terms."""
    n = SI5340_VCO / (2 * freq)
    num, den = n.numerator, 0 if den_zero else n.denominator
    seq = [(W, 0x0302 + b, (num >> (8 * b)) & 0xFF) for b in range(6)]
    seq += [(W, 0x0308 + b, (den >> (8 * b)) & 0xFF) for b in range(4)]
    pibyp = SI5340_START[0x0A04]
    if not pibyp_kept:
        pibyp = (pibyp & ~1) | (1 if n.denominator == 1 else 0)
    seq += [(W, 0x0A04, pibyp), (W, 0x030C, 0x01)]
    seq += [(W, 0x0250 + b, (r_reg >> (8 * b)) & 0xFF) for b in range(3)]
    cfg = plain_cfg if plain_cfg is not None else (SI5340_START[0x0112] & ~7) | cfg_bits
    seq += [(W, 0x0112, cfg)]
    if mux:
        seq += [(W, 0x0115, SI5340_START[0x0115] & ~7)]
    seq += [(W, 0x0A05, SI5340_START[0x0A05] | 1), (W, 0x0A03, SI5340_START[0x0A03] | 1),
            (W, 0x0B4A, SI5340_START[0x0B4A] & ~1), (W, 0x0102, SI5340_START[0x0102] | 1)]
    return seq


def si5340_m(num, den):
    """M_NUM / M_DEN writes (the VCO is 48 MHz * num / den)."""
    return [(W, a, d) for a, d in sorted(_m(num, den).items())]


def si5340_cases():
    pre = [(W, a, d) for a, d in SI5340_PREAMBLE] + [(WAIT, 0, 0)]
    post = [(W, a, d) for a, d in SI5340_POSTAMBLE]
    good = si5340_out0()
    return [
        ("accepted plan", False, pre + good + post),
        ("old preamble 0x0540", True,
         [(W, 0x0B24, 0xC0), (W, 0x0B25, 0x00), (W, 0x0540, 0x01), (WAIT, 0, 0)] + good + post),
        ("no preamble", True, good + post),
        ("no wait after the preamble", True, pre[:-1] + good + post),
        ("revision B preamble on revision D", True,
         [(W, 0x0B24, 0xD8)] + pre[1:4] + [(W, 0x0957, 0x1F)] + pre[5:] + good + post),
        ("old words: R_REG 0, OUT0_CONFIG 0x02", True,
         pre + si5340_out0(r_reg=0, plain_cfg=0x02) + post),
        ("R divider off", True, pre + si5340_out0(r_reg=0, cfg_bits=0x02) + post),
        ("zero N denominator", True, pre + si5340_out0(den_zero=True) + post),
        ("OUT0_CONFIG written whole", True, pre + si5340_out0(plain_cfg=0x06) + post),
        ("fractional N with PIBYP set", True, pre + si5340_out0(pibyp_kept=True) + post),
        ("output on a powered-down divider", True, pre + si5340_out0(mux=False) + post),
        ("page register not used", True, pre + [(RAW, 0x12, 0x46)] + good + post),
        ("M rewritten for 14 GHz", False, pre + si5340_m(1750, 6) + good + post),
        ("M for a 15 GHz VCO", True, pre + si5340_m(625, 2) + good + post),
        ("postamble out of order", True,
         pre + good + [(W, 0x0B24, 0xC3), (W, 0x001C, 0x01), (W, 0x0B25, 0x02)]),
    ]


SI570_XTAL = F(114285, 1000) * MHZ
SI570_REG137_START = 0x08


def si570_bank(hs_code=5, n1_code=5, dco=F(5400) * MHZ):
    rfreq = round(dco / SI570_XTAL * 2 ** 28)
    word = (hs_code << 45) | (n1_code << 38) | rfreq
    return [(W, 7 + i, (word >> (8 * (5 - i))) & 0xFF) for i in range(6)]


def si570_cases():
    freeze = [(W, 137, SI570_REG137_START | 0x10)]
    thaw = [(W, 137, SI570_REG137_START)]
    newfreq = [(W, 135, 0x40)]
    return [
        ("accepted change", False, freeze + si570_bank() + thaw + newfreq),
        ("old words: 137 = 0x10, 0x00", True,
         [(W, 137, 0x10)] + si570_bank() + [(W, 137, 0x00)] + newfreq),
        ("bank written with the DCO running", True, si570_bank() + newfreq),
        ("NewFreq with the DCO frozen", True, freeze + si570_bank() + newfreq),
        ("unused HS_DIV code 4", True, freeze + si570_bank(hs_code=4) + thaw + newfreq),
        ("odd N1", True, freeze + si570_bank(n1_code=2) + thaw + newfreq),
    ]


def write_model_cases(out):
    lines = ["// Generated by clockplans.py: register sequences for the chip models."]
    for chip, cases in (("si5340", si5340_cases()), ("si570", si570_cases())):
        lines.append("localparam int %s_CASES = %d;" % (chip.upper(), len(cases)))
        lines.append(sv_table("string", chip + "_case_name", ['"%s"' % c[0] for c in cases])
                     .replace("default: return 0;", 'default: return "";'))
        lines.append(sv_table("int", chip + "_case_rejected", [str(int(c[1])) for c in cases]))
        lines.append(sv_table("int", chip + "_case_len", [str(len(c[2])) for c in cases]))
        body = ["function automatic int %s_case_item(input int c, input int i);" % chip,
                "    case (c)"]
        for n, c in enumerate(cases):
            body.append("    %d: case (i)" % n)
            for i, (op, a, d) in enumerate(c[2]):
                body.append("        %d: return 32'h%02X%04X%02X;" % (i, op, a, d))
            body.append("        default: return 0;\n        endcase")
        body += ["    default: return 0;", "    endcase", "endfunction"]
        lines.append("\n".join(body))
    (out / "model_cases.svh").write_text("\n".join(lines) + "\n")


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_si570(out)
    write_cdcm61004(out)
    write_lmk04906(out)
    write_cdcm6208(out)
    write_si5340(out)
    write_si5340_setups(out)
    write_model_cases(out)


if __name__ == "__main__":
    main()
