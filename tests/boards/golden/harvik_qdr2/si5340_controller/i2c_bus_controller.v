// Two-wire (I2C) bus engine: START (or repeated START), one byte out with
// the target's acknowledge, one byte in with our acknowledge, STOP. One
// command at a time: iGO for one clock while oBUSY is low starts it, oBUSY
// falls when it is done. The pace comes from iTICK (one pulse per quarter
// SCL period, clock_divider). SCL and SDA are only pulled low or released.
module i2c_bus_controller (
    input        iCLK,
    input        iRST_n,
    input        iTICK,
    input        iGO,
    input  [1:0] iCMD,    // 0 START, 1 write iTX, 2 read into oRX, 3 STOP
    input  [7:0] iTX,
    input        iRX_ACK, // read: 1 acknowledges the byte, 0 does not
    output [7:0] oRX,
    output       oNACK,   // write: the target did not acknowledge
    output       oBUSY,
    output       I2C_SCL,
    inout        I2C_SDA
);

wire       eng_clk = iCLK;
wire       eng_rst_n = iRST_n;
wire       eng_tick = iTICK;
wire       eng_go = iGO;
wire [1:0] eng_cmd = iCMD;
wire [7:0] eng_tx = iTX;
wire       eng_rx_ack = iRX_ACK;
wire       eng_sda_in = I2C_SDA;

// ---- two-wire engine: begin ----
// States: 0 idle, 1 START, 2 byte out, 3 byte in, 4 STOP. A bit takes four
// quarter periods (SDA set, SCL released, sampled, SCL pulled low); START
// and STOP take six, for the standard-mode hold and set-up times.
reg  [2:0] eng_state = 3'd0;
reg  [2:0] eng_phase = 3'd0;
reg  [3:0] eng_bit = 4'd0;
reg  [7:0] eng_shift = 8'd0;
reg  [7:0] eng_rx = 8'd0;
reg        eng_nack = 1'b0;
reg        eng_ack_out = 1'b0;
reg        eng_scl_low = 1'b0;
reg        eng_sda_low = 1'b0;
reg  [1:0] eng_sda_sync = 2'b11;
wire       eng_busy = (eng_state != 3'd0);
wire       eng_sda = eng_sda_sync[1];

always @(posedge eng_clk or negedge eng_rst_n) begin
    if (!eng_rst_n)
        eng_sda_sync <= 2'b11;
    else
        eng_sda_sync <= {eng_sda_sync[0], eng_sda_in};
end

always @(posedge eng_clk or negedge eng_rst_n) begin
    if (!eng_rst_n) begin
        eng_state   <= 3'd0;
        eng_phase   <= 3'd0;
        eng_bit     <= 4'd0;
        eng_shift   <= 8'd0;
        eng_rx      <= 8'd0;
        eng_nack    <= 1'b0;
        eng_ack_out <= 1'b0;
        eng_scl_low <= 1'b0;
        eng_sda_low <= 1'b0;
    end else if (eng_state == 3'd0) begin
        if (eng_go) begin
            eng_state   <= {1'b0, eng_cmd} + 3'd1;
            eng_phase   <= 3'd0;
            eng_bit     <= 4'd0;
            eng_shift   <= eng_tx;
            eng_ack_out <= eng_rx_ack;
            if (eng_cmd == 2'd1)
                eng_nack <= 1'b0;
        end
    end else if (eng_tick) begin
        eng_phase <= eng_phase + 3'd1;
        case (eng_state)
        3'd1: // START
            case (eng_phase)
            3'd0: eng_sda_low <= 1'b0;
            3'd1: eng_scl_low <= 1'b0;
            3'd3: eng_sda_low <= 1'b1;
            3'd5: begin eng_scl_low <= 1'b1; eng_state <= 3'd0; end
            default: ;
            endcase
        3'd2: // byte out, then the target's acknowledge
            case (eng_phase)
            3'd0: eng_sda_low <= (eng_bit == 4'd8) ? 1'b0 : ~eng_shift[7];
            3'd1: eng_scl_low <= 1'b0;
            3'd2: if (eng_bit == 4'd8) eng_nack <= eng_sda;
            default: begin
                eng_scl_low <= 1'b1;
                eng_phase   <= 3'd0;
                eng_shift   <= {eng_shift[6:0], 1'b0};
                eng_bit     <= eng_bit + 4'd1;
                if (eng_bit == 4'd8)
                    eng_state <= 3'd0;
            end
            endcase
        3'd3: // byte in, then our acknowledge
            case (eng_phase)
            3'd0: eng_sda_low <= (eng_bit == 4'd8) ? eng_ack_out : 1'b0;
            3'd1: eng_scl_low <= 1'b0;
            3'd2: if (eng_bit != 4'd8) eng_shift <= {eng_shift[6:0], eng_sda};
            default: begin
                eng_scl_low <= 1'b1;
                eng_phase   <= 3'd0;
                eng_bit     <= eng_bit + 4'd1;
                if (eng_bit == 4'd8) begin
                    eng_rx    <= eng_shift;
                    eng_state <= 3'd0;
                end
            end
            endcase
        default: // STOP
            case (eng_phase)
            3'd0: eng_sda_low <= 1'b1;
            3'd1: eng_scl_low <= 1'b0;
            3'd3: eng_sda_low <= 1'b0;
            3'd5: eng_state <= 3'd0;
            default: ;
            endcase
        endcase
    end
end
// ---- two-wire engine: end ----

assign oRX = eng_rx;
assign oNACK = eng_nack;
assign oBUSY = eng_busy;
assign I2C_SCL = eng_scl_low ? 1'b0 : 1'bz;
assign I2C_SDA = eng_sda_low ? 1'b0 : 1'bz;

endmodule
