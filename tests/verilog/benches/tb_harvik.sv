// Harvik's two Si5340A controllers as the generated block instantiates
// them, against two chip models: transceiver and memory codes rotated over
// their outputs (OUT0 iXCVR0, OUT1 iMEM0, OUT2 iMEM1, OUT3 iXCVR1), undefined
// codes that leave outputs as they are, a button start, a wrong identity.
`timescale 1ns/1ps
module tb_harvik;

parameter SHORT = 1;

`include "si5340_expected.svh"

localparam QUARTER = SHORT ? 5 : 125;
localparam STARTUP = SHORT ? 2000 : 1500000;
localparam PREWAIT = SHORT ? 1000 : 15000000;

reg        CLK_50_B2C = 0;
reg        CPU_RESET_n = 1;
reg  [3:0] BUTTON = 4'hF;
wire       SI5340A0_I2C_SCL, SI5340A0_I2C_SDA, SI5340A1_I2C_SCL, SI5340A1_I2C_SDA;
wire       SI5340A0_OE_n, SI5340A0_RST_n, SI5340A1_OE_n, SI5340A1_RST_n;
wire       clk = CLK_50_B2C;
reg  [3:0] xa = 0, xb = 1, xc = 2, xd = 3; // QSFP28 A-D transceiver codes
reg  [3:0] ma = 0, mb = 1, mc = 2, md = 3; // socket A-D memory codes

pullup (SI5340A0_I2C_SCL);
pullup (SI5340A0_I2C_SDA);
pullup (SI5340A1_I2C_SCL);
pullup (SI5340A1_I2C_SDA);
always #10 CLK_50_B2C = ~CLK_50_B2C;

wire si5340a_controller_start;
assign si5340a_controller_start = ~BUTTON[0];

wire si5340a_config_done;
wire si5340a0_config_done;
wire si5340a1_config_done;
assign si5340a_config_done = si5340a0_config_done & si5340a1_config_done;

//  Configure SI5340A0 
HARVIK_SI5340A_CONFIG #(.STARTUP_CYCLES(STARTUP), .PREAMBLE_WAIT_CYCLES(PREWAIT),
                        .QUARTER_CYCLES(QUARTER))
si5340a0_controller(
    .iCLK(CLK_50_B2C),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340a_controller_start),
    .iXCVR0_REFCLK(xd),//QSFP28-D
    .iXCVR1_REFCLK(xa),//QSFP28-A
    .iMEM0_REFCLK(mb),//DDR4-Socket-B
    .iMEM1_REFCLK(ma),//DDR4-Socket-A
    .I2C_CLK(SI5340A0_I2C_SCL),
    .I2C_DATA(SI5340A0_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(si5340a0_config_done)
);

assign SI5340A0_OE_n = 1'b0;
assign SI5340A0_RST_n = CPU_RESET_n;

//  Configure SI5340A1 
HARVIK_SI5340A_CONFIG #(.STARTUP_CYCLES(STARTUP), .PREAMBLE_WAIT_CYCLES(PREWAIT),
                        .QUARTER_CYCLES(QUARTER))
si5340a1_controller(
    .iCLK(CLK_50_B2C),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340a_controller_start),
    .iXCVR0_REFCLK(xb),//QSFP28-B
    .iXCVR1_REFCLK(xc),//QSFP28-C
    .iMEM0_REFCLK(mc),//DDR4-Socket-C
    .iMEM1_REFCLK(md),//DDR4-Socket-D
    .I2C_CLK(SI5340A1_I2C_SCL),
    .I2C_DATA(SI5340A1_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(si5340a1_config_done)
);

assign SI5340A1_OE_n = 1'b0;
assign SI5340A1_RST_n = CPU_RESET_n;

si5340_model #(.READY_NS(STARTUP * 20.0 * 0.8), .PREAMBLE_WAIT_NS(PREWAIT * 20.0 * 0.99)) chip (
    .scl(SI5340A0_I2C_SCL), .sda(SI5340A0_I2C_SDA), .rst_n(SI5340A0_RST_n));
i2c_bus_checker #(.MIN_PERIOD_NS(QUARTER * 80.0), .STRICT(!SHORT)) bus (
    .scl(SI5340A0_I2C_SCL), .sda(SI5340A0_I2C_SDA));
si5340_model #(.READY_NS(STARTUP * 20.0 * 0.8), .PREAMBLE_WAIT_NS(PREWAIT * 20.0 * 0.99)) chip1 (
    .scl(SI5340A1_I2C_SCL), .sda(SI5340A1_I2C_SDA), .rst_n(SI5340A1_RST_n));
i2c_bus_checker #(.MIN_PERIOD_NS(QUARTER * 80.0), .STRICT(!SHORT)) bus1 (
    .scl(SI5340A1_I2C_SCL), .sda(SI5340A1_I2C_SDA));

wire done = si5340a_config_done;
wire id_error = si5340a0_controller.oPLL_I2C_ID_READ_ERROR |
                si5340a1_controller.oPLL_I2C_ID_READ_ERROR;

