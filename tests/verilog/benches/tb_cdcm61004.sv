// CDCM61004 controller as the generated block instantiates it, against the
// pin model: power-up without a reset edge, every code after a change,
// undefined codes, and a restart after CPU_RESET_n.
`timescale 1ns/1ps
module tb_cdcm61004;

`include "cdcm61004_expected.svh"

reg        OSC_50_B3B = 0;
reg        CPU_RESET_n = 1;
reg  [3:0] code = 4'd9;
wire [3:0] desired_freq;
wire       CLK_CE, CLK_RST_n;
wire [2:0] CLK_OD;
wire [1:0] CLK_OS, CLK_PR;
integer    failures = 0;

always #10 OSC_50_B3B = ~OSC_50_B3B;
assign desired_freq = code;

CDCM6100x_Config CDCM61004_Config_inst(
	.clk_50m(OSC_50_B3B),
	.recal_n(CPU_RESET_n),
	.desired_freq(desired_freq),
	.CLK_CE(CLK_CE),
	.CLK_OD(CLK_OD),
	.CLK_OS(CLK_OS),
	.CLK_PR(CLK_PR),
	.CLK_RST_n(CLK_RST_n)
);

cdcm61004_model chip (.CE(CLK_CE), .OD(CLK_OD), .OS(CLK_OS), .PR(CLK_PR), .RSTN(CLK_RST_n));

task automatic check(input bit ok, input string what);
    if (!ok) begin
        failures++;
        $display("FAIL %s", what);
    end
endtask

task automatic check_code(input int c, input int restarts0);
    #(40_000);
    check(chip.restarts == restarts0 + 1, $sformatf("code %0d: one reset pulse", c));
    check(chip.prescaler == cdcm_prescaler(c) && chip.feedback == cdcm_feedback(c) &&
          chip.divider == cdcm_od(c), $sformatf("code %0d: dividers", c));
    check(chip.fout_hz > cdcm_target_hz(c) * (1 - 1e-6) &&
          chip.fout_hz < cdcm_target_hz(c) * (1 + 1e-6),
          $sformatf("code %0d: %f MHz", c, chip.fout_hz / 1e6));
endtask

initial begin
    int n;
    // Power-up, no reset edge: code 9.
    check_code(9, 0);
    check(CLK_OS == 2'b01 && CLK_CE == 1'b1, "fixed pins");
    // Every code in turn.
    for (int c = 0; c < CDCM_CODES; c++) begin
        n = chip.restarts;
        code = c;
        check_code(c, n);
    end
    // Undefined codes: pins and chip stay.
    for (int c = 11; c < 16; c++) begin
        n = chip.restarts;
        code = c;
        #(40_000);
        check(chip.restarts == n && chip.fout_hz == cdcm_target_hz(10) && CLK_RST_n === 1'b1,
              $sformatf("code %0d leaves the chip", c));
        check((^{CLK_PR, CLK_OD, CLK_OS, CLK_CE, CLK_RST_n}) !== 1'bx, "no unknown pin");
    end
    // Reset release restarts the chip with the current defined code.
    code = 3;
    #(40_000);
    n = chip.restarts;
    CPU_RESET_n = 0;
    #1000 CPU_RESET_n = 1;
    check_code(3, n);
    // Reset with an undefined code: no pulse.
    n = chip.restarts;
    code = 12;
    CPU_RESET_n = 0;
    #1000 CPU_RESET_n = 1;
    #(40_000);
    check(chip.restarts == n, "undefined code after reset: no pulse");
    check(chip.errors == 0, "chip model errors");
    if (failures == 0)
        $display("PASS tb_cdcm61004");
    else
        $display("FAILED tb_cdcm61004: %0d", failures);
    $finish;
end

endmodule
