// Rising-edge detector for an asynchronous input: two synchroniser stages,
// then a one-clock pulse on oRISE for each rising edge of iIN.
module edge_detector (
    input  iCLK,
    input  iRST_n,
    input  iIN,
    output oRISE
);

reg [2:0] stages = 3'b000; // [0], [1]: synchroniser; [2]: previous value

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n)
        stages <= 3'b000;
    else
        stages <= {stages[1:0], iIN};
end

assign oRISE = stages[1] & ~stages[2];

endmodule
