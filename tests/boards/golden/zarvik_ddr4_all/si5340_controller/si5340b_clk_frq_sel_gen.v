// Holds the frequency plan code of one configuration: it is taken when
// iLATCH is high (the start of a run) and stays steady while the plan is
// written.
module si5340b_clk_frq_sel_gen #(
    parameter SEL_BITS = 4
) (
    input                     iCLK,
    input                     iRST_n,
    input                     iLATCH,
    input      [SEL_BITS-1:0] iSEL,
    output reg [SEL_BITS-1:0] oSEL = {SEL_BITS{1'b0}}
);

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n)
        oSEL <= {SEL_BITS{1'b0}};
    else if (iLATCH)
        oSEL <= iSEL;
end

endmodule
