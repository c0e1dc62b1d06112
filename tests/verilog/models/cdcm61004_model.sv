// CDCM61004 pins as the fact sheet describes them: on the rising edge of
// RSTN the chip takes PR (prescaler/feedback pair) and OD (output divider)
// and runs at 25 MHz * feedback / OD. Pins that move while RSTN is low or
// just before the pulse, a VCO outside 1.75-2.05 GHz and unused codes count
// as errors.
module cdcm61004_model #(
    parameter real XTAL_HZ = 25.0e6,
    parameter real SETUP_NS = 500.0
) (
    input       CE,
    input [2:0] OD,
    input [1:0] OS,
    input [1:0] PR,
    input       RSTN
);

integer  errors = 0;
integer  restarts = 0;
real     fout_hz = 0.0;
integer  prescaler = 0, feedback = 0, divider = 0;
realtime pins_changed = 0;

always @(OD or PR or OS or CE) begin
    pins_changed = $realtime;
    if (RSTN === 1'b0) begin
        errors = errors + 1;
        $display("%t cdcm61004 model: control pins moved during reset", $realtime);
    end
end

always @(negedge RSTN)
    if ($realtime - pins_changed < SETUP_NS && $realtime > SETUP_NS) begin
        errors = errors + 1;
        $display("%t cdcm61004 model: reset right after a pin change", $realtime);
    end

always @(posedge RSTN) begin
    case (PR)
    2'b00: begin prescaler = 3; feedback = 24; end
    2'b01: begin prescaler = 5; feedback = 15; end
    2'b10: begin prescaler = 4; feedback = 20; end
    default: begin prescaler = 3; feedback = 25; end
    endcase
    case (OD)
    3'b000: divider = 1;
    3'b001: divider = 2;
    3'b010: divider = 3;
    3'b011: divider = 4;
    3'b100: divider = 6;
    3'b101: divider = 8;
    default: begin divider = 0; errors = errors + 1; $display("cdcm61004 model: OD %b", OD); end
    endcase
    if (XTAL_HZ * prescaler * feedback < 1.75e9 || XTAL_HZ * prescaler * feedback > 2.05e9) begin
        errors = errors + 1;
        $display("%t cdcm61004 model: VCO out of range", $realtime);
    end
    if (CE !== 1'b1) begin
        errors = errors + 1;
        $display("%t cdcm61004 model: chip disabled", $realtime);
    end
    fout_hz = divider ? XTAL_HZ * feedback / divider : 0.0;
    restarts = restarts + 1;
end

endmodule
