// CDCM6208 as the fact sheet describes it: 16-bit registers behind a
// 16-bit register address (most significant byte first, the address steps
// by one register per word), R0-R20 readable and writable, R21 (status)
// and R40 (version) read-only. It does not answer before READY_NS. At
// power-up it holds a working set-up (POWERUP, a published CDCM6208
// register table) and runs it, locked.
//
// R40: VCO_VERSION in [5:3] (000 V1 with VCO 2390-2550 MHz, 001 V2 with
// 2940-3130 MHz), DIE_REVISION in [2:0]. R21: bit 2 PLL unlocked, bit 1
// reference lost (REF_PRESENT clear), bit 0 the selected reference
// (R4 bit 12).
//
// A programming starts with register 3 written with the soft reset
// (RESETN, bit 6) at 0; every other register must be written while the
// chip is held so, and register 3 with RESETN at 1 ends the programming
// and runs the chip: fVCO = fREF / (REFDIV + 1) * PS_A * (FB0 + 1) *
// (FB1 + 1) with fREF = REF_HZ / (R4[11:8] + 1); Y0/Y1 = fVCO / PS_A /
// (R6[7:0] + 1), Y2/Y3 = fVCO / PS_B / (R8[7:0] + 1); Y4, Y5 from PS_A and
// Y6, Y7 from PS_B through their fractional dividers: in fractional mode
// (bit 9) pre * (int + 1 + frac / 2^20) with pre = [12:10] + 2, else
// int + 1. The output enable fields are not modelled (their meaning is
// unconfirmed): the model gives every output's divided frequency and
// requires the enable bits to keep their power-up value. The PLL reports
// lock LOCK_NS after the release when its VCO is in the range of its
// version and the reference is present; it never locks otherwise.
//
// Errors: a write outside a programming or to a read-only register, a VCO
// outside the version's range, a prescaler code 3, and any bit outside the
// plan's fields (PLAN_MASK) that differs from POWERUP when the chip runs:
// loop filter and charge pump (R0), input set-up (R4), status pins, output
// formats and enables.
module cdcm6208_model #(
    parameter [6:0] ADDR = 7'h54,
    parameter real  REF_HZ = 25.0e6,
    parameter real  READY_NS = 1000.0,
    parameter [2:0] VCO_VERSION = 3'b001,
    parameter [2:0] DIE_REVISION = 3'b010,
    parameter       REF_PRESENT = 1,
    parameter real  LOCK_NS = 1000.0,
    parameter [16*21-1:0] POWERUP = {
        16'h0000, 16'h0130, 16'h0000, 16'h0000, 16'h0130, 16'h0003, 16'h0000,
        16'h0130, 16'h0053, 16'h0000, 16'h0130, 16'h0053, 16'h0013, 16'h0000,
        16'h0013, 16'h019B, 16'h30BF, 16'h00F0, 16'h0013, 16'h0000, 16'h01B9},
    parameter [16*21-1:0] PLAN_MASK = {
        16'h0000, 16'h0000, 16'h0000, 16'h0000, 16'h0000, 16'h0000, 16'hFFFF,
        16'h0FFF, 16'h1E00, 16'hFFFF, 16'h0FFF, 16'h1E00, 16'h00FF, 16'h0000,
        16'h00FF, 16'h0000, 16'h0000, 16'h004F, 16'hFFFF, 16'hFFFF, 16'h0000}
) (
    input scl,
    inout sda
);

reg [15:0] regs[0:20];
integer    ptr = 0;
integer    errors = 0;
integer    runs = 0;          // soft-reset releases
integer    writes = 0;
integer    status_reads = 0;
real       y_hz[0:7];
real       vco_hz = 0.0;
reg        present = 0;
reg        pll_ok = REF_PRESENT; // the running set-up can lock
realtime   lock_at = 0;
reg [7:0]  high_byte = 0;
reg [7:0]  rdata;
reg        read_low = 0;

wire       wstrobe, rstrobe, start_ev, stop_ev;
wire [7:0] wbyte;
integer    windex;

i2c_target #(.ADDR(ADDR)) target (
    .scl(scl), .sda(sda), .present(present), .rdata(rdata),
    .wstrobe(wstrobe), .wbyte(wbyte), .windex(windex), .rstrobe(rstrobe),
    .start_ev(start_ev), .stop_ev(stop_ev));

function automatic void fail(input string what);
    errors++;
    $display("%t cdcm6208 model: %s", $realtime, what);
