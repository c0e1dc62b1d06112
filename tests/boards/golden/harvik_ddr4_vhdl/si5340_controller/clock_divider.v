// Tick source of the two-wire engine: one iCLK-wide pulse on oTICK every
// QUARTER_CYCLES clocks, a quarter of an SCL period. 125 quarters of 50 MHz
// give 100 kHz.
module clock_divider #(
    parameter QUARTER_CYCLES = 125
) (
    input      iCLK,
    input      iRST_n,
    output reg oTICK = 1'b0
);

reg [15:0] count = 16'd0;

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n) begin
        count <= 16'd0;
        oTICK <= 1'b0;
    end else if (count == QUARTER_CYCLES - 1) begin
        count <= 16'd0;
        oTICK <= 1'b1;
    end else begin
        count <= count + 16'd1;
        oTICK <= 1'b0;
    end
end

endmodule
