// CDCM6208 configuration. After the start-up wait (from reset release or
// power-up) it writes the plan of iFREQ_SELECT through
// I2C_CDCM6208_Controller: register 3 with the chip held in soft reset,
// registers 0 to 20, then register 3 again with the reset released.
// I2C_DONE rises when the chip runs with the new plan. Mode 3 leaves the
// chip as it is; a NACK ends the run with I2C_DONE low.
//
// Plan (25 MHz reference, VCO 3000 MHz, board assumptions): Y0 FMCA and Y1
// FMCD on one divider, Y2/Y3 SATA host/device 150 MHz, Y4 PCIe 100 MHz, Y5
// DDR3 400/3 MHz; modes 0, 1, 2 give FMCA/FMCD 100, 125, 150 MHz. Bit i of
// iFREQ_DISABLE switches board output i (FMCA, FMCD, SATA host, SATA
// device, PCIe, DDR3) off; Y6 and Y7 stay off.
module I2C_CDCM6208_Config #(
    parameter [6:0]  CDCM6208_ADDR = 7'h54,
    parameter        STARTUP_CYCLES = 250000, // 5 ms after reset or power-up
    parameter        QUARTER_CYCLES = 125,    // 100 kHz SCL
    // Field positions.
    parameter        RESETN_BIT = 6,          // R3: 0 holds the chip in soft reset
    parameter        PSA_LSB = 0,             // R3: prescaler A code
    parameter        PSB_LSB = 2,             // R3: prescaler B code
    parameter [1:0]  PS_DIV4 = 2'd0,
    parameter [1:0]  PS_DIV5 = 2'd1,
    parameter        EN_BIT_A = 0,            // enable of the first output of a register
    parameter        EN_BIT_B = 1,            // enable of the second output of a register
    // Plan words with the fields above left 0.
    parameter [15:0] CDCM_R0 = 16'h0000,
    parameter [15:0] CDCM_R1 = 16'h0000,
    parameter [15:0] CDCM_R2 = 16'h0000,
    parameter [15:0] CDCM_R3 = 16'h0000,
    parameter [15:0] CDCM_R4 = 16'h0000,
    parameter [15:0] CDCM_R5 = 16'h0000,
    parameter [15:0] CDCM_R6 = 16'h0000,
    parameter [15:0] CDCM_R7 = 16'h0000,
    parameter [15:0] CDCM_R8 = 16'h0000,
    parameter [15:0] CDCM_R9 = 16'h0000,
    parameter [15:0] CDCM_R10 = 16'h0000,
    parameter [15:0] CDCM_R12 = 16'h0000,
    parameter [15:0] CDCM_R13 = 16'h0000,
    parameter [15:0] CDCM_R15 = 16'h0000,
    parameter [15:0] CDCM_R16 = 16'h0000,
    parameter [15:0] CDCM_R17 = 16'h0000,
    parameter [15:0] CDCM_R18 = 16'h0000,
    parameter [15:0] CDCM_R19 = 16'h0000,
    parameter [15:0] CDCM_R20 = 16'h0000
) (
    input       iCLK,
    input       iRST_N,
    input [1:0] iFREQ_SELECT,
    input [5:0] iFREQ_DISABLE,
    output      I2C_SCLK,
    inout       I2C_SDAT,
    output      I2C_DONE
);

// Steps: 0 register 3 in reset, 1..3 registers 0..2, 4..20 registers 4..20,
// 21 register 3 released.
reg [31:0] wait_count = 32'd0;
reg [2:0]  state = 3'd0;  // 0 start-up wait, 1 issue, 2 transfer, 3 done, 4 stopped
reg [4:0]  step = 5'd0;
reg [1:0]  mode = 2'd0;
reg [5:0]  off = 6'd0;
reg        go = 1'b0;
reg        done = 1'b0;
wire       busy, nack;
/* verilator lint_off UNUSEDSIGNAL */
wire [15:0] rdata; // this plan reads nothing back
/* verilator lint_on UNUSEDSIGNAL */

