// LMK04906 three-wire port as the fact sheet describes it: bits shift in,
// most significant first, on rising CLK; a rising LE latches the last 32
// bits into the register named by bits 4:0. The first word after power-up
// or a done programming must be R0 with RESET; then R0 to R16 and R24 to
// R31 in ascending order. Data moving while CLK is high counts as an error.
//
// At the end of a programming the chip runs PLL2 alone from OSCin: fVCO =
// REF_HZ / PLL2_R * PLL2_P * PLL2_N (R28, R30), output n = fVCO /
// CLKoutn_DIV (Rn bits 15:5). The model then rejects what the real chip
// would not run with: a zero PLL2 R or N divider, PLL2_N_CAL unlike
// PLL2_N, a VCO outside its range, R9 not at its fixed value, an output
// of USED_OUTPUTS powered down (Rn bit 31), with a zero divider or an
// output type of powerdown (R6/R7 type fields), and a mode, loop, pin or
// reference set-up (R10 to R16, R24 to R27, R31 and the bits of R28 to
// R30 outside the dividers) that differs from the working configuration
// of the fact sheet (WORKING_*).
//
// PLL2 calibrates from OSCin at each R30 write: a write while OSCin does
// not run (oscin_running, set by the bench) leaves it uncalibrated until
// R30 is written again with OSCin running. After a done programming the
// chip takes R30 alone, with the programmed value, as such a
// recalibration.
module lmk04906_model #(
    parameter real   REF_HZ = 156.25e6,
    parameter [5:0]  USED_OUTPUTS = 6'b001111,
    parameter [31:0] WORKING_R9 = 32'h5555_5549,
    parameter [31:0] WORKING_R10 = 32'h1140_420A,
    parameter [31:0] WORKING_R11 = 32'h3402_B00B,
    parameter [31:0] WORKING_R12 = 32'h0300_000C,
    parameter [31:0] WORKING_R13 = 32'h3B70_02CD,
    parameter [31:0] WORKING_R14 = 32'h0000_000E,
    parameter [31:0] WORKING_R15 = 32'h0000_000F,
    parameter [31:0] WORKING_R16 = 32'h0155_0410,
    parameter [31:0] WORKING_R24 = 32'h0000_0018,
    parameter [31:0] WORKING_R25 = 32'h0000_0019,
    parameter [31:0] WORKING_R26 = 32'h8FA0_001A,
    parameter [31:0] WORKING_R27 = 32'h0000_001B,
    parameter [31:0] WORKING_R31 = 32'h0000_001F,
    // R28 to R30 outside PLL2_R [31:20], OSCin_FREQ [26:24], PLL2_N_CAL
    // [22:5], PLL2_P [26:24] and PLL2_N [22:5].
    parameter [31:0] WORKING_R28_REST = 32'h0000_001C,
    parameter [31:0] WORKING_R29_REST = 32'h0080_001D,
    parameter [31:0] WORKING_R30_REST = 32'h0000_001E,
    parameter [2:0]  WORKING_OSCIN_FREQ = 3'd2
) (
    input CLK,
    input DATA,
    input LE
);

reg [31:0] regs[0:31];
reg [31:0] shift = 0;
integer    bits = 0;
integer    errors = 0;
integer    words = 0;
integer    programs = 0;   // complete programmings
integer    expect_next = -1; // -1: the RESET word is due
realtime   last_rise = 0;
integer    order[0:24];
real       vco_hz = 0.0;
reg        oscin_running = 1;
reg        pll2_calibrated = 0;
integer    recals = 0;      // R30 written again after a programming

initial begin
    for (int i = 0; i < 32; i++) regs[i] = 0;
    for (int i = 0; i < 17; i++) order[i] = i;
    for (int i = 0; i < 8; i++) order[17 + i] = 24 + i;
end

task automatic fail(input string what);
    errors++;
    $display("%t lmk04906 model: %s", $realtime, what);
endtask

task automatic same(input int n, input [31:0] want, input [31:0] mask);
    if ((regs[n] & mask) != (want & mask))
        fail($sformatf("R%0d %h differs from the working set-up %h", n, regs[n], want));
