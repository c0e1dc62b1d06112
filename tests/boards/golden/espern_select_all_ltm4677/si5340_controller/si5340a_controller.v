// Si5340A controller: the four QSFP reference clocks OUT0 to OUT3 (QSFP A
// to D) at the frequency of their 3-bit code: 0 off, 1 644.53125,
// 2 322.265625, 3 312.5, 4 250, 5 156.25, 6 125, 7 100 MHz.
// After the chip's start-up time (from reset release or power-up) and on
// every rising iStart (synchronised; ignored while a run is on) it checks
// the chip's identity, then writes the plan between the preamble and the
// postamble. oPLL_I2C_ID_READ_ERROR: no acknowledge or a wrong identity at
// the identity read; oPLL_REG_CONFIG_DONE: the plan is written, with the
// PLL at 14 GHz (never raised when the PLL does not run from the crystal).
module si5340a_controller #(
    parameter [6:0] SI5340_ADDR = 7'h74,
    parameter       STARTUP_CYCLES = 1500000,        // 30 ms reset to serial ready
    parameter       PREAMBLE_WAIT_CYCLES = 15000000, // 300 ms after the preamble
    parameter       QUARTER_CYCLES = 125             // 100 kHz SCL from 50 MHz
) (
    input        iCLK,
    input        iRST_n,
    input        iStart,
    input  [2:0] iPLL_OUT0_FREQ_SEL,
    input  [2:0] iPLL_OUT1_FREQ_SEL,
    input  [2:0] iPLL_OUT2_FREQ_SEL,
    input  [2:0] iPLL_OUT3_FREQ_SEL,
    output       I2C_CLK,
    inout        I2C_DATA,
    output       oPLL_I2C_ID_READ_ERROR,
    output       oPLL_REG_CONFIG_DONE
);

wire        tick;
wire        power_start;
wire        button_rise;
wire        busy;
wire        start = (power_start | button_rise) & ~busy;
wire [6:0]  index;
wire        valid, last;
wire [15:0] addr;
wire [7:0]  data, mask;
wire        eng_go, eng_rx_ack, eng_nack, eng_busy;
wire [1:0]  eng_cmd;
wire [7:0]  eng_tx, eng_rx;

clock_divider #(.QUARTER_CYCLES(QUARTER_CYCLES)) u_clock_divider (
    .iCLK(iCLK), .iRST_n(iRST_n), .oTICK(tick));

initial_config #(.WAIT_CYCLES(STARTUP_CYCLES)) u_initial_config (
    .iCLK(iCLK), .iRST_n(iRST_n), .oSTART(power_start));

edge_detector u_edge_detector (
    .iCLK(iCLK), .iRST_n(iRST_n), .iIN(iStart), .oRISE(button_rise));

wire [2:0]  sel0, sel1, sel2, sel3;

si5340a_clk_frq_sel_gen #(.SEL_BITS(3)) u_clk_frq_sel_gen (
    .iCLK(iCLK), .iRST_n(iRST_n), .iLATCH(start),
    .iSEL0(iPLL_OUT0_FREQ_SEL), .iSEL1(iPLL_OUT1_FREQ_SEL),
    .iSEL2(iPLL_OUT2_FREQ_SEL), .iSEL3(iPLL_OUT3_FREQ_SEL),
    .oSEL0(sel0), .oSEL1(sel1), .oSEL2(sel2), .oSEL3(sel3));

si5340a_freq_prameter_selector u_freq_prameter_selector (
    .iSEL0(sel0), .iSEL1(sel1), .iSEL2(sel2), .iSEL3(sel3),
    .iINDEX(index), .oVALID(valid), .oADDR(addr), .oDATA(data), .oMASK(mask), .oLAST(last));

si5340a_i2c_reg_controller #(
    .SI5340_ADDR(SI5340_ADDR),
    .PREAMBLE_WAIT_CYCLES(PREAMBLE_WAIT_CYCLES)
) u_i2c_reg_controller (
    .iCLK(iCLK), .iRST_n(iRST_n), .iSTART(start),
    .oINDEX(index), .iVALID(valid), .iADDR(addr), .iDATA(data), .iMASK(mask), .iLAST(last),
    .oENG_GO(eng_go), .oENG_CMD(eng_cmd), .oENG_TX(eng_tx), .oENG_RX_ACK(eng_rx_ack),
    .iENG_RX(eng_rx), .iENG_NACK(eng_nack), .iENG_BUSY(eng_busy),
    .oID_ERROR(oPLL_I2C_ID_READ_ERROR), .oDONE(oPLL_REG_CONFIG_DONE), .oBUSY(busy));

i2c_bus_controller u_i2c_bus_controller (
    .iCLK(iCLK), .iRST_n(iRST_n), .iTICK(tick), .iGO(eng_go), .iCMD(eng_cmd), .iTX(eng_tx),
    .iRX_ACK(eng_rx_ack), .oRX(eng_rx), .oNACK(eng_nack), .oBUSY(eng_busy),
    .I2C_SCL(I2C_CLK), .I2C_SDA(I2C_DATA));

endmodule
