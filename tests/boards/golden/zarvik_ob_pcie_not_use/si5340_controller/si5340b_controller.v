// Si5340B controller with a 4-bit plan code: the memory and PCIe reference
// clocks of the plan chosen by iPLL_OUT_FREQ_SEL (plans of the board's
// si5340b_freq_prameter_selector).
// After the chip's start-up time (from reset release or power-up) and on
// every rising iStart (synchronised; ignored while a run is on) it checks
// the chip's identity, then writes the plan between the preamble and the
// postamble. oPLL_I2C_ID_READ_ERROR: no acknowledge or a wrong identity at
// the identity read; oPLL_REG_CONFIG_DONE: the plan is written, with the
// PLL at 14 GHz (never raised when the PLL does not run from the crystal).
module si5340b_controller #(
    parameter [6:0] SI5340_ADDR = 7'h74,
    parameter       STARTUP_CYCLES = 1500000,        // 30 ms reset to serial ready
    parameter       PREAMBLE_WAIT_CYCLES = 15000000, // 300 ms after the preamble
    parameter       QUARTER_CYCLES = 125             // 100 kHz SCL from 50 MHz
) (
    input        iCLK,
    input        iRST_n,
    input        iStart,
    input  [3:0] iPLL_OUT_FREQ_SEL,
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

wire [3:0]  sel;

si5340b_clk_frq_sel_gen #(.SEL_BITS(4)) u_clk_frq_sel_gen (
    .iCLK(iCLK), .iRST_n(iRST_n), .iLATCH(start), .iSEL(iPLL_OUT_FREQ_SEL), .oSEL(sel));

si5340b_freq_prameter_selector u_freq_prameter_selector (
    .iSEL(sel), .iINDEX(index), .oVALID(valid), .oADDR(addr), .oDATA(data), .oMASK(mask), .oLAST(last));

si5340b_i2c_reg_controller #(
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
