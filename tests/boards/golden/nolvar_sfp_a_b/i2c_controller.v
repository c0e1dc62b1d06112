// Register transfers over the two-wire engine (i2c_bus_controller): write
// iCOUNT bytes (1 to 6, iWDATA from bit 47 down) to the registers from
// iREG on, or read iCOUNT bytes from iREG on into oRDATA (first byte in bits
// 47:40). iGO for one clock while oBUSY is low starts a transfer; a target
// that does not acknowledge ends it with STOP and oNACK high.
module i2c_controller #(
    parameter [6:0] DEVICE_ADDR = 7'h55
) (
    input             iCLK,
    input             iRST_n,
    input             iGO,
    input             iREAD,
    input      [7:0]  iREG,
    input      [2:0]  iCOUNT,
    input      [47:0] iWDATA,
    output reg [47:0] oRDATA = 48'd0,
    output            oBUSY,
    output reg        oNACK = 1'b0,
    // engine side
    output reg        oENG_GO = 1'b0,
    output reg [1:0]  oENG_CMD = 2'd0,
    output reg [7:0]  oENG_TX = 8'd0,
    output reg        oENG_RX_ACK = 1'b0,
    input      [7:0]  iENG_RX,
    input             iENG_NACK,
    input             iENG_BUSY
);

localparam CMD_START = 2'd0, CMD_WRITE = 2'd1, CMD_READ = 2'd2, CMD_STOP = 2'd3;

// Steps: 0 START, 1 address+W, 2 register, 3 data bytes or repeated START,
// 4 address+R, 5 data bytes in, 6 STOP.
reg  [1:0]  run = 2'd0;  // 0 idle, 1 issue, 2 wait
reg  [2:0]  step = 3'd0;
reg         reading = 1'b0;
reg  [2:0]  left = 3'd0;
reg  [7:0]  reg_addr = 8'd0;
reg  [47:0] wdata = 48'd0;

assign oBUSY = (run != 2'd0);

always @(posedge iCLK or negedge iRST_n) begin
    if (!iRST_n) begin
        run <= 2'd0;
        step <= 3'd0;
        reading <= 1'b0;
        left <= 3'd0;
        reg_addr <= 8'd0;
        wdata <= 48'd0;
        oRDATA <= 48'd0;
        oNACK <= 1'b0;
        oENG_GO <= 1'b0;
        oENG_CMD <= CMD_START;
        oENG_TX <= 8'd0;
        oENG_RX_ACK <= 1'b0;
    end else begin
        oENG_GO <= 1'b0;
        case (run)
        2'd0:
            if (iGO) begin
                reading <= iREAD;
                left <= (iCOUNT == 3'd0) ? 3'd1 : iCOUNT;
                reg_addr <= iREG;
                wdata <= iWDATA;
                oNACK <= 1'b0;
                step <= 3'd0;
                run <= 2'd1;
            end
        2'd1: begin
            oENG_GO <= 1'b1;
            run <= 2'd2;
            case (step)
            3'd0: oENG_CMD <= CMD_START;
            3'd1: begin oENG_CMD <= CMD_WRITE; oENG_TX <= {DEVICE_ADDR, 1'b0}; end
            3'd2: begin oENG_CMD <= CMD_WRITE; oENG_TX <= reg_addr; end
            3'd3:
                if (reading)
                    oENG_CMD <= CMD_START;
                else begin
                    oENG_CMD <= CMD_WRITE;
                    oENG_TX <= wdata[47:40];
                end
            3'd4: begin oENG_CMD <= CMD_WRITE; oENG_TX <= {DEVICE_ADDR, 1'b1}; end
            3'd5: begin oENG_CMD <= CMD_READ; oENG_RX_ACK <= (left != 3'd1); end
            default: oENG_CMD <= CMD_STOP;
            endcase
        end
        default:
            if (!oENG_GO && !iENG_BUSY) begin
                run <= 2'd1;
                if (oENG_CMD == CMD_WRITE && iENG_NACK) begin
                    oNACK <= 1'b1;
                    step <= 3'd6;
                end else case (step)
                3'd3:
                    if (reading)
                        step <= 3'd4;
                    else begin
                        wdata <= {wdata[39:0], 8'd0};
                        left <= left - 3'd1;
                        if (left == 3'd1)
                            step <= 3'd6;
                    end
                3'd5: begin
                    oRDATA <= {oRDATA[39:0], iENG_RX};
                    left <= left - 3'd1;
                    if (left == 3'd1)
                        step <= 3'd6;
                end
                3'd6: run <= 2'd0;
                default: step <= step + 3'd1;
                endcase
            end
        endcase
    end
end

endmodule
