// Byte-level two-wire target at address ADDR. It acknowledges its address
// while `present` is high, every written byte after it, and hands the
// bytes to the chip model through wstrobe/wbyte/windex (index within the
// write, from 0). For reads it sends rdata and pulses rstrobe after loading
// each byte, so the model can step its register pointer.
module i2c_target #(
    parameter [6:0] ADDR = 7'h00
) (
    input            scl,
    inout            sda,
    input            present,
    input      [7:0] rdata,
    output reg       wstrobe = 0,
    output reg [7:0] wbyte = 0,
    output integer   windex = 0,
    output reg       rstrobe = 0,
    output reg       start_ev = 0,
    output reg       stop_ev = 0
);

reg     drive = 0;
assign sda = drive ? 1'b0 : 1'bz;

integer state = 0;  // 0 idle or not addressed, 1 address, 2 write data, 3 read data
integer bitn = 0;   // SCL rising edges in this 9-bit frame
reg [7:0] shift = 0;
reg     master_ack = 0;

always @(negedge sda) if (scl === 1'b1) begin
    state = 1;
    bitn = 0;
    drive = 0;
    start_ev = 1;
    #1 start_ev = 0;
end

always @(posedge sda) if (scl === 1'b1) begin
    state = 0;
    drive = 0;
    stop_ev = 1;
    #1 stop_ev = 0;
end

always @(posedge scl) begin
    if (state != 0) begin
        if (state == 3) begin
            if (bitn == 8)
                master_ack = (sda === 1'b0);
        end else if (bitn < 8) begin
            shift = {shift[6:0], (sda === 1'b0) ? 1'b0 : 1'b1};
        end
        bitn = bitn + 1;
    end
end

task automatic load_read_byte;
    shift = rdata;
    rstrobe = 1;
    #1 rstrobe = 0;
endtask

always @(negedge scl) begin
    #100; // hold time after the falling edge
    case (state)
    1: if (bitn == 8) begin
           if (shift[7:1] == ADDR && present) begin
               drive = 1;
               windex = 0;
           end else begin
               state = 0;
           end
       end else if (bitn == 9) begin
           bitn = 0;
           if (shift[0]) begin
               state = 3;
               load_read_byte();
               drive = ~shift[7];
           end else begin
               state = 2;
               drive = 0;
           end
       end
    2: if (bitn == 8) begin
           wbyte = shift;
           wstrobe = 1;
           #1 wstrobe = 0;
           windex = windex + 1;
           drive = 1;
       end else if (bitn == 9) begin
           bitn = 0;
           drive = 0;
       end
    3: if (bitn < 8) begin
           drive = ~shift[7 - bitn];
       end else if (bitn == 8) begin
           drive = 0;
       end else begin
           bitn = 0;
           if (master_ack) begin
               load_read_byte();
               drive = ~shift[7];
           end else begin
               state = 0;
               drive = 0;
           end
       end
    default: ;
    endcase
end

endmodule
