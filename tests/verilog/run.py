#!/usr/bin/env python3
"""Simulation, lint, synthesis and inventory checks of the embedded Verilog.

  run.py sim <bench> <work dir> [-P name=value ...]   Icarus simulation
  run.py lint <set>                                   verilator --lint-only -Wall
  run.py synth <set> <top> <work dir>                 yosys synthesis
  run.py inventory                                    names, files, shared text

A "set" is the file set a board exports (SETS below); the benches name the
set they test. Each command exits 0 on success.
"""
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
RES = ROOT / "resources"
VER = RES / "verilog"

COMMON = ["common/clock_divider.v", "common/edge_detector.v",
          "common/i2c_bus_controller.v", "common/initial_config.v"]

SETS = {
    "ext_pll": ["ext_pll/ext_pll_ctrl.v"],
    "cdcm61004": ["cdcm61004/CDCM6100x_Config.v"],
    "lmk04906": ["calvet/SPI_LMK04906_Config.v"],
    "cdcm6208": ["calvet/I2C_CDCM6208_Controller.v", "calvet/I2C_CDCM6208_Config.v"],
    "si5340a": COMMON + ["si5340a/si5340a_clk_frq_sel_gen.v", "si5340a/si5340a_controller.v",
                         "si5340a/si5340a_freq_prameter_selector.v",
                         "si5340a/si5340a_i2c_reg_controller.v"],
    "si5340b_zarvik": COMMON + ["si5340b/si5340b_clk_frq_sel_gen.v", "si5340b/si5340b_controller.v",
                                "si5340b_zarvik/si5340b_freq_prameter_selector.v",
                                "si5340b/si5340b_i2c_reg_controller.v"],
    "si5340b_zarvik_ddr4": COMMON + ["si5340b/si5340b_clk_frq_sel_gen.v",
                                     "si5340b_zarvik_ddr4/si5340b_controller.v",
                                     "si5340b_zarvik_ddr4/si5340b_freq_prameter_selector.v",
                                     "si5340b/si5340b_i2c_reg_controller.v"],
    "si5340b_espern": COMMON + ["si5340b/si5340b_clk_frq_sel_gen.v", "si5340b/si5340b_controller.v",
                                "si5340b_espern/si5340b_freq_prameter_selector.v",
                                "si5340b/si5340b_i2c_reg_controller.v"],
    "harvik": ["harvik/HARVIK_SI5340A_CONFIG.v", "si5340a/si5340a_clk_frq_sel_gen.v",
               "harvik/si5340a_freq_prameter_selector.v", "si5340a/si5340a_i2c_reg_controller.v"]
              + COMMON,
    "si570": COMMON + ["si570/i2c_controller.v", "si570/i2c_reg_controller.v",
                       "si570/si570_controller.v"],
}

BENCHES = {
    "tb_si570": "si570",
    "tb_ext_pll": "ext_pll",
    "tb_cdcm61004": "cdcm61004",
    "tb_lmk04906": "lmk04906",
    "tb_cdcm6208": "cdcm6208",
    "tb_si5340a": "si5340a",
    "tb_si5340b": None,  # the set follows the PLAN setting
    "tb_harvik": "harvik",
    "tb_model_rejects": "",  # the models alone
}

# Files that carry the two-wire engine text between the markers.
ENGINE_FILES = ["common/i2c_bus_controller.v", "ext_pll/ext_pll_ctrl.v",
                "calvet/I2C_CDCM6208_Controller.v"]
ENGINE_BEGIN = "// ---- two-wire engine: begin ----"
ENGINE_END = "// ---- two-wire engine: end ----"

MODELS = sorted((HERE / "models").glob("*.sv"))


def run(cmd, **kw):
    return subprocess.run(cmd, capture_output=True, text=True, **kw)


def files_of(set_name):
    return [str(VER / f) for f in SETS[set_name]]


