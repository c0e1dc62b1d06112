// External-PLL controller. A rising conf_wr writes the three output codes
// to the two-wire controller at EXT_PLL_ADDR: START, address+W, 8'h00,
// {clk2, clk1}, {4'h0, clk3}, STOP (codes 13 to 15 go out as 0). A rising
// conf_rd reads them back into clkN_set_rd: START, address+W, 8'h00,
// repeated START, address+R, two bytes (the second not acknowledged), STOP.
// conf_ready is low from the trigger to the STOP. After a NACK the
// controller ends with STOP, keeps clkN_set_rd (0 after power-up) and
// raises conf_ready; edges during a run are ignored, and a write wins over
// a read that rises with it. Codes: 0 unchanged, 1 off, 2 to 12 = 62.5,
// 75, 100, 125, 150, 156.25, 187.5, 200, 250, 312.5, 625 MHz.
module ext_pll_ctrl (
    osc_50,
    rstn,
    clk1_set_wr,
    clk1_set_rd,
    clk2_set_wr,
    clk2_set_rd,
    clk3_set_wr,
    clk3_set_rd,
    conf_wr,
    conf_rd,
    conf_ready,
    max_sclk,
    max_sdat
);

parameter [6:0] EXT_PLL_ADDR = 7'h2A;
parameter QUARTER_CYCLES = 125; // quarter SCL period in osc_50 clocks: 100 kHz

input        osc_50;
input        rstn;
input  [3:0] clk1_set_wr;
output [3:0] clk1_set_rd;
input  [3:0] clk2_set_wr;
output [3:0] clk2_set_rd;
input  [3:0] clk3_set_wr;
output [3:0] clk3_set_rd;
input        conf_wr;
input        conf_rd;
`ifndef YOSYS
tri0 conf_rd; // an open conf_rd reads 0
`endif
output       conf_ready;
output       max_sclk;
inout        max_sdat;

// Quarter-period tick.
reg [15:0] tick_count = 16'd0;
reg        tick = 1'b0;

always @(posedge osc_50 or negedge rstn) begin
    if (!rstn) begin
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

// Trigger edges, synchronised.
reg [2:0] wr_stages = 3'b000;
reg [2:0] rd_stages = 3'b000;
wire      wr_rise = wr_stages[1] & ~wr_stages[2];
wire      rd_rise = rd_stages[1] & ~rd_stages[2];

always @(posedge osc_50 or negedge rstn) begin
    if (!rstn) begin
        wr_stages <= 3'b000;
        rd_stages <= 3'b000;
    end else begin
        wr_stages <= {wr_stages[1:0], conf_wr};
        rd_stages <= {rd_stages[1:0], conf_rd};
    end
end

// Sequencer: one engine command per step.
reg        go = 1'b0;
reg  [1:0] cmd = 2'd0;
reg  [7:0] tx = 8'd0;
reg        rx_ack = 1'b0;
reg  [1:0] run = 2'd0;      // 0 idle, 1 issue the step, 2 wait for it
reg        reading = 1'b0;
reg  [2:0] step = 3'd0;
reg        failed = 1'b0;
reg  [7:0] byte_a = 8'd0;   // {clk2, clk1}
reg  [7:0] byte_b = 8'd0;   // {4'h0, clk3}
reg  [7:0] got_a = 8'd0;
reg  [3:0] rd1 = 4'd0;
reg  [3:0] rd2 = 4'd0;
reg  [3:0] rd3 = 4'd0;
reg        ready = 1'b1;

wire       eng_clk = osc_50;
wire       eng_rst_n = rstn;
wire       eng_tick = tick;
wire       eng_go = go;
wire [1:0] eng_cmd = cmd;
wire [7:0] eng_tx = tx;
wire       eng_rx_ack = rx_ack;
wire       eng_sda_in = max_sdat;

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

function [3:0] sent_code;
    input [3:0] code;
    sent_code = (code > 4'd12) ? 4'd0 : code;
endfunction

wire [2:0] last_step = reading ? 3'd7 : 3'd5;

always @(posedge osc_50 or negedge rstn) begin
    if (!rstn) begin
        go      <= 1'b0;
        cmd     <= 2'd0;
        tx      <= 8'd0;
        rx_ack  <= 1'b0;
        run     <= 2'd0;
        reading <= 1'b0;
        step    <= 3'd0;
        failed  <= 1'b0;
        byte_a  <= 8'd0;
        byte_b  <= 8'd0;
        got_a   <= 8'd0;
        rd1     <= 4'd0;
        rd2     <= 4'd0;
        rd3     <= 4'd0;
        ready   <= 1'b1;
    end else begin
        go <= 1'b0;
        case (run)
        2'd0:
            if (wr_rise || rd_rise) begin
                reading <= ~wr_rise;
                byte_a  <= {sent_code(clk2_set_wr), sent_code(clk1_set_wr)};
                byte_b  <= {4'h0, sent_code(clk3_set_wr)};
                step    <= 3'd0;
                failed  <= 1'b0;
                ready   <= 1'b0;
                run     <= 2'd1;
            end
        2'd1: begin
            go  <= 1'b1;
            run <= 2'd2;
            rx_ack <= 1'b0;
            if (step == 3'd0 || (reading && step == 3'd3)) begin
                cmd <= 2'd0;
            end else if (step == last_step) begin
                cmd <= 2'd3;
            end else if (reading && step >= 3'd5) begin
                cmd    <= 2'd2;
                rx_ack <= (step == 3'd5);
            end else begin
                cmd <= 2'd1;
                case (step)
                3'd1: tx <= {EXT_PLL_ADDR, 1'b0};
                3'd2: tx <= 8'h00;
                3'd3: tx <= byte_a;
                default: tx <= reading ? {EXT_PLL_ADDR, 1'b1} : byte_b;
                endcase
            end
        end
        default:
            if (!go && !eng_busy) begin
                if (step == last_step) begin
                    run   <= 2'd0;
                    ready <= 1'b1;
                    if (reading && !failed) begin
                        rd1 <= got_a[3:0];
                        rd2 <= got_a[7:4];
                        rd3 <= eng_rx[3:0];
                    end
                end else if (cmd == 2'd1 && eng_nack) begin
                    failed <= 1'b1;
                    step   <= last_step;
                    run    <= 2'd1;
                end else begin
                    if (reading && step == 3'd5)
                        got_a <= eng_rx;
                    step <= step + 3'd1;
                    run  <= 2'd1;
                end
            end
        endcase
    end
end

assign clk1_set_rd = rd1;
assign clk2_set_rd = rd2;
assign clk3_set_rd = rd3;
assign conf_ready = ready;
assign max_sclk = eng_scl_low ? 1'b0 : 1'bz;
assign max_sdat = eng_sda_low ? 1'b0 : 1'bz;

endmodule
