// Si570 configuration sequence. On iSTART (after the start-up wait) it
// sets RECALL (register 135 bit 0) and reads 135 until the bit clears, so
// the chip holds its start-up HS_DIV, N1 and RFREQ again; reads the bank;
// works out the new RFREQ; reads register 137 and freezes the DCO (bit 4
// set, the other bits as read), writes the bank, unfreezes it (bit 4
// clear, the other bits as read), sets NewFreq (135 bit 6), waits
// NEWFREQ_CYCLES and raises oREADY. Mode 7 leaves the chip as it is. A NACK, a RECALL that does not
// clear or an unusable start-up value ends the run with oREADY low.
//
// Crystal: fxtal = SI570_STARTUP_HZ * HS0 * N1_0 / RFREQ0, so the new
// RFREQ = RFREQ0 * fDCO / (SI570_STARTUP_HZ * HS0 * N1_0), rounded to the
// nearest 2^-28, where fDCO = f * HS_DIV * N1 of the mode's dividers.
module i2c_reg_controller #(
    parameter [7:0] SI570_FIRST_REG = 8'd7,       // 13 on 7 ppm parts
    parameter       SI570_STARTUP_HZ = 100000000, // ordering option of the part
    parameter       NEWFREQ_CYCLES = 500000,      // 10 ms recalibration
    parameter       RECALL_POLLS = 100
) (
    input             iCLK,
    input             iRST_n,
    input             iSTART,
    input      [2:0]  iFREQ_MODE,
    output reg        oXFER_GO = 1'b0,
    output reg        oXFER_READ = 1'b0,
    output reg [7:0]  oXFER_REG = 8'd0,
    output reg [2:0]  oXFER_COUNT = 3'd1,
    output reg [47:0] oXFER_WDATA = 48'd0,
    input      [47:0] iXFER_RDATA,
    input             iXFER_BUSY,
    input             iXFER_NACK,
    output reg        oREADY = 1'b0
);

localparam S_IDLE = 4'd0, S_RECALL = 4'd1, S_POLL = 4'd2, S_READ = 4'd3, S_DECODE = 4'd4,
           S_MUL = 4'd5, S_DIV = 4'd6, S_FREEZE = 4'd7, S_WRITE = 4'd8, S_UNFREEZE = 4'd9,
           S_NEWFREQ = 4'd10, S_SETTLE = 4'd11, S_PREP = 4'd12, S_XFER = 4'd13,
           S_FREEZE_W = 4'd14;

localparam [7:0] FREEZE_DCO = 8'h10; // register 137 bit 4

// Dividers and DCO frequency of each mode (fact sheet table).
function [2:0] hs_code_of;
    input [2:0] mode;
    case (mode)
    3'd0: hs_code_of = 3'd5;   // 9
    3'd1: hs_code_of = 3'd7;   // 11
    3'd2: hs_code_of = 3'd5;   // 9
    3'd3: hs_code_of = 3'd7;   // 11
    3'd4: hs_code_of = 3'd5;   // 9
    default: hs_code_of = 3'd0; // 4
    endcase
endfunction

function [6:0] n1_code_of;
    input [2:0] mode;
    case (mode)
    3'd0: n1_code_of = 7'd5;   // 6
    3'd1: n1_code_of = 7'd3;   // 4
    3'd2: n1_code_of = 7'd3;   // 4
    3'd3: n1_code_of = 7'd1;   // 2
    3'd4: n1_code_of = 7'd1;   // 2
    3'd5: n1_code_of = 7'd3;   // 4
    default: n1_code_of = 7'd1; // 2
    endcase
endfunction

function [32:0] dco_hz_of;
    input [2:0] mode;
    case (mode)
    3'd0: dco_hz_of = 33'd5400000000; // 100 MHz * 54
    3'd1: dco_hz_of = 33'd5500000000; // 125 MHz * 44
    3'd2: dco_hz_of = 33'd5625000000; // 156.25 MHz * 36
    3'd3: dco_hz_of = 33'd5500000000; // 250 MHz * 22
    3'd4: dco_hz_of = 33'd5625000000; // 312.5 MHz * 18
    default: dco_hz_of = 33'd5156250000; // 322.265625 MHz * 16, 644.53125 MHz * 8
    endcase
endfunction

function [3:0] hs_div_of;
    input [2:0] code;
    case (code)
    3'd0: hs_div_of = 4'd4;
    3'd1: hs_div_of = 4'd5;
    3'd2: hs_div_of = 4'd6;
    3'd3: hs_div_of = 4'd7;
    3'd5: hs_div_of = 4'd9;
    3'd7: hs_div_of = 4'd11;
    default: hs_div_of = 4'd0;
    endcase
endfunction

reg [3:0]  state = S_IDLE;
reg [3:0]  after = S_IDLE;     // state that follows the running transfer
reg [2:0]  mode = 3'd0;
reg [7:0]  polls = 8'd0;
reg [3:0]  hs0 = 4'd0;
reg [7:0]  n1_0 = 8'd0;
reg [71:0] product = 72'd0;
reg [71:0] mcand = 72'd0;
reg [32:0] mplier = 33'd0;
reg [41:0] dco0 = 42'd0;       // start-up DCO in Hz
reg [72:0] num = 73'd0;
reg [42:0] rem = 43'd0;
reg [72:0] quo = 73'd0;
reg [6:0]  count = 7'd0;
reg [31:0] wait_count = 32'd0;
reg [7:0]  reg137 = 8'd0;      // register 137 as read before the freeze

wire [43:0] rem_shift = {rem, num[72]};
wire [43:0] den = {1'b0, dco0, 1'b0}; // 2 * dco0
wire [42:0] rem_less = rem_shift[42:0] - den[42:0]; // used when rem_shift >= den

