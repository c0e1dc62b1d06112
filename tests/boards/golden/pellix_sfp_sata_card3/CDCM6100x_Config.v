// CDCM61004 pin controller. desired_freq 0 to 10 picks 62.5, 75, 100, 125,
// 150, 156.25, 187.5, 200, 250, 312.5 or 625 MHz from a 25 MHz crystal
// through the prescaler/feedback pins CLK_PR and the output divider pins
// CLK_OD; CLK_OS (output type) and CLK_CE (enabled) are fixed. After
// power-up, after recal_n rises and after every change to a defined code
// the pins take the code's values, and SETUP_CYCLES later CLK_RST_n is low
// for RESET_CYCLES: the chip restarts with the pins held steady. Codes 11
// to 15 leave the pins and the chip as they are.
module CDCM6100x_Config #(
    // Pin codes of the prescaler/feedback pairs and output dividers.
    parameter [1:0] PR_P3_F24 = 2'b00,
    parameter [1:0] PR_P5_F15 = 2'b01,
    parameter [1:0] PR_P4_F20 = 2'b10,
    parameter [1:0] PR_P3_F25 = 2'b11,
    parameter [2:0] OD_DIV1 = 3'b000,
    parameter [2:0] OD_DIV2 = 3'b001,
    parameter [2:0] OD_DIV3 = 3'b010,
    parameter [2:0] OD_DIV4 = 3'b011,
    parameter [2:0] OD_DIV6 = 3'b100,
    parameter [2:0] OD_DIV8 = 3'b101,
    parameter [1:0] OUTPUT_TYPE = 2'b01,   // board's output format
    parameter       SETUP_CYCLES = 50,     // pins steady before the pulse
    parameter       RESET_CYCLES = 1000    // 20 us low
) (
    input        clk_50m,
    input        recal_n,
    input  [3:0] desired_freq,
    output       CLK_CE,
    output [2:0] CLK_OD,
    output [1:0] CLK_OS,
    output [1:0] CLK_PR,
    output       CLK_RST_n
);

reg  [1:0]  pr = PR_P3_F24;
reg  [2:0]  od = OD_DIV4;
reg  [3:0]  applied = 4'd15;
reg  [3:0]  code = 4'd15;      // desired_freq, registered
reg  [1:0]  state = 2'd1;      // 0 idle, 1 pins, 2 set-up, 3 reset pulse
reg  [31:0] count = 32'd0;
reg         rst_n = 1'b1;

function defined;
    input [3:0] c;
    defined = (c <= 4'd10);
endfunction

function [1:0] pr_of;
    input [3:0] c;
    case (c)
    4'd0, 4'd3, 4'd8:  pr_of = PR_P4_F20;
    4'd6:              pr_of = PR_P5_F15;
    4'd5, 4'd9, 4'd10: pr_of = PR_P3_F25;
    default:           pr_of = PR_P3_F24;
    endcase
endfunction

function [2:0] od_of;
    input [3:0] c;
    case (c)
    4'd0, 4'd1:             od_of = OD_DIV8;
    4'd2:                   od_of = OD_DIV6;
    4'd3, 4'd4, 4'd5:       od_of = OD_DIV4;
    4'd7:                   od_of = OD_DIV3;
    4'd6, 4'd8, 4'd9:       od_of = OD_DIV2;
    default:                od_of = OD_DIV1;
    endcase
endfunction

always @(posedge clk_50m or negedge recal_n) begin
    if (!recal_n) begin
        state <= 2'd1;
        count <= 32'd0;
        rst_n <= 1'b1;
        code <= 4'd15;
    end else begin
        code <= desired_freq;
        case (state)
        2'd0:
            if (code != applied && defined(code))
                state <= 2'd1;
        2'd1:
            if (code == desired_freq) begin // the code is steady
                if (defined(code)) begin
                    pr <= pr_of(code);
                    od <= od_of(code);
                    applied <= code;
                    count <= 32'd0;
                    state <= 2'd2;
                end else begin
                    state <= 2'd0;
                end
            end
        2'd2:
            if (count >= SETUP_CYCLES) begin
                count <= 32'd0;
                rst_n <= 1'b0;
                state <= 2'd3;
            end else
                count <= count + 32'd1;
        default:
            if (count >= RESET_CYCLES - 1) begin
                rst_n <= 1'b1;
                state <= 2'd0;
            end else
                count <= count + 32'd1;
        endcase
    end
end

assign CLK_CE = 1'b1;
assign CLK_OS = OUTPUT_TYPE;
assign CLK_PR = pr;
assign CLK_OD = od;
assign CLK_RST_n = rst_n;

endmodule
