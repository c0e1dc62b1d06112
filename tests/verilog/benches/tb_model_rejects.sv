// The chip models against register sequences written straight into them
// (no controller, no bus): the sequence the chip takes must pass, and every
// wrong one (the old controllers' words among them) must be rejected. The
// sequences come from clockplans.py (model_cases.svh).
`timescale 1ns/1ps
module tb_model_rejects;

`include "model_cases.svh"

localparam real PREWAIT_NS = 1000.0;

wire    scl, sda;
integer failures = 0;

pullup (scl);
pullup (sda);

si5340_model #(.PREAMBLE_WAIT_NS(PREWAIT_NS)) si5340 (.scl(scl), .sda(sda), .rst_n(1'b1));
si570_model si570 (.scl(scl), .sda(sda));

task automatic check(input bit ok, input string what);
    if (!ok) begin
        failures++;
        $display("FAIL %s", what);
    end
endtask

// Item {op, address, data}: op 0 a register write (page first when the
// register has a page), 1 a write in the page as it stands, 2 the
// preamble wait.
task automatic si5340_item(input [31:0] item);
    if (item[31:24] == 8'd2)
        #(PREWAIT_NS * 1.01);
    else begin
        if (item[31:24] == 8'd0) begin
            si5340.on_byte(0, 8'h01);
            si5340.on_byte(1, item[23:16]);
        end
        si5340.on_byte(0, item[15:8]);
        si5340.on_byte(1, item[7:0]);
    end
endtask

initial begin
    #10;
    for (int c = 0; c < SI5340_CASES; c++) begin
        si5340.restart();
        for (int i = 0; i < si5340_case_len(c); i++) si5340_item(si5340_case_item(c, i));
        if (si5340_case_rejected(c))
            check(si5340.errors > 0, {"si5340 model takes: ", si5340_case_name(c)});
        else begin
            check(si5340.errors == 0 && si5340.configs == 1,
                  {"si5340 model rejects: ", si5340_case_name(c)});
            check(si5340.fout_hz[0] > 156.25e6 * (1 - 1e-9) &&
                  si5340.fout_hz[0] < 156.25e6 * (1 + 1e-9), "si5340 model: OUT0 156.25 MHz");
        end
    end
    for (int c = 0; c < SI570_CASES; c++) begin
        si570.restart();
        for (int i = 0; i < si570_case_len(c); i++) begin
            reg [31:0] item;
            item = si570_case_item(c, i);
            si570.on_byte(0, item[15:8]);
            si570.on_byte(1, item[7:0]);
        end
        if (si570_case_rejected(c))
            check(si570.errors > 0, {"si570 model takes: ", si570_case_name(c)});
        else
            check(si570.errors == 0 && si570.fout_hz > 99.9999e6 && si570.fout_hz < 100.0001e6,
                  {"si570 model rejects: ", si570_case_name(c)});
    end
    if (failures == 0)
        $display("PASS tb_model_rejects");
    else
        $display("FAILED tb_model_rejects: %0d", failures);
    $finish;
end

endmodule
