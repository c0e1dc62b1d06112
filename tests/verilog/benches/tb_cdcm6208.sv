// CDCM6208 configuration as the generated block instantiates it, against
// the register model: power-up without a reset edge, each mode after a
// reset with disable masks that would switch every output on and off
// (the chip's enables are kept: every register compared with the plan
// script's), done only once the model reports lock, mode 3, an absent
// chip, and the controller's read-back. Two more controllers run beside
// it on buses of their own: one meets a V1 part (no write, never done),
// one a PLL that never locks (never done, polling ends). A further model
// is fed the writes the earlier module made (every field outside its plan
// written 0) and must reject them.
`timescale 1ns/1ps
module tb_cdcm6208;

parameter SHORT = 1;
parameter SETUP = 0; // the chip's power-up set-up: 0 or 1 of the plan script

`include "cdcm6208_expected.svh"

localparam QUARTER = SHORT ? 5 : 125;
localparam STARTUP = SHORT ? 2000 : 250000;
localparam POLL = SHORT ? 500 : 50000;
localparam POLLS = SHORT ? 20 : 100;
// The main chip locks after the first status read at the earliest.
localparam real LOCK_NS = POLL * 20.0 * 2.5;

reg  OSC_50_B3B = 0;
reg  CPU_RESET_n = 1;
wire CLOCK_SCL, CLOCK_SDA;
pullup (CLOCK_SCL);
pullup (CLOCK_SDA);
always #10 OSC_50_B3B = ~OSC_50_B3B;
integer failures = 0;

wire    [1:0]   cdcm6208_freq_select;
wire    [5:0]   cdcm6208_freq_disable;
wire            cdcm6208_reset_n;
wire            cdcm6208_i2c_done;
reg     [1:0]   mode = 2'd1;
reg     [5:0]   off = 6'b010000;

assign cdcm6208_reset_n = CPU_RESET_n;
assign cdcm6208_freq_select = mode;
assign cdcm6208_freq_disable = off;

I2C_CDCM6208_Config #(.STARTUP_CYCLES(STARTUP), .QUARTER_CYCLES(QUARTER),
                      .LOCK_POLL_CYCLES(POLL), .LOCK_POLLS(POLLS))
I2C_CDCM6208_Config_inst(
	.iCLK(OSC_50_B3B), //50MHZ
	.iRST_N(cdcm6208_reset_n),

	.iFREQ_SELECT(cdcm6208_freq_select),
	.iFREQ_DISABLE(cdcm6208_freq_disable),

	// i2c
	.I2C_SCLK(CLOCK_SCL),
	.I2C_SDAT(CLOCK_SDA),

	.I2C_DONE(cdcm6208_i2c_done)
);

cdcm6208_model #(.READY_NS(STARTUP * 20.0 * 0.8), .LOCK_NS(LOCK_NS),
                 .POWERUP(SETUP ? CDCM6208_SETUP_1 : CDCM6208_SETUP_0))
chip (.scl(CLOCK_SCL), .sda(CLOCK_SDA));
i2c_bus_checker #(.MIN_PERIOD_NS(QUARTER * 80.0), .STRICT(!SHORT)) bus (
    .scl(CLOCK_SCL), .sda(CLOCK_SDA));

task automatic check(input bit ok, input string what);
    if (!ok) begin
        failures++;
        $display("FAIL %s", what);
    end
endtask

function automatic real target(input int m, input int o);
    case (o)
    0: return cdcm6208_target_hz_0(m);
    1: return cdcm6208_target_hz_1(m);
    2: return cdcm6208_target_hz_2(m);
    3: return cdcm6208_target_hz_3(m);
    4: return cdcm6208_target_hz_4(m);
    default: return cdcm6208_target_hz_5(m);
    endcase
endfunction

