// Si5340A controller (boards 27, 28, 33) as the generated block instantiates
// it, against the chip model: power-up without a reset edge, codes rotated
// over the outputs by resets and button edges, all off and all at the top
// code, an edge during a run, a wrong identity, an absent chip and a real
// part's stored set-ups (other VCO, 14 GHz). The full
// run keeps the data-sheet bit rate and waits for the power-up run.
`timescale 1ns/1ps
module tb_si5340a;

parameter SHORT = 1;
parameter REV = 3;   // DEVICE_REV of the model: 1 Rev B, 3 Rev D

`include "si5340_expected.svh"

localparam QUARTER = SHORT ? 5 : 125;
localparam STARTUP = SHORT ? 2000 : 1500000;
localparam PREWAIT = SHORT ? 1000 : 15000000;

reg        CLK_50_B2J = 0;
reg        CPU_RESET_n = 1;
reg  [3:0] BUTTON = 4'hF;
wire       SI5340A_I2C_SCL, SI5340A_I2C_SDA;
wire       SI5340A_OE_n, SI5340A_RST_n;
wire       id_error, done;
wire       clk = CLK_50_B2J;
reg  [2:0] c0 = 0, c1 = 1, c2 = 2, c3 = 3;

pullup (SI5340A_I2C_SCL);
pullup (SI5340A_I2C_SDA);
always #10 CLK_50_B2J = ~CLK_50_B2J;

wire si5340a_controller_start;
assign si5340a_controller_start = ~BUTTON[0];

si5340a_controller #(.STARTUP_CYCLES(STARTUP), .PREAMBLE_WAIT_CYCLES(PREWAIT),
                     .QUARTER_CYCLES(QUARTER))
si5340a_controller(
    .iCLK(CLK_50_B2J),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340a_controller_start),
    .iPLL_OUT0_FREQ_SEL(c0),//QSFP-A
    .iPLL_OUT1_FREQ_SEL(c1),//QSFP-B
    .iPLL_OUT2_FREQ_SEL(c2),//QSFP-C
    .iPLL_OUT3_FREQ_SEL(c3),//QSFP-D
    .I2C_CLK(SI5340A_I2C_SCL),
    .I2C_DATA(SI5340A_I2C_SDA),
    .oPLL_I2C_ID_READ_ERROR(id_error),
    .oPLL_REG_CONFIG_DONE(done)
);

assign SI5340A_OE_n = 1'b0;
assign SI5340A_RST_n = CPU_RESET_n;

si5340_model #(.REVISION(REV), .READY_NS(STARTUP * 20.0 * 0.8), .PREAMBLE_WAIT_NS(PREWAIT * 20.0 * 0.99)) chip (
    .scl(SI5340A_I2C_SCL), .sda(SI5340A_I2C_SDA), .rst_n(SI5340A_RST_n));
i2c_bus_checker #(.MIN_PERIOD_NS(QUARTER * 80.0), .STRICT(!SHORT)) bus (
    .scl(SI5340A_I2C_SCL), .sda(SI5340A_I2C_SDA));

`include "si5340_checks.svh"

task automatic check_codes(input string what, input int configs0);
    check(done === 1'b1 && id_error === 1'b0, {what, ": done"});
    check(chip.configs == configs0 + 1, {what, ": one configuration"});
    check_out(0, si5340a_hz(c0), 0, what);
    check_out(1, si5340a_hz(c1), 0, what);
    check_out(2, si5340a_hz(c2), 0, what);
    check_out(3, si5340a_hz(c3), 0, what);
endtask

task automatic press;
    @(posedge clk) BUTTON[0] = 0;
    repeat (10) @(posedge clk);
    BUTTON[0] = 1;
    repeat (10) @(posedge clk);
endtask

task automatic reset_pulse;
    CPU_RESET_n = 0;
    #1000 CPU_RESET_n = 1;
endtask

task automatic set_codes(input [2:0] a, input [2:0] b, input [2:0] c, input [2:0] d);
    c0 = a; c1 = b; c2 = c; c3 = d;
endtask

initial begin
    int n;
    wait (bus.starts > 0);
    check($realtime >= STARTUP * 20.0, "no transfer in the start-up window");
    wait_run("power-up");
    check_codes("power-up", 0);
    if (SHORT) begin
        // Every code on every output once.
        for (int r = 1; r < 8; r++) begin
            n = chip.configs;
            set_codes(r, (r + 1) % 8, (r + 2) % 8, (r + 3) % 8);
            if (r % 2) press(); else reset_pulse();
            #100;
            wait_run($sformatf("rotation %0d", r));
            check_codes($sformatf("rotation %0d", r), n);
        end
        n = chip.configs;
        set_codes(0, 0, 0, 0);
        press();
        wait_run("all off");
        check_codes("all off", n);
        n = chip.configs;
        set_codes(7, 7, 7, 7);
        press();
        // A second edge during the run is ignored.
        repeat (3000) @(posedge clk);
        press();
        wait_run("all at the top code");
        check_codes("all at the top code", n);
        #((PREWAIT + 40000) * 20.0);
        check(chip.configs == n + 1, "edge during a run ignored");
        // Wrong identity: error, no configuration.
        n = chip.configs;
        chip.pn_base = 16'h5341;
        press();
        wait_run("wrong identity");
        check(id_error === 1'b1 && done === 1'b0 && chip.configs == n, "wrong identity: error");
        chip.pn_base = 16'h5340;
        // Absent chip: error, no hang.
        chip.absent = 1;
        press();
        wait_run("absent chip");
        check(id_error === 1'b1 && done === 1'b0, "absent chip: error");
        repeat (200) @(posedge clk);
        check(SI5340A_I2C_SCL === 1'b1 && SI5340A_I2C_SDA === 1'b1, "absent chip: bus released");
        chip.absent = 0;
        press();
        wait_run("chip back");
        check(done === 1'b1, "chip back: done");
        // A real part's stored set-up, as exported with its VCO at
        // 13.40625 GHz (M is written) and at 14 GHz: every output at its
        // plan frequency.
        for (int s = 1; s <= 2; s++) begin
            chip.load_setup(s);
            set_codes(1, 4, 7, 2 * s);
            reset_pulse();
            #100;
            wait_run($sformatf("set-up %0d", s));
            check_codes($sformatf("set-up %0d", s), 0);
        end
    end
    finish_bench("tb_si5340a");
end

endmodule
