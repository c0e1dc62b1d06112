// Si5340 as the fact sheet describes it: registers behind a page register
// (0x01 in every page) and an 8-bit register address, identity PN_BASE at
// 0x0002/0x0003. It does not answer while its reset pin is low nor for
// READY_NS after it rises. Divider and output registers may only be written
// between the preamble (0x0B24 = 0xC0, 0x0B25 = 0x00, 0x0540 = 0x01) and the
// postamble, and not before PREAMBLE_WAIT_NS after it. Nk_UPDATE takes the
// N divider; the soft reset 0x001C = 0x01 puts the outputs to work:
// fout = VCO_HZ / (Nk_NUM / Nk_DEN) / (2 * (Rk_REG + 1)), 0 when the output
// is powered down or not enabled. An output never configured reads -1 (its
// start-up plan). A completed postamble counts one configuration.
module si5340_model #(
    parameter [6:0]  ADDR = 7'h74,
    parameter [15:0] PN_BASE = 16'h5340,   // start value of pn_base
    parameter real   VCO_HZ = 14.0e9,
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

reg [7:0]  regs[0:65535];
reg        written[0:65535];
reg [7:0]  page = 0;
integer    ptr = 0;
integer    errors = 0;
integer    configs = 0;
integer    id_reads = 0;
reg        absent = 0;
reg [15:0] pn_base = PN_BASE;
reg        ready = 0;
real       fout_hz[4];
real       n_active[4];
integer    post_step = -1;   // position in the postamble, -1 outside
integer    pre_step = 0;     // preamble bytes seen in order
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

function automatic [7:0] peek(input int a);
    return written[a] ? regs[a] : 8'h00;
endfunction

initial begin
    for (int a = 0; a < 65536; a++) written[a] = 0;
    for (int k = 0; k < 4; k++) begin
        fout_hz[k] = -1.0;
        n_active[k] = 0.0;
    end
end

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

always @* rdata = ({page, ptr[7:0]} == 16'h0002) ? pn_base[7:0] :
                  ({page, ptr[7:0]} == 16'h0003) ? pn_base[15:8] :
                  (ptr[7:0] == 8'h01) ? page : peek({page, ptr[7:0]});

always @(posedge rstrobe) begin
    if ({page, ptr[7:0]} == 16'h0003) id_reads++;
    ptr = ptr + 1;
end

function automatic bit guarded(input int a);
    for (int k = 0; k < 4; k++) begin
        if (a >= N_BASE(k) && a <= N_BASE(k) + 10) return 1;
        if (a >= R_ADDR(k) && a <= R_ADDR(k) + 2) return 1;
        if (a == CFG_ADDR(k)) return 1;
    end
    return 0;
endfunction

task automatic fail(input string what);
    errors++;
    $display("%t si5340 model: %s", $realtime, what);
endtask

task automatic soft_reset;
    for (int k = 0; k < 4; k++) begin
        if (written[CFG_ADDR(k)]) begin
            reg [7:0] cfg;
            cfg = regs[CFG_ADDR(k)];
            if (cfg[0] || !cfg[1])
                fout_hz[k] = 0.0;
            else begin
                int r;
                r = {peek(R_ADDR(k) + 2), peek(R_ADDR(k) + 1), peek(R_ADDR(k))};
                if (n_active[k] < 10.0) begin
                    fail($sformatf("OUT%0d enabled with N %f", k, n_active[k]));
                    fout_hz[k] = 0.0;
                end else
                    fout_hz[k] = VCO_HZ / n_active[k] / (2.0 * (r + 1));
            end
        end
    end
endtask

task automatic write_reg(input int a, input [7:0] d);
    // Preamble and postamble order.
    if (a == 16'h0B24 && d == 8'hC0) pre_step = 1;
    else if (a == 16'h0B25 && d == 8'h00 && pre_step == 1) pre_step = 2;
    else if (a == 16'h0540 && d == 8'h01) begin
        if (pre_step != 2) fail("preamble out of order");
        pre_step = 0;
        unlocked = 1;
        pre_done = $realtime;
        post_step = 0;
    end else if (guarded(a)) begin
        if (!unlocked) fail($sformatf("register %h written outside the preamble", a));
        if ($realtime - pre_done < PREAMBLE_WAIT_NS) fail("no wait after the preamble");
    end
    if (unlocked) begin
        case (post_step)
        0: if (a == 16'h0514 && d == 8'h01) post_step = 1;
        1: if (a == 16'h001C && d == 8'h01) begin post_step = 2; soft_reset(); end
           else fail($sformatf("postamble: %h after 0x0514", a));
        2: if (a == 16'h0540 && d == 8'h00) post_step = 3; else fail("postamble: 0x0540");
        3: if (a == 16'h0B24 && d == 8'hC3) post_step = 4; else fail("postamble: 0x0B24");
        4: if (a == 16'h0B25 && d == 8'h02) begin
               post_step = -1;
               unlocked = 0;
               configs++;
           end else fail("postamble: 0x0B25");
        default: ;
        endcase
    end
    regs[a] = d;
    written[a] = 1;
    for (int k = 0; k < 4; k++)
        if (a == N_BASE(k) + 10 && d[0]) begin
            longint num, den;
            num = 0;
            den = 0;
            for (int b = 5; b >= 0; b--) num = (num << 8) | peek(N_BASE(k) + b);
            for (int b = 3; b >= 0; b--) den = (den << 8) | peek(N_BASE(k) + 6 + b);
            n_active[k] = den ? 1.0 * num / den : 0.0;
        end
endtask

always @(posedge wstrobe) begin
    if (windex == 0) begin
        ptr = wbyte;
    end else begin
        if (ptr[7:0] == 8'h01)
            page = wbyte;
        else
            write_reg({page, ptr[7:0]}, wbyte);
        ptr = ptr + 1;
    end
end

endmodule
