// Si570 controller against the chip model. SHORT runs shortened waits and
// a fast bus and goes through every mode, each after a reset (the first
// one from power-up, no reset edge), then an absent chip; the full run keeps
// the data-sheet bit rate and waits for one configuration.
`timescale 1ns/1ps
module tb_si570;

parameter SHORT = 1;
parameter real XTAL_HZ = 114.285e6;
parameter [7:0] FIRST_REG = 8'd7;

`include "si570_expected.svh"

localparam QUARTER = SHORT ? 5 : 125;
localparam STARTUP = SHORT ? 2000 : 500000;
localparam NEWFREQ = SHORT ? 300 : 500000;

reg        OSC_50_B3B = 0;
reg        CPU_RESET_n = 1;
reg  [2:0] mode = 3'd0;
wire       CLOCK_SCL, CLOCK_SDA;
wire       ready;
integer    failures = 0;

pullup (CLOCK_SCL);
pullup (CLOCK_SDA);
always #10 OSC_50_B3B = ~OSC_50_B3B;

si570_controller #(
    .SI570_FIRST_REG(FIRST_REG), .STARTUP_CYCLES(STARTUP), .NEWFREQ_CYCLES(NEWFREQ),
    .QUARTER_CYCLES(QUARTER)
) si570_controller_inst(
    .iCLK(OSC_50_B3B), // system   clock 50mhz
    .iRST_n(CPU_RESET_n), // system reset;
    .iFREQ_MODE(mode),
    .I2C_CLK(CLOCK_SCL),
    .I2C_DATA(CLOCK_SDA),
    .oController_Ready(ready)
);

si570_model #(.FIRST_REG(FIRST_REG), .XTAL_HZ(XTAL_HZ), .READY_NS(STARTUP * 20.0 * 0.8),
              .RECALL_NS(QUARTER * 20.0 * 4 * 9 * 6)) chip (
    .scl(CLOCK_SCL), .sda(CLOCK_SDA));

i2c_bus_checker #(.MIN_PERIOD_NS(QUARTER * 80.0), .STRICT(!SHORT)) bus (
    .scl(CLOCK_SCL), .sda(CLOCK_SDA));

task automatic check(input bit ok, input string what);
    if (!ok) begin
        failures++;
        $display("FAIL %s", what);
    end
endtask

// Waits for ready (or a time-out) and checks the output of mode m.
task automatic check_mode(input int m, input int newfreqs_before);
    realtime limit;
    limit = $realtime + (SHORT ? 2.0e6 : 40.0e6);
    while (!ready && $realtime < limit) @(posedge OSC_50_B3B);
    check(ready, $sformatf("mode %0d: ready", m));
    check(chip.newfreqs == newfreqs_before + 1, $sformatf("mode %0d: one NewFreq", m));
    check(chip.bank[0][7:5] == (si570_hs_div(m) == 11 ? 7 : si570_hs_div(m) - 4),
           $sformatf("mode %0d: HS_DIV", m));
    check({chip.bank[0][4:0], chip.bank[1][7:6]} == si570_n1(m) - 1, $sformatf("mode %0d: N1", m));
    check(chip.fout_hz > si570_target_hz(m) * (1 - 1e-6) &&
           chip.fout_hz < si570_target_hz(m) * (1 + 1e-6),
           $sformatf("mode %0d: %f MHz, target %f MHz", m, chip.fout_hz / 1e6,
                     si570_target_hz(m) / 1e6));
endtask

task automatic reset_with(input int m);
    mode = m;
    CPU_RESET_n = 0;
    #1000 CPU_RESET_n = 1;
endtask

initial begin
    realtime first_start;
    int count0;
    // Power-up with the reset released from the start: mode 2.
    mode = SHORT ? 3'd2 : 3'd6;
    wait (bus.starts > 0);
    first_start = $realtime;
    check(first_start >= STARTUP * 20.0, "no transfer in the start-up window");
    check_mode(mode, 0);
    if (SHORT) begin
        // Every mode after a reset, starting again from the recalled values.
        for (int m = 0; m < 7; m++) begin
            count0 = chip.newfreqs;
            reset_with((m + 3) % 7);
            #100;
            check_mode((m + 3) % 7, count0);
        end
        // Mode 7: no transfer at all.
        begin
            count0 = bus.starts;
            reset_with(7);
            #((STARTUP + 5000) * 20.0);
            check(bus.starts == count0, "mode 7: no transfer");
            check(ready, "mode 7: ready");
        end
        // Absent chip: the controller gives up, no hang, no ready.
        begin
            chip.present = 0;
            reset_with(1);
            #((STARTUP + 20000) * 20.0);
            check(!ready, "absent chip: not ready");
            check(si570_controller_inst.u_i2c_reg_controller.state == 0, "absent chip: idle");
            check(CLOCK_SCL === 1'b1 && CLOCK_SDA === 1'b1, "absent chip: bus released");
        end
    end
    check(chip.errors == 0, "chip model errors");
    check(bus.errors == 0, "bus bus errors");
    check(bus.starts == bus.stops, "every START has its STOP");
    if (failures == 0)
        $display("PASS tb_si570");
    else
        $display("FAILED tb_si570: %0d", failures);
    $finish;
end

endmodule
