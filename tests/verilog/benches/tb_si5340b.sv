// Si5340B controllers as the generated blocks instantiate them, against the
// chip model: every plan code (and codes no plan defines, which take plan
// 0), by resets and button edges, the first from power-up; then a real
// part's stored set-up (at another VCO, at 14 GHz, on another input). PLAN picks the
// board: 0 Zarvik (4-bit codes), 1 Zarvik_DDR4 (5-bit), 2 Espern (4-bit).
`timescale 1ns/1ps
module tb_si5340b;

parameter SHORT = 1;
parameter PLAN = 0;

`include "si5340_expected.svh"

localparam SEL_BITS = (PLAN == 1) ? 5 : 4;
localparam QUARTER = SHORT ? 5 : 125;
localparam STARTUP = SHORT ? 2000 : 1500000;
localparam PREWAIT = SHORT ? 1000 : 15000000;

reg        CLK_50_B2J = 0;
reg        CPU_RESET_n = 1;
reg  [3:0] BUTTON = 4'hF;
wire       SI5340B_I2C_SCL, SI5340B_I2C_SDA;
wire       SI5340B_OE_n, SI5340B_RST_n;
wire       id_error;
wire       clk = CLK_50_B2J;
reg  [SEL_BITS-1:0] plan_code = 0;

pullup (SI5340B_I2C_SCL);
pullup (SI5340B_I2C_SDA);
always #10 CLK_50_B2J = ~CLK_50_B2J;

wire si5340b_controller_start;
wire config_done;

assign si5340b_controller_start = ~BUTTON[0];

si5340b_controller #(.STARTUP_CYCLES(STARTUP), .PREAMBLE_WAIT_CYCLES(PREWAIT),
                     .QUARTER_CYCLES(QUARTER))
si5340b_controller(
    .iCLK(CLK_50_B2J),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340b_controller_start),
    .iPLL_OUT_FREQ_SEL(plan_code),
    .I2C_CLK(SI5340B_I2C_SCL),
    .I2C_DATA(SI5340B_I2C_SDA),
    .oPLL_I2C_ID_READ_ERROR(id_error),
    .oPLL_REG_CONFIG_DONE(config_done)
);

assign SI5340B_OE_n = 1'b0;
assign SI5340B_RST_n = CPU_RESET_n;
wire done = config_done;

si5340_model #(.READY_NS(STARTUP * 20.0 * 0.8), .PREAMBLE_WAIT_NS(PREWAIT * 20.0 * 0.99)) chip (
    .scl(SI5340B_I2C_SCL), .sda(SI5340B_I2C_SDA), .rst_n(SI5340B_RST_n));
i2c_bus_checker #(.MIN_PERIOD_NS(QUARTER * 80.0), .STRICT(!SHORT)) bus (
    .scl(SI5340B_I2C_SCL), .sda(SI5340B_I2C_SDA));

`include "si5340_checks.svh"

function automatic real expected(input int code, input int k);
    case (PLAN)
    0: return si5340b_zarvik_hz(4 * code + k);
    1: return si5340b_zarvik_ddr4_hz(4 * code + k);
    default: return si5340b_espern_hz(4 * code + k);
    endcase
endfunction

// After load_setup: an output the plan leaves as it is runs at the
// frequency its stored dividers give with the PLL at 14 GHz.
bit fresh = 0;

task automatic run_code(input int code, input bit by_reset);
    int n;
    real prior[4];
    real want;
    string what;
    what = $sformatf("plan code %0d", code);
    n = chip.configs;
    for (int k = 0; k < 4; k++) prior[k] = chip.fout_hz[k];
    plan_code = code;
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
    check(done === 1'b1 && chip.configs == n + 1, {what, ": one configuration"});
    for (int k = 0; k < 4; k++) begin
        want = expected(code, k);
        if (want < 0 && fresh) want = si5340_stored_hz(4 * chip.setup + k);
        check_out(k, want, prior[k], $sformatf("%s (set-up %0d)", what, chip.setup));
    end
    fresh = 0;
endtask

// A chip whose PLL runs from an input the board does not say: the run
// ends without a write and without done.
task automatic run_unknown_input;
    realtime limit;
    chip.load_setup(3);
    CPU_RESET_n = 0;
    #1000 CPU_RESET_n = 1;
    limit = $realtime + 5.0e6;
    wait (si5340b_controller.busy === 1'b1 || $realtime > limit);
    wait (si5340b_controller.busy === 1'b0 || $realtime > limit);
    check(si5340b_controller.busy === 1'b0 && done === 1'b0 && id_error === 1'b0 &&
          chip.writes == 0, "PLL on IN0: nothing written, no done");
endtask

initial begin
    wait_run("power-up");
    check(chip.configs == 1, "power-up: one configuration");
    for (int k = 0; k < 4; k++) check_out(k, expected(0, k), si5340_stored_hz(k), "power-up");
    if (SHORT) begin
        for (int code = 1; code < (PLAN == 1 ? 20 : 16); code++)
            run_code(code, code % 3 == 0);
        if (PLAN == 1) begin
            run_code(20, 0);
            run_code(25, 1);
            run_code(31, 0);
        end
        // Stored set-ups of a real part: as exported (VCO 13.40625 GHz, M
        // is written) and at 14 GHz; OUT3 shares N2 with the planned OUT2.
        for (int s = 1; s <= 2; s++)
            for (int code = 0; code < 3; code++) begin
                chip.load_setup(s);
                fresh = 1;
                run_code(PLAN == 1 ? 7 * code : 5 * code, 1);
            end
        run_unknown_input();
    end
    finish_bench("tb_si5340b");
end

endmodule
