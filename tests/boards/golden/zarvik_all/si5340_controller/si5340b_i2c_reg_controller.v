// Si5340 register walker. On iSTART it selects page 0 and reads PN_BASE to
// DEVICE_REV (registers 0x0002 to 0x0005): the part number must read 0x40
// 0x53 ("5340"), the revision picks the preamble and postamble values. It
// then writes the preamble (0x0B24 = 0xC0, or 0xD8 before revision 2;
// 0x0B25 = 0x00; 0x0502 = 0x01; 0x0505 = 0x03; 0x0957 = 0x17, or 0x1F
// before revision 2; 0x0B4E = 0x1A), waits PREAMBLE_WAIT_CYCLES, writes every valid entry of the plan
// (oINDEX from 0 until iLAST), then the postamble (0x001C = 0x01 soft
// reset; 0x0B24 = 0xC3, or 0xDB before revision 2; 0x0B25 = 0x02) and
// raises oDONE. A plan entry with iMASK other than 0xFF is a
// read-modify-write: the register is read and only the bits of iMASK take
// iDATA, so every other bit keeps the chip's value.
// Register addresses are 16 bits: the high byte goes to the page register
// 0x01 when it changes. A NACK or a wrong part number in the identity read
// raises oID_ERROR and ends the run; a later NACK ends it without oDONE.
// It drives the two-wire engine (i2c_bus_controller) one command at a time.
module si5340b_i2c_reg_controller #(
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
localparam P_IDLE = 3'd0, P_ID = 3'd1, P_PRE = 3'd2, P_WAIT = 3'd3, P_PLAN = 3'd4,
           P_POST = 3'd5, P_FIN = 3'd6, P_END = 3'd7;

// Identity registers.
localparam [7:0] PN_BASE = 8'h02;   // PN_BASE low, high, grade, DEVICE_REV
localparam [7:0] PN_LOW = 8'h40, PN_HIGH = 8'h53;

reg [2:0]  phase = P_IDLE;
reg [2:0]  item = 3'd0;        // entry within the preamble or postamble
reg [7:0]  page = 8'd0;
reg        page_known = 1'b0;
reg [31:0] wait_count = 32'd0;
reg        early_rev = 1'b0;   // DEVICE_REV below 2
reg        have_read = 1'b0;   // the read half of a read-modify-write is done

// Transfer in progress: a register write (page or register) or a read of
// rcount bytes, as engine steps.
reg        xfer = 1'b0;        // a transfer runs
reg        xfer_read = 1'b0;
reg [2:0]  rcount = 3'd1;
reg [7:0]  xfer_reg = 8'd0;
reg [7:0]  xfer_data = 8'd0;
reg [3:0]  step = 4'd0;
reg        issued = 1'b0;
reg        nacked = 1'b0;
reg [31:0] rx = 32'd0;         // bytes read, the last one in [7:0]

assign oBUSY = (phase != P_IDLE) && (phase != P_END);

// Fixed entries: preamble 0..5, postamble 0..2.
function [23:0] pre_entry;
    input [2:0] i;
    input       early;
    case (i)
    3'd0: pre_entry = {16'h0B24, early ? 8'hD8 : 8'hC0};
    3'd1: pre_entry = {16'h0B25, 8'h00};
    3'd2: pre_entry = {16'h0502, 8'h01};
    3'd3: pre_entry = {16'h0505, 8'h03};
    3'd4: pre_entry = {16'h0957, early ? 8'h1F : 8'h17};
    default: pre_entry = {16'h0B4E, 8'h1A};
    endcase
endfunction

function [23:0] post_entry;
    input [2:0] i;
    input       early;
    case (i)
    3'd0: post_entry = {16'h001C, 8'h01};
    3'd1: post_entry = {16'h0B24, early ? 8'hDB : 8'hC3};
    default: post_entry = {16'h0B25, 8'h02};
    endcase
endfunction

