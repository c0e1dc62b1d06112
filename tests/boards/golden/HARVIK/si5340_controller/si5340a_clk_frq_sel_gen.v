// Holds the four output frequency selects of one configuration: they are
// taken when iLATCH is high (the start of a run) and stay steady while the
// plan is written.
module si5340a_clk_frq_sel_gen #(
    parameter SEL_BITS = 3
) (
    input                     iCLK,
    input                     iRST_n,
    input                     iLATCH,
    input      [SEL_BITS-1:0] iSEL0,
    input      [SEL_BITS-1:0] iSEL1,
    input      [SEL_BITS-1:0] iSEL2,
    input      [SEL_BITS-1:0] iSEL3,
    output reg [SEL_BITS-1:0] oSEL0 = {SEL_BITS{1'b0}},
    output reg [SEL_BITS-1:0] oSEL1 = {SEL_BITS{1'b0}},
    output reg [SEL_BITS-1:0] oSEL2 = {SEL_BITS{1'b0}},
    output reg [SEL_BITS-1:0] oSEL3 = {SEL_BITS{1'b0}}
);

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n) begin
        oSEL0 <= {SEL_BITS{1'b0}};
        oSEL1 <= {SEL_BITS{1'b0}};
        oSEL2 <= {SEL_BITS{1'b0}};
        oSEL3 <= {SEL_BITS{1'b0}};
    end else if (iLATCH) begin
        oSEL0 <= iSEL0;
        oSEL1 <= iSEL1;
        oSEL2 <= iSEL2;
        oSEL3 <= iSEL3;
    end
end

endmodule
