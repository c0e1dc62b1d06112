// Si5340 as the Linux driver clk-si5341.c, its binding and a ClockBuilder
// export of a Si5340 revision D (docs/clock-chips.md) describe it:
// registers behind a page register (0x01 in every page) and an 8-bit
// register address; PN_BASE 0x0002/0x0003 (0x40 0x53), grade 0x0004,
// DEVICE_REV 0x0005. It does not answer while its reset pin is low nor for
// READY_NS after it rises.
// Order: configuration registers may only be written after the whole
// preamble (0x0B24 = 0xC0, 0xD8 before revision 2; 0x0B25 = 0x00; 0x0502
// = 0x01; 0x0505 = 0x03; 0x0957 = 0x17, 0x1F before revision 2; 0x0B4E =
// 0x1A, in this order) and
// PREAMBLE_WAIT_NS after it; the postamble follows the plan in order
// (0x001C = 0x01 soft reset; 0x0B24 = 0xC3, 0xDB before revision 2; 0x0B25
// = 0x02). A write to a register this model does not know is an error (a
// missing page change lands there).
// At the soft reset every output is worked out, also those never written:
// on when OUTALL (0x0102 bit 0) is set and OUTk_CONFIG has OE 1, PDN 0; its
// divider Nx is the one OUTk_MUX_SEL names, fout = VCO / (Nx_NUM / Nx_DEN)
// / R with R = 2 when OUTk_RDIV_FORCE2 is set, 2 * (Rk_REG + 1) otherwise,
// and VCO = REF_HZ / 2^PXAXB (0x0206) * M_NUM / M_DEN (0x0235, 0x023B) when
// IN_SEL (0x0021) takes the crystal under register control. An enabled
// output whose R divider is off (Rk_REG 0 without FORCE2), whose N divider
// is zero or outside 10..4095, fractional with PIBYP set, powered down or
// cut off (PDNB, CLK_TO_OUTX_EN, CLK_DIS), or whose PLL is not on the
// crystal or outside 13.5-14.256 GHz is an error. Bits outside the fields
// the plan sets must keep their start-up value. The start-up image is
// set-up `setup` of si5340_setups.svh (clockplans.py: the test board's
// image with marker bits outside the fields and crossed output
// multiplexers, and register exports of real parts); load_setup picks
// another. An output that is off reads 0.
module si5340_model #(
    parameter [6:0]  ADDR = 7'h74,
    parameter [15:0] PN_BASE = 16'h5340,   // start value of pn_base
    parameter [7:0]  REVISION = 8'd3,      // DEVICE_REV (Rev D)
    parameter int    SETUP = 0,            // start-up image
    parameter real   REF_HZ = 48.0e6,      // XA/XB crystal
    parameter real   READY_NS = 1000.0,
    parameter real   PREAMBLE_WAIT_NS = 1000.0
) (
    input scl,
    inout sda,
    input rst_n
);

function automatic int N_BASE(input int k);
    return k == 0 ? 16'h0302 : k == 1 ? 16'h030D : k == 2 ? 16'h0318 : 16'h0323;
endfunction
function automatic int R_ADDR(input int k);
    return k == 0 ? 16'h0250 : k == 1 ? 16'h0253 : k == 2 ? 16'h025C : 16'h025F;
endfunction
function automatic int CFG_ADDR(input int k);
    return k == 0 ? 16'h0112 : k == 1 ? 16'h0117 : k == 2 ? 16'h0126 : 16'h012B;
endfunction
localparam int OUTALL = 16'h0102, TO_OUT_EN = 16'h0A03, PIBYP = 16'h0A04, PDNB = 16'h0A05,
               CLK_DIS = 16'h0B4A, SOFT_RST = 16'h001C;

// Preamble and postamble of this revision.
function automatic int pre_addr(input int i);
    case (i)
    0: return 16'h0B24; 1: return 16'h0B25; 2: return 16'h0502;
    3: return 16'h0505; 4: return 16'h0957; default: return 16'h0B4E;
    endcase
endfunction
function automatic [7:0] pre_data(input int i);
    case (i)
    0: return REVISION < 2 ? 8'hD8 : 8'hC0; 1: return 8'h00; 2: return 8'h01;
    3: return 8'h03; 4: return REVISION < 2 ? 8'h1F : 8'h17; default: return 8'h1A;
    endcase
endfunction
function automatic int post_addr(input int i);
    return i == 0 ? SOFT_RST : i == 1 ? 16'h0B24 : 16'h0B25;
