// Si5340 register walker. On iSTART it selects page 0 and reads PN_BASE to
// DEVICE_REV (registers 0x0002 to 0x0005): the part number must read 0x40
// 0x53 ("5340"), the revision picks the preamble and postamble values.
// Before it writes anything it reads what the chip runs on:
// - IN_SEL (0x0021): the PLL must take the XA/XB crystal under register
//   control (IN_SEL_REGCTRL 1, IN_SEL 3). On any other input the reference
//   frequency is unknown: the run ends here, nothing is written and oDONE
//   stays low.
// - PXAXB (0x0206 bits 1:0) and M_NUM/M_DEN (0x0235 to 0x023E): with the
//   board's 48 MHz crystal the VCO is 48 MHz / 2^PXAXB * M_NUM / M_DEN.
//   Where that is not the plan's 14 GHz, M is written for it (M = 875/3 *
//   2^PXAXB, numerator and denominator shifted left as far as they fit)
//   between the preamble and the postamble; the postamble's soft reset
//   brings the PLL up on the new M.
// - for every output the plan leaves as it is (plan entry 20 k + 15 not
//   valid): OUTk_CONFIG and OUTk_MUX_SEL. Its synthesizer is in use when
//   the output is on (OE 1, PDN 0); a planned output whose own synthesizer
//   is in use goes to one no other output uses (OUTk_MUX_SEL names it), so
//   the output left as it is keeps its clock. Four synthesizers serve four
//   outputs, so a free one is always there.
// It then writes the preamble (0x0B24 = 0xC0, or 0xD8 before revision 2;
// 0x0B25 = 0x00; 0x0502 = 0x01; 0x0505 = 0x03; 0x0957 = 0x17, or 0x1F
// before revision 2; 0x0B4E = 0x1A), waits PREAMBLE_WAIT_CYCLES, writes M
// where needed and every valid entry of the plan (oINDEX from 0 until
// iLAST), then the postamble (0x001C = 0x01 soft reset; 0x0B24 = 0xC3, or
// 0xDB before revision 2; 0x0B25 = 0x02) and raises oDONE. A plan entry
// with iMASK other than 0xFF is a read-modify-write: the register is read
// and only the bits of iMASK take iDATA, so every other bit keeps the
// chip's value.
// Plan entries come in the selector's layout: 20 per output k (index 20 k
// + slot; slots 0-9 Nk_NUM and Nk_DEN, 10 PIBYP bit k, 11 Nk_UPDATE, 12-14
// Rk_REG, 15 OUTk_CONFIG, 16 OUTk_MUX_SEL, 17-19 the bit k of N_PDNB,
// N_CLK_TO_OUTX_EN, N_CLK_DIS), then entry 80. For an output moved to
// synthesizer j the walker takes the synthesizer's addresses and bit from
// the entry of output j (20 j + slot) and the values from the output's own.
// Register addresses are 16 bits: the high byte goes to the page register
// 0x01 when it changes. A NACK or a wrong part number in the identity read
// raises oID_ERROR and ends the run; a later NACK ends it without oDONE.
// It drives the two-wire engine (i2c_bus_controller) one command at a time.
module si5340a_i2c_reg_controller #(
    parameter [6:0] SI5340_ADDR = 7'h74,
    parameter       PREAMBLE_WAIT_CYCLES = 15000000 // 300 ms
) (
    input             iCLK,
    input             iRST_n,
    input             iSTART,
    // plan entries
    output reg [6:0]  oINDEX = 7'd0,
    input             iVALID,
    input      [15:0] iADDR,
    input      [7:0]  iDATA,
    input      [7:0]  iMASK,
    input             iLAST,
    // engine side
    output reg        oENG_GO = 1'b0,
    output reg [1:0]  oENG_CMD = 2'd0,
    output reg [7:0]  oENG_TX = 8'd0,
    output reg        oENG_RX_ACK = 1'b0,
    input      [7:0]  iENG_RX,
    input             iENG_NACK,
    input             iENG_BUSY,
    // status
    output reg        oID_ERROR = 1'b0,
    output reg        oDONE = 1'b0,
    output            oBUSY
);

localparam CMD_START = 2'd0, CMD_WRITE = 2'd1, CMD_READ = 2'd2, CMD_STOP = 2'd3;

// Phases of a run.
localparam [3:0] P_IDLE = 4'd0, P_ID = 4'd1, P_SCAN = 4'd2, P_PRE = 4'd3, P_WAIT = 4'd4,
                 P_PLL = 4'd5, P_FETCH = 4'd6, P_ENTRY = 4'd7, P_POST = 4'd8,
                 P_FIN = 4'd9, P_END = 4'd10;

