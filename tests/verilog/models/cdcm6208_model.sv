// CDCM6208 as the fact sheet describes it: 16-bit registers behind a
// 16-bit register address (most significant byte first, the address steps
// by one register per word), readable and writable. It does not answer
// before READY_NS. At power-up it holds a working set-up (POWERUP, a
// published CDCM6208 register table) and runs.
//
// A programming starts with register 3 written with the soft reset
// (RESETN, bit 6) at 0; every other register must be written while the
// chip is held so, and register 3 with RESETN at 1 ends the programming
// and runs the chip: fVCO = fREF / (REFDIV + 1) * PS_A * (FB0 + 1) *
// (FB1 + 1) with fREF = REF_HZ / (R4[11:8] + 1); Y0/Y1 = fVCO / PS_A /
// (R6[7:0] + 1), Y2/Y3 = fVCO / PS_B / (R8[7:0] + 1); Y4, Y5 from PS_A and
// Y6, Y7 from PS_B through their fractional dividers: in fractional mode
// (bit 9) pre * (int + 1 + frac / 2^20) with pre = [12:10] + 2, else
// int + 1. An output whose enable bit is clear is off (0 Hz).
//
// Errors: a write outside a programming, a VCO outside 2.94-3.13 GHz, a
// prescaler code 3, and any bit outside the plan's fields (PLAN_MASK)
// that differs from POWERUP when the chip runs: loop filter and charge
// pump (R0), input set-up (R4), status pins, output formats.
module cdcm6208_model #(
    parameter [6:0] ADDR = 7'h54,
    parameter real  REF_HZ = 25.0e6,
    parameter real  READY_NS = 1000.0,
    parameter [16*21-1:0] POWERUP = {
        16'h0000, 16'h0130, 16'h0000, 16'h0000, 16'h0130, 16'h0003, 16'h0000,
        16'h0130, 16'h0053, 16'h0000, 16'h0130, 16'h0053, 16'h0013, 16'h0000,
        16'h0013, 16'h019B, 16'h30BF, 16'h00F0, 16'h0013, 16'h0000, 16'h01B9},
    parameter [16*21-1:0] PLAN_MASK = {
        16'h0000, 16'h0000, 16'h0001, 16'h0000, 16'h0000, 16'h0001, 16'hFFFF,
        16'h0FFF, 16'h1E01, 16'hFFFF, 16'h0FFF, 16'h1E01, 16'h00FF, 16'h0003,
        16'h00FF, 16'h0003, 16'h0000, 16'h004F, 16'hFFFF, 16'hFFFF, 16'h0000}
) (
    input scl,
    inout sda
);

reg [15:0] regs[0:20];
integer    ptr = 0;
integer    errors = 0;
integer    runs = 0;          // soft-reset releases
integer    writes = 0;
real       y_hz[0:7];
real       vco_hz = 0.0;
reg        present = 0;
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

task automatic run_chip;
    int psa, psb;
    real ref_hz;
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
    if (vco_hz < 2.94e9 || vco_hz > 3.13e9)
        fail($sformatf("VCO %f MHz out of range", vco_hz / 1e6));
    y_hz[0] = regs[5][0] ? vco_hz / psa / (regs[6][7:0] + 1) : 0.0;
    y_hz[1] = regs[5][1] ? vco_hz / psa / (regs[6][7:0] + 1) : 0.0;
    y_hz[2] = regs[7][0] ? vco_hz / psb / (regs[8][7:0] + 1) : 0.0;
    y_hz[3] = regs[7][1] ? vco_hz / psb / (regs[8][7:0] + 1) : 0.0;
    for (int k = 0; k < 4; k++) begin
        int base;
        base = 9 + 3 * k;
        y_hz[4 + k] = regs[base][0] ? vco_hz / (k < 2 ? psa : psb) / frac_div(base) : 0.0;
    end
    runs++;
endtask

initial begin
    for (int i = 0; i <= 20; i++) regs[i] = POWERUP[16 * i +: 16];
    for (int i = 0; i < 8; i++) y_hz[i] = 0.0;
    #(READY_NS) present = 1;
end

always @* rdata = read_low ? regs[ptr][7:0] : regs[ptr][15:8];

always @(posedge rstrobe) begin
    if (read_low)
        ptr = ptr + 1;
    read_low = !read_low;
end

always @(posedge start_ev) read_low = 0;

always @(posedge wstrobe) begin
    if (windex == 0) begin
        high_byte = wbyte;
    end else if (windex == 1) begin
        ptr = {high_byte, wbyte};
        if (ptr > 20) begin
            fail($sformatf("register %0d", ptr));
            ptr = 0;
        end
    end else if (windex % 2 == 0) begin
        high_byte = wbyte;
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
