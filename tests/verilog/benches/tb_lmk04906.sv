// LMK04906 programming as the generated block instantiates it, against the
// register model: power-up without a reset edge with OSCin starting only
// after the first programming (PLL2 must be calibrated again by R30 before
// done), then select patterns that put both frequencies on every output,
// each after a reset; every word is compared with the plan script's. A
// second model is fed the words the earlier module wrote (outputs without
// type, PLL2 dividers 0) and must reject them.
`timescale 1ns/1ps
module tb_lmk04906;

parameter SHORT = 1;

reg  OSC_50_B4A = 0;
reg  CPU_RESET_n = 1;
wire LMK04906_CLK, LMK04906_DATAIN, LMK04906_LE;
integer failures = 0;

always #10 OSC_50_B4A = ~OSC_50_B4A;

wire [3:0]      lmk04906_freq_select;
wire            lmk04906_reset_n;
wire            lmk04906_spi_done;
reg  [3:0]      select = 4'h8;

assign lmk04906_reset_n = CPU_RESET_n;
assign lmk04906_freq_select = select;

SPI_LMK04906_Config #(.STARTUP_CYCLES(SHORT ? 500 : 50000), .HALF_PERIOD(SHORT ? 2 : 16),
                      .RECAL_CYCLES(SHORT ? 200 : 50000))
SPI_LMK04906_Config_inst(
	.clk50(OSC_50_B4A), //50MHZ
	.rst_n(lmk04906_reset_n),
	.iFREQ_SELECT(lmk04906_freq_select),

	// spi
	.LMK04906_CLK(LMK04906_CLK),
	.LMK04906_DATAIN(LMK04906_DATAIN),
	.LMK04906_LE(LMK04906_LE),
	.SPI_DONE(lmk04906_spi_done)
);

`include "lmk04906_expected.svh"

lmk04906_model #(.REF_HZ(LMK_REF_HZ)) chip (.CLK(LMK04906_CLK), .DATA(LMK04906_DATAIN),
                                          .LE(LMK04906_LE));

task automatic check(input bit ok, input string what);
    if (!ok) begin
        failures++;
        $display("FAIL %s", what);
    end
endtask

// Board clock k (FMCA, FMCB, FMCC, FMCD) sits on output pair k; its
// select bit is 3, 1, 0, 2.
task automatic check_outputs(input [3:0] sel, input int programs0);
    reg [7:0] bitpos; // select bit of FMCA, FMCB, FMCC, FMCD, two bits each
    bitpos = {2'd2, 2'd0, 2'd1, 2'd3};
    wait (lmk04906_spi_done === 1'b1);
    check(chip.programs == programs0 + 1, $sformatf("select %h: one programming", sel));
    check(chip.pll2_calibrated, $sformatf("select %h: done with PLL2 calibrated", sel));
    for (int k = 0; k < 4; k++) begin
        real want;
        want = lmk_target_hz(sel[bitpos[2 * k +: 2]]);
        check(chip.pair_hz(k) > want * (1 - 1e-6) && chip.pair_hz(k) < want * (1 + 1e-6),
              $sformatf("select %h output %0d: %f MHz", sel, k, chip.pair_hz(k) / 1e6));
    end
    for (int k = 0; k < 25; k++) begin
        int r;
        r = k < 17 ? k : k + 7;
        check(chip.regs[r] == lmk_word(25 * sel + k),
              $sformatf("select %h R%0d: %h, want %h", sel, r, chip.regs[r], lmk_word(25 * sel + k)));
    end
endtask

// The earlier module's words for select 4'h8 (everything outside the
// dividers and R9 left 0), shifted by the bench into a model of its own.
reg  old_clk = 0, old_data = 0, old_le = 0;
lmk04906_model #(.REF_HZ(LMK_REF_HZ)) old_chip (.CLK(old_clk), .DATA(old_data), .LE(old_le));

task automatic shift_word(input [31:0] w);
    for (int b = 31; b >= 0; b--) begin
        old_data = w[b];
        #50 old_clk = 1;
        #50 old_clk = 0;
    end
    #50 old_le = 1;
    #50 old_le = 0;
endtask

task automatic old_words_rejected;
    shift_word(32'h0002_0000);
    shift_word(32'h0000_0080);
    for (int r = 1; r <= 5; r++) shift_word(32'h100 | r);
    for (int r = 6; r <= 16; r++) shift_word(r == 9 ? 32'h5555_5549 : r);
    for (int r = 24; r <= 31; r++) shift_word(r);
    check(old_chip.programs == 1, "old words: one programming");
    check(old_chip.errors > 0, $sformatf("old words rejected (%0d errors)", old_chip.errors));
endtask

// The board's OSCin source starts once the chip has taken its first
// programming.
initial begin
    chip.oscin_running = 0;
    wait (chip.programs == 1);
    chip.oscin_running = 1;
end

initial begin
    check(lmk04906_spi_done === 1'b0, "not done at power-up");
    old_words_rejected();
    check_outputs(4'h8, 0);
    if (SHORT) begin
        reg [15:0] patterns;
        patterns = 16'hA5F0; // 0, F, 5, A
        for (int i = 0; i < 4; i++) begin
            int n;
            n = chip.programs;
            select = patterns[4 * i +: 4];
            CPU_RESET_n = 0;
            #100;
            check(lmk04906_spi_done === 1'b0, "not done during reset");
            CPU_RESET_n = 1;
            check_outputs(patterns[4 * i +: 4], n);
        end
        begin
            int n;
            n = chip.programs;
            #(100_000);
            check(chip.programs == n, "one programming per reset");
        end
    end
    check(chip.errors == 0, "chip model errors");
    if (failures == 0)
        $display("PASS tb_lmk04906");
    else
        $display("FAILED tb_lmk04906: %0d", failures);
    $finish;
end

endmodule