// Identity registers.
localparam [15:0] PN_BASE = 16'h0002;  // PN_BASE low, high, grade, DEVICE_REV
localparam [7:0]  PN_LOW = 8'h40, PN_HIGH = 8'h53;
// What the chip runs on.
localparam [15:0] IN_SEL_ADDR = 16'h0021; // bit 0 IN_SEL_REGCTRL, bits 2:1 IN_SEL
localparam [15:0] PXAXB_ADDR = 16'h0206;  // bits 1:0: the crystal divided by 2^PXAXB
localparam [15:0] M_ADDR = 16'h0235;      // M_NUM (6 bytes), M_DEN (4 bytes)
// M for the 14 GHz VCO from the board's 48 MHz crystal: 14000 / 48.
localparam [47:0] PLAN_M_NUM = 48'd875, PLAN_M_DEN = 48'd3;

reg [3:0]  phase = P_IDLE;
reg [3:0]  item = 4'd0;        // step within a phase
reg [7:0]  page = 8'd0;
reg        page_known = 1'b0;
reg [31:0] wait_count = 32'd0;
reg        early_rev = 1'b0;   // DEVICE_REV below 2
reg        have_read = 1'b0;   // the read half of a read-modify-write is done

// What the scan found.
reg        xtal_in = 1'b0;     // the PLL runs from the crystal
reg [1:0]  pxaxb = 2'd0;
reg [47:0] m_num = 48'd0;      // bits 43:0 are M_NUM
reg [31:0] m_den = 32'd0;
reg        pll_write = 1'b0;   // M is written
reg [3:0]  planned = 4'd0;     // output k gets a frequency
reg [3:0]  reserved = 4'd0;    // synthesizer k feeds an output left as it is
reg [1:0]  scan_k = 2'd0;
reg [7:0]  synth = 8'd0;       // bits 2k+1:2k: the synthesizer of output k

// The entry being written.
reg [2:0]  out_k = 3'd0;       // 0 to 3, 4 for entry 80
reg [4:0]  slot = 5'd0;
reg [1:0]  fetch = 2'd0;
reg [15:0] alt_addr = 16'd0;
reg [7:0]  alt_mask = 8'd0;
reg        e_valid = 1'b0;
reg        e_last = 1'b0;
reg [15:0] e_addr = 16'd0;
reg [7:0]  e_data = 8'd0;
reg [7:0]  e_mask = 8'd0;

// One bus operation (a register write, or a read of op_count bytes),
// preceded by a page write where the page changes.
reg        op = 1'b0;
reg        op_read = 1'b0;
reg [15:0] op_addr = 16'd0;
reg [7:0]  op_data = 8'd0;
reg [3:0]  op_count = 4'd1;

// Transfer in progress: a register write (page or register) or a read of
// rcount bytes, as engine steps.
reg        xfer = 1'b0;        // a transfer runs
reg        xfer_read = 1'b0;
reg [3:0]  rcount = 4'd1;
reg [7:0]  xfer_reg = 8'd0;
reg [7:0]  xfer_data = 8'd0;
reg [3:0]  step = 4'd0;
reg        issued = 1'b0;
reg        nacked = 1'b0;
reg [79:0] rx = 80'd0;         // bytes read, the last one in [7:0]

assign oBUSY = (phase != P_IDLE) && (phase != P_END);

// Fixed entries: preamble 0..5, postamble 0..2.
function [23:0] pre_entry;
    input [3:0] i;
    input       early;
    case (i)
    4'd0: pre_entry = {16'h0B24, early ? 8'hD8 : 8'hC0};
    4'd1: pre_entry = {16'h0B25, 8'h00};
    4'd2: pre_entry = {16'h0502, 8'h01};
    4'd3: pre_entry = {16'h0505, 8'h03};
    4'd4: pre_entry = {16'h0957, early ? 8'h1F : 8'h17};
    default: pre_entry = {16'h0B4E, 8'h1A};
    endcase
endfunction

function [23:0] post_entry;
    input [3:0] i;
    input       early;
    case (i)
    4'd0: post_entry = {16'h001C, 8'h01};
    4'd1: post_entry = {16'h0B24, early ? 8'hDB : 8'hC3};
    default: post_entry = {16'h0B25, 8'h02};
    endcase
endfunction

wire [23:0] pre = pre_entry(item, early_rev);
wire [23:0] post = post_entry(item, early_rev);

