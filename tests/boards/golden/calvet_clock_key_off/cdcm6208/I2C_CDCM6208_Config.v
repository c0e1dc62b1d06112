// CDCM6208 configuration. After the start-up wait (from reset release or
// power-up) it reads the chip's version register (R40) and goes on only on
// the part the plan is made for (VCO_VERSION = VCO_V2: the 3000 MHz VCO
// exists on the V2 part alone); any other part gets no write and I2C_DONE
// stays low. It then sets the plan of iFREQ_SELECT through
// I2C_CDCM6208_Controller, each register read, changed in the plan's
// fields only and written back, so the loop filter, charge pump, input
// selection, output formats, output enables and every other field keep
// the chip's own set-up: register 3 first with the chip held in soft
// reset, then the PLL and output registers, then register 3 again with the
// reset released. It then reads the status register (R21) every
// LOCK_POLL_CYCLES, at most LOCK_POLLS times: I2C_DONE rises once the PLL
// reports lock with its reference present; a PLL that does not lock within
// that time ends the run with I2C_DONE low. Mode 3 leaves the chip as it
// is; a NACK ends the run with I2C_DONE low.
//
// Plan (25 MHz reference, VCO 3000 MHz, board assumptions): Y0 FMCA and Y1
// FMCD on one divider, Y2/Y3 SATA host/device 150 MHz, Y4 PCIe 100 MHz, Y5
// DDR3 400/3 MHz; modes 0, 1, 2 give FMCA/FMCD 100, 125, 150 MHz.
// iFREQ_DISABLE switches board output i (FMCA, FMCD, SATA host, SATA
// device, PCIe, DDR3) off through the enable bits EN_BIT_A/EN_BIT_B only
// when WRITE_ENABLES is set: the meaning of those bits is not confirmed, so
// by default the outputs stay as the chip's set-up has them.
module I2C_CDCM6208_Config #(
    parameter [6:0]  CDCM6208_ADDR = 7'h54,
    parameter        STARTUP_CYCLES = 250000, // 5 ms after reset or power-up
    parameter        QUARTER_CYCLES = 125,    // 100 kHz SCL
    // Field positions.
    parameter        RESETN_BIT = 6,          // R3: 0 holds the chip in soft reset
    parameter        PSA_LSB = 0,             // R3: prescaler A code (divider - 4)
    parameter        PSB_LSB = 2,             // R3: prescaler B code (divider - 4)
    parameter [1:0]  PS_DIV4 = 2'd0,
    parameter [1:0]  PS_DIV5 = 2'd1,
    parameter        EN_BIT_A = 0,            // enable of the first output of a register
    parameter        EN_BIT_B = 1,            // enable of the second output of a register
    parameter        FRAC_EN_BIT = 9,         // R9/R12: fractional divider mode
    parameter        FRAC_PRE_LSB = 10,       // R9/R12: pre-divider code (divider - 2), 3 bits
    parameter        WRITE_ENABLES = 0,       // 1: write the enable bits from iFREQ_DISABLE
    parameter        VCO_VERSION_LSB = 3,     // R40: VCO_VERSION, 3 bits
    parameter [2:0]  VCO_V2 = 3'b001,         // VCO_VERSION of the 2940-3130 MHz part
    parameter        PLL_UNLOCK_BIT = 2,      // R21: 1 while the PLL is unlocked
    parameter        LOS_REF_BIT = 1,         // R21: 1 while the reference is lost
    parameter        LOCK_POLL_CYCLES = 50000, // 1 ms between status reads
    parameter        LOCK_POLLS = 100          // status reads before giving up
) (
    input       iCLK,
    input       iRST_N,
    input [1:0] iFREQ_SELECT,
    input [5:0] iFREQ_DISABLE,
    output      I2C_SCLK,
    inout       I2C_SDAT,
    output      I2C_DONE
);