endtask

// The checks of a finished programming.
task automatic run_chip;
    int r, p, n, ncal;
    r = regs[28][31:20];
    p = regs[30][26:24] == 0 ? 8 : regs[30][26:24];
    n = regs[30][22:5];
    ncal = regs[29][22:5];
    if (r == 0) fail("PLL2_R is 0");
    if (n == 0) fail("PLL2_N is 0");
    if (ncal != n) fail($sformatf("PLL2_N_CAL %0d is not PLL2_N %0d", ncal, n));
    vco_hz = (r == 0 || n == 0) ? 0.0 : REF_HZ / r * p * n;
    if (vco_hz < 2370.0e6 || vco_hz > 2630.0e6)
        fail($sformatf("VCO %f MHz out of range", vco_hz / 1e6));
    for (int o = 0; o < 6; o++) if (USED_OUTPUTS[o]) begin
        int type_code;
        type_code = o < 2 ? regs[6][20 + 4 * o +: 4] : o < 4 ? regs[7][20 + 4 * (o - 2) +: 4] :
                    regs[8][(o == 4 ? 16 : 24) +: 4];
        if (regs[o][31]) fail($sformatf("CLKout%0d powered down", o));
        if (regs[o][15:5] == 0) fail($sformatf("CLKout%0d divider 0", o));
        if (type_code == 0) fail($sformatf("CLKout%0d output type powerdown", o));
    end
    same(9, WORKING_R9, 32'hFFFF_FFFF);
    same(10, WORKING_R10, 32'hFFFF_FFFF);
    same(11, WORKING_R11, 32'hFFFF_FFFF);
    same(12, WORKING_R12, 32'hFFFF_FFFF);
    same(13, WORKING_R13, 32'hFFFF_FFFF);
    same(14, WORKING_R14, 32'hFFFF_FFFF);
    same(15, WORKING_R15, 32'hFFFF_FFFF);
    same(16, WORKING_R16, 32'hFFFF_FFFF);
    same(24, WORKING_R24, 32'hFFFF_FFFF);
    same(25, WORKING_R25, 32'hFFFF_FFFF);
    same(26, WORKING_R26, 32'hFFFF_FFFF);
    same(27, WORKING_R27, 32'hFFFF_FFFF);
    same(31, WORKING_R31, 32'hFFFF_FFFF);
    same(28, WORKING_R28_REST, 32'h000F_FFFF);
    same(29, WORKING_R29_REST | ({29'd0, WORKING_OSCIN_FREQ} << 24), 32'hFF80_001F);
    same(30, WORKING_R30_REST, 32'hF880_001F);
endtask

always @(posedge CLK) begin
    if (LE !== 1'b0)
        fail("clock while LE is high");
    shift = {shift[30:0], DATA};
    bits++;
    last_rise = $realtime;
end

always @(DATA) if (CLK === 1'b1)
    fail("data moved while CLK was high");

always @(posedge LE) begin
    if (bits != 32)
        fail($sformatf("%0d bits before LE", bits));
    bits = 0;
    words++;
    if (expect_next == -1 && programs > 0 && shift[4:0] == 5'd30) begin
        if (shift != regs[30])
            fail($sformatf("R30 again as %h, programmed %h", shift, regs[30]));
        pll2_calibrated = oscin_running;
        recals++;
    end else if (expect_next == -1) begin
        if (shift[4:0] != 0 || !shift[17])
            fail($sformatf("first word %h is not R0 with RESET", shift));
        expect_next = 0;
    end else begin
        if (shift[4:0] != order[expect_next])
            fail($sformatf("R%0d where R%0d was due", shift[4:0], order[expect_next]));
        regs[shift[4:0]] = shift;
        if (shift[4:0] == 5'd30)
            pll2_calibrated = oscin_running;
        expect_next++;
        if (expect_next == 25) begin
            run_chip();
            programs++;
            expect_next = -1;
        end
    end
end

function automatic real pair_hz(input int p);
    int div;
    div = regs[p][15:5];
    return (div && !regs[p][31] && pll2_calibrated) ? vco_hz / div : 0.0;
endfunction

endmodule
