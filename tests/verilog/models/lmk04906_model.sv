// LMK04906 three-wire port as the fact sheet describes it: bits shift in,
// most significant first, on rising CLK; a rising LE latches the last 32
// bits into the register named by bits 4:0. The first word after power-up
// or a done programming must be R0 with RESET; then R0 to R16 and R24 to
// R31 in ascending order. Output pair p runs at VCO_HZ / CLKoutX_Y_DIV
// (R<p> bits 15:5). Data moving while CLK is high counts as an error.
module lmk04906_model #(
    parameter real VCO_HZ = 2578.125e6
) (
    input CLK,
    input DATA,
    input LE
);

reg [31:0] regs[0:31];
reg [31:0] shift = 0;
integer    bits = 0;
integer    errors = 0;
integer    words = 0;
integer    programs = 0;   // complete programmings
integer    expect_next = -1; // -1: the RESET word is due
realtime   last_rise = 0;
integer    order[0:24];

initial begin
    for (int i = 0; i < 32; i++) regs[i] = 0;
    for (int i = 0; i < 17; i++) order[i] = i;
    for (int i = 0; i < 8; i++) order[17 + i] = 24 + i;
end

always @(posedge CLK) begin
    if (LE !== 1'b0) begin
        errors++;
        $display("%t lmk04906 model: clock while LE is high", $realtime);
    end
    shift = {shift[30:0], DATA};
    bits++;
    last_rise = $realtime;
end

always @(DATA) if (CLK === 1'b1) begin
    errors++;
    $display("%t lmk04906 model: data moved while CLK was high", $realtime);
end

always @(posedge LE) begin
    if (bits != 32) begin
        errors++;
        $display("%t lmk04906 model: %0d bits before LE", $realtime, bits);
    end
    bits = 0;
    words++;
    if (expect_next == -1) begin
        if (shift[4:0] != 0 || !shift[17]) begin
            errors++;
            $display("%t lmk04906 model: first word %h is not R0 with RESET", $realtime, shift);
        end
        expect_next = 0;
    end else begin
        if (shift[4:0] != order[expect_next]) begin
            errors++;
            $display("%t lmk04906 model: R%0d where R%0d was due", $realtime, shift[4:0],
                     order[expect_next]);
        end
        regs[shift[4:0]] = shift;
        expect_next++;
        if (expect_next == 25) begin
            programs++;
            expect_next = -1;
        end
    end
end

function automatic real pair_hz(input int p);
    int div;
    div = regs[p][15:5];
    return div ? VCO_HZ / div : 0.0;
endfunction

endmodule
