// External-PLL controller: the board-12 block as generated (rstn tied high,
// conf_rd open, default bit rate) and a directly driven instance with a
// fast bus for the code rotation, read-back, NACK and ignored edges.
`timescale 1ns/1ps
module tb_ext_pll;

// ---- board-12 block, as the generator writes it (codes 4, 11, 13) ----
reg OSC_50_BANK1 = 0;
wire MAX2_I2C_SCL, MAX2_I2C_SDA;
pullup (MAX2_I2C_SCL);
pullup (MAX2_I2C_SDA);
always #10 OSC_50_BANK1 = ~OSC_50_BANK1;

wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;
wire         rstn;
wire         conf_ready;
wire         counter_max;
wire  [7:0]  counter_inc;
reg   [7:0]  auto_set_counter;
reg          conf_wr;

assign clk1_set_wr = 4'd4; //100 MHZ
assign clk2_set_wr = 4'd11; //312.5 MHZ
assign clk3_set_wr = 4'd13; //Unknown MHZ

assign rstn = 1'b1;
assign counter_max = &auto_set_counter;
assign counter_inc = auto_set_counter + 1'b1;

always @(posedge OSC_50_BANK1 or negedge rstn)
	if(!rstn)
	begin
		auto_set_counter <= 0;
		conf_wr <= 0;
	end 
	else if (counter_max)
		conf_wr <= 1;
	else
		auto_set_counter <= counter_inc;


ext_pll_ctrl ext_pll_ctrl_Inst(
	.osc_50(OSC_50_BANK1), //50MHZ
	.rstn(rstn),

	// device 1 (HSMA_REFCLK)
	.clk1_set_wr(clk1_set_wr),
	.clk1_set_rd(),

	// device 2 (HSME_REFCLK)
	.clk2_set_wr(clk2_set_wr),
	.clk2_set_rd(),

	// device 3 (PGM_GXB_CLK)
	.clk3_set_wr(clk3_set_wr),
	.clk3_set_rd(),

	// setting trigger
	.conf_wr(conf_wr), // 1T 50MHz 
	.conf_rd(), // 1T 50MHz

	// status 
	.conf_ready(conf_ready),

	// 2-wire interface 
	.max_sclk(MAX2_I2C_SCL),
	.max_sdat(MAX2_I2C_SDA)

);

ext_pll_model board_pll (.scl(MAX2_I2C_SCL), .sda(MAX2_I2C_SDA));
i2c_bus_checker #(.MIN_PERIOD_NS(10000.0), .STRICT(1)) board_bus (
    .scl(MAX2_I2C_SCL), .sda(MAX2_I2C_SDA));

// The FPGA's power-up state of the block's registers.
initial begin
    tb_ext_pll.auto_set_counter = 0;
    tb_ext_pll.conf_wr = 0;
end

// ---- directly driven instance, fast bus ----
reg        rst_n = 1;
reg  [3:0] c1 = 0, c2 = 0, c3 = 0;
reg        wr = 0, rd = 0;
wire [3:0] r1, r2, r3;
wire       ready, scl, sda;
wire       wr_line = wr, rd_line = rd;
pullup (scl);
pullup (sda);

ext_pll_ctrl #(.QUARTER_CYCLES(4)) dut (
    .osc_50(OSC_50_BANK1), .rstn(rst_n),
    .clk1_set_wr(c1), .clk1_set_rd(r1), .clk2_set_wr(c2), .clk2_set_rd(r2),
    .clk3_set_wr(c3), .clk3_set_rd(r3), .conf_wr(wr_line), .conf_rd(rd_line),
    .conf_ready(ready), .max_sclk(scl), .max_sdat(sda));

ext_pll_model pll (.scl(scl), .sda(sda));
i2c_bus_checker #(.MIN_PERIOD_NS(320.0)) bus (.scl(scl), .sda(sda));

integer failures = 0;

task automatic check(input bit ok, input string what);
    if (!ok) begin
        failures++;
        $display("FAIL %s", what);
    end
endtask

function automatic [3:0] sent(input [3:0] code);
    return code > 12 ? 4'd0 : code;
endfunction

task automatic pulse(input bit read);
    @(posedge OSC_50_BANK1);
    if (read) rd = 1; else wr = 1;
    repeat (3) @(posedge OSC_50_BANK1);
    rd = 0;
    wr = 0;
endtask

task automatic wait_ready;
    repeat (5) @(posedge OSC_50_BANK1);
    while (!ready) @(posedge OSC_50_BANK1);
endtask

task automatic write_codes(input [3:0] a, input [3:0] b, input [3:0] c);
    int writes;
    writes = pll.writes;
    c1 = a; c2 = b; c3 = c;
    pulse(0);
    repeat (5) @(posedge OSC_50_BANK1);
    check(!ready, "conf_ready low during the write");
    wait_ready();
    check(pll.writes == writes + 1, "one write per conf_wr edge");
    check(pll.regs[0] == {sent(b), sent(a)} && pll.regs[1] == {4'h0, sent(c)},
          $sformatf("codes %0d %0d %0d written as %h %h", a, b, c, pll.regs[0], pll.regs[1]));
endtask

initial begin
    // Board block: one write after the counter, none after, no read.
    #(3_000_000);
    check(board_pll.writes == 1, "board block: one write");
    check(board_pll.reads == 0, "board block: no read with conf_rd open");
    check(board_pll.regs[0] == 8'hB4 && board_pll.regs[1] == 8'h00, "board block: codes");
    check(conf_ready === 1'b1, "board block: ready");
    check(board_bus.errors == 0, "board block: bus");

    // Every code on every output once, then all off and all at the top.
    for (int k = 0; k < 16; k++)
        write_codes(k, (k + 5) % 16, (k + 10) % 16);
    write_codes(1, 1, 1);
    write_codes(12, 12, 12);

    // Read-back.
    pll.regs[0] = 8'h9C;
    pll.regs[1] = 8'h07;
    pulse(1);
    wait_ready();
    check(r1 == 4'hC && r2 == 4'h9 && r3 == 4'h7, "read-back");
    check(pll.reads == 1, "one read");

    // An edge in the middle of a run is ignored.
    begin
        int writes;
        writes = pll.writes;
        c1 = 2; c2 = 3; c3 = 4;
        pulse(0);
        repeat (200) @(posedge OSC_50_BANK1);
        pulse(0);
        wait_ready();
        repeat (2000) @(posedge OSC_50_BANK1);
        check(pll.writes == writes + 1, "edge during a run ignored");
    end

    // No target: STOP, ready again, read-back values kept.
    pll.present = 0;
    pulse(0);
    wait_ready();
    pulse(1);
    wait_ready();
    check(r1 == 4'hC && r2 == 4'h9 && r3 == 4'h7, "NACK keeps the read-back values");
    check(scl === 1'b1 && sda === 1'b1, "bus released after a NACK");

    // Reset: read-back values back to 0.
    rst_n = 0;
    #100 rst_n = 1;
    check(r1 == 0 && r2 == 0 && r3 == 0 && ready, "reset clears the read-back values");

    check(bus.errors == 0 && pll.errors == 0 && board_pll.errors == 0, "bus and model errors");
    check(bus.starts == bus.stops, "every START has its STOP");
    if (failures == 0)
        $display("PASS tb_ext_pll");
    else
        $display("FAILED tb_ext_pll: %0d", failures);
    $finish;
end

endmodule
