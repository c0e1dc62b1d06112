// LMK04906 programming over its three-wire (MICROWIRE) port. After the
// start-up wait (from reset release or power-up) it shifts the plan's
// 32-bit words out, most significant bit first, data changing while
// LMK04906_CLK is low and taken by the chip on its rising edge; a high
// pulse on LMK04906_LE latches each word. Order: R0 with RESET set, then
// R0 to R16 and R24 to R31. SPI_DONE rises after the last word.
//
// Outputs: an iFREQ_SELECT bit set gives 644.53125 MHz (VCO / DIV_644),
// a clear one 322.265625 MHz (VCO / DIV_322), on the output pair of the
// board clock: FMCA bit 3, FMCB bit 1, FMCC bit 0, FMCD bit 2. The chip
// has no read-back port on this board.
module SPI_LMK04906_Config #(
    parameter        STARTUP_CYCLES = 50000, // 1 ms after reset or power-up
    parameter        HALF_PERIOD = 16,       // 50 MHz / 32 = 1.5625 MHz
    // Output pair of each board clock (board assumption).
    parameter [2:0]  FMCA_PAIR = 3'd0,
    parameter [2:0]  FMCB_PAIR = 3'd1,
    parameter [2:0]  FMCC_PAIR = 3'd2,
    parameter [2:0]  FMCD_PAIR = 3'd3,
    // Dividers from the 2578.125 MHz VCO.
    parameter [10:0] DIV_644 = 11'd4,
    parameter [10:0] DIV_322 = 11'd8,
    // Field positions: RESET in R0, CLKoutX_Y_DIV in R0 to R5.
    parameter        RESET_BIT = 17,
    parameter        DIV_LSB = 5,
    // Plan words; bits 4:0 hold the register address.
    parameter [31:0] LMK_R0 = 32'h0000_0000,
    parameter [31:0] LMK_R1 = 32'h0000_0001,
    parameter [31:0] LMK_R2 = 32'h0000_0002,
    parameter [31:0] LMK_R3 = 32'h0000_0003,
    parameter [31:0] LMK_R4 = 32'h0000_0004,
    parameter [31:0] LMK_R5 = 32'h0000_0005,
    parameter [31:0] LMK_R6 = 32'h0000_0006,
    parameter [31:0] LMK_R7 = 32'h0000_0007,
    parameter [31:0] LMK_R8 = 32'h0000_0008,
    parameter [31:0] LMK_R9 = 32'h5555_5549,
    parameter [31:0] LMK_R10 = 32'h0000_000A,
    parameter [31:0] LMK_R11 = 32'h0000_000B,
    parameter [31:0] LMK_R12 = 32'h0000_000C,
    parameter [31:0] LMK_R13 = 32'h0000_000D,
    parameter [31:0] LMK_R14 = 32'h0000_000E,
    parameter [31:0] LMK_R15 = 32'h0000_000F,
    parameter [31:0] LMK_R16 = 32'h0000_0010,
    parameter [31:0] LMK_R24 = 32'h0000_0018,
    parameter [31:0] LMK_R25 = 32'h0000_0019,
    parameter [31:0] LMK_R26 = 32'h0000_001A,
    parameter [31:0] LMK_R27 = 32'h0000_001B,
    parameter [31:0] LMK_R28 = 32'h0000_001C,
    parameter [31:0] LMK_R29 = 32'h0000_001D,
    parameter [31:0] LMK_R30 = 32'h0000_001E,
    parameter [31:0] LMK_R31 = 32'h0000_001F
) (
    input       clk50,
    input       rst_n,
    input [3:0] iFREQ_SELECT,
    output      LMK04906_CLK,
    output      LMK04906_DATAIN,
    output      LMK04906_LE,
    output      SPI_DONE
);

localparam WORDS = 26;

reg [31:0] wait_count = 32'd0;
reg [15:0] half_count = 16'd0;
reg [4:0]  word = 5'd0;
reg [5:0]  bit_n = 6'd0;
reg [30:0] shift = 31'd0;   // bits still to send
reg [2:0]  state = 3'd0; // 0 wait, 1 load, 2 clock low, 3 clock high, 4 latch, 5 done
reg [3:0]  select = 4'd0;
reg        sclk = 1'b0;
reg        le = 1'b0;
reg        done = 1'b0;
reg        data = 1'b0;

