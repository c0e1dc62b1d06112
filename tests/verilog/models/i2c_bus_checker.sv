// Watches a two-wire bus: START and STOP only between frames, SDA moving
// only while SCL is low inside a frame, no strong 1 on either line (only
// pull-downs and the pull-up may drive), and the SCL period. With STRICT
// set it also checks the standard-mode high, low, hold and set-up times.
module i2c_bus_checker #(
    parameter real MIN_PERIOD_NS = 10000.0,
    parameter      STRICT = 0
) (
    input scl,
    input sda
);

integer errors = 0;
integer starts = 0;        // first STARTs of a frame
integer repeats = 0;       // repeated STARTs
integer stops = 0;
integer bits = 0;          // SCL pulses (falling edges) since the START
realtime last_rise = -1.0e9;
realtime last_fall = -1.0e9;
realtime last_start = -1.0e9;
realtime last_stop = -1.0e9;
realtime scl_rise_time = -1.0e9;
reg in_frame = 0;

task automatic fail(input string what);
    errors = errors + 1;
    if (errors <= 10)
        $display("%t bus checker: %s", $realtime, what);
endtask

task automatic check_strength(input string name, input string s);
    if (s == "St1")
        fail({name, " driven high"});
endtask

always @(scl) begin
    string s;
    $sformat(s, "%v", scl);
    check_strength("SCL", s);
    if (scl === 1'bx)
        fail("SCL unknown");
end

always @(sda) begin
    string s;
    $sformat(s, "%v", sda);
    check_strength("SDA", s);
    if (sda === 1'bx)
        fail("SDA unknown");
end

always @(posedge scl) begin
    if ($realtime - last_rise < MIN_PERIOD_NS * 0.999 && last_rise >= 0)
        fail($sformatf("SCL period %0.1f ns", $realtime - last_rise));
    if (STRICT && last_fall >= 0 && $realtime - last_fall < 4700.0)
        fail("SCL low time below 4.7 us");
    last_rise = $realtime;
    scl_rise_time = $realtime;
end

always @(negedge scl) begin
    if (STRICT && $realtime - last_rise < 4000.0)
        fail("SCL high time below 4.0 us");
    if (STRICT && in_frame && bits == -1 && $realtime - last_start < 4000.0)
        fail("START hold time below 4.0 us");
    last_fall = $realtime;
    if (in_frame)
        bits = bits + 1;
end

always @(negedge sda) begin
    if (scl === 1'b1) begin
        if (in_frame && bits % 9 != 0)
            fail($sformatf("START inside a frame after %0d bits", bits));
        if (STRICT && !in_frame && $realtime - last_stop < 4700.0)
            fail("bus free time below 4.7 us");
        if (STRICT && $realtime - scl_rise_time < 4700.0 && in_frame)
            fail("repeated START set-up below 4.7 us");
        if (in_frame)
            repeats = repeats + 1;
        else
            starts = starts + 1;
        in_frame = 1;
        bits = -1; // the falling SCL that ends the START is no bit
        last_start = $realtime;
    end
end

always @(posedge sda) begin
    if (scl === 1'b1) begin
        if (!in_frame)
            fail("STOP outside a frame");
        else if (bits % 9 != 0)
            fail($sformatf("STOP inside a frame after %0d bits", bits));
        if (STRICT && $realtime - scl_rise_time < 4000.0)
            fail("STOP set-up below 4.0 us");
        stops = stops + 1;
        in_frame = 0;
        last_stop = $realtime;
    end
end

endmodule