// Phases: the version read, the programming (steps, each a read and a
// write of one register: 0 register 3 held in reset, 1 and 2 the PLL
// dividers, 3 to 12 registers 5 to 14 (Y0 to Y5), 13 register 15 and 14
// register 18 (Y6, Y7), 15 register 3 released), the lock polling.
localparam [1:0] PH_VERSION = 2'd0;
localparam [1:0] PH_PROGRAM = 2'd1;
localparam [1:0] PH_LOCK = 2'd2;
localparam [5:0] VERSION_REG = 6'd40;
localparam [5:0] STATUS_REG = 6'd21;
localparam [4:0] LAST_STEP = 5'd15;

reg [31:0] wait_count = 32'd0;
reg [2:0]  state = 3'd0;  // 0 start-up wait, 1 issue, 2 transfer, 3 done, 4 stopped, 5 poll wait
reg [1:0]  phase = PH_VERSION;
reg [4:0]  step = 5'd0;
reg        writing = 1'b0; // the read of the step is done
reg [1:0]  mode = 2'd0;
reg [5:0]  off = 6'd0;
reg [15:0] held = 16'd0;   // value read in the step
reg [31:0] polls = 32'd0;
reg        go = 1'b0;
reg        done = 1'b0;
wire       busy, nack;
wire [15:0] rdata;

function [4:0] reg_of;
    input [4:0] s;
    case (s)
    5'd0, 5'd15: reg_of = 5'd3;
    5'd1:        reg_of = 5'd1;
    5'd2:        reg_of = 5'd2;
    5'd13:       reg_of = 5'd15;
    5'd14:       reg_of = 5'd18;
    default:     reg_of = s + 5'd2;
    endcase
endfunction

function [15:0] en;
    input       on;
    input [5:0] position;
    en = on ? (16'd1 << position) : 16'd0;
endfunction

// Enable bits of register r that the plan sets (none unless WRITE_ENABLES).
function [15:0] en_mask_of;
    input [4:0] r;
    if (WRITE_ENABLES == 0)
        en_mask_of = 16'd0;
    else if (r == 5'd5 || r == 5'd7)
        en_mask_of = en(1'b1, EN_BIT_A) | en(1'b1, EN_BIT_B);
    else if (r == 5'd9 || r == 5'd12 || r == 5'd15 || r == 5'd18)
        en_mask_of = en(1'b1, EN_BIT_A);
    else
        en_mask_of = 16'd0;
endfunction

// Bits of register r that the plan sets.
function [15:0] mask_of;
    input [4:0] r;
    case (r)
    5'd1, 5'd2, 5'd11, 5'd14: mask_of = 16'hFFFF;
    5'd3:  mask_of = (16'd3 << PSA_LSB) | (16'd3 << PSB_LSB) | (16'd1 << RESETN_BIT);
    5'd6, 5'd8: mask_of = 16'h00FF;
    5'd9, 5'd12: mask_of = en(1'b1, FRAC_EN_BIT) | (16'd7 << FRAC_PRE_LSB) | en_mask_of(r);
    5'd10, 5'd13: mask_of = 16'h0FFF;
    default: mask_of = en_mask_of(r);             // registers 5, 7, 15 and 18
    endcase
endfunction

// The plan's fields of step s for mode m with the outputs of mask d off.
// Y4 and Y5 run their fractional dividers behind the /2 pre-divider (code
// 0): integer - 1 in [11:4], fraction [19:16] in [3:0] and [15:0] below.
function [15:0] plan_of;
    input [4:0] s;
    input [1:0] m;
    input [5:0] d;
    case (reg_of(s))
    5'd1:  plan_of = 16'h0000;                                       // R 1, FB1 1
    5'd2:  plan_of = (m == 2'd1) ? 16'd29 : 16'd23;                  // FB0 30 or 24
    5'd3:  plan_of = ({14'd0, (m == 2'd1) ? PS_DIV4 : PS_DIV5} << PSA_LSB) |
                     ({14'd0, PS_DIV5} << PSB_LSB) |
                     ((s == LAST_STEP) ? (16'd1 << RESETN_BIT) : 16'd0);
    5'd5:  plan_of = en(~d[0], EN_BIT_A) | en(~d[1], EN_BIT_B);
    5'd6:  plan_of = (m == 2'd2) ? 16'd3 : 16'd5;                    // Y0/Y1 / 4 or 6
    5'd7:  plan_of = en(~d[2], EN_BIT_A) | en(~d[3], EN_BIT_B);
    5'd8:  plan_of = 16'd3;                                          // Y2/Y3 / 4 from PS_B 5
    5'd9:  plan_of = en(~d[4], EN_BIT_A) | en(1'b1, FRAC_EN_BIT);
    5'd10: plan_of = (m == 2'd1) ? 16'h002C : 16'h0020;              // 2 * 3.75 or 2 * 3
    5'd11: plan_of = 16'h0000;
    5'd12: plan_of = en(~d[5], EN_BIT_A) | en(1'b1, FRAC_EN_BIT);
    5'd13: plan_of = (m == 2'd1) ? 16'h001D : 16'h0014;              // 2 * 2.8125 or 2 * 2.25
    5'd14: plan_of = 16'h0000;
    default: plan_of = 16'h0000;                                     // Y6, Y7 enables clear
    endcase