// Divider of output pair p for the latched selects.
function [10:0] pair_div;
    input [2:0] p;
    input [3:0] sel;
    begin
        pair_div = DIV_322;
        if (p == FMCA_PAIR && sel[3]) pair_div = DIV_644;
        if (p == FMCB_PAIR && sel[1]) pair_div = DIV_644;
        if (p == FMCC_PAIR && sel[0]) pair_div = DIV_644;
        if (p == FMCD_PAIR && sel[2]) pair_div = DIV_644;
    end
endfunction

function [31:0] with_div;
    input [31:0] base;
    input [10:0] div;
    with_div = (base & ~(32'h7FF << DIV_LSB)) | ({21'd0, div} << DIV_LSB);
endfunction

function [31:0] word_of;
    input [4:0] n;
    input [3:0] sel;
    case (n)
    5'd0:  word_of = LMK_R0 | (32'd1 << RESET_BIT);
    5'd1:  word_of = with_div(LMK_R0, pair_div(3'd0, sel));
    5'd2:  word_of = with_div(LMK_R1, pair_div(3'd1, sel));
    5'd3:  word_of = with_div(LMK_R2, pair_div(3'd2, sel));
    5'd4:  word_of = with_div(LMK_R3, pair_div(3'd3, sel));
    5'd5:  word_of = with_div(LMK_R4, pair_div(3'd4, sel));
    5'd6:  word_of = with_div(LMK_R5, pair_div(3'd5, sel));
    5'd7:  word_of = LMK_R6;
    5'd8:  word_of = LMK_R7;
    5'd9:  word_of = LMK_R8;
    5'd10: word_of = LMK_R9;
    5'd11: word_of = LMK_R10;
    5'd12: word_of = LMK_R11;
    5'd13: word_of = LMK_R12;
    5'd14: word_of = LMK_R13;
    5'd15: word_of = LMK_R14;
    5'd16: word_of = LMK_R15;
    5'd17: word_of = LMK_R16;
    5'd18: word_of = LMK_R24;
    5'd19: word_of = LMK_R25;
    5'd20: word_of = LMK_R26;
    5'd21: word_of = LMK_R27;
    5'd22: word_of = LMK_R28;
    5'd23: word_of = LMK_R29;
    5'd24: word_of = LMK_R30;
    default: word_of = LMK_R31;
    endcase
endfunction

wire [31:0] next_word = word_of(word, select);

always @(posedge clk50 or negedge rst_n) begin
    if (!rst_n) begin
        wait_count <= 32'd0;
        half_count <= 16'd0;
        word <= 5'd0;
        bit_n <= 6'd0;
        shift <= 31'd0;
        state <= 3'd0;
        select <= 4'd0;
        sclk <= 1'b0;
        le <= 1'b0;
        done <= 1'b0;
        data <= 1'b0;
    end else begin
        case (state)
        3'd0:
            if (wait_count >= STARTUP_CYCLES - 1) begin
                select <= iFREQ_SELECT;
                word <= 5'd0;
                state <= 3'd1;
            end else
                wait_count <= wait_count + 32'd1;
        3'd1: begin
            shift <= next_word[30:0];
            data <= next_word[31];
            bit_n <= 6'd0;
            half_count <= 16'd0;
            state <= 3'd2;
        end
        3'd2: // clock low, data set
            if (half_count >= HALF_PERIOD - 1) begin
                half_count <= 16'd0;
                sclk <= 1'b1;
                state <= 3'd3;
            end else
                half_count <= half_count + 16'd1;
        3'd3: // clock high, data taken
            if (half_count >= HALF_PERIOD - 1) begin
                half_count <= 16'd0;
                sclk <= 1'b0;
                if (bit_n == 6'd31) begin
                    data <= 1'b0;
                    state <= 3'd4;
                end else begin
                    bit_n <= bit_n + 6'd1;
                    shift <= {shift[29:0], 1'b0};
                    data <= shift[30];
                    state <= 3'd2;
                end
            end else
                half_count <= half_count + 16'd1;
        3'd4: // latch pulse
            if (half_count >= 2 * HALF_PERIOD - 1) begin
                half_count <= 16'd0;
                if (le) begin
                    le <= 1'b0;
                    if (word == WORDS - 1) begin
                        done <= 1'b1;
                        state <= 3'd5;
                    end else begin
                        word <= word + 5'd1;
                        state <= 3'd1;
                    end
                end else
                    le <= 1'b1;
            end else
                half_count <= half_count + 16'd1;
        default: ;
        endcase
    end
end

assign LMK04906_CLK = sclk;
assign LMK04906_DATAIN = data;
assign LMK04906_LE = le;
assign SPI_DONE = done;

endmodule
