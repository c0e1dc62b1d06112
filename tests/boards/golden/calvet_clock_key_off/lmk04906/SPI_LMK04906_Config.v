// LMK04906 programming over its three-wire (MICROWIRE) port. After the
// start-up wait (from reset release or power-up) it shifts the plan's
// 32-bit words out, most significant bit first, data changing while
// LMK04906_CLK is low and taken by the chip on its rising edge; a high
// pulse on LMK04906_LE latches each word. Order: R0 with RESET set, then
// R0 to R16 and R24 to R31; RECAL_CYCLES later R30 once more, so that PLL2
// calibrates again with the OSCin clock running (the board's OSCin source
// may still be starting while the chip is first programmed). SPI_DONE
// rises after that word.
//
// This module does not read the chip back (it has no port for the chip's
// data output), so every word is complete:
// output pairs 0 to 5 powered up with their dividers, LVDS output types,
// PLL2 alone from OSCin (R = PLL2_R, N = PLL2_P * PLL2_N) with the
// charge pump, loop and pin set-up of a published working LMK04906
// configuration (see the clock-chip fact sheet).
//
// Outputs: an iFREQ_SELECT bit set gives 644.53125 MHz (VCO / DIV_644),
// a clear one 322.265625 MHz (VCO / DIV_322), on the output pair of the
// board clock: FMCA bit 3, FMCB bit 1, FMCC bit 0, FMCD bit 2.
module SPI_LMK04906_Config #(
    parameter        STARTUP_CYCLES = 50000, // 1 ms after reset or power-up
    parameter        RECAL_CYCLES = 50000,   // 1 ms from the last word to R30 again
    parameter        HALF_PERIOD = 16,       // 50 MHz / 32 = 1.5625 MHz
    // Output pair of each board clock (board assumption).
    parameter [2:0]  FMCA_PAIR = 3'd0,
    parameter [2:0]  FMCB_PAIR = 3'd1,
    parameter [2:0]  FMCC_PAIR = 3'd2,
    parameter [2:0]  FMCD_PAIR = 3'd3,
    // Dividers from the 2578.125 MHz VCO.
    parameter [10:0] DIV_644 = 11'd4,
    parameter [10:0] DIV_322 = 11'd8,
    // PLL2 from a 156.25 MHz OSCin (board assumption): 156.25 / 4 * 2 * 33.
    parameter [11:0] PLL2_R = 12'd4,
    parameter [2:0]  PLL2_P = 3'd2,
    parameter [17:0] PLL2_N = 18'd33,
    parameter [2:0]  OSCIN_FREQ = 3'd2,      // OSCin range code: 127 to 255 MHz
    // Field positions: RESET in R0, CLKoutX_DIV in R0 to R5, PLL2_R in R28,
    // OSCin_FREQ and PLL2_N_CAL in R29, PLL2_P and PLL2_N in R30.
    parameter        RESET_BIT = 17,
    parameter        DIV_LSB = 5,
    parameter        PLL2_R_LSB = 20,
    parameter        PLL2_P_LSB = 24,
    parameter        OSCIN_FREQ_LSB = 24,
    parameter        PLL2_N_LSB = 5,
    // Plan words: bits 4:0 hold the register address; the fields above are
    // inserted into R0 to R5 and R28 to R30.
    parameter [31:0] LMK_R0 = 32'h0000_0000,  // CLKout0 powered, no delay
    parameter [31:0] LMK_R1 = 32'h0000_0001,
    parameter [31:0] LMK_R2 = 32'h0000_0002,
    parameter [31:0] LMK_R3 = 32'h0000_0003,
    parameter [31:0] LMK_R4 = 32'h0000_0004,
    parameter [31:0] LMK_R5 = 32'h0000_0005,
    parameter [31:0] LMK_R6 = 32'h0110_0006,  // CLKout0, CLKout1 LVDS
    parameter [31:0] LMK_R7 = 32'h0110_0007,  // CLKout2, CLKout3 LVDS
    parameter [31:0] LMK_R8 = 32'h0101_0008,  // CLKout4, CLKout5 LVDS
    parameter [31:0] LMK_R9 = 32'h5555_5549,  // fixed value the chip requires
    parameter [31:0] LMK_R10 = 32'h1140_420A, // OSCout0 LVDS, powered down
    parameter [31:0] LMK_R11 = 32'h3402_B00B, // MODE 6: PLL2, internal VCO
    parameter [31:0] LMK_R12 = 32'h0300_000C, // LD pin
    parameter [31:0] LMK_R13 = 32'h3B70_02CD, // HOLDOVER pin, CLKin set-up
    parameter [31:0] LMK_R14 = 32'h0000_000E,
    parameter [31:0] LMK_R15 = 32'h0000_000F,
    parameter [31:0] LMK_R16 = 32'h0155_0410, // OSCin level
    parameter [31:0] LMK_R24 = 32'h0000_0018, // PLL1 unused
    parameter [31:0] LMK_R25 = 32'h0000_0019,
    parameter [31:0] LMK_R26 = 32'h8FA0_001A, // PLL2 charge pump 3200 uA, loop
    parameter [31:0] LMK_R27 = 32'h0000_001B,
    parameter [31:0] LMK_R28 = 32'h0000_001C,
    parameter [31:0] LMK_R29 = 32'h0080_001D,
    parameter [31:0] LMK_R30 = 32'h0000_001E,
    parameter [31:0] LMK_R31 = 32'h0000_001F  // registers left unlocked
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
reg [2:0]  state = 3'd0; // 0 wait, 1 load, 2 clock low, 3 clock high, 4 latch, 5 done,
                         // 6 wait before R30 again
reg        recal = 1'b0; // R30 sent again
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
    5'd22: word_of = (LMK_R28 & ~(32'hFFF << PLL2_R_LSB)) | ({20'd0, PLL2_R} << PLL2_R_LSB);
    5'd23: word_of = (LMK_R29 & ~(32'h7 << OSCIN_FREQ_LSB) & ~(32'h3FFFF << PLL2_N_LSB)) |
                     ({29'd0, OSCIN_FREQ} << OSCIN_FREQ_LSB) | ({14'd0, PLL2_N} << PLL2_N_LSB);
    5'd24: word_of = (LMK_R30 & ~(32'h7 << PLL2_P_LSB) & ~(32'h3FFFF << PLL2_N_LSB)) |
                     ({29'd0, PLL2_P} << PLL2_P_LSB) | ({14'd0, PLL2_N} << PLL2_N_LSB);
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
        recal <= 1'b0;
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
                recal <= 1'b0;
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
                    if (recal) begin
                        done <= 1'b1;
                        state <= 3'd5;
                    end else if (word == WORDS - 1) begin
                        wait_count <= 32'd0;
                        state <= 3'd6;
                    end else begin
                        word <= word + 5'd1;
                        state <= 3'd1;
                    end
                end else
                    le <= 1'b1;
            end else
                half_count <= half_count + 16'd1;
        3'd6: // R30 again: word 24 of the sequence
            if (wait_count >= RECAL_CYCLES - 1) begin
                recal <= 1'b1;
                word <= 5'd24;
                state <= 3'd1;
            end else
                wait_count <= wait_count + 32'd1;
        default: ;
        endcase
    end
end

assign LMK04906_CLK = sclk;
assign LMK04906_DATAIN = data;
assign LMK04906_LE = le;
assign SPI_DONE = done;

endmodule