`include "si5340_checks.svh"

function automatic real xcvr_hz(input int c);
    return c < 5 ? harvik_xcvr_hz(c) : -1.0;
endfunction

function automatic real mem_hz(input int c);
    return c < 4 ? harvik_mem_hz(c) : -1.0;
endfunction

task automatic check_chip1(input int k, input real want, input real prior, input string what);
    real got;
    got = chip1.fout_hz[k];
    if (want < 0)
        check(got == prior, $sformatf("%s chip 1 OUT%0d left as it was", what, k));
    else
        check(got > want * (1 - 1e-6) && got < want * (1 + 1e-6),
              $sformatf("%s chip 1 OUT%0d %f MHz, want %f", what, k, got / 1e6, want / 1e6));
endtask

// After load_setup on chip 0: an output left as it is runs at the
// frequency its stored dividers give with the PLL at 14 GHz.
bit fresh = 0;

function automatic real left0(input real want, input int k);
    return (want < 0 && fresh) ? si5340_stored_hz(4 * chip.setup + k) : want;
endfunction

task automatic run(input bit by_reset, input string what);
    real p0[4], p1[4];
    int n0, n1;
    n0 = chip.configs;
    n1 = chip1.configs;
    for (int k = 0; k < 4; k++) begin
        p0[k] = chip.fout_hz[k];
        p1[k] = chip1.fout_hz[k];
    end
    if (by_reset) begin
        CPU_RESET_n = 0;
        #1000 CPU_RESET_n = 1;
    end else begin
        @(posedge clk) BUTTON[0] = 0;
        repeat (10) @(posedge clk);
        BUTTON[0] = 1;
    end
    #100;
    wait_run(what);
    check(done === 1'b1 && chip.configs == n0 + 1 && chip1.configs == n1 + 1,
          {what, ": one configuration of each chip"});
    check_out(0, left0(xcvr_hz(xd), 0), p0[0], what);
    check_out(1, left0(mem_hz(mb), 1), p0[1], what);
    check_out(2, left0(mem_hz(ma), 2), p0[2], what);
    check_out(3, left0(xcvr_hz(xa), 3), p0[3], what);
    fresh = 0;
    check_chip1(0, xcvr_hz(xb), p1[0], what);
    check_chip1(1, mem_hz(mc), p1[1], what);
    check_chip1(2, mem_hz(md), p1[2], what);
    check_chip1(3, xcvr_hz(xc), p1[3], what);
endtask

initial begin
    wait_run("power-up");
    check_out(0, xcvr_hz(xd), -1.0, "power-up");
    check_out(3, xcvr_hz(xa), -1.0, "power-up");
    check_out(1, mem_hz(mb), -1.0, "power-up");
    check_chip1(0, xcvr_hz(xb), -1.0, "power-up");
    if (SHORT) begin
        // Every transceiver code on every transceiver output, every memory
        // code on every memory output.
        for (int r = 1; r < 6; r++) begin
            xa = r % 5; xb = (r + 1) % 5; xc = (r + 2) % 5; xd = (r + 3) % 5;
            ma = r % 4; mb = (r + 1) % 4; mc = (r + 2) % 4; md = (r + 3) % 4;
            run(r % 2, $sformatf("rotation %0d", r));
        end
        // Codes no table defines leave their outputs as they are.
        xa = 5; xb = 15; mc = 4; md = 15;
        run(0, "undefined codes");
        xa = 0; xb = 4; mc = 3; md = 2;
        run(1, "defined again");
        // A real part's stored set-up on chip 0 (OUT1 and OUT2 on N0, OUT3 on
        // N2), at 14 GHz and as exported (VCO 13.40625 GHz): outputs left as
        // they are keep their synthesizer.
        for (int s = 2; s >= 1; s--) begin
            chip.load_setup(s);
            fresh = 1;
            xd = 2; mb = 15; ma = 3; xa = 15;
            run(1, $sformatf("set-up %0d: OUT1, OUT3 left", s));
            chip.load_setup(s);
            fresh = 1;
            xd = 0; mb = 15; ma = 15; xa = 0;
            run(1, $sformatf("set-up %0d: OUT1, OUT2 left", s));
        end
        chip.load_setup(0);
        xa = 0; xb = 4; mc = 3; md = 2; ma = 0; mb = 1; xd = 3;
        // Wrong identity on chip 1.
        chip1.pn_base = 16'h1234;
        @(posedge clk) BUTTON[0] = 0;
        repeat (10) @(posedge clk);
        BUTTON[0] = 1;
        #100;
        wait (si5340a1_controller.oPLL_I2C_ID_READ_ERROR === 1'b1 || $realtime > 1.0e8);
        check(si5340a1_controller.oPLL_I2C_ID_READ_ERROR === 1'b1, "chip 1: wrong identity");
        wait_run("chip 0 beside a wrong chip 1");
        check(si5340a_config_done === 1'b0, "config done needs both chips");
    end
    check(chip1.errors == 0 && bus1.errors == 0, "chip 1 model and bus");
    finish_bench("tb_harvik");
end

endmodule
