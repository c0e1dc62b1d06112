// Harvik Si5340A frequency selector. Codes 0 to 4 are the transceiver
// clocks 644.53125, 322.265625, 250, 125, 100 MHz, codes 5 to 8 the memory
// clocks 300, 275, 800/3, 700/3 MHz (memory code + 5); codes 9 to 15 leave
// the output as it is. OUT0 to OUT3 take iSEL0 to iSEL3.
// Plan entries for the register walker: for each of the four outputs the
// N divider (numerator, denominator, update), the R divider and the output
// enable, or only the power-down of an output that is off, or nothing for
// an output left as it is. Entry iINDEX is oADDR = oDATA when oVALID.
module si5340a_freq_prameter_selector #(
    // Register addresses (fact sheet; named so a board can correct them).
    parameter [15:0] N_BASE_0 = 16'h0302,  // N0_NUM, N0_DEN, N0_UPDATE
    parameter [15:0] N_BASE_1 = 16'h030D,
    parameter [15:0] N_BASE_2 = 16'h0318,
    parameter [15:0] N_BASE_3 = 16'h0323,
    parameter [15:0] R_ADDR_0 = 16'h0250,  // R divider of OUT0
    parameter [15:0] R_ADDR_1 = 16'h0253,
    parameter [15:0] R_ADDR_2 = 16'h025C,
    parameter [15:0] R_ADDR_3 = 16'h025F,
    parameter [15:0] OUT_CFG_0 = 16'h0112, // OUT0 PDN (bit 0), OE (bit 1)
    parameter [15:0] OUT_CFG_1 = 16'h0117,
    parameter [15:0] OUT_CFG_2 = 16'h0126,
    parameter [15:0] OUT_CFG_3 = 16'h012B,
    parameter [7:0]  OUT_ON = 8'h02,
    parameter [7:0]  OUT_OFF = 8'h01
) (
    input      [3:0]  iSEL0,
    input      [3:0]  iSEL1,
    input      [3:0]  iSEL2,
    input      [3:0]  iSEL3,
    input      [6:0]  iINDEX,
    output            oVALID,
    output     [15:0] oADDR,
    output     [7:0]  oDATA,
    output            oLAST
);

function [3:0] id_of_code;
    input [3:0] c;
    case (c)
    4'd0: id_of_code = 4'd1;  // 644.53125
    4'd1: id_of_code = 4'd2;  // 322.265625
    4'd2: id_of_code = 4'd4;  // 250
    4'd3: id_of_code = 4'd6;  // 125
    4'd4: id_of_code = 4'd7;  // 100
    4'd5: id_of_code = 4'd8;  // 300
    4'd6: id_of_code = 4'd9;  // 275
    4'd7: id_of_code = 4'd10; // 800/3
    4'd8: id_of_code = 4'd11; // 700/3
    default: id_of_code = 4'd15;
    endcase
endfunction

wire [3:0] id0 = id_of_code(iSEL0);
wire [3:0] id1 = id_of_code(iSEL1);
wire [3:0] id2 = id_of_code(iSEL2);
wire [3:0] id3 = id_of_code(iSEL3);

// Frequency ids: 0 output off, 1 644.53125, 2 322.265625, 3 312.5, 4 250,
// 5 156.25, 6 125, 7 100, 8 300, 9 275, 10 800/3, 11 700/3, 12 225,
// 13 200, 14 150 MHz, 15 output left as it is. With the VCO at 14 GHz and
// R = 2 the N divider is 7000 MHz / f, held as numerator / denominator.
function [43:0] n_num;
    input [3:0] id;
    case (id)
    4'd1:  n_num = 44'd1792;  // 1792/165
    4'd2:  n_num = 44'd3584;  // 3584/165
    4'd3:  n_num = 44'd112;   // 112/5
    4'd4:  n_num = 44'd28;
    4'd5:  n_num = 44'd224;   // 224/5
    4'd6:  n_num = 44'd56;
    4'd7:  n_num = 44'd70;
    4'd8:  n_num = 44'd70;    // 70/3
    4'd9:  n_num = 44'd280;   // 280/11
    4'd10: n_num = 44'd105;   // 105/4
    4'd11: n_num = 44'd30;
    4'd12: n_num = 44'd280;   // 280/9
    4'd13: n_num = 44'd35;
    default: n_num = 44'd140; // 140/3
    endcase
endfunction

function [31:0] n_den;
    input [3:0] id;
    case (id)
    4'd1, 4'd2: n_den = 32'd165;
    4'd3, 4'd5: n_den = 32'd5;
    4'd8, 4'd14: n_den = 32'd3;
    4'd9:  n_den = 32'd11;
    4'd10: n_den = 32'd4;
    4'd12: n_den = 32'd9;
    default: n_den = 32'd1;
    endcase
endfunction

// Slots of output k (15 each, index = 15 * k + slot): 0-5 Nk_NUM bytes,
// 6-9 Nk_DEN bytes (least significant byte first), 10 Nk_UPDATE, 11-13
// Rk_REG bytes (0: divide by 2), 14 OUTk configuration (on or powered down).
wire [1:0]  out_k = (iINDEX < 7'd15) ? 2'd0 : (iINDEX < 7'd30) ? 2'd1 :
                    (iINDEX < 7'd45) ? 2'd2 : 2'd3;
wire [3:0]  slot = iINDEX[3:0] + {2'd0, out_k}; // iINDEX - 15 * k, modulo 16
wire [3:0]  id = (out_k == 2'd0) ? id0 : (out_k == 2'd1) ? id1 : (out_k == 2'd2) ? id2 : id3;
wire [43:0] num = n_num(id);
wire [31:0] den = n_den(id);
wire [15:0] n_base = (out_k == 2'd0) ? N_BASE_0 : (out_k == 2'd1) ? N_BASE_1 :
                     (out_k == 2'd2) ? N_BASE_2 : N_BASE_3;
wire [15:0] r_addr = (out_k == 2'd0) ? R_ADDR_0 : (out_k == 2'd1) ? R_ADDR_1 :
                     (out_k == 2'd2) ? R_ADDR_2 : R_ADDR_3;
wire [15:0] cfg_addr = (out_k == 2'd0) ? OUT_CFG_0 : (out_k == 2'd1) ? OUT_CFG_1 :
                       (out_k == 2'd2) ? OUT_CFG_2 : OUT_CFG_3;
wire [47:0] num_bytes = {4'd0, num};

assign oLAST = (iINDEX == 7'd59);
assign oVALID = (id != 4'd15) && (slot == 4'd14 || id != 4'd0);
assign oADDR = (slot < 4'd11) ? n_base + {12'd0, slot} :
               (slot < 4'd14) ? r_addr + {12'd0, slot - 4'd11} : cfg_addr;
assign oDATA = (slot < 4'd6) ? num_bytes[8 * slot +: 8] :
               (slot < 4'd10) ? den[8 * (slot - 4'd6) +: 8] :
               (slot == 4'd10) ? 8'h01 :
               (slot < 4'd14) ? 8'h00 :
               (id == 4'd0) ? OUT_OFF : OUT_ON;

endmodule