def sim(bench, work, params):
    work = Path(work)
    work.mkdir(parents=True, exist_ok=True)
    r = run([sys.executable, str(HERE / "clockplans.py"), str(work)])
    if r.returncode:
        print(r.stdout, r.stderr)
        return 1
    out = work / (bench + ".vvp")
    cmd = ["iverilog", "-g2012", "-I", str(work), "-I", str(HERE / "benches"), "-s", bench,
           "-o", str(out)]
    for p in params:
        cmd += ["-P", "%s.%s" % (bench, p)]
    cmd += [str(HERE / "benches" / (bench + ".sv"))] + [str(m) for m in MODELS]
    set_name = BENCHES[bench]
    if set_name is None:  # tb_si5340b: PLAN=0 Zarvik, 1 Zarvik_DDR4, 2 Espern
        plan = next((p.split("=")[1] for p in params if p.startswith("PLAN=")), "0")
        set_name = ["si5340b_zarvik", "si5340b_zarvik_ddr4", "si5340b_espern"][int(plan)]
    if set_name:
        cmd += files_of(set_name)
    r = run(cmd)
    if r.returncode:
        print(r.stdout, r.stderr)
        return 1
    r = run(["vvp", "-n", str(out)])
    print(r.stdout[-4000:], r.stderr[-2000:])
    ok = r.returncode == 0 and "PASS " + bench in r.stdout and "FAIL" not in r.stdout
    return 0 if ok else 1


def modules_in(path):
    text = Path(path).read_text()
    text = re.sub(r"//[^\n]*", "", text)
    return re.findall(r"^\s*module\s+(\w+)", text, re.M)


def lint(set_name):
    failed = 0
    for f in SETS[set_name]:
        top = modules_in(VER / f)[0]
        r = run(["verilator", "--lint-only", "-Wall", "--top-module", top] + files_of(set_name))
        if r.returncode:
            print("lint %s:\n%s%s" % (top, r.stdout, r.stderr))
            failed = 1
    return failed


def synth(set_name, top, work):
    work = Path(work)
    work.mkdir(parents=True, exist_ok=True)
    script = work / ("synth_%s_%s.ys" % (set_name, top))
    log = work / ("synth_%s_%s.log" % (set_name, top))
    script.write_text("read_verilog %s\nhierarchy -check -top %s\nproc\ntribuf\n"
                      "synth -top %s\ncheck -assert\nstat\n"
                      % (" ".join(files_of(set_name)), top, top))
    r = run(["yosys", "-q", "-l", str(log), "-s", str(script)])
    text = log.read_text() if log.exists() else ""
    problems = []
    if r.returncode:
        problems.append("yosys failed:\n" + r.stdout + r.stderr)
    for line in text.splitlines():
        if line.startswith("Warning:") and "tri-state" not in line:
            problems.append(line)
    stat = text[text.rfind("=== design hierarchy ==="):] if "=== design hierarchy ===" in text \
        else text[text.rfind("Number of cells"):]
    open_drain = any("1'bz" in Path(f).read_text() for f in files_of(set_name))
    if open_drain and not re.search(r"\$_TBUF_\s+\d+", text):
        problems.append("open-drain pins not kept as tri-state buffers")
    if not re.search(r"\$_(S?DFF|DFFE|ALDFF)\w*\s+\d+", stat):
        problems.append("no flip-flops left")
    for p in problems:
        print(p)
    return 1 if problems else 0


def manifest_names():
    """Every embedded name with its file: the shared list and the lists of the
    board folders (paths relative to each list's folder)."""
    names = {}
    manifests = [RES / "embedded.txt"] + sorted((RES.parent / "boards").glob("*/embedded.txt"))
    for manifest in manifests:
        for line in manifest.read_text().splitlines():
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            name, path = line.split()[:2]
            names[name.lower()] = (manifest.parent / path).resolve()
    return names


# The names the boards export, with the module each file must define.
EXPECTED = {
    "ext_pll_ctrl_verilog": "ext_pll_ctrl",
    "si570_controller_verilog": "si570_controller",
    "i2c_controller_verilog": "i2c_controller",
    "i2c_reg_controller_verilog": "i2c_reg_controller",
    "cdcm6100x_config_verilog": "CDCM6100x_Config",
    "calvet_cdcm6208_config_verilog": "I2C_CDCM6208_Config",
    "calvet_cdcm6208_controller_verilog": "I2C_CDCM6208_Controller",
    "calvet_lmk04906_config_verilog": "SPI_LMK04906_Config",
    "harvik_harvik_si5340a_config_verilog": "HARVIK_SI5340A_CONFIG",
}
COMMON_NAMES = ["clock_divider", "edge_detector", "i2c_bus_controller", "initial_config"]
A_NAMES = ["si5340a_clk_frq_sel_gen", "si5340a_controller", "si5340a_freq_prameter_selector",
           "si5340a_i2c_reg_controller"]