// The register write the current phase asks for, valid flag first.
wire [23:0] pre = pre_entry(item, early_rev);
wire [23:0] post = post_entry(item, early_rev);
wire        want_valid = (phase == P_PRE) || (phase == P_POST) || (phase == P_PLAN && iVALID);
wire [15:0] want_addr = (phase == P_PRE) ? pre[23:8] : (phase == P_POST) ? post[23:8] : iADDR;
wire [7:0]  want_mask = (phase == P_PLAN) ? iMASK : 8'hFF;
wire [7:0]  want_data = (phase == P_PRE) ? pre[7:0] : (phase == P_POST) ? post[7:0] :
                        (iMASK == 8'hFF) ? iDATA : ((rx[7:0] & ~iMASK) | (iDATA & iMASK));

// Engine steps of a write: 0 START, 1 address+W, 2 register, 3 data,
// 4 STOP. Of a read: 0 START, 1 address+W, 2 register, 3 repeated START,
// 4 address+R, 5 .. 4 + rcount data in (the last one not acknowledged),
// 5 + rcount STOP.
wire [3:0] stop_step = xfer_read ? 4'd5 + {1'b0, rcount} : 4'd4;

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n) begin
        phase <= P_IDLE;
        item <= 3'd0;
        page <= 8'd0;
        page_known <= 1'b0;
        wait_count <= 32'd0;
        early_rev <= 1'b0;
        have_read <= 1'b0;
        xfer <= 1'b0;
        xfer_read <= 1'b0;
        rcount <= 3'd1;
        xfer_reg <= 8'd0;
        xfer_data <= 8'd0;
        step <= 4'd0;
        issued <= 1'b0;
        nacked <= 1'b0;
        rx <= 32'd0;
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
                        rx <= {rx[23:0], iENG_RX};
                    step <= step + 4'd1;
                end
            end
        end else if (nacked) begin
            // A transfer ended without acknowledge: the run ends here.
            nacked <= 1'b0;
            page_known <= 1'b0;
            have_read <= 1'b0;
            if (phase == P_ID)
                oID_ERROR <= 1'b1;
            phase <= P_END;
        end else begin
            case (phase)
            P_IDLE, P_END:
                if (iSTART) begin
                    oDONE <= 1'b0;
                    oID_ERROR <= 1'b0;
                    page_known <= 1'b0;
                    have_read <= 1'b0;
                    item <= 3'd0;
                    phase <= P_ID;
                end
            P_ID:
                if (item == 3'd0) begin
                    // page 0 first
                    xfer <= 1'b1; xfer_read <= 1'b0;
                    xfer_reg <= 8'h01; xfer_data <= 8'h00; step <= 4'd0;
                    page <= 8'h00; page_known <= 1'b1;
                    item <= 3'd1;
                end else if (item == 3'd1) begin
                    xfer <= 1'b1; xfer_read <= 1'b1; rcount <= 3'd4;
                    xfer_reg <= PN_BASE; step <= 4'd0;
                    item <= 3'd2;
                end else if (rx[31:24] == PN_LOW && rx[23:16] == PN_HIGH) begin
                    early_rev <= (rx[7:0] < 8'd2);
                    item <= 3'd0;
                    phase <= P_PRE;
                end else begin
                    oID_ERROR <= 1'b1;
                    phase <= P_END;
                end
            P_FIN: begin // the last postamble write went through
                oDONE <= 1'b1;
                phase <= P_END;
            end
            P_WAIT:
                if (wait_count >= PREAMBLE_WAIT_CYCLES) begin
                    oINDEX <= 7'd0;
                    phase <= P_PLAN;
                end else
                    wait_count <= wait_count + 32'd1;
            default: // P_PRE, P_PLAN, P_POST: one register at a time
                if (want_valid && (!page_known || want_addr[15:8] != page)) begin
                    xfer <= 1'b1; xfer_read <= 1'b0;
                    xfer_reg <= 8'h01; xfer_data <= want_addr[15:8]; step <= 4'd0;
                    page <= want_addr[15:8]; page_known <= 1'b1;
                end else if (want_valid && want_mask != 8'hFF && !have_read) begin
                    xfer <= 1'b1; xfer_read <= 1'b1; rcount <= 3'd1;
                    xfer_reg <= want_addr[7:0]; step <= 4'd0;
                    have_read <= 1'b1;
                end else begin
                    have_read <= 1'b0;
                    if (want_valid) begin
                        xfer <= 1'b1; xfer_read <= 1'b0;
                        xfer_reg <= want_addr[7:0]; xfer_data <= want_data; step <= 4'd0;
                    end
                    case (phase)
                    P_PRE:
                        if (item == 3'd5) begin
                            wait_count <= 32'd0;
                            phase <= P_WAIT;
                        end else
                            item <= item + 3'd1;
                    P_PLAN:
                        if (iLAST) begin
                            item <= 3'd0;
                            phase <= P_POST;
                        end else
                            oINDEX <= oINDEX + 7'd1;
                    default:
                        if (item == 3'd2)
                            phase <= P_FIN;
                        else
                            item <= item + 3'd1;
                    endcase
                end
            endcase
        end
    end
end

endmodule
