// CDCM6208 as the fact sheet describes it: 16-bit registers behind a
// 16-bit register address (most significant byte first, the address steps
// by one register per word). It does not answer before READY_NS. When
// register 3 releases the soft reset (RESETN bit 6 going to 1) the chip
// runs: fVCO = fREF / (REFDIV + 1) * PS_A * (FB0 + 1) * (FB1 + 1), Y0..Y3 =
// fVCO / PS_A / (integer divider + 1), Y4..Y7 = fVCO / PS_B / (int + 1 +
// frac / 2^20); an output whose enable bit is clear is off (0 Hz). A VCO
// outside 2.94-3.13 GHz counts as an error.
module cdcm6208_model #(
    parameter [6:0] ADDR = 7'h54,
    parameter real  REF_HZ = 25.0e6,
    parameter real  READY_NS = 1000.0
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

initial begin
    for (int i = 0; i <= 20; i++) regs[i] = 16'h0000;
    for (int i = 0; i < 8; i++) y_hz[i] = 0.0;
    #(READY_NS) present = 1;
end

function automatic int ps(input [1:0] code);
    case (code)
    2'd0: return 4;
    2'd1: return 5;
    2'd2: return 6;
    default: begin errors++; return 1; end
    endcase
endfunction

task automatic run_chip;
    int psa, psb;
    psa = ps(regs[3][1:0]);
    psb = ps(regs[3][3:2]);
    vco_hz = REF_HZ / (regs[1][15:2] + 1) * psa * (regs[2][7:0] + 1) *
             ({regs[1][1:0], regs[2][15:8]} + 1);
    if (vco_hz < 2.94e9 || vco_hz > 3.13e9) begin
        errors++;
        $display("%t cdcm6208 model: VCO %f MHz out of range", $realtime, vco_hz / 1e6);
    end
    y_hz[0] = regs[5][0] ? vco_hz / psa / (regs[6][7:0] + 1) : 0.0;
    y_hz[1] = regs[5][1] ? vco_hz / psa / (regs[6][7:0] + 1) : 0.0;
    y_hz[2] = regs[7][0] ? vco_hz / psa / (regs[8][7:0] + 1) : 0.0;
    y_hz[3] = regs[7][1] ? vco_hz / psa / (regs[8][7:0] + 1) : 0.0;
    for (int k = 0; k < 4; k++) begin
        int base;
        real div;
        base = 9 + 3 * k;
        div = regs[base + 1][11:4] + 1 + {regs[base + 1][3:0], regs[base + 2]} / 1048576.0;
        y_hz[4 + k] = regs[base][0] ? vco_hz / psb / div : 0.0;
    end
    runs++;
endtask

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
            errors++;
            $display("%t cdcm6208 model: register %0d", $realtime, ptr);
            ptr = 0;
        end
    end else if (windex % 2 == 0) begin
        high_byte = wbyte;
    end else begin
        reg prev_resetn;
        prev_resetn = regs[3][6];
        regs[ptr] = {high_byte, wbyte};
        writes++;
        if (ptr == 3 && !prev_resetn && regs[3][6])
            run_chip();
        ptr = ptr + 1;
    end
end

endmodule