B_NAMES = [n.replace("si5340a", "si5340b") for n in A_NAMES]
for prefix in ("", "zarvik_", "ddr4_zarvik_", "espern_", "harvik_"):
    for n in COMMON_NAMES:
        EXPECTED[prefix + n + "_verilog"] = n
for prefix in ("", "ddr4_", "espern_"):
    for n in A_NAMES + B_NAMES:
        EXPECTED[prefix + n + "_verilog"] = n
for n in A_NAMES:
    if n != "si5340a_controller":
        EXPECTED["harvik_" + n + "_verilog"] = n

# Names that hold one body (one file).
SHARED = [[p + n + "_verilog" for p in ("", "zarvik_", "ddr4_zarvik_", "espern_", "harvik_")]
          for n in COMMON_NAMES]
SHARED += [[p + n + "_verilog" for p in ("", "ddr4_", "espern_")] for n in A_NAMES]
SHARED += [["si5340b_controller_verilog", "espern_si5340b_controller_verilog"]]
SHARED += [[p + n + "_verilog" for p in ("", "ddr4_", "espern_")]
           for n in ("si5340b_clk_frq_sel_gen", "si5340b_i2c_reg_controller")]

# Names whose bodies must differ (other plans under the same module name).
DISTINCT = [["si5340b_freq_prameter_selector_verilog",
             "ddr4_si5340b_freq_prameter_selector_verilog",
             "espern_si5340b_freq_prameter_selector_verilog"],
            ["si5340a_freq_prameter_selector_verilog",
             "harvik_si5340a_freq_prameter_selector_verilog"],
            ["si5340b_controller_verilog", "ddr4_si5340b_controller_verilog"]]


def inventory():
    problems = []
    names = manifest_names()
    for name, module in EXPECTED.items():
        if name not in names:
            problems.append("missing resource " + name)
            continue
        path = RES / names[name]
        if not path.exists():
            problems.append("%s: no file %s" % (name, path))
            continue
        mods = modules_in(path)
        if mods != [module]:
            problems.append("%s: modules %s, expected [%s]" % (path.name, mods, module))
        if path.stem.lower() != module.lower():
            problems.append("%s: file not named like its module %s" % (path.name, module))
        data = path.read_bytes()
        if b"\r\n" not in data or re.search(rb"(?<!\r)\n", data):
            problems.append("%s: not CR LF throughout" % path.name)
    if len(EXPECTED) != 56 or len(names) < 56:
        problems.append("%d names expected, %d listed" % (len(EXPECTED), len(names)))
    for group in SHARED:
        paths = {names.get(n) for n in group}
        if len(paths) != 1:
            problems.append("not one body: " + ", ".join(group))
    for group in DISTINCT:
        bodies = {(RES / names[n]).read_bytes() for n in group if n in names}
        if len(bodies) != len(group):
            problems.append("bodies not distinct: " + ", ".join(group))
    engines = set()
    for f in ENGINE_FILES:
        text = (VER / f).read_text()
        if ENGINE_BEGIN not in text or ENGINE_END not in text:
            problems.append("%s: no engine text" % f)
            continue
        engines.add(text[text.index(ENGINE_BEGIN):text.index(ENGINE_END)])
    if len(engines) > 1:
        problems.append("engine text differs between " + ", ".join(ENGINE_FILES))
    for p in problems:
        print(p)
    return 1 if problems else 0


def main(argv):
    if len(argv) >= 3 and argv[1] == "sim":
        params = [argv[i + 1] for i in range(4, len(argv) - 1) if argv[i] == "-P"]
        return sim(argv[2], argv[3], params)
    if len(argv) == 3 and argv[1] == "lint":
        return lint(argv[2])
    if len(argv) == 5 and argv[1] == "synth":
        return synth(argv[2], argv[3], argv[4])
    if len(argv) == 2 and argv[1] == "inventory":
        return inventory()
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