task automatic check_mode(input int m, input [5:0] mask, input int runs0);
    realtime limit;
    limit = $realtime + (SHORT ? 2.0e6 : 80.0e6);
    while (cdcm6208_i2c_done !== 1'b1 && $realtime < limit) @(posedge OSC_50_B3B);
    check(cdcm6208_i2c_done === 1'b1, $sformatf("mode %0d: done", m));
    check(chip.runs == runs0 + 1, $sformatf("mode %0d: one restart", m));
    check(chip.locked(), $sformatf("mode %0d: done only with the PLL locked", m));
    for (int o = 0; o < 6; o++) begin
        real want;
        want = target(m, o);
        check(chip.y_hz[o] > want * (1 - 1e-6) && chip.y_hz[o] < want * (1 + 1e-6),
              $sformatf("mode %0d output %0d: %f MHz, want %f", m, o, chip.y_hz[o] / 1e6,
                        want / 1e6));
    end
    check(chip.regs[3][1:0] == (cdcm6208_psa(m) == 4 ? 0 : cdcm6208_psa(m) == 5 ? 1 : 2) &&
          chip.regs[2][7:0] + 1 == cdcm6208_fb0(m) && chip.regs[6][7:0] + 1 == cdcm6208_div01(m)
          && chip.regs[8][7:0] + 1 == cdcm6208_div23(m), $sformatf("mode %0d: dividers", m));
    for (int r = 0; r <= 20; r++)
        check(chip.regs[r] == cdcm6208_reg(21 * (3 * SETUP + m) + r),
              $sformatf("mode %0d mask %b R%0d: %h, want %h", m, mask, r, chip.regs[r],
                        cdcm6208_reg(21 * (3 * SETUP + m) + r)));
endtask

task automatic reset_with(input int m, input [5:0] mask);
    mode = m;
    off = mask;
    CPU_RESET_n = 0;
    #1000 CPU_RESET_n = 1;
endtask

// Read-back through a second controller on its own bus.
wire rb_scl, rb_sda;
pullup (rb_scl);
pullup (rb_sda);
reg         rb_go = 0, rb_read = 0;
reg  [15:0] rb_addr = 0, rb_data = 0;
wire [15:0] rb_rdata;
wire        rb_busy, rb_nack;
I2C_CDCM6208_Controller #(.QUARTER_CYCLES(4)) reader (
    .iCLK(OSC_50_B3B), .iRST_N(1'b1), .iGO(rb_go), .iREAD(rb_read), .iREG_ADDR(rb_addr),
    .iREG_DATA(rb_data), .oRDATA(rb_rdata), .oBUSY(rb_busy), .oNACK(rb_nack),
    .I2C_SCLK(rb_scl), .I2C_SDAT(rb_sda));
cdcm6208_model #(.READY_NS(0.0)) rb_chip (.scl(rb_scl), .sda(rb_sda));
i2c_bus_checker #(.MIN_PERIOD_NS(320.0)) rb_bus (.scl(rb_scl), .sda(rb_sda));

// A V1 part and a PLL that never locks (its reference lost), each with a
// controller of its own: neither may see I2C_DONE.
wire v1_scl, v1_sda, nl_scl, nl_sda, v1_done, nl_done;
pullup (v1_scl);
pullup (v1_sda);
pullup (nl_scl);
pullup (nl_sda);
I2C_CDCM6208_Config #(.STARTUP_CYCLES(200), .QUARTER_CYCLES(4), .LOCK_POLL_CYCLES(100),
                      .LOCK_POLLS(8))
v1_ctrl (.iCLK(OSC_50_B3B), .iRST_N(1'b1), .iFREQ_SELECT(2'd0), .iFREQ_DISABLE(6'd0),
         .I2C_SCLK(v1_scl), .I2C_SDAT(v1_sda), .I2C_DONE(v1_done));
cdcm6208_model #(.READY_NS(0.0), .VCO_VERSION(3'b000)) v1_chip (.scl(v1_scl), .sda(v1_sda));
I2C_CDCM6208_Config #(.STARTUP_CYCLES(200), .QUARTER_CYCLES(4), .LOCK_POLL_CYCLES(100),
                      .LOCK_POLLS(8))
nl_ctrl (.iCLK(OSC_50_B3B), .iRST_N(1'b1), .iFREQ_SELECT(2'd2), .iFREQ_DISABLE(6'd0),
         .I2C_SCLK(nl_scl), .I2C_SDAT(nl_sda), .I2C_DONE(nl_done));
cdcm6208_model #(.READY_NS(0.0), .REF_PRESENT(0)) nl_chip (.scl(nl_scl), .sda(nl_sda));
i2c_bus_checker #(.MIN_PERIOD_NS(320.0)) nl_bus (.scl(nl_scl), .sda(nl_sda));

task automatic side_chips_never_done;
    int n;
    check(v1_done === 1'b0 && v1_chip.writes == 0 && v1_chip.runs == 0,
          $sformatf("V1 part: no write (%0d), not done", v1_chip.writes));
    check(nl_done === 1'b0 && nl_chip.runs == 1 && nl_chip.status_reads == 8,
          $sformatf("unlocked PLL: not done after %0d status reads", nl_chip.status_reads));
    n = nl_bus.starts;
    #(20_000);
    check(nl_bus.starts == n && nl_done === 1'b0, "unlocked PLL: polling ended");
    check(v1_chip.errors == 0 && nl_chip.errors == 0 && nl_bus.errors == 0, "side chips");
endtask

// The earlier module's writes for mode 1 with the PCIe output off, made by
// a controller of their own to a model at another address.
reg         old_go = 0;
reg  [15:0] old_addr = 0, old_data = 0;
wire [15:0] old_rdata;
wire        old_busy, old_nack;
I2C_CDCM6208_Controller #(.CDCM6208_ADDR(7'h55), .QUARTER_CYCLES(4)) old_writer (
    .iCLK(OSC_50_B3B), .iRST_N(1'b1), .iGO(old_go), .iREAD(1'b0), .iREG_ADDR(old_addr),
    .iREG_DATA(old_data), .oRDATA(old_rdata), .oBUSY(old_busy), .oNACK(old_nack),
    .I2C_SCLK(rb_scl), .I2C_SDAT(rb_sda));
cdcm6208_model #(.ADDR(7'h55), .READY_NS(0.0)) old_chip (.scl(rb_scl), .sda(rb_sda));

task automatic old_write(input [4:0] r, input [15:0] d);
    @(posedge OSC_50_B3B);
    old_go = 1; old_addr = {11'd0, r}; old_data = d;
    @(posedge OSC_50_B3B);
    old_go = 0;
    @(posedge OSC_50_B3B);
    while (old_busy) @(posedge OSC_50_B3B);
endtask

task automatic old_writes_rejected;
    reg [16*21-1:0] old_values; // register 20 first
    old_values = {16'h0000, 16'h0000, 16'h0000, 16'h0000, 16'h0000, 16'h0000, 16'h0000,
                  16'h0038, 16'h0001, 16'h0000, 16'h0050, 16'h0000, 16'h0004, 16'h0003,
                  16'h0005, 16'h0003, 16'h0000, 16'h0004, 16'h001D, 16'h0000, 16'h0000};
    old_write(3, 16'h0004);
    for (int r = 0; r <= 20; r++) old_write(r, old_values[16 * r +: 16]);
    old_write(3, 16'h0044);
    check(old_chip.runs == 1, "old writes: one run");
    check(old_chip.errors > 0, $sformatf("old writes rejected (%0d errors)", old_chip.errors));
endtask

task automatic transfer(input bit read, input [15:0] a, input [15:0] d);
    @(posedge OSC_50_B3B);
    rb_go = 1; rb_read = read; rb_addr = a; rb_data = d;
    @(posedge OSC_50_B3B);
    rb_go = 0;
    @(posedge OSC_50_B3B);
    while (rb_busy) @(posedge OSC_50_B3B);
endtask

initial begin
    int n;
    check_mode(1, 6'b010000, 0);
    if (SHORT) begin
        reg [23:0] masks;
        masks = {6'b010101, 6'b101010, 6'b111111, 6'b000000};
        for (int i = 0; i < 6; i++) begin
            n = chip.runs;
            reset_with(i % 3, masks[6 * (i % 4) +: 6]);
            #100;
            check_mode(i % 3, masks[6 * (i % 4) +: 6], n);
        end
        // Mode 3: no transfer, done.
        n = bus.starts;
        reset_with(3, 6'b000000);
        #((STARTUP + 2000) * 20.0);
        check(bus.starts == n && cdcm6208_i2c_done === 1'b1, "mode 3: chip left, done");
        // Absent chip: stops, not done, bus released.
        chip.present = 0;
        reset_with(0, 6'b000000);
        #((STARTUP + 20000) * 20.0);
        check(cdcm6208_i2c_done === 1'b0, "absent chip: not done");
        check(CLOCK_SCL === 1'b1 && CLOCK_SDA === 1'b1, "absent chip: bus released");
        // Read-back.
        old_writes_rejected();
        transfer(0, 16'd3, 16'h00B0); // held, so that the chip takes the write
        transfer(0, 16'd9, 16'hA55A);
        transfer(1, 16'd9, 16'h0000);
        check(rb_rdata == 16'hA55A && !rb_nack, "read-back of a written register");
        rb_chip.present = 0;
        transfer(1, 16'd9, 16'h0000);
        check(rb_nack, "read from an absent chip: NACK");
        check(rb_bus.errors == 0 && rb_chip.errors == 0, "read-back bus");
    end
    side_chips_never_done();
    check(chip.errors == 0, "chip model errors");
    check(bus.errors == 0, "bus checker errors");
    check(bus.starts == bus.stops, "every START has its STOP");
    if (failures == 0)
        $display("PASS tb_cdcm6208");
    else
        $display("FAILED tb_cdcm6208: %0d", failures);
    $finish;
end

endmodule
