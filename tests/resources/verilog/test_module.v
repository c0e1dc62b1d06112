module test_module(input a, output b);
assign b = a;
endmodule