// Synthesizers of the planned outputs: first every output whose own
// synthesizer is not in use keeps it, then the others take the lowest one
// nobody uses (there is always one: outputs left as they are use at most
// as many synthesizers as there are outputs not planned).
function [7:0] place;
    input [3:0] p_want;
    input [3:0] p_busy;
    reg   [3:0] p_used;
    reg         p_found;
    integer     p_k, p_j;
    begin
        place = 8'b11_10_01_00;
        p_used = p_busy;
        for (p_k = 0; p_k < 4; p_k = p_k + 1)
            if (p_want[p_k] && !p_busy[p_k])
                p_used[p_k] = 1'b1;
        for (p_k = 0; p_k < 4; p_k = p_k + 1)
            if (p_want[p_k] && p_busy[p_k]) begin
                p_found = 1'b0;
                for (p_j = 0; p_j < 4; p_j = p_j + 1)
                    if (!p_found && !p_used[p_j]) begin
                        place[2 * p_k +: 2] = p_j[1:0];
                        p_used[p_j] = 1'b1;
                        p_found = 1'b1;
                    end
            end
    end
endfunction

// The VCO the stored M gives is the plan's when M_NUM * 3 = M_DEN * 875 *
// 2^PXAXB.
wire [47:0] m_lhs = (m_num & 48'h0FFF_FFFF_FFFF) * PLAN_M_DEN;
wire [47:0] m_rhs = ({16'd0, m_den} * PLAN_M_NUM) << pxaxb;
wire        m_plan = (m_den != 32'd0) && (m_lhs == m_rhs);
// M written for the plan: 875 * 2^PXAXB / 3, shifted left by 30 (the
// denominator's top bit set).
wire [47:0] m_new_num = PLAN_M_NUM << (6'd30 + {4'd0, pxaxb});
wire [31:0] m_new_den = 32'hC000_0000;
wire [79:0] m_new = {m_new_den, m_new_num};

wire [1:0] out_synth = synth[2 * out_k[1:0] +: 2];
wire [6:0] own_index = (out_k == 3'd4) ? 7'd80 : 7'd20 * {4'd0, out_k} + {2'd0, slot};
wire [6:0] alt_index = 7'd20 * {5'd0, out_synth} + {2'd0, slot};
wire       moved = (out_k != 3'd4) && (out_synth != out_k[1:0]);
wire       synth_bit = (slot == 5'd10) || (slot >= 5'd17);       // bit k of a shared register
wire       synth_reg = (slot <= 5'd11) || (slot >= 5'd17);       // Nk registers and bits
wire       merge_read = (e_mask != 8'hFF) && !have_read;

// Engine steps of a write: 0 START, 1 address+W, 2 register, 3 data,
// 4 STOP. Of a read: 0 START, 1 address+W, 2 register, 3 repeated START,
// 4 address+R, 5 .. 4 + rcount data in (the last one not acknowledged),
// 5 + rcount STOP.
wire [3:0] stop_step = xfer_read ? 4'd5 + rcount : 4'd4;

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n) begin
        phase <= P_IDLE;
        item <= 4'd0;
        page <= 8'd0;
        page_known <= 1'b0;
        wait_count <= 32'd0;
        early_rev <= 1'b0;
        have_read <= 1'b0;
        xtal_in <= 1'b0;
        pxaxb <= 2'd0;
        m_num <= 48'd0;
        m_den <= 32'd0;
        pll_write <= 1'b0;
        planned <= 4'd0;
        reserved <= 4'd0;
        scan_k <= 2'd0;
        synth <= 8'd0;
        out_k <= 3'd0;
        slot <= 5'd0;
        fetch <= 2'd0;
        alt_addr <= 16'd0;
        alt_mask <= 8'd0;
        e_valid <= 1'b0;
        e_last <= 1'b0;
        e_addr <= 16'd0;
        e_data <= 8'd0;
        e_mask <= 8'd0;
        op <= 1'b0;
        op_read <= 1'b0;
        op_addr <= 16'd0;
        op_data <= 8'd0;
        op_count <= 4'd1;
        xfer <= 1'b0;
        xfer_read <= 1'b0;
        rcount <= 4'd1;
        xfer_reg <= 8'd0;
        xfer_data <= 8'd0;
        step <= 4'd0;
        issued <= 1'b0;
        nacked <= 1'b0;
        rx <= 80'd0;
        oINDEX <= 7'd0;
        oENG_GO <= 1'b0;
        oENG_CMD <= CMD_START;
        oENG_TX <= 8'd0;
        oENG_RX_ACK <= 1'b0;
        oID_ERROR <= 1'b0;
        oDONE <= 1'b0;
    end else begin
        oENG_GO <= 1'b0;
        if (xfer) begin
            // Run the engine steps of the transfer.
            if (!issued) begin
                oENG_GO <= 1'b1;
                issued <= 1'b1;
                oENG_RX_ACK <= 1'b0;
                if (step == 4'd0 || (xfer_read && step == 4'd3))
                    oENG_CMD <= CMD_START;
                else if (step == stop_step)
                    oENG_CMD <= CMD_STOP;
                else if (xfer_read && step >= 4'd5) begin
                    oENG_CMD <= CMD_READ;
                    oENG_RX_ACK <= (step != stop_step - 4'd1);
                end else begin
                    oENG_CMD <= CMD_WRITE;
                    case (step)
                    4'd1: oENG_TX <= {SI5340_ADDR, 1'b0};
                    4'd2: oENG_TX <= xfer_reg;
                    4'd3: oENG_TX <= xfer_data;
                    default: oENG_TX <= {SI5340_ADDR, 1'b1};
                    endcase
                end
            end else if (!oENG_GO && !iENG_BUSY) begin
                issued <= 1'b0;
                if (step == stop_step) begin
                    xfer <= 1'b0;
                end else if (oENG_CMD == CMD_WRITE && iENG_NACK) begin
                    nacked <= 1'b1;
                    step <= stop_step;
                end else begin
                    if (oENG_CMD == CMD_READ)
                        rx <= {rx[71:0], iENG_RX};
                    step <= step + 4'd1;
                end
            end
        end else if (nacked) begin
            // A transfer ended without acknowledge: the run ends here.
            nacked <= 1'b0;
            op <= 1'b0;
            page_known <= 1'b0;
            have_read <= 1'b0;
            if (phase == P_ID)
                oID_ERROR <= 1'b1;
            phase <= P_END;
        end else if (op) begin
            // The page first where it changes, then the operation.
            xfer <= 1'b1;
            step <= 4'd0;
            if (!page_known || op_addr[15:8] != page) begin
                xfer_read <= 1'b0;
                xfer_reg <= 8'h01;
                xfer_data <= op_addr[15:8];
                page <= op_addr[15:8];
                page_known <= 1'b1;
            end else begin
                op <= 1'b0;
                xfer_read <= op_read;
                rcount <= op_count;
                xfer_reg <= op_addr[7:0];
                xfer_data <= op_data;
            end
        end else begin
            case (phase)
            P_IDLE, P_END:
                if (iSTART) begin
                    oDONE <= 1'b0;
                    oID_ERROR <= 1'b0;
                    page_known <= 1'b0;
                    have_read <= 1'b0;
                    item <= 4'd0;
                    phase <= P_ID;
                end
            P_ID:
                if (item == 4'd0) begin
                    op <= 1'b1; op_read <= 1'b1; op_addr <= PN_BASE; op_count <= 4'd4;
                    item <= 4'd1;
                end else if (rx[31:24] == PN_LOW && rx[23:16] == PN_HIGH) begin
                    early_rev <= (rx[7:0] < 8'd2);
                    item <= 4'd0;
                    phase <= P_SCAN;
                end else begin
                    oID_ERROR <= 1'b1;
                    phase <= P_END;
                end
            P_SCAN:
                case (item)
                4'd0: begin
                    op <= 1'b1; op_read <= 1'b1; op_addr <= IN_SEL_ADDR; op_count <= 4'd1;
                    item <= 4'd1;
                end
                4'd1: begin
                    xtal_in <= (rx[2:0] == 3'b111);
                    op <= 1'b1; op_read <= 1'b1; op_addr <= PXAXB_ADDR; op_count <= 4'd1;
                    item <= 4'd2;
                end
                4'd2: begin
                    pxaxb <= rx[1:0];
                    op <= 1'b1; op_read <= 1'b1; op_addr <= M_ADDR; op_count <= 4'd10;
                    item <= 4'd3;
                end
                4'd3: begin
                    // Bytes 0x0235 .. 0x023E, least significant first.
                    m_num <= {rx[39:32], rx[47:40], rx[55:48], rx[63:56], rx[71:64], rx[79:72]};
                    m_den <= {rx[7:0], rx[15:8], rx[23:16], rx[31:24]};
                    planned <= 4'd0;
                    reserved <= 4'd0;
                    scan_k <= 2'd0;
                    oINDEX <= 7'd0;
                    item <= 4'd4;
                end
                4'd4: begin // entry 20 k: valid when output k gets a frequency
                    planned[scan_k] <= iVALID;
                    oINDEX <= oINDEX + 7'd15;
                    item <= 4'd5;
                end
                4'd5: // entry 20 k + 15: not valid when output k is left as it is
                    if (!iVALID) begin
                        op <= 1'b1; op_read <= 1'b1; op_addr <= iADDR; op_count <= 4'd4;
                        item <= 4'd6;
                    end else
                        item <= 4'd7;
                4'd6: begin // OUTk_CONFIG .. OUTk_MUX_SEL read
                    if (rx[25:24] == 2'b10 && !rx[2])
                        reserved[rx[1:0]] <= 1'b1;
                    item <= 4'd7;
                end
                4'd7:
                    if (scan_k == 2'd3)
                        item <= 4'd8;
                    else begin
                        scan_k <= scan_k + 2'd1;
                        oINDEX <= oINDEX + 7'd5;
                        item <= 4'd4;
                    end
                default:
                    if (!xtal_in)
                        phase <= P_END; // reference unknown: nothing written
                    else begin
                        pll_write <= !m_plan;
                        synth <= place(planned, reserved);
                        item <= 4'd0;
                        phase <= P_PRE;
                    end
                endcase
            P_PRE: begin
                op <= 1'b1; op_read <= 1'b0;
                op_addr <= pre[23:8];
                op_data <= pre[7:0];
                if (item == 4'd5) begin
                    wait_count <= 32'd0;
                    phase <= P_WAIT;
                end else
                    item <= item + 4'd1;
            end
            P_WAIT:
                if (wait_count >= PREAMBLE_WAIT_CYCLES) begin
                    item <= 4'd0;
                    out_k <= 3'd0;
                    slot <= 5'd0;
                    fetch <= 2'd0;
                    phase <= pll_write ? P_PLL : P_FETCH;
                end else
                    wait_count <= wait_count + 32'd1;
            P_PLL: begin // byte item of M; M_NUM's top byte holds bits 43:40
                e_valid <= 1'b1;
                e_last <= 1'b0;
                e_addr <= M_ADDR + {12'd0, item};
                e_data <= m_new[8 * item +: 8];
                e_mask <= (item == 4'd5) ? 8'h0F : 8'hFF;
                phase <= P_ENTRY;
            end
            P_FETCH:
                if (fetch == 2'd0) begin
                    oINDEX <= alt_index;
                    fetch <= 2'd1;
                end else if (fetch == 2'd1) begin
                    alt_addr <= iADDR;
                    alt_mask <= iMASK;
                    oINDEX <= own_index;
                    fetch <= 2'd2;
                end else begin
                    e_valid <= iVALID;
                    e_last <= iLAST;
                    e_addr <= (moved && synth_reg) ? alt_addr : iADDR;
                    e_mask <= (moved && synth_bit) ? alt_mask : iMASK;
                    if (moved && synth_bit)
                        e_data <= ((iDATA & iMASK) != 8'd0) ? alt_mask : 8'd0;
                    else if (moved && slot == 5'd16)
                        e_data <= {iDATA[7:2], out_synth};
                    else
                        e_data <= iDATA;
                    fetch <= 2'd0;
                    phase <= P_ENTRY;
                end
            P_ENTRY: begin
                if (e_valid && merge_read) begin
                    op <= 1'b1; op_read <= 1'b1; op_addr <= e_addr; op_count <= 4'd1;
                    have_read <= 1'b1;
                end else begin
                    have_read <= 1'b0;
                    if (e_valid) begin
                        op <= 1'b1; op_read <= 1'b0; op_addr <= e_addr;
                        op_data <= (e_mask == 8'hFF) ? e_data :
                                   ((rx[7:0] & ~e_mask) | (e_data & e_mask));
                    end
                    if (pll_write) begin
                        // M first, then the plan entries
                        item <= item + 4'd1;
                        if (item == 4'd9) begin
                            pll_write <= 1'b0;
                            phase <= P_FETCH;
                        end else
                            phase <= P_PLL;
                    end else if (e_last) begin
                        item <= 4'd0;
                        phase <= P_POST;
                    end else begin
                        if (slot == 5'd19) begin
                            slot <= 5'd0;
                            out_k <= out_k + 3'd1;
                        end else
                            slot <= slot + 5'd1;
                        phase <= P_FETCH;
                    end
                end
            end
            P_POST: begin
                op <= 1'b1; op_read <= 1'b0;
                op_addr <= post[23:8];
                op_data <= post[7:0];
                if (item == 4'd2)
                    phase <= P_FIN;
                else
                    item <= item + 4'd1;
            end
            P_FIN: begin // the last postamble write went through
                oDONE <= 1'b1;
                phase <= P_END;
            end
            default:
                phase <= P_END;
            endcase
        end
    end
end

endmodule
