// Si570 as the Linux driver clk-si570.c describes it: a register file with
// the divider bank at FIRST_REG..FIRST_REG+5, register 135 (RECALL bit 0,
// NewFreq bit 6) and 137 (Freeze DCO bit 4). It does not answer before
// READY_NS (power-up), RECALL copies the start-up values back and reads 1
// for RECALL_NS, and NewFreq applies the bank: fout = fxtal * RFREQ /
// (HS_DIV * N1). Errors: bank writes while the DCO is not frozen, NewFreq
// while it is frozen, a DCO outside 4.85-5.67 GHz, unused divider codes,
// and a write to 137 that changes a bit other than Freeze DCO (the driver
// cites AN334: 137 is read-modify-write; REG137_START holds marker bits
// there that must survive).
module si570_model #(
    parameter [6:0] ADDR = 7'h55,
    parameter       FIRST_REG = 7,
    parameter real  XTAL_HZ = 114.285e6,
    parameter real  STARTUP_HZ = 100.0e6,
    parameter real  READY_NS = 1000.0,
    parameter real  RECALL_NS = 30000.0,
    parameter [7:0] REG137_START = 8'h08
) (
    input scl,
    inout sda
);

reg [7:0] bank[0:5];
reg [7:0] nvm[0:5];
reg [7:0] reg135 = 0;
reg [7:0] reg137 = REG137_START;
integer   ptr = 0;
integer   errors = 0;
integer   newfreqs = 0;
integer   recalls = 0;
integer   bank_writes = 0;
real      fout_hz = 0.0;
reg       present = 0;

wire       wstrobe, rstrobe, start_ev, stop_ev;
wire [7:0] wbyte;
integer    windex;
reg  [7:0] rdata;

i2c_target #(.ADDR(ADDR)) target (
    .scl(scl), .sda(sda), .present(present), .rdata(rdata),
    .wstrobe(wstrobe), .wbyte(wbyte), .windex(windex), .rstrobe(rstrobe),
    .start_ev(start_ev), .stop_ev(stop_ev));

function automatic integer hs_div(input [2:0] code);
    case (code)
    3'd0: hs_div = 4;
    3'd1: hs_div = 5;
    3'd2: hs_div = 6;
    3'd3: hs_div = 7;
    3'd5: hs_div = 9;
    3'd7: hs_div = 11;
    default: hs_div = 0;
    endcase
endfunction

function automatic real bank_fout(input integer dummy);
    reg [37:0] rfreq;
    integer hs, n1;
    rfreq = {bank[1][5:0], bank[2], bank[3], bank[4], bank[5]};
    hs = hs_div(bank[0][7:5]);
    n1 = {bank[0][4:0], bank[1][7:6]} + 1;
    if (hs == 0 || (n1 != 1 && n1 % 2 != 0)) begin
        errors = errors + 1;
        $display("%t si570 model: unused divider HS code %0d N1 %0d", $realtime, bank[0][7:5], n1);
        bank_fout = 0.0;
    end else begin
        real dco;
        dco = XTAL_HZ * rfreq / 268435456.0;
        if (dco < 4.85e9 || dco > 5.67e9) begin
            errors = errors + 1;
            $display("%t si570 model: DCO %f MHz out of range", $realtime, dco / 1.0e6);
        end
        bank_fout = dco / (hs * n1);
    end
endfunction

// Start-up values: HS_DIV 5, N1 10, RFREQ for STARTUP_HZ with this crystal.
initial begin : startup
    longint unsigned rf;
    rf = longint'(STARTUP_HZ * 50.0 / XTAL_HZ * 268435456.0);
    nvm[0] = {3'd1, 5'd2};         // HS code 1, N1 code 9 = 7'b0001001
    nvm[1] = {2'b01, rf[37:32]};
    nvm[2] = rf[31:24];
    nvm[3] = rf[23:16];
    nvm[4] = rf[15:8];
    nvm[5] = rf[7:0];
    restart();
    #(READY_NS) present = 1;
end

// Power-up state (also used by the benches that feed the model directly).
task automatic restart;
    for (int i = 0; i < 6; i++)
        bank[i] = nvm[i];
    reg135 = 0;
    reg137 = REG137_START;
    errors = 0;
    fout_hz = bank_fout(0);
endtask

always @* begin
    if (ptr >= FIRST_REG && ptr < FIRST_REG + 6)
        rdata = bank[ptr - FIRST_REG];
    else if (ptr == 135)
        rdata = reg135;
    else if (ptr == 137)
        rdata = reg137;
    else
        rdata = 8'h00;
end

always @(posedge rstrobe) ptr = ptr + 1;

// One byte of a write transfer: index 0 is the register address.
task automatic on_byte(input int index, input [7:0] b);
    if (index == 0) begin
        ptr = b;
    end else begin
        if (ptr >= FIRST_REG && ptr < FIRST_REG + 6) begin
            if (!reg137[4]) begin
                errors = errors + 1;
                $display("%t si570 model: bank written with the DCO running", $realtime);
            end
            bank[ptr - FIRST_REG] = b;
            bank_writes = bank_writes + 1;
        end else if (ptr == 137) begin
            if ((b ^ reg137) & ~8'h10) begin
                errors = errors + 1;
                $display("%t si570 model: 137 = %h changes bits other than Freeze DCO",
                         $realtime, b);
            end
            reg137 = b;
        end else if (ptr == 135) begin
            if (b[0]) begin
                for (int i = 0; i < 6; i++)
                    bank[i] = nvm[i];
                reg135[0] = 1;
                recalls = recalls + 1;
                fork begin #(RECALL_NS) reg135[0] = 0; end join_none
            end
            if (b[6]) begin
                if (reg137[4]) begin
                    errors = errors + 1;
                    $display("%t si570 model: NewFreq with the DCO frozen", $realtime);
                end
                fout_hz = bank_fout(0);
                newfreqs = newfreqs + 1;
            end
        end else begin
            errors = errors + 1;
            $display("%t si570 model: write to register %0d", $realtime, ptr);
        end
        ptr = ptr + 1;
    end
endtask

always @(posedge wstrobe) on_byte(windex, wbyte);

endmodule
