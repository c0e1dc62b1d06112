// Si570 controller: after the chip's start-up time (from reset release or
// power-up) it sets the Si570 to the frequency of iFREQ_MODE: 0 100 MHz,
// 1 125, 2 156.25, 3 250, 4 312.5, 5 322.265625, 6 644.53125 MHz; mode 7
// leaves the chip as it is. oController_Ready rises when the new frequency
// is set. The address, the register bank (7 or 13 by stability grade) and
// the start-up frequency are options of the part fitted.
module si570_controller #(
    parameter [6:0] SI570_ADDR = 7'h55,
    parameter [7:0] SI570_FIRST_REG = 8'd7,
    parameter       SI570_STARTUP_HZ = 100000000,
    parameter       STARTUP_CYCLES = 500000,    // 10 ms power-up
    parameter       NEWFREQ_CYCLES = 500000,    // 10 ms recalibration
    parameter       RECALL_POLLS = 100,
    parameter       QUARTER_CYCLES = 125        // 100 kHz SCL from 50 MHz
) (
    input       iCLK,
    input       iRST_n,
    input [2:0] iFREQ_MODE,
    output      I2C_CLK,
    inout       I2C_DATA,
    output      oController_Ready
);

wire        tick;
wire        start;
wire        xfer_go, xfer_read, xfer_busy, xfer_nack;
wire [7:0]  xfer_reg;
wire [2:0]  xfer_count;
wire [47:0] xfer_wdata, xfer_rdata;
wire        eng_go, eng_rx_ack, eng_nack, eng_busy;
wire [1:0]  eng_cmd;
wire [7:0]  eng_tx, eng_rx;

clock_divider #(.QUARTER_CYCLES(QUARTER_CYCLES)) u_clock_divider (
    .iCLK(iCLK), .iRST_n(iRST_n), .oTICK(tick));

initial_config #(.WAIT_CYCLES(STARTUP_CYCLES)) u_initial_config (
    .iCLK(iCLK), .iRST_n(iRST_n), .oSTART(start));

i2c_reg_controller #(
    .SI570_FIRST_REG(SI570_FIRST_REG),
    .SI570_STARTUP_HZ(SI570_STARTUP_HZ),
    .NEWFREQ_CYCLES(NEWFREQ_CYCLES),
    .RECALL_POLLS(RECALL_POLLS)
) u_i2c_reg_controller (
    .iCLK(iCLK), .iRST_n(iRST_n), .iSTART(start), .iFREQ_MODE(iFREQ_MODE),
    .oXFER_GO(xfer_go), .oXFER_READ(xfer_read), .oXFER_REG(xfer_reg),
    .oXFER_COUNT(xfer_count), .oXFER_WDATA(xfer_wdata), .iXFER_RDATA(xfer_rdata),
    .iXFER_BUSY(xfer_busy), .iXFER_NACK(xfer_nack), .oREADY(oController_Ready));

i2c_controller #(.DEVICE_ADDR(SI570_ADDR)) u_i2c_controller (
    .iCLK(iCLK), .iRST_n(iRST_n), .iGO(xfer_go), .iREAD(xfer_read), .iREG(xfer_reg),
    .iCOUNT(xfer_count), .iWDATA(xfer_wdata), .oRDATA(xfer_rdata), .oBUSY(xfer_busy),
    .oNACK(xfer_nack), .oENG_GO(eng_go), .oENG_CMD(eng_cmd), .oENG_TX(eng_tx),
    .oENG_RX_ACK(eng_rx_ack), .iENG_RX(eng_rx), .iENG_NACK(eng_nack), .iENG_BUSY(eng_busy));

i2c_bus_controller u_i2c_bus_controller (
    .iCLK(iCLK), .iRST_n(iRST_n), .iTICK(tick), .iGO(eng_go), .iCMD(eng_cmd), .iTX(eng_tx),
    .iRX_ACK(eng_rx_ack), .oRX(eng_rx), .oNACK(eng_nack), .oBUSY(eng_busy),
    .I2C_SCL(I2C_CLK), .I2C_SDA(I2C_DATA));

endmodule
