// Start pulse after the chip's start-up time: WAIT_CYCLES clocks after
// reset release, or after power-up when no reset edge comes, oSTART is high
// for one clock. The registers' power-up values make both cases the same.
module initial_config #(
    parameter WAIT_CYCLES = 1500000
) (
    input      iCLK,
    input      iRST_n,
    output reg oSTART = 1'b0
);

reg [31:0] count = 32'd0;
reg        done = 1'b0;

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n) begin
        count  <= 32'd0;
        done   <= 1'b0;
        oSTART <= 1'b0;
    end else if (done) begin
        oSTART <= 1'b0;
    end else if (count >= WAIT_CYCLES - 1) begin
        done   <= 1'b1;
        oSTART <= 1'b1;
    end else begin
        count <= count + 32'd1;
    end
end

endmodule
