// CDCM6208 register transfers over I2C: one 16-bit register written or
// read per iGO (taken for one clock while oBUSY is low). Write: START,
// address+W, register (two bytes), data (two bytes), STOP. Read: START,
// address+W, register, repeated START, address+R, two data bytes (the
// second not acknowledged), STOP. All bytes most significant first. A
// target that does not acknowledge ends the transfer with STOP and oNACK
// high. SCL and SDA are only pulled low or released.
module I2C_CDCM6208_Controller #(
    parameter [6:0] CDCM6208_ADDR = 7'h54,
    parameter       QUARTER_CYCLES = 125 // quarter SCL period: 100 kHz from 50 MHz
) (
    input             iCLK,
    input             iRST_N,
    input             iGO,
    input             iREAD,
    input      [15:0] iREG_ADDR,
    input      [15:0] iREG_DATA,
    output     [15:0] oRDATA,
    output            oBUSY,
    output            oNACK,
    output            I2C_SCLK,
    inout             I2C_SDAT
);

// Quarter-period tick.
reg [15:0] tick_count = 16'd0;
reg        tick = 1'b0;

always @(posedge iCLK or negedge iRST_N) begin
    if (!iRST_N) begin
        tick_count <= 16'd0;
        tick <= 1'b0;
    end else if (tick_count == QUARTER_CYCLES - 1) begin
        tick_count <= 16'd0;
        tick <= 1'b1;
    end else begin
        tick_count <= tick_count + 16'd1;
        tick <= 1'b0;
    end
end

// Sequencer: one engine command per step. Steps: 0 START, 1 address+W,
// 2 and 3 register, then for a write 4 and 5 data and 6 STOP; for a read
// 4 repeated START, 5 address+R, 6 and 7 data in, 8 STOP.
reg        go = 1'b0;
reg  [1:0] cmd = 2'd0;
reg  [7:0] tx = 8'd0;
reg        rx_ack = 1'b0;
reg  [1:0] run = 2'd0;      // 0 idle, 1 issue the step, 2 wait for it
reg  [3:0] step = 4'd0;
reg        reading = 1'b0;
reg [15:0] reg_addr = 16'd0;
reg [15:0] data = 16'd0;
reg [15:0] rdata = 16'd0;
reg        nack = 1'b0;

wire       eng_clk = iCLK;
wire       eng_rst_n = iRST_N;
wire       eng_tick = tick;
wire       eng_go = go;
wire [1:0] eng_cmd = cmd;
wire [7:0] eng_tx = tx;
wire       eng_rx_ack = rx_ack;
wire       eng_sda_in = I2C_SDAT;

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

wire [3:0] last_step = reading ? 4'd8 : 4'd6;

always @(posedge iCLK or negedge iRST_N) begin
    if (!iRST_N) begin
        go <= 1'b0;
        cmd <= 2'd0;
        tx <= 8'd0;
        rx_ack <= 1'b0;
        run <= 2'd0;
        step <= 4'd0;
        reading <= 1'b0;
        reg_addr <= 16'd0;
        data <= 16'd0;
        rdata <= 16'd0;
        nack <= 1'b0;
    end else begin
        go <= 1'b0;
        case (run)
        2'd0:
            if (iGO) begin
                reading <= iREAD;
                reg_addr <= iREG_ADDR;
                data <= iREG_DATA;
                nack <= 1'b0;
                step <= 4'd0;
                run <= 2'd1;
            end
        2'd1: begin
            go <= 1'b1;
            run <= 2'd2;
            rx_ack <= 1'b0;
            if (step == 4'd0 || (reading && step == 4'd4)) begin
                cmd <= 2'd0;
            end else if (step == last_step) begin
                cmd <= 2'd3;
            end else if (reading && step >= 4'd6) begin
                cmd <= 2'd2;
                rx_ack <= (step == 4'd6);
            end else begin
                cmd <= 2'd1;
                case (step)
                4'd1: tx <= {CDCM6208_ADDR, 1'b0};
                4'd2: tx <= reg_addr[15:8];
                4'd3: tx <= reg_addr[7:0];
                4'd4: tx <= data[15:8];
                default: tx <= reading ? {CDCM6208_ADDR, 1'b1} : data[7:0];
                endcase
            end
        end
        default:
            if (!go && !eng_busy) begin
                run <= 2'd1;
                if (step == last_step) begin
                    run <= 2'd0;
                end else if (cmd == 2'd1 && eng_nack) begin
                    nack <= 1'b1;
                    step <= last_step;
                end else begin
                    if (cmd == 2'd2)
                        rdata <= {rdata[7:0], eng_rx};
                    step <= step + 4'd1;
                end
            end
        endcase
    end
end

assign oRDATA = rdata;
assign oBUSY = (run != 2'd0);
assign oNACK = nack;
assign I2C_SCLK = eng_scl_low ? 1'b0 : 1'bz;
assign I2C_SDAT = eng_sda_low ? 1'b0 : 1'bz;

endmodule