endfunction

function automatic int ps(input [1:0] code);
    if (code == 2'd3) begin
        fail("prescaler code 3");
        return 1;
    end
    return 4 + code;
endfunction

function automatic real frac_div(input int base);
    real whole;
    whole = regs[base + 1][11:4] + 1 + {regs[base + 1][3:0], regs[base + 2]} / 1048576.0;
    return regs[base][9] ? (regs[base][12:10] + 2) * whole : regs[base + 1][11:4] + 1;
endfunction

// The PLL runs and is locked: released, lockable, lock time passed.
function automatic bit locked();
    return regs[3][6] && pll_ok && $realtime >= lock_at;
endfunction

function automatic [15:0] value_of(input integer r);
    if (r == 21)
        return {13'd0, !locked(), (REF_PRESENT == 0), regs[4][12]};
    if (r == 40)
        return {10'd0, VCO_VERSION, DIE_REVISION};
    if (r >= 0 && r <= 20)
        return regs[r];
    return 16'h0000;
endfunction

task automatic run_chip;
    int psa, psb;
    real ref_hz, lo, hi;
    for (int i = 0; i <= 20; i++) begin
        reg [15:0] mask;
        mask = PLAN_MASK[16 * i +: 16];
        if ((regs[i] & ~mask) != (POWERUP[16 * i +: 16] & ~mask))
            fail($sformatf("R%0d %h: set-up outside the plan differs from %h", i, regs[i],
                           POWERUP[16 * i +: 16]));
    end
    psa = ps(regs[3][1:0]);
    psb = ps(regs[3][3:2]);
    ref_hz = REF_HZ / (regs[4][11:8] + 1);
    vco_hz = ref_hz / (regs[1][15:2] + 1) * psa * (regs[2][7:0] + 1) *
             ({regs[1][1:0], regs[2][15:8]} + 1);
    lo = VCO_VERSION == 3'b001 ? 2.94e9 : 2.39e9;
    hi = VCO_VERSION == 3'b001 ? 3.13e9 : 2.55e9;
    pll_ok = REF_PRESENT && vco_hz >= lo && vco_hz <= hi;
    if (vco_hz < lo || vco_hz > hi)
        fail($sformatf("VCO %f MHz out of range of the part", vco_hz / 1e6));
    lock_at = $realtime + LOCK_NS;
    y_hz[0] = vco_hz / psa / (regs[6][7:0] + 1);
    y_hz[1] = y_hz[0];
    y_hz[2] = vco_hz / psb / (regs[8][7:0] + 1);
    y_hz[3] = y_hz[2];
    for (int k = 0; k < 4; k++)
        y_hz[4 + k] = vco_hz / (k < 2 ? psa : psb) / frac_div(9 + 3 * k);
    runs++;
endtask

initial begin
    for (int i = 0; i <= 20; i++) regs[i] = POWERUP[16 * i +: 16];
    for (int i = 0; i < 8; i++) y_hz[i] = 0.0;
    #(READY_NS) present = 1;
end

always @* begin : read_byte
    reg [15:0] value;
    value = value_of(ptr);
    rdata = read_low ? value[7:0] : value[15:8];
end

always @(posedge rstrobe) begin
    if (read_low) begin
        if (ptr == 21) status_reads++;
        ptr = ptr + 1;
    end
    read_low = !read_low;
end

always @(posedge start_ev) read_low = 0;

always @(posedge wstrobe) begin
    if (windex == 0) begin
        high_byte = wbyte;
    end else if (windex == 1) begin
        ptr = {high_byte, wbyte};
        if (ptr > 21 && ptr != 40) begin
            fail($sformatf("register %0d", ptr));
            ptr = 0;
        end
    end else if (windex % 2 == 0) begin
        high_byte = wbyte;
    end else if (ptr > 20) begin
        fail($sformatf("R%0d is read-only", ptr));
        ptr = ptr + 1;
    end else begin
        reg prev_resetn;
        reg [15:0] value;
        prev_resetn = regs[3][6];
        value = {high_byte, wbyte};
        if (prev_resetn && !(ptr == 3 && !value[6]))
            fail($sformatf("R%0d written while the chip runs", ptr));
        regs[ptr] = value;
        writes++;
        if (ptr == 3 && !prev_resetn && regs[3][6])
            run_chip();
        ptr = ptr + 1;
    end
end

endmodule