endfunction
function automatic [7:0] post_data(input int i);
    return i == 0 ? 8'h01 : i == 1 ? (REVISION < 2 ? 8'hDB : 8'hC3) : 8'h02;
endfunction

// Field mask of a configuration register (0 when it is not one).
function automatic [7:0] field_mask(input int a);
    for (int k = 0; k < 4; k++) begin
        if (a >= N_BASE(k) && a <= N_BASE(k) + 4) return 8'hFF;
        if (a == N_BASE(k) + 5) return 8'h0F;              // N_NUM [43:40]
        if (a >= N_BASE(k) + 6 && a <= N_BASE(k) + 9) return 8'hFF;
        if (a == N_BASE(k) + 10) return 8'h01;             // Nk_UPDATE
        if (a >= R_ADDR(k) && a <= R_ADDR(k) + 2) return 8'hFF;
        if (a == CFG_ADDR(k)) return 8'h07;                // PDN, OE, RDIV_FORCE2
        if (a == CFG_ADDR(k) + 3) return 8'h07;            // MUX_SEL
    end
    if (a >= 16'h0235 && a <= 16'h0239) return 8'hFF;   // M_NUM [39:0]
    if (a == 16'h023A) return 8'h0F;                   // M_NUM [43:40]
    if (a >= 16'h023B && a <= 16'h023E) return 8'hFF;  // M_DEN
    if (a == TO_OUT_EN || a == PIBYP || a == PDNB || a == CLK_DIS) return 8'h0F;
    if (a == OUTALL) return 8'h01;
    return 8'h00;
endfunction

`include "si5340_setups.svh"

reg [7:0]  regs[0:65535];
reg [7:0]  start_regs[0:4095]; // the start-up image
integer    setup = SETUP;
integer    writes = 0;
reg [7:0]  page = 0;
integer    ptr = 0;
integer    errors = 0;
integer    configs = 0;
integer    id_reads = 0;
reg        absent = 0;
reg [15:0] pn_base = PN_BASE;
reg        ready = 0;
real       fout_hz[4];
real       vco_hz = 0.0;
integer    pre_step = 0;     // preamble entries seen in order
integer    post_step = -1;   // position in the postamble, -1 outside
realtime   pre_done = 0;
reg        unlocked = 0;     // between preamble and postamble

wire       present = ready && !absent;
wire       wstrobe, rstrobe, start_ev, stop_ev;
wire [7:0] wbyte;
integer    windex;
reg  [7:0] rdata;

i2c_target #(.ADDR(ADDR)) target (
    .scl(scl), .sda(sda), .present(present), .rdata(rdata),
    .wstrobe(wstrobe), .wbyte(wbyte), .windex(windex), .rstrobe(rstrobe),
    .start_ev(start_ev), .stop_ev(stop_ev));

// Power-up state (also used by the benches that feed the model directly).
task automatic restart;
    for (int a = 0; a < 65536; a++) regs[a] = 0;
    for (int a = 0; a < 4096; a++) begin
        start_regs[a] = si5340_setup_value(setup, a);
        regs[a] = start_regs[a];
    end
    errors = 0;
    configs = 0;
    writes = 0;
    pre_step = 0;
    post_step = -1;
    unlocked = 0;
    page = 0;
    work_out(0);
endtask

task automatic load_setup(input int s);
    setup = s;
    restart();
endtask

initial restart();

always @(rst_n) begin
    ready = 0;
    if (rst_n === 1'b1) begin
        #(READY_NS);
        if (rst_n === 1'b1) ready = 1;
    end
end

initial if (rst_n === 1'b1) begin
    #(READY_NS) ready = 1;
end

function automatic [7:0] read_reg(input int a);
    case (a)
    16'h0002: return pn_base[7:0];
    16'h0003: return pn_base[15:8];
    16'h0005: return REVISION;
    default: return regs[a];
    endcase
endfunction

always @* rdata = (ptr[7:0] == 8'h01) ? page : read_reg({page, ptr[7:0]});

always @(posedge rstrobe) begin
    if ({page, ptr[7:0]} == 16'h0003) id_reads++;
    ptr = ptr + 1;
end

task automatic fail(input string what);
    errors++;
    $display("%t si5340 model: %s", $realtime, what);
endtask

function automatic longint bytes_le(input int a, input int n);
    longint v;
    v = 0;
    for (int b = n - 1; b >= 0; b--) v = (v << 8) | regs[a + b];
    return v;
endfunction

// Every output from the registers; errors only when `report`.
task automatic work_out(input bit report);
    longint mnum, mden;
    bit     xtal;
    mnum = bytes_le(16'h0235, 6) & 64'hFFFFFFFFFFF;
    mden = bytes_le(16'h023B, 4);
    xtal = (regs[16'h0021] & 8'h07) == 8'h07;
    vco_hz = (xtal && mden != 0) ? REF_HZ / (1 << (regs[16'h0206] & 3)) * mnum / mden : 0.0;
    for (int k = 0; k < 4; k++) begin
        reg [7:0] cfg;
        int x;
        longint num, den, r;
        string bad;
        cfg = regs[CFG_ADDR(k)];
        x = regs[CFG_ADDR(k) + 3] & 7;
        fout_hz[k] = 0.0;
        bad = "";
        num = bytes_le(N_BASE(x & 3), 6) & 64'hFFFFFFFFFFF;
        den = bytes_le(N_BASE(x & 3) + 6, 4);
        r = bytes_le(R_ADDR(k), 3);
        if (!cfg[1] || cfg[0] || !regs[OUTALL][0])
            bad = "off";
        else if (x > 3)
            bad = $sformatf("OUT%0d on missing N%0d", k, x);
        else if (!regs[PDNB][x] || !regs[TO_OUT_EN][x] || regs[CLK_DIS][x])
            bad = $sformatf("OUT%0d enabled on N%0d that is powered down", k, x);
        else if (num == 0 || den == 0 || 1.0 * num / den < 10.0 || 1.0 * num / den > 4095.0)
            bad = $sformatf("OUT%0d enabled with N%0d = %0d/%0d", k, x, num, den);
        else if (regs[PIBYP][x] && num % den != 0)
            bad = $sformatf("N%0d fractional with PIBYP set", x);
        else if (!cfg[2] && r == 0)
            bad = $sformatf("OUT%0d enabled with its R divider off (R%0d_REG 0)", k, k);
        else if (!xtal)
            bad = $sformatf("OUT%0d enabled with the PLL on an input the board does not drive", k);
        else if (vco_hz < 13.40625e9 || vco_hz > 14.256e9)
            bad = $sformatf("OUT%0d enabled with the VCO at %f GHz", k, vco_hz / 1e9);
        if (bad != "") begin
            if (report && bad != "off") fail(bad);
        end else
            fout_hz[k] = vco_hz * den / num / (cfg[2] ? 2.0 : 2.0 * (r + 1));
    end
endtask

task automatic soft_reset;
    // Fields outside the plan keep their start-up value.
    for (int a = 16'h0100; a < 16'h0C00; a++)
        if (field_mask(a) != 0 && ((regs[a] ^ start_regs[a]) & ~field_mask(a)) != 0)
            fail($sformatf("register %h: bits outside its fields changed (%h)", a, regs[a]));
    work_out(1);
endtask

// One register write, in the order rules above.
task automatic write_reg(input int a, input [7:0] d);
    if (post_step >= 0) begin
        if (a != post_addr(post_step) || d != post_data(post_step))
            fail($sformatf("postamble: %h = %h at step %0d", a, d, post_step));
        else if (post_step == 2) begin
            post_step = -1;
            unlocked = 0;
            configs++;
        end else
            post_step++;
    end else if (a == pre_addr(pre_step) && d == pre_data(pre_step) && !unlocked) begin
        pre_step++;
        if (pre_step == 6) begin
            pre_step = 0;
            unlocked = 1;
            pre_done = $realtime;
        end
    end else if (a == SOFT_RST && d == 8'h01) begin
        if (!unlocked) fail("soft reset outside preamble and postamble");
        soft_reset();
        post_step = 1;
    end else if (field_mask(a) != 0) begin
        if (!unlocked) fail($sformatf("register %h written without the whole preamble", a));
        else if ($realtime - pre_done < PREAMBLE_WAIT_NS) fail("no wait after the preamble");
    end else
        fail($sformatf("write to unknown register %h = %h", a, d));
    regs[a] = d;
    writes++;
endtask

// One byte of a write transfer: index 0 is the register address.
task automatic on_byte(input int index, input [7:0] b);
    if (index == 0) begin
        ptr = b;
    end else begin
        if (ptr[7:0] == 8'h01)
            page = b;
        else
            write_reg({page, ptr[7:0]}, b);
        ptr = ptr + 1;
    end
endtask

always @(posedge wstrobe) on_byte(windex, wbyte);

endmodule