task xfer;
    input       read;
    input [7:0] register;
    input [2:0] bytes;
    input [47:0] data;
    input [3:0] next;
    begin
        oXFER_GO <= 1'b1;
        oXFER_READ <= read;
        oXFER_REG <= register;
        oXFER_COUNT <= bytes;
        oXFER_WDATA <= data;
        after <= next;
        state <= S_XFER;
    end
endtask

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n) begin
        state <= S_IDLE;
        after <= S_IDLE;
        mode <= 3'd0;
        polls <= 8'd0;
        hs0 <= 4'd0;
        n1_0 <= 8'd0;
        product <= 72'd0;
        mcand <= 72'd0;
        mplier <= 33'd0;
        dco0 <= 42'd0;
        num <= 73'd0;
        rem <= 43'd0;
        quo <= 73'd0;
        count <= 7'd0;
        wait_count <= 32'd0;
        reg137 <= 8'd0;
        oXFER_GO <= 1'b0;
        oXFER_READ <= 1'b0;
        oXFER_REG <= 8'd0;
        oXFER_COUNT <= 3'd1;
        oXFER_WDATA <= 48'd0;
        oREADY <= 1'b0;
    end else begin
        oXFER_GO <= 1'b0;
        case (state)
        S_IDLE:
            if (iSTART) begin
                mode <= iFREQ_MODE;
                oREADY <= 1'b0;
                polls <= 8'd0;
                if (iFREQ_MODE == 3'd7)
                    oREADY <= 1'b1; // nothing to change
                else
                    state <= S_RECALL;
            end
        S_RECALL: xfer(1'b0, 8'd135, 3'd1, {8'h01, 40'd0}, S_POLL);
        S_POLL:
            if (polls == RECALL_POLLS)
                state <= S_IDLE;
            else begin
                polls <= polls + 8'd1;
                xfer(1'b1, 8'd135, 3'd1, 48'd0, S_READ);
            end
        S_READ:
            if (iXFER_RDATA[0])
                state <= S_POLL; // RECALL still running
            else
                xfer(1'b1, SI570_FIRST_REG, 3'd6, 48'd0, S_DECODE);
        S_DECODE: begin
            hs0 <= hs_div_of(iXFER_RDATA[47:45]);
            n1_0 <= {1'b0, iXFER_RDATA[44:38]} + 8'd1;
            if (hs_div_of(iXFER_RDATA[47:45]) == 4'd0 || iXFER_RDATA[37:0] == 38'd0 ||
                (iXFER_RDATA[38] == 1'b0 && iXFER_RDATA[44:38] != 7'd0))
                state <= S_IDLE; // unused divider code or odd N1
            else begin
                product <= 72'd0;
                mcand <= {34'd0, iXFER_RDATA[37:0]};
                mplier <= dco_hz_of(mode);
                count <= 7'd0;
                state <= S_MUL;
            end
        end
        S_MUL:
            if (count == 7'd33) begin
                dco0 <= SI570_STARTUP_HZ * (hs0 * n1_0);
                state <= S_PREP;
            end else begin
                if (mplier[0])
                    product <= product + mcand;
                mcand <= {mcand[70:0], 1'b0};
                mplier <= {1'b0, mplier[32:1]};
                count <= count + 7'd1;
            end
        S_PREP: begin
            // Rounded quotient: (2 * product + dco0) / (2 * dco0).
            num <= {product, 1'b0} + {31'd0, dco0};
            rem <= 43'd0;
            quo <= 73'd0;
            count <= 7'd0;
            state <= S_DIV;
        end
        S_DIV:
            if (count != 7'd73) begin
                if (rem_shift >= den) begin
                    rem <= rem_less;
                    quo <= {quo[71:0], 1'b1};
                end else begin
                    rem <= rem_shift[42:0];
                    quo <= {quo[71:0], 1'b0};
                end
                num <= {num[71:0], 1'b0};
                count <= count + 7'd1;
            end else if (quo[72:38] != 35'd0 || quo == 73'd0) begin
                state <= S_IDLE; // no 38-bit RFREQ for this crystal
            end else begin
                state <= S_FREEZE;
            end
        S_FREEZE: xfer(1'b1, 8'd137, 3'd1, 48'd0, S_FREEZE_W);
        S_FREEZE_W: begin
            reg137 <= iXFER_RDATA[7:0];
            xfer(1'b0, 8'd137, 3'd1, {iXFER_RDATA[7:0] | FREEZE_DCO, 40'd0}, S_WRITE);
        end
        S_WRITE:
            xfer(1'b0, SI570_FIRST_REG, 3'd6,
                 {hs_code_of(mode), n1_code_of(mode), quo[37:0]}, S_UNFREEZE);
        S_UNFREEZE: xfer(1'b0, 8'd137, 3'd1, {reg137 & ~FREEZE_DCO, 40'd0}, S_NEWFREQ);
        S_NEWFREQ: begin
            wait_count <= 32'd0;
            xfer(1'b0, 8'd135, 3'd1, {8'h40, 40'd0}, S_SETTLE);
        end
        S_SETTLE:
            if (wait_count >= NEWFREQ_CYCLES) begin
                oREADY <= 1'b1;
                state <= S_IDLE;
            end else
                wait_count <= wait_count + 32'd1;
        default: // S_XFER: wait for the transfer, stop on a NACK
            if (!oXFER_GO && !iXFER_BUSY) begin
                if (iXFER_NACK)
                    state <= S_IDLE;
                else
                    state <= after;
            end
        endcase
    end
end

endmodule
