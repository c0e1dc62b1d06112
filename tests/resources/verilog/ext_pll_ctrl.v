// Stand-in for the external-PLL controller: the ports the generated block
// connects, no behaviour.
module ext_pll_ctrl(
	input        osc_50,
	input        rstn,
	input  [3:0] clk1_set_wr,
	output [3:0] clk1_set_rd,
	input  [3:0] clk2_set_wr,
	output [3:0] clk2_set_rd,
	input  [3:0] clk3_set_wr,
	output [3:0] clk3_set_rd,
	input        conf_wr,
	input        conf_rd,
	output       conf_ready,
	output       max_sclk,
	inout        max_sdat
);
assign clk1_set_rd = clk1_set_wr;
assign clk2_set_rd = clk2_set_wr;
assign clk3_set_rd = clk3_set_wr;
assign conf_ready = conf_wr & ~conf_rd & rstn;
assign max_sclk = osc_50;
assign max_sdat = 1'bz;
endmodule
