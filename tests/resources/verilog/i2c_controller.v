// Stand-in module for the export tests.
module i2c_controller(input a, output b);
assign b = a;
endmodule
