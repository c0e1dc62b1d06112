// Zarvik Si5340B frequency plans: code = DDR + 3 * QDR with DDR 0, 1, 2 =
// 800/3, 700/3, 200 MHz and QDR 0, 1, 2, 3 = 275, 250, 225, 700/3 MHz;
// codes 12 to 15 take plan 0. OUT0 DDR3, OUT1 QDRII+, OUT2 PCIe 100 MHz,
// OUT3 left as it is.
// Plan entries for the register walker (see below). Entry iINDEX writes
// oDATA under oMASK to oADDR when oVALID.
module si5340b_freq_prameter_selector #(
    // Register addresses of the Si5340 (named so a board can correct them).
    parameter [15:0] N_BASE_0 = 16'h0302,  // N0_NUM (6 bytes), N0_DEN (4), N0_UPDATE
    parameter [15:0] N_BASE_1 = 16'h030D,
    parameter [15:0] N_BASE_2 = 16'h0318,
    parameter [15:0] N_BASE_3 = 16'h0323,
    parameter [15:0] R_ADDR_0 = 16'h0250,  // R0_REG (3 bytes) of OUT0
    parameter [15:0] R_ADDR_1 = 16'h0253,
    parameter [15:0] R_ADDR_2 = 16'h025C,
    parameter [15:0] R_ADDR_3 = 16'h025F,
    parameter [15:0] OUT_CFG_0 = 16'h0112, // OUT0_CONFIG; OUT0_MUX_SEL at + 3
    parameter [15:0] OUT_CFG_1 = 16'h0117,
    parameter [15:0] OUT_CFG_2 = 16'h0126,
    parameter [15:0] OUT_CFG_3 = 16'h012B,
    parameter [15:0] OUTALL_ADDR = 16'h0102,      // bit 0: outputs enabled
    parameter [15:0] N_TO_OUT_EN_ADDR = 16'h0A03, // bit k: Nk drives the outputs
    parameter [15:0] N_PIBYP_ADDR = 16'h0A04,     // bit k: Nk is an integer divider
    parameter [15:0] N_PDNB_ADDR = 16'h0A05,      // bit k: Nk powered
    parameter [15:0] N_CLK_DIS_ADDR = 16'h0B4A    // bit k: Nk input clock off
) (
    input      [3:0]  iSEL,
    input      [6:0]  iINDEX,
    output            oVALID,
    output     [15:0] oADDR,
    output     [7:0]  oDATA,
    output     [7:0]  oMASK,
    output            oLAST
);

wire [3:0] code = (iSEL > 4'd11) ? 4'd0 : iSEL;
wire [3:0] qdr = (code >= 4'd9) ? 4'd3 : (code >= 4'd6) ? 4'd2 : (code >= 4'd3) ? 4'd1 : 4'd0;
wire [3:0] ddr = code - 4'd3 * qdr;

wire [3:0] id0 = (ddr == 4'd0) ? 4'd10 : (ddr == 4'd1) ? 4'd11 : 4'd13;
wire [3:0] id1 = (qdr == 4'd0) ? 4'd9 : (qdr == 4'd1) ? 4'd4 : (qdr == 4'd2) ? 4'd12 : 4'd11;
wire [3:0] id2 = 4'd7;
wire [3:0] id3 = 4'd15;

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

// Entries of output k (20 each, index = 20 * k + slot), written in this
// order: 0-5 Nk_NUM bytes, 6-9 Nk_DEN bytes (least significant byte
// first), 10 Nk_PIBYP (set for an integer divider), 11 Nk_UPDATE, 12-14
// Rk_REG = 1 (with OUTk_RDIV_FORCE2 the R divider is 2; a zero Rk_REG
// would turn the divider off), 15 OUTk_CONFIG (PDN 0, OE 1, RDIV_FORCE2 1),
// 16 OUTk_MUX_SEL = k, 17 Nk powered, 18 Nk to the outputs, 19 Nk input
// clock on. An output that is off gets only OUTk_CONFIG (OE 0, PDN 1); an
// output left as it is gets nothing. Entry 80 enables the outputs as a
// whole when one is on. Masked entries (oMASK other than 0xFF) are
// read-modify-writes: the chip keeps its start-up value in every other bit.
// The register walker may give output k another synthesizer than Nk (one
// that no output left as it is uses): it then takes that synthesizer's
// registers and bit from its entries.
wire [1:0]  out_k = (iINDEX < 7'd20) ? 2'd0 : (iINDEX < 7'd40) ? 2'd1 :
                    (iINDEX < 7'd60) ? 2'd2 : 2'd3;
wire [4:0]  slot = iINDEX[4:0] - 5'd20 * {3'd0, out_k}; // iINDEX - 20 * k, modulo 32
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
wire [7:0]  k_bit = 8'd1 << out_k;
wire        any_on = (id0 != 4'd0 && id0 != 4'd15) || (id1 != 4'd0 && id1 != 4'd15) ||
                     (id2 != 4'd0 && id2 != 4'd15) || (id3 != 4'd0 && id3 != 4'd15);
wire        outall_entry = (iINDEX == 7'd80);

reg [15:0] addr;
reg [7:0]  data;
reg [7:0]  mask;
always @* begin
    mask = 8'hFF;
    data = 8'h00;
    if (slot < 5'd6) begin
        addr = n_base + {11'd0, slot};
        data = num_bytes[8 * slot +: 8];
    end else if (slot < 5'd10) begin
        addr = n_base + {11'd0, slot};
        data = den[8 * (slot - 5'd6) +: 8];
    end else if (slot == 5'd10) begin
        addr = N_PIBYP_ADDR;
        mask = k_bit;
        data = (den == 32'd1) ? k_bit : 8'h00;
    end else if (slot == 5'd11) begin
        addr = n_base + 16'd10;
        data = 8'h01;
    end else if (slot < 5'd15) begin
        addr = r_addr + {11'd0, slot - 5'd12};
        data = (slot == 5'd12) ? 8'h01 : 8'h00;
    end else if (slot == 5'd15) begin
        addr = cfg_addr;
        mask = (id == 4'd0) ? 8'h03 : 8'h07;
        data = (id == 4'd0) ? 8'h01 : 8'h06;
    end else if (slot == 5'd16) begin
        addr = cfg_addr + 16'd3;
        mask = 8'h07;
        data = {6'd0, out_k};
    end else if (slot == 5'd17) begin
        addr = N_PDNB_ADDR;
        mask = k_bit;
        data = k_bit;
    end else if (slot == 5'd18) begin
        addr = N_TO_OUT_EN_ADDR;
        mask = k_bit;
        data = k_bit;
    end else begin
        addr = N_CLK_DIS_ADDR;
        mask = k_bit;
    end
    if (outall_entry) begin
        addr = OUTALL_ADDR;
        mask = 8'h01;
        data = 8'h01;
    end
end

assign oLAST = outall_entry;
assign oVALID = outall_entry ? any_on : (id != 4'd15) && (slot == 5'd15 || id != 4'd0);
assign oADDR = addr;
assign oDATA = data;
assign oMASK = mask;

endmodule
