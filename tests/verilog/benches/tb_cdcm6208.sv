// CDCM6208 configuration as the generated block instantiates it, against
// the register model: power-up without a reset edge, each mode after a
// reset with disable masks that switch every output on and off (every
// register compared with the plan script's), mode 3, an absent chip, and
// the controller's read-back. A second model is fed the writes the
// earlier module made (every field outside its plan written 0) and must
// reject them.
`timescale 1ns/1ps
module tb_cdcm6208;

parameter SHORT = 1;
parameter SETUP = 0; // the chip's power-up set-up: 0 or 1 of the plan script

`include "cdcm6208_expected.svh"

localparam QUARTER = SHORT ? 5 : 125;
localparam STARTUP = SHORT ? 2000 : 250000;

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

I2C_CDCM6208_Config #(.STARTUP_CYCLES(STARTUP), .QUARTER_CYCLES(QUARTER))
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

cdcm6208_model #(.READY_NS(STARTUP * 20.0 * 0.8),
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
    limit = $realtime + (SHORT ? 2.0e6 : 60.0e6);
    while (cdcm6208_i2c_done !== 1'b1 && $realtime < limit) @(posedge OSC_50_B3B);
    check(cdcm6208_i2c_done === 1'b1, $sformatf("mode %0d: done", m));
    check(chip.runs == runs0 + 1, $sformatf("mode %0d: one restart", m));
    for (int o = 0; o < 6; o++) begin
        real want;
        want = mask[o] ? 0.0 : target(m, o);
        check(want == 0.0 ? chip.y_hz[o] == 0.0 :
              chip.y_hz[o] > want * (1 - 1e-6) && chip.y_hz[o] < want * (1 + 1e-6),
              $sformatf("mode %0d output %0d: %f MHz, want %f", m, o, chip.y_hz[o] / 1e6,
                        want / 1e6));
    end
    check(chip.y_hz[6] == 0.0 && chip.y_hz[7] == 0.0, "Y6 and Y7 off");
    check(chip.regs[3][1:0] == (cdcm6208_psa(m) == 4 ? 0 : cdcm6208_psa(m) == 5 ? 1 : 2) &&
          chip.regs[2][7:0] + 1 == cdcm6208_fb0(m) && chip.regs[6][7:0] + 1 == cdcm6208_div01(m)
          && chip.regs[8][7:0] + 1 == cdcm6208_div23(m), $sformatf("mode %0d: dividers", m));
    for (int r = 0; r <= 20; r++)
        check(chip.regs[r] == cdcm6208_reg(21 * (64 * (3 * SETUP + m) + mask) + r),
              $sformatf("mode %0d mask %b R%0d: %h, want %h", m, mask, r, chip.regs[r],
                        cdcm6208_reg(21 * (64 * (3 * SETUP + m) + mask) + r)));
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