endfunction

wire [4:0]  step_reg = reg_of(step);
wire [5:0]  cur_reg = (phase == PH_VERSION) ? VERSION_REG :
                      (phase == PH_LOCK) ? STATUS_REG : {1'b0, step_reg};
wire [15:0] cur_mask = mask_of(step_reg);
wire [15:0] new_value = (held & ~cur_mask) | (plan_of(step, mode, off) & cur_mask);
wire        cur_read = (phase != PH_PROGRAM) || !writing;
wire        locked = !rdata[PLL_UNLOCK_BIT] && !rdata[LOS_REF_BIT];

always @(posedge iCLK or negedge iRST_N) begin
    if (!iRST_N) begin
        wait_count <= 32'd0;
        state <= 3'd0;
        phase <= PH_VERSION;
        step <= 5'd0;
        writing <= 1'b0;
        mode <= 2'd0;
        off <= 6'd0;
        held <= 16'd0;
        polls <= 32'd0;
        go <= 1'b0;
        done <= 1'b0;
    end else begin
        go <= 1'b0;
        case (state)
        3'd0:
            if (wait_count >= STARTUP_CYCLES - 1) begin
                mode <= iFREQ_SELECT;
                off <= iFREQ_DISABLE;
                phase <= PH_VERSION;
                step <= 5'd0;
                writing <= 1'b0;
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
                else if (phase == PH_VERSION) begin
                    // Another part than the plan's: nothing is written.
                    if (rdata[VCO_VERSION_LSB +: 3] == VCO_V2) begin
                        phase <= PH_PROGRAM;
                        state <= 3'd1;
                    end else
                        state <= 3'd4;
                end else if (phase == PH_LOCK) begin
                    if (locked) begin
                        done <= 1'b1;
                        state <= 3'd3;
                    end else if (polls >= LOCK_POLLS - 1)
                        state <= 3'd4;
                    else begin
                        polls <= polls + 32'd1;
                        wait_count <= 32'd0;
                        state <= 3'd5;
                    end
                end else if (!writing) begin
                    held <= rdata;
                    writing <= 1'b1;
                    state <= 3'd1;
                end else if (step == LAST_STEP) begin
                    phase <= PH_LOCK;
                    polls <= 32'd0;
                    wait_count <= 32'd0;
                    state <= 3'd5;
                end else begin
                    writing <= 1'b0;
                    step <= step + 5'd1;
                    state <= 3'd1;
                end
            end
        3'd5:
            if (wait_count >= LOCK_POLL_CYCLES - 1)
                state <= 3'd1;
            else
                wait_count <= wait_count + 32'd1;
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
    .iREAD(cur_read),
    .iREG_ADDR({10'd0, cur_reg}),
    .iREG_DATA(new_value),
    .oRDATA(rdata),
    .oBUSY(busy),
    .oNACK(nack),
    .I2C_SCLK(I2C_SCLK),
    .I2C_SDAT(I2C_SDAT)
);

assign I2C_DONE = done;

endmodule
