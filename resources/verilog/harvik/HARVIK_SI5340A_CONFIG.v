// Harvik Si5340A controller (one per chip): OUT0 takes iXCVR0_REFCLK, OUT1
// iMEM0_REFCLK, OUT2 iMEM1_REFCLK, OUT3 iXCVR1_REFCLK. Transceiver codes
// 0 to 4: 644.53125, 322.265625, 250, 125, 100 MHz; memory codes 0 to 3:
// 300, 275, 800/3, 700/3 MHz. Other codes leave that output as it is.
// After the chip's start-up time (from reset release or power-up) and on
// every rising iStart (synchronised; ignored while a run is on) it checks
// the chip's identity, then writes the plan between the preamble and the
// postamble. oPLL_I2C_ID_READ_ERROR: no acknowledge or a wrong identity at
// the identity read; oPLL_REG_CONFIG_DONE: the plan is written, with the
// PLL at 14 GHz (never raised when the PLL does not run from the crystal).
module HARVIK_SI5340A_CONFIG #(
    parameter [6:0] SI5340_ADDR = 7'h74,
    parameter       STARTUP_CYCLES = 1500000,        // 30 ms reset to serial ready
    parameter       PREAMBLE_WAIT_CYCLES = 15000000, // 300 ms after the preamble
    parameter       QUARTER_CYCLES = 125             // 100 kHz SCL from 50 MHz
) (
    input        iCLK,
    input        iRST_n,
    input        iStart,
    input  [3:0] iXCVR0_REFCLK,
    input  [3:0] iXCVR1_REFCLK,
    input  [3:0] iMEM0_REFCLK,
    input  [3:0] iMEM1_REFCLK,
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

// Selector codes: transceiver codes as they are (5 and up: left as it is,
// 15), memory codes + 5.
wire [3:0]  xcvr0 = (iXCVR0_REFCLK > 4'd4) ? 4'd15 : iXCVR0_REFCLK;
wire [3:0]  xcvr1 = (iXCVR1_REFCLK > 4'd4) ? 4'd15 : iXCVR1_REFCLK;
wire [3:0]  mem0 = (iMEM0_REFCLK > 4'd3) ? 4'd15 : iMEM0_REFCLK + 4'd5;
wire [3:0]  mem1 = (iMEM1_REFCLK > 4'd3) ? 4'd15 : iMEM1_REFCLK + 4'd5;
wire [3:0]  sel0, sel1, sel2, sel3;

si5340a_clk_frq_sel_gen #(.SEL_BITS(4)) u_clk_frq_sel_gen (
    .iCLK(iCLK), .iRST_n(iRST_n), .iLATCH(start),
    .iSEL0(xcvr0), .iSEL1(mem0), .iSEL2(mem1), .iSEL3(xcvr1),
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
