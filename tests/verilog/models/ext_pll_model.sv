// Target of the external-PLL protocol: two code registers behind a register
// pointer (register 0 = {clk2, clk1}, register 1 = {4'h0, clk3}). Counts
// writes that set both registers and reads that fetch them.
module ext_pll_model #(
    parameter [6:0] ADDR = 7'h2A
) (
    input scl,
    inout sda
);

reg [7:0] regs[0:1];
integer   ptr = 0;
integer   writes = 0;
integer   reads = 0;
integer   errors = 0;
reg       present = 1;
reg [7:0] rdata;
reg       wrote_any = 0;

wire       wstrobe, rstrobe, start_ev, stop_ev;
wire [7:0] wbyte;
integer    windex;

i2c_target #(.ADDR(ADDR)) target (
    .scl(scl), .sda(sda), .present(present), .rdata(rdata),
    .wstrobe(wstrobe), .wbyte(wbyte), .windex(windex), .rstrobe(rstrobe),
    .start_ev(start_ev), .stop_ev(stop_ev));

initial begin
    regs[0] = 8'h00;
    regs[1] = 8'h00;
end

always @* rdata = (ptr < 2) ? regs[ptr] : 8'h00;

always @(posedge rstrobe) begin
    if (ptr == 0)
        reads = reads + 1;
    ptr = ptr + 1;
end

always @(posedge wstrobe) begin
    if (windex == 0) begin
        ptr = wbyte;
    end else begin
        if (ptr > 1) begin
            errors = errors + 1;
            $display("%t ext pll model: write past register 1", $realtime);
        end else begin
            regs[ptr] = wbyte;
            if (ptr == 1)
                writes = writes + 1;
        end
        ptr = ptr + 1;
    end
end

endmodule