function [4:0] reg_of;
    input [4:0] s;
    if (s == 5'd0 || s == 5'd21)
        reg_of = 5'd3;
    else if (s <= 5'd3)
        reg_of = s - 5'd1;
    else
        reg_of = s;
endfunction

function [15:0] en;
    input       on;
    input [5:0] position;
    en = on ? (16'd1 << position) : 16'd0;
endfunction

// Register value of step s for mode m with the outputs of mask d off.
function [15:0] value_of;
    input [4:0] s;
    input [1:0] m;
    input [5:0] d;
    case (reg_of(s))
    5'd0:  value_of = CDCM_R0;
    5'd1:  value_of = CDCM_R1;                                      // R 1, FB1 1
    5'd2:  value_of = CDCM_R2 | ((m == 2'd0) ? 16'd23 : 16'd29);    // FB0 24 or 30
    5'd3:  value_of = CDCM_R3 | ({14'd0, (m == 2'd0) ? PS_DIV5 : PS_DIV4} << PSA_LSB) |
                      ({14'd0, PS_DIV5} << PSB_LSB) |
                      ((s == 5'd21) ? (16'd1 << RESETN_BIT) : 16'd0);
    5'd4:  value_of = CDCM_R4;
    5'd5:  value_of = CDCM_R5 | en(~d[0], EN_BIT_A) | en(~d[1], EN_BIT_B);
    5'd6:  value_of = CDCM_R6 | ((m == 2'd2) ? 16'd4 : 16'd5);      // Y0/Y1 / 5 or 6
    5'd7:  value_of = CDCM_R7 | en(~d[2], EN_BIT_A) | en(~d[3], EN_BIT_B);
    5'd8:  value_of = CDCM_R8 | ((m == 2'd0) ? 16'd3 : 16'd4);      // Y2/Y3 / 4 or 5
    5'd9:  value_of = CDCM_R9 | en(~d[4], EN_BIT_A);
    5'd10: value_of = CDCM_R10 | (16'd5 << 4);                      // Y4 / 6
    5'd11: value_of = 16'h0000;
    5'd12: value_of = CDCM_R12 | en(~d[5], EN_BIT_A);
    5'd13: value_of = CDCM_R13 | (16'd3 << 4) | 16'h0008;           // Y5 / 4.5: 0.5 * 2^20
    5'd14: value_of = 16'h0000;                                     // fraction, low 16 bits
    5'd15: value_of = CDCM_R15;
    5'd16: value_of = CDCM_R16;
    5'd17: value_of = CDCM_R17;
    5'd18: value_of = CDCM_R18;
    5'd19: value_of = CDCM_R19;
    default: value_of = CDCM_R20;
    endcase
endfunction

always @(posedge iCLK or negedge iRST_N) begin
    if (!iRST_N) begin
        wait_count <= 32'd0;
        state <= 3'd0;
        step <= 5'd0;
        mode <= 2'd0;
        off <= 6'd0;
        go <= 1'b0;
        done <= 1'b0;
    end else begin
        go <= 1'b0;
        case (state)
        3'd0:
            if (wait_count >= STARTUP_CYCLES - 1) begin
                mode <= iFREQ_SELECT;
                off <= iFREQ_DISABLE;
                step <= 5'd0;
                if (iFREQ_SELECT == 2'd3) begin
                    done <= 1'b1; // no plan: the chip stays as it is
                    state <= 3'd3;
                end else
                    state <= 3'd1;
            end else
                wait_count <= wait_count + 32'd1;
        3'd1: begin
            go <= 1'b1;
            state <= 3'd2;
        end
        3'd2:
            if (!go && !busy) begin
                if (nack)
                    state <= 3'd4;
                else if (step == 5'd21) begin
                    done <= 1'b1;
                    state <= 3'd3;
                end else begin
                    step <= step + 5'd1;
                    state <= 3'd1;
                end
            end
        default: ;
        endcase
    end
end

I2C_CDCM6208_Controller #(
    .CDCM6208_ADDR(CDCM6208_ADDR),
    .QUARTER_CYCLES(QUARTER_CYCLES)
) u_controller (
    .iCLK(iCLK),
    .iRST_N(iRST_N),
    .iGO(go),
    .iREAD(1'b0),
    .iREG_ADDR({11'd0, reg_of(step)}),
    .iREG_DATA(value_of(step, mode, off)),
    .oRDATA(rdata),
    .oBUSY(busy),
    .oNACK(nack),
    .I2C_SCLK(I2C_SCLK),
    .I2C_SDAT(I2C_SDAT)
);

assign I2C_DONE = done;

endmodule
